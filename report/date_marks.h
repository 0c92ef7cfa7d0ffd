#pragma once

// Marks written beside dates (CP949).

// After a date or a time that may be a day off: a computed lunar month whose
// new moon, or a solar term, falls within minutes of midnight.
extern const char* const kUncertainMark;

// Before the number of a leap lunar month: "윤6월", "윤6.1".
extern const char* const kLeapMonthPrefix;

// Beside a regular election the statute schedules, not yet announced: "예정",
// and the longer words of a calendar event's description.
extern const char* const kScheduledMark;
extern const char* const kScheduledElectionNote;

#pragma once

#include <cstdint>

#include <string>

#include "report/day_kinds.h"

// Korean names (UTF-8) of what dalcal-print hands to other calendars.

// What a calendar file of a span of years holds.
struct CalendarParts {
    bool holidays = false;
    bool terms = false;
    bool events = false;
};

// The name of such a calendar: "대한민국 공휴일 2026", "24절기 2026-2030",
// "내 날짜 2026", "대한민국 공휴일 · 24절기 · 내 날짜 2026-2030".
std::string CalendarFileName(const CalendarParts& parts, std::int32_t fromYear, std::int32_t toYear);

// The name of a calendar of every kind shown (--days --ics): the kinds'
// names and the years, "공휴일 · 24절기 · 잡절 · 내 날짜 2027".
std::string DaysCalendarName(const DayKinds& kinds, std::int32_t fromYear, std::int32_t toYear);

// The categories of events: "절기", "음력 기념일", "내 날짜" (the user's own).
extern const char* const kSolarTermCategory;
extern const char* const kLunarAnniversaryCategory;
extern const char* const kUserEventCategory;

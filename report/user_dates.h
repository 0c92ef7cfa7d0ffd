#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/holidays.h"
#include "engine/yearly_dates.h"

// The user's own dates, read from their files by the programs: events kept
// every year or once, and holidays added to the built-in list.

// What a date is to the family, which says how its years are counted.
enum class EventKind {
    Other,        // 기타: no years counted
    Birthday,     // 생일: "만 72세"
    Memorial,     // 기일: "26주기"
    Anniversary,  // 기념일: "30주년"
};

struct UserEvent {
    UserEvent() = default;
    UserEvent(const DateRule& dateRule, std::string eventName) : rule(dateRule), name(std::move(eventName)) {}

    DateRule rule;
    std::string name;  // as written in the file, UTF-8
    EventKind kind = EventKind::Other;
    std::int32_t sinceYear = 0;  // the year it began (the birth, the death, the wedding), 0 not given; a lunar
                                 // anniversary's is a lunar year. No day of it is kept before that year.
    std::optional<std::int32_t> remindDays;  // days before to remind, 0 on the day (0..kMostRemindDays); none: never
    std::int32_t source = 0;                 // the file it came from, by UserDates::eventSources
    std::int32_t line = 0;                   // its line there, 1-based; 0 where it came from no file
};

// The most days ahead a reminder may come: a year.
inline constexpr std::int32_t kMostRemindDays = 365;

struct UserDates {
    std::vector<UserEvent> events;
    std::vector<std::string> eventSources;  // the files the events came from, by UserEvent::source
    std::vector<AddedHoliday> holidays;
    std::vector<std::string> holidaySources;  // the files the added days came from, by AddedHoliday::source
};

// One day an event falls on; event points into the UserDates it came from.
struct EventDay {
    const UserEvent* event;
    Observance observance;
};

// The events whose days fall in the Gregorian years fromYear..toYear, in date
// order (events of one day in the order of the file).
std::vector<EventDay> EventsIn(const UserDates& user, std::int32_t fromYear, std::int32_t toYear);

// The same for one month (1..12) of a year.
std::vector<EventDay> EventsInMonth(const UserDates& user, std::int32_t year, std::int32_t month);

// The holidays of a year with the user's added days (GetHolidays).
bool GetUserHolidays(std::int32_t year, const UserDates& user, std::vector<Holiday>& holidays);

// An event as the text views name it, UTF-8: its name, then how it is kept
// and the years counted: "어머니 생신 (음력 3.15, 만 72세)", "할머니 생신
// (음력 윤6.1, 옮김)" where it fell elsewhere than its own day, "생일 (양력
// 2.29, 옮김)", "결혼기념일 (30주년)"; a solar or one-day event that falls on
// its day, with no years to count, is its name alone.
std::string EventText(const EventDay& day);
void AppendEventText(std::string& out, const EventDay& day);  // the same onto the end of out

// Whether a day of an event is of its own years: not before the year it began.
bool IsInItsYears(const UserEvent& event, const Observance& day);

// The years an event's day counts from the year it began, counted as the
// date is kept (a lunar anniversary by lunar years): the age of a birthday,
// the 주기 of a 기일, the 주년 of a 기념일; none for another kind, a one-day
// event, one whose first year is not given, and in that year itself.
std::optional<std::int32_t> YearsCounted(const EventDay& day);

// The years as the views say them: "만 72세", "26주기", "30주년"; empty for 기타.
std::string YearsText(EventKind kind, std::int32_t years);

// The kinds' words, as the events file and the dialog write them: "생일",
// "기일", "기념일", "기타".
const char* EventKindWord(EventKind kind);

// What a rule does in a year that lacks its date, as the events file keeps
// it, in words (UTF-8); empty where every year has the date:
// "음력 12월 30일이 없는 해에는 29일에", "윤6월이 없는 해에는 6월 1일에",
// "양력 2월 29일이 없는 해에는 28일에".
std::string KeptElsewhereText(const DateRule& rule);

// The next days (at most count) an event falls on from the day from on, in
// date order, of its own years; event must outlive them.
std::vector<EventDay> NextDaysOf(const UserEvent& event, const GregorianDate& from, std::size_t count);

// One of those days as a line: "2027-01-28 (목)", then " 옮김" where the date
// was moved and the years counted: "2027-02-06 (토) 옮김 만 72세".
std::string NextDayLine(const EventDay& day);

// What tells rules apart, as text: "lunar 0-3-15\n", "solar 0-5-8\n",
// "once 2027-3-4\n", " leap" before the newline of a leap month. An event's
// identity is its rule's and its name.
std::string DateRuleIdentity(const DateRule& rule);

// "lunar", "solar" or "once".
const char* DateRuleKindName(DateRuleKind kind);

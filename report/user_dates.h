#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "holidays.h"
#include "yearly_dates.h"

// The user's own dates, read from their files by the programs: events kept
// every year or once, and holidays added to the built-in list.

struct UserEvent {
    DateRule rule;
    std::string name;  // as written in the file, UTF-8
};

struct UserDates {
    std::vector<UserEvent> events;
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

// An event as the text views name it, UTF-8: its name, then how it is kept:
// "어머니 생신 (음력 3.15)", "할머니 생신 (음력 윤6.1, 옮김)" where it fell
// elsewhere than its own day, "생일 (양력 2.29, 옮김)"; a solar or one-day
// event that falls on its day is its name alone.
std::string EventText(const EventDay& day);
void AppendEventText(std::string& out, const EventDay& day);  // the same onto the end of out

// What tells rules apart, as text: "lunar 0-3-15\n", "solar 0-5-8\n",
// "once 2027-3-4\n", " leap" before the newline of a leap month. An event's
// identity is its rule's and its name.
std::string DateRuleIdentity(const DateRule& rule);

// "lunar", "solar" or "once".
const char* DateRuleKindName(DateRuleKind kind);

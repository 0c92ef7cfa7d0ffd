#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/holiday.h"
#include "report/day_kinds.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"

// What is coming: the public holidays, the solar terms and the user's events
// of the days from today on, for a shell's start-up file.

enum class UpcomingKind { Holiday, SolarTerm, Event, Reminder, Anniversary, Sundry };

struct UpcomingDate {
    GregorianDate date;
    std::int32_t daysLeft = 0;  // 0 today
    UpcomingKind kind = UpcomingKind::Holiday;
    std::string name;  // UTF-8: a holiday's title, a term's name, an event's text (a reminder's too)
    std::optional<HolidayKind> holidayKind;   // a holiday's
    std::optional<std::int32_t> minuteOfDay;  // a term's moment, Korean civil time
    bool moved = false;                       // an event kept elsewhere than its own day
};

// The days today..today+days-1 that hold something of the kinds shown, in
// date order (on one day: holidays, events, 기념일, 잡절, terms), within the
// years each is known for; none outside 1..9999. Before them the reminders
// due today (reminders.h), each dated with the day it reminds of, however far
// ahead that is, where events are shown.
// A date's line as --upcoming lists it: "2027-02-07 일요일 설날 · in 14 days",
// a term with its time ("2027-02-04 목요일 입춘 05:46 · ..."); daysLeft is the
// days left in the reader's words.
std::string UpcomingLine(const UpcomingDate& date, std::string_view daysLeft);

std::vector<UpcomingDate> UpcomingDates(const GregorianDate& today, std::int32_t days, const UserDates& user,
                                        const DayKinds& kinds = kListedKinds);

// The largest span asked for: ten years.
inline constexpr std::int32_t kMostUpcomingDays = 3660;

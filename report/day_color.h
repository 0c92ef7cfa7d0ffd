#pragma once

#include <cstdint>

#include "runtime/civil_date.h"

// A day's colour, as Korean wall calendars print it: Sundays and public
// holidays red, Saturdays blue, other days plain. Every view (the terminal's
// colours, the printed page) takes it from here.
enum class DayColor {
    Weekday,
    Saturday,  // blue
    Holiday,   // red: Sundays and public holidays
};

constexpr DayColor DayColorOf(Weekday weekday, bool publicHoliday)
{
    if (weekday == kSunday || publicHoliday) return DayColor::Holiday;
    return weekday == kSaturday ? DayColor::Saturday : DayColor::Weekday;
}

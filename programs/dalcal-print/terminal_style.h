#pragma once

#include <cstdint>
#include <span>

#include "engine/holidays.h"
#include "print_request/surroundings.h"
#include "report/print_month.h"
#include "report/terminal_month.h"

// Colour on a terminal, as Korean paper calendars print a month: Sundays and
// public holidays in red, Saturdays in blue, today in reverse video.

// The cell style of a month; holidays (with the user's added days) only where
// they are Korea's (the Korean almanac's calendar).
CellStyle MonthColors(std::int32_t year, std::int32_t month, bool markHolidays, const GregorianDate& today,
                      std::span<const AddedHoliday> added = {});

// The colours of the weekday heading: 일 red, 토 blue, as their days.
WeekdayStyle WeekdayColors();

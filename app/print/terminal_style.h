#pragma once

#include <cstdint>
#include <span>

#include "arguments.h"
#include "holidays.h"
#include "print_month.h"
#include "terminal_month.h"

// Colour on a terminal, as Korean paper calendars print a month: Sundays and
// public holidays in red, Saturdays in blue, today in reverse video.

// Whether to colour: --color=always or never as asked; auto colours only a
// terminal, and not where NO_COLOR is set (to anything) or TERM is "dumb".
bool UseColor(ColorWhen when, bool stdoutIsTerminal, const char* noColor, const char* term);

struct Today {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
};

// The cell style of a month; holidays (with the user's added days) only where
// they are Korea's (the Korean almanac's calendar).
CellStyle MonthColors(std::int32_t year, std::int32_t month, bool markHolidays, const Today& today,
                      std::span<const AddedHoliday> added = {});

// The colours of the weekday heading: 일 red, 토 blue, as their days.
WeekdayStyle WeekdayColors();

#pragma once

#include <cstdint>
#include <vector>

#include "arguments.h"
#include "civil_date.h"
#include "user_dates.h"

// What a run of dalcal-print (and of the page drawer it starts) takes from
// its surroundings besides its arguments, read once by its main and fixed
// by the tests.

// The local date (a zero date: none, as the tests give where it does not matter).
using Today = GregorianDate;

struct RunContext {
    bool color = false;             // colour the cells (a terminal that wants it)
    Today today;                    // the local date: the default month and year, today's cell
    std::int64_t stampSeconds = 0;  // DTSTAMP of iCalendar events, seconds since 1970 (UTC)
    UserDates user;                 // the user's events and added holidays, read from their files
};

// Whether to colour: --color=always or never as asked; auto colours only a
// terminal, and not where NO_COLOR is set (to anything) or TERM is "dumb".
bool UseColor(ColorWhen when, bool stdoutIsTerminal, const char* noColor, const char* term);

// Today, the stamp of iCalendar events, colour for a terminal, and the
// user's files (each line or file that cannot be used reported on stderr).
RunContext ReadSurroundings(const PrintRequest& request);

// Whether standard output is a terminal, which PDF or SVG bytes are never
// written onto (as compressors refuse): then says so.
bool RefusedOntoTerminal(OutputFormat format);

// The months a --pdf or --svg request draws: YEAR MONTH, the twelve of YEAR,
// or this month; a refused year or month raises EConvertError naming it.
struct MonthOfPage {
    std::int32_t year;
    std::int32_t month;
};
std::vector<MonthOfPage> RequestedMonths(const PrintRequest& request, const RunContext& context);

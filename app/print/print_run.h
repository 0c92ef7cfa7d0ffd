#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "arguments.h"
#include "terminal_style.h"
#include "user_dates.h"

// Carrying out what dalcal-print was asked (all but --help and --version),
// apart from main so that the tests and the fuzzers run it whole.

// Where a run writes: bytes in the encoding asked for, lines ended.
using ByteOutput = std::function<void(std::string_view bytes)>;

// What a run takes from its surroundings, which main reads and tests fix.
struct RunContext {
    bool color = false;             // colour the cells (a terminal that wants it)
    Today today;                    // the local date: the default month and year, today's cell
    std::int64_t stampSeconds = 0;  // DTSTAMP of iCalendar events, seconds since 1970 (UTC)
    UserDates user;                 // the user's events and added holidays, read from their files
};

// Writes what the request asks for to output. A refused value raises
// EConvertError (what was written stays written). Returns the exit status:
// 0, or 1 where --from-lunar --years found the date in none of the years.
// The months a --pdf or --svg request draws: YEAR MONTH, the twelve of YEAR,
// or this month; a refused year or month raises EConvertError naming it.
struct MonthOfPage {
    std::int32_t year;
    std::int32_t month;
};
std::vector<MonthOfPage> RequestedMonths(const PrintRequest& request, const RunContext& context);

int RunPrintRequest(const PrintRequest& request, const RunContext& context, const ByteOutput& output);

#pragma once

#include <cstdint>

#include "engine/almanac.h"
#include "report/line_output.h"

// Writes the month calendar of year/month to output, line by line: a header
// naming the year and month by stem and branch, a rule, the weekday header and
// one row per week, each day with its stem-branch name and its lunar date in
// the almanac given (the classic table unless told). A day the almanac does
// not cover shows a blank lunar part (before 1900 the classic table shows the
// days counted back from its first day, as SolarToLunar gives them).
//
// The three header lines go out first, for any year and month. A date the
// date routines reject (a year outside 1..9999, a month outside 1..12) then
// raises EConvertError on day 1; lines already written stay written.
//
// style, where given, puts text around each day's cell (leap mark, day,
// stem-branch and lunar date; not the blank after it): a terminal's colours.
void PrintMonth(std::int32_t year, std::int32_t month, const LineOutput& output, Almanac almanac = Almanac::Classic,
                const CellStyle& style = {});

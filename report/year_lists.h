#pragma once

#include <cstdint>

#include "print_month.h"

// A year's public holidays, one a line: the ISO date, a blank, the Korean
// name and its kind in parentheses, e.g. "2026-03-02 삼일절 (대체공휴일)".
// A year whose holidays are not known (outside 2014..2100) raises EConvertError.
void PrintHolidayList(std::int32_t year, const LineOutput& output);

// A year's 24 solar terms, one a line: "YYYY-MM-DD HH:MM" in Korean civil
// time, a blank and the Korean name, " (±1일)" after a term within a minute of
// midnight. A year outside 1900..2100 raises EConvertError.
void PrintSolarTermList(std::int32_t year, const LineOutput& output);

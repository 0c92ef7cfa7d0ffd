#pragma once

#include "printer.h"

// Lunar dates turned into Gregorian days: --from-lunar YEAR MONTH DAY, and
// MONTH DAY in every year of --years; with --observe where the date is kept
// in a year that lacks it.

void PrintLunarDate(const Printer& printer);

// Returns whether any year had the date (or, with --observe, kept it).
bool PrintLunarDateInYears(const Printer& printer);

#pragma once

#include "programs/dalcal-print/printer.h"

// Lunar dates turned into Gregorian days: --from-lunar YEAR MONTH DAY (or
// MONTH DAY, this year's), and MONTH DAY in every year of --years (a line a
// year, the date or why there is none; stderr says how many years lack it and
// what --observe does); with --observe where the date is kept in a year that
// lacks it. The years' writers return the exit status: 0 where any year had
// the date (or, with --observe, kept it), else 1.
void PrintLunarDateText(const Printer& printer);
void PrintLunarDateJson(const Printer& printer);
int PrintLunarYearsText(const Printer& printer);
int PrintLunarYearsJson(const Printer& printer);
int PrintLunarYearsIcs(const Printer& printer);

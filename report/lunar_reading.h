#pragma once

#include "engine/lunar_year.h"
#include "engine/sexagenary.h"

// A day's lunar date as the views write it: the date, the stem-branches of
// its year and month, and whether a computed month may be a day off.
struct LunarReading {
    LunarDate date;    // leap set in a leap month
    StemBranch year;   // 세차 of the lunar year
    StemBranch month;  // 월건 of the lunar month (a leap month: the month it repeats)
    bool uncertain;    // a computed month that may begin a day earlier or later
};

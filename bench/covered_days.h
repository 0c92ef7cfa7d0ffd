#pragma once

#include <cstdint>
#include <vector>

#include "engine/sexagenary.h"

// A Gregorian day with its day count from 0001-01-01.
struct CoveredDay {
    std::int32_t year, month, day;
    std::int32_t daysBefore;
};

// Every day the lunar table covers, 1900-01-31 .. 2050-01-22, in order.
inline std::vector<CoveredDay> CoveredDays()
{
    std::vector<CoveredDay> days;
    CoveredDay d{1900, 1, 31, GetDaysBeforeMonth(1900, 1) + 30};
    while (!(d.year == 2050 && d.month == 1 && d.day == 23)) {
        days.push_back(d);
        ++d.daysBefore;
        if (++d.day > GetSolarMonthDays(d.year, d.month)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    }
    return days;
}

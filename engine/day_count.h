#pragma once

#include <cstdint>

// Day counts: days from 0001-01-01 in the proleptic Gregorian calendar (0 for
// that day), the engine's one way of naming a day across calendars.

struct GregorianDate {
    std::int32_t year = 0;
    std::int32_t month = 0;  // 1..12
    std::int32_t day = 0;    // 1..31

    friend bool operator==(const GregorianDate&, const GregorianDate&) = default;
};

// The day count of a date of years 1..9999 (month 1..12, day 1..31); the
// caller keeps to those ranges, which bound the result to [0, 3652058].
constexpr std::int32_t DayCountOf(std::int32_t year, std::int32_t month, std::int32_t day)
{
    const std::int32_t y = month <= 2 ? year - 1 : year;                                          // [0, 9999]
    const std::int32_t era = y / 400;                                                             // [0, 24]
    const std::int32_t yearOfEra = y - era * 400;                                                 // [0, 399]
    const std::int32_t shiftedMonth = (month + 9) % 12;                                           // [0, 11], March = 0
    const std::int32_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;                        // [0, 365]
    const std::int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // [0, 146096]
    return era * 146097 + dayOfEra - 306;
}
static_assert(DayCountOf(1, 1, 1) == 0);
static_assert(DayCountOf(1900, 1, 31) == 693625);
static_assert(DayCountOf(9999, 12, 31) == 3652058);

// The date of a day count in [0, 3652058] (0001-01-01 .. 9999-12-31).
constexpr GregorianDate DateOfDayCount(std::int32_t dayCount)
{
    const std::int32_t shifted = dayCount + 306;           // days from 0000-03-01
    const std::int32_t era = shifted / 146097;             // [0, 25]
    const std::int32_t dayOfEra = shifted - era * 146097;  // [0, 146096]
    const std::int32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;                  // [0, 399]
    const std::int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365]
    const std::int32_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // [0, 11], March = 0
    const std::int32_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const std::int32_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}
static_assert(DateOfDayCount(0) == GregorianDate{1, 1, 1});
static_assert(DateOfDayCount(693625) == GregorianDate{1900, 1, 31});
static_assert(DateOfDayCount(3652058) == GregorianDate{9999, 12, 31});

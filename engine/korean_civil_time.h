#pragma once

#include <cstdint>

#include "astronomy/julian_day.h"
#include "runtime/civil_date.h"

// Korean civil time as Korea's almanac reckons it: UTC+9 from 1912-01-01,
// UTC+8 before (the legal UTC+8:30 periods play no part in the almanac).

inline constexpr std::int32_t kUtcPlus9FromDay = DayCountOf(1912, 1, 1);
inline constexpr double kUtcPlus9Days = 9.0 / 24.0;
inline constexpr double kUtcPlus8Days = 8.0 / 24.0;

inline constexpr std::int32_t kUtcPlus9Minutes = 9 * 60;
inline constexpr std::int32_t kUtcPlus8Minutes = 8 * 60;

// The civil offset from UTC, in minutes, on a civil day.
constexpr std::int32_t CivilUtcOffsetMinutes(std::int32_t dayCount)
{
    return dayCount < kUtcPlus9FromDay ? kUtcPlus8Minutes : kUtcPlus9Minutes;
}

// The civil offset from UTC, in days, on a civil day.
constexpr double CivilUtcOffsetDays(std::int32_t dayCount)
{
    return dayCount < kUtcPlus9FromDay ? kUtcPlus8Days : kUtcPlus9Days;
}

// A moment (jdUT) as a civil day count with the time of day as its fraction.
constexpr double CivilDaysOfJdUT(double jdUT)
{
    const double daysUT = jdUT - kDayCountEpochJdUT;
    const double days = daysUT + kUtcPlus9Days;
    return days < kUtcPlus9FromDay ? daysUT + kUtcPlus8Days : days;
}

// jdUT of civil midnight at the start of a day.
constexpr double CivilMidnightJdUT(std::int32_t dayCount)
{
    return JdUTOfDayCount(dayCount) - CivilUtcOffsetDays(dayCount);
}

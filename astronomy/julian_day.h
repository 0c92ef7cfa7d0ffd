#pragma once

#include <cstdint>

// Time scales used here: jdUT is a Julian Day in Universal Time, jdeTT a
// Julian Ephemeris Day in Terrestrial Time (jdeTT = jdUT + deltaT / 86400).

inline constexpr double kJ2000JdeTT = 2451545.0;  // 2000-01-01 12:00 TT
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kSecondsPerDay = 86400.0;

// jdUT of 00:00 UT on day 0 of the engine's day count (0001-01-01, proleptic Gregorian).
inline constexpr double kDayCountEpochJdUT = 1721425.5;

// jdUT of 00:00 UT on the day with the given day count.
constexpr double JdUTOfDayCount(std::int32_t dayCount)
{
    return kDayCountEpochJdUT + dayCount;
}

// Julian centuries of TT from J2000.0.
constexpr double JulianCenturiesTT(double jdeTT)
{
    return (jdeTT - kJ2000JdeTT) / kDaysPerJulianCentury;
}

// The year with its fraction, as the Delta T polynomials take it.
constexpr double DecimalYear(double jdUT)
{
    return 2000.0 + (jdUT - kJ2000JdeTT) / 365.25;
}

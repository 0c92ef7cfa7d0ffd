#pragma once

#include <cstdint>

#include "engine/solar_terms.h"

// Moments of the Sun's apparent longitude (VSOP87, Delta T) in Korean civil
// time. The build runs these once for every term of 1900-2100 and the
// program reads the tables it makes (solar_terms.h, towang_yongsa.h).

// When the Sun reaches longitudeDeg (0..360) in a year, as a civil day count
// with the time of day (days since 0001-01-01 in Korean civil time);
// dayOfYearGuess (0 = 1 January) within a few days of it.
double SunLongitudeCivilDays(std::int32_t year, double longitudeDeg, double dayOfYearGuess);

// A civil moment rounded to the nearest minute, as KASI rounds: its date,
// minute of the day and whether it lies within a minute of midnight.
struct CivilMinute {
    GregorianDate date;
    std::int32_t minuteOfDay;  // [0, 1440)
    bool uncertainDay;
};
CivilMinute RoundToCivilMinute(double civilDays);

// A solar term computed so.
SolarTerm ComputeSolarTerm(std::int32_t year, std::int32_t index);  // index in 0..23
double SolarTermCivilDays(std::int32_t year, std::int32_t index);   // its exact moment

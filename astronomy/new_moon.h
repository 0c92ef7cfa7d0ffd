#pragma once

#include <cstdint>

// The moment (TT) of the mean-phase-corrected new moon number k, counted from
// the new moon of 2000-01-06 (k = 0; negative before it): J. Meeus,
// Astronomical Algorithms, 2nd ed., ch. 49, with all its periodic terms and
// the fourteen planetary-argument corrections. Within about a minute of a
// full ephemeris over many centuries, within 20 seconds over 1900-2100.
double NewMoonJdeTT(std::int32_t k);

// The number k of the last new moon at or before jdeTT (kept within a
// million lunations of 2000).
std::int32_t NewMoonNumberAtOrBefore(double jdeTT);

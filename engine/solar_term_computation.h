#pragma once

#include <cstdint>

#include "solar_terms.h"

// A solar term computed from the Sun's apparent longitude (VSOP87, Delta T),
// in Korean civil time to the minute. The build runs this once for every term
// of 1900-2100 and the program reads the table it makes (solar_terms.h).
SolarTerm ComputeSolarTerm(std::int32_t year, std::int32_t index);  // index in 0..23

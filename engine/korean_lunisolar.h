#pragma once

#include <cstdint>

#include "engine/lunar_year.h"

// Korea's lunar calendar computed from the Sun and the Moon, the way KASI
// builds its almanac:
//   - a month begins on the civil day (UTC+9; UTC+8 before 1912) of a new moon;
//   - month 11 is the month that contains the winter solstice;
//   - between two month 11s that are 13 new moons apart, the first month that
//     contains no principal term (the Sun's apparent longitude reaching a
//     multiple of 30 degrees) is a leap month, numbered after the month before it.
//
// The lunar year (1900 to 2200) with its first day and packed word. A month
// whose new moon lies within kUncertainMinutes of civil midnight, or whose
// place as the leap month hangs on a principal term that close to a month's
// first midnight, is flagged in uncertainMonths: Delta T, the clock error of
// the Earth's rotation, is not known that well in advance.
LunarYearSpan ComputeKoreanLunarYear(std::int32_t lunarYear);

inline constexpr std::int32_t kFirstComputableLunarYear = 1900;
inline constexpr std::int32_t kLastComputableLunarYear = 2200;
inline constexpr double kUncertainMinutes = 2.0;

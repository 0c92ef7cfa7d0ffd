#pragma once

#include <cstdint>

#include "engine/korean_almanac_table.h"
#include "engine/lunar_year.h"

// Korea's lunar calendar: lunar years 1391 to 2050 from KASI's published
// almanac (korean_almanac_table.h), 2051 to 2100 computed from the Sun and the
// Moon (korean_lunisolar.h) when the program is built.

inline constexpr std::int32_t kKoreanFirstYear = kKoreanTableFirstYear;
inline constexpr std::int32_t kKoreanLastYear = 2100;

// The lunar year; false (span untouched) for a year outside 1391..2100.
bool GetKoreanLunarYear(std::int32_t lunarYear, LunarYearSpan& span);

// The lunar year that holds a day (by day count); false outside the almanac.
bool GetKoreanLunarYearOfDay(std::int32_t dayCount, LunarYearSpan& span);

// Day counts of the almanac's first and last days.
std::int32_t KoreanFirstDay();
std::int32_t KoreanLastDay();

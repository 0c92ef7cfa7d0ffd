#pragma once

#include <array>
#include <cstdint>

#include "engine/lunar_word.h"

// The classic lunisolar table of the lunar years 1900 to 2049 (Chinese data,
// which Korea's calendar differs from on about 4% of days), one packed
// word a year, and the four queries that read it. Nothing else reads the table.
//
// Layout of a word: lunar_word.h; bits 17-31 are zero.

inline constexpr std::int32_t kFirstLunarYear = 1900;
inline constexpr std::int32_t kLastLunarYear = 2049;

// One word per lunar year from 1900, ten to a line.
inline constexpr std::array<std::uint32_t, 150> LunarInfo = {
    0x04BD8, 0x04AE0, 0x0A570, 0x054D5, 0x0D260, 0x0D950, 0x16554, 0x056A0, 0x09AD0, 0x055D2,  // 1900
    0x04AE0, 0x0A5B6, 0x0A4D0, 0x0D250, 0x1D255, 0x0B540, 0x0D6A0, 0x0ADA2, 0x095B0, 0x14977,  // 1910
    0x04970, 0x0A4B0, 0x0B4B5, 0x06A50, 0x06D40, 0x1AB54, 0x02B60, 0x09570, 0x052F2, 0x04970,  // 1920
    0x06566, 0x0D4A0, 0x0EA50, 0x06E95, 0x05AD0, 0x02B60, 0x186E3, 0x092E0, 0x1C8D7, 0x0C950,  // 1930
    0x0D4A0, 0x1D8A6, 0x0B550, 0x056A0, 0x1A5B4, 0x025D0, 0x092D0, 0x0D2B2, 0x0A950, 0x0B557,  // 1940
    0x06CA0, 0x0B550, 0x15355, 0x04DA0, 0x0A5D0, 0x14573, 0x052D0, 0x0A9A8, 0x0E950, 0x06AA0,  // 1950
    0x0AEA6, 0x0AB50, 0x04B60, 0x0AAE4, 0x0A570, 0x05260, 0x0F263, 0x0D950, 0x05B57, 0x056A0,  // 1960
    0x096D0, 0x04DD5, 0x04AD0, 0x0A4D0, 0x0D4D4, 0x0D250, 0x0D558, 0x0B540, 0x0B5A0, 0x195A6,  // 1970
    0x095B0, 0x049B0, 0x0A974, 0x0A4B0, 0x0B27A, 0x06A50, 0x06D40, 0x0AF46, 0x0AB60, 0x09570,  // 1980
    0x04AF5, 0x04970, 0x064B0, 0x074A3, 0x0EA50, 0x06B58, 0x05AC0, 0x0AB60, 0x096D5, 0x092E0,  // 1990
    0x0C960, 0x0D954, 0x0D4A0, 0x0DA50, 0x07552, 0x056A0, 0x0ABB7, 0x025D0, 0x092D0, 0x0CAB5,  // 2000
    0x0A950, 0x0B4A0, 0x0BAA4, 0x0AD50, 0x055D9, 0x04BA0, 0x0A5B0, 0x15176, 0x052B0, 0x0A930,  // 2010
    0x07954, 0x06AA0, 0x0AD50, 0x05B52, 0x04B60, 0x0A6E6, 0x0A4E0, 0x0D260, 0x0EA65, 0x0D530,  // 2020
    0x05AA0, 0x076A3, 0x096D0, 0x04BD7, 0x04AD0, 0x0A4D0, 0x1D0B6, 0x0D250, 0x0D520, 0x0DD45,  // 2030
    0x0B5A0, 0x056D0, 0x055B2, 0x049B0, 0x0A577, 0x0A4B0, 0x0AA50, 0x1B255, 0x06D20, 0x0ADA0,  // 2040
};

// Every query answers 0 for a year outside 1900..2049 (or a month outside
// 1..12) and then reads nothing.
constexpr bool IsLunarTableYear(std::int32_t year)
{
    return year >= kFirstLunarYear && year <= kLastLunarYear;
}

namespace lunar_table_detail {
constexpr std::uint32_t Entry(std::int32_t year)  // year in 1900..2049
{
    return LunarInfo[static_cast<std::size_t>(year - kFirstLunarYear)];
}
}  // namespace lunar_table_detail

// Number of the year's leap month, 0 if it has none.
constexpr std::int32_t GetLeapMonth(std::int32_t year)
{
    if (!IsLunarTableYear(year)) return 0;
    return lunar_word::LeapMonth(lunar_table_detail::Entry(year));
}

// Length of the year's leap month: 29 or 30, 0 if it has none.
constexpr std::int32_t GetLeapMonthDays(std::int32_t year)
{
    if (!IsLunarTableYear(year)) return 0;
    return lunar_word::LeapMonthDays(lunar_table_detail::Entry(year));
}

// Days of the whole lunar year: twelve months of 29 days, one more for each
// 30-day month, plus the leap month.
constexpr std::int32_t GetLunarYearDays(std::int32_t year)
{
    if (!IsLunarTableYear(year)) return 0;
    return lunar_word::YearDays(lunar_table_detail::Entry(year));
}

// Length of the ordinary month (1..12), 29 or 30. The leap month's length
// comes from GetLeapMonthDays only.
constexpr std::int32_t GetLunarMonthDays(std::int32_t year, std::int32_t month)
{
    if (!IsLunarTableYear(year) || month < 1 || month > 12) return 0;
    return lunar_word::OrdinaryMonthDays(lunar_table_detail::Entry(year), month);
}

// Days from the epoch (lunar new year 1900, 1900-01-31) to each lunar new
// year from 1900 to 2050, summed when the program is built.
inline constexpr auto kClassicNewYearOffsets = lunar_word::NewYearOffsets(LunarInfo);

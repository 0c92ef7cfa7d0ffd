#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "solar_to_lunar.h"

// One lunar year as both almanacs describe it: the packed word of the lunar
// tables and the day count (days from 0001-01-01, proleptic Gregorian) of its
// first day.
//
// Layout of a word, bit 0 lowest:
//   bits 0-3   number of the leap month (1-12; 0 = no leap month); the leap
//              month follows the ordinary month of the same number
//   bits 4-15  ordinary months: month m is bit 16 - m; set = 30 days, clear = 29
//   bit 16     length of the leap month: set = 30 days, clear = 29
struct LunarYearSpan {
    std::int32_t year = 0;
    std::int32_t firstDay = 0;  // day count of month 1, day 1
    std::uint32_t word = 0;
    // Bit i set: the i-th month of the year in order (0-based, the leap month
    // counted where it falls) may begin a day earlier or later than given.
    std::uint32_t uncertainMonths = 0;
};

namespace lunar_word {

constexpr std::int32_t LeapMonth(std::uint32_t word)  // 0..15; 0 = none
{
    return static_cast<std::int32_t>(word & 0xFu);
}

constexpr std::int32_t OrdinaryMonthDays(std::uint32_t word, std::int32_t month)  // month in 1..12
{
    return (word & (0x10000u >> month)) != 0 ? 30 : 29;
}

constexpr std::int32_t LeapMonthDays(std::uint32_t word)
{
    if (LeapMonth(word) == 0) return 0;
    return (word & 0x10000u) != 0 ? 30 : 29;
}

constexpr std::int32_t YearDays(std::uint32_t word)
{
    return 348 + std::popcount(word & 0xFFF0u) + LeapMonthDays(word);
}

// Days from the year's start to each year's start, summed when the program is
// built: offsets[i] is the first day of year i relative to year 0's.
template <std::size_t N>
constexpr std::array<std::int32_t, N + 1> NewYearOffsets(const std::array<std::uint32_t, N>& words)
{
    std::array<std::int32_t, N + 1> offsets{};
    for (std::size_t i = 0; i < N; ++i) offsets[i + 1] = offsets[i] + YearDays(words[i]);
    return offsets;
}

}  // namespace lunar_word

// The lunar date of the day with the given day count, which must lie within
// the year (firstDay <= dayCount < firstDay + YearDays).
LunarDate LunarDateInYear(const LunarYearSpan& span, std::int32_t dayCount);

// Position (0-based, the leap month counted where it falls) of a month of the
// year; -1 if the year has no such month (month outside 1..12, or leap and the
// year's leap month is another).
std::int32_t MonthIndex(const LunarYearSpan& span, std::int32_t month, bool leap);

// Days of the month at a position (0..12), and the days before it in the year.
std::int32_t MonthDaysAt(const LunarYearSpan& span, std::int32_t index);
std::int32_t DaysBeforeMonthAt(const LunarYearSpan& span, std::int32_t index);

#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

// The packed word of a lunar year, as both lunar tables store it.
//
// Layout of a word, bit 0 lowest:
//   bits 0-3   number of the leap month (1-12; 0 = no leap month); the leap
//              month follows the ordinary month of the same number
//   bits 4-15  ordinary months: month m is bit 16 - m; set = 30 days, clear = 29
//   bit 16     length of the leap month: set = 30 days, clear = 29
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

#include "engine/lunar_table.h"

#include <algorithm>

// Facts of the table, checked whenever the program is built.
namespace {

constexpr std::int32_t TotalDays()
{
    std::int32_t total = 0;
    for (std::int32_t year = kFirstLunarYear; year <= kLastLunarYear; ++year) total += GetLunarYearDays(year);
    return total;
}

constexpr std::int32_t CountYears(bool (*pick)(std::int32_t))
{
    std::int32_t count = 0;
    for (std::int32_t year = kFirstLunarYear; year <= kLastLunarYear; ++year) count += pick(year) ? 1 : 0;
    return count;
}

// Bits 17-31 are zero, and bit 16 is set only where there is a leap month.
constexpr bool UsedBitsOnly()
{
    return std::ranges::all_of(LunarInfo, [](std::uint32_t word) {
        return (word >> 17) == 0 && ((word & 0xF) != 0 || (word & 0x10000) == 0);
    });
}

static_assert(LunarInfo.size() == kLastLunarYear - kFirstLunarYear + 1);
static_assert(UsedBitsOnly());
static_assert(TotalDays() == 54779);
static_assert(CountYears([](std::int32_t y) { return GetLeapMonth(y) != 0; }) == 55);
static_assert(CountYears([](std::int32_t y) { return GetLeapMonthDays(y) == 30; }) == 14);
static_assert(CountYears([](std::int32_t y) { return GetLunarYearDays(y) == 353; }) == 1);
static_assert(GetLunarYearDays(1965) == 353);
static_assert(GetLeapMonth(1984) == 10);
static_assert(GetLunarYearDays(1900) == 384);
static_assert(kClassicNewYearOffsets[2023 - kFirstLunarYear] == 44916);  // 2023-01-22
static_assert(kClassicNewYearOffsets.back() == 54779);                   // 2050-01-23

}  // namespace

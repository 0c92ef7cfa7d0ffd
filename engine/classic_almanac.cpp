#include "engine/classic_almanac.h"

#include <algorithm>

namespace {

constexpr std::int32_t kClassicEndDay = kClassicFirstDay + kClassicNewYearOffsets.back();  // lunar 2050-01-01
static_assert(kClassicEndDay == DayCountOf(2050, 1, 23));

LunarYearSpan TableYear(std::size_t index)  // index in [0, LunarInfo.size())
{
    return {kFirstLunarYear + static_cast<std::int32_t>(index), kClassicFirstDay + kClassicNewYearOffsets[index],
            LunarInfo[index], 0};
}

}  // namespace

bool GetClassicLunarYear(std::int32_t lunarYear, LunarYearSpan& span)
{
    if (!IsLunarTableYear(lunarYear)) return false;
    span = TableYear(static_cast<std::size_t>(lunarYear - kFirstLunarYear));
    return true;
}

bool GetClassicLunarYearOfDay(std::int32_t dayCount, LunarYearSpan& span)
{
    if (dayCount < kClassicFirstDay || dayCount >= kClassicEndDay) return false;
    // The last new year on or before the day, among those summed when the program is built.
    const auto* const next =
        std::upper_bound(kClassicNewYearOffsets.begin(), kClassicNewYearOffsets.end(), dayCount - kClassicFirstDay);
    span = TableYear(static_cast<std::size_t>(std::distance(kClassicNewYearOffsets.begin(), next) - 1));  // [0, 149]
    return true;
}

#include "solar_to_lunar.h"

#include <algorithm>
#include <array>

#include "lunar_table.h"
#include "sysutils.h"

namespace {

constexpr std::size_t kTableYears = kLastLunarYear - kFirstLunarYear + 1;

// Days from the epoch (lunar new year 1900) to each lunar new year from 1900
// to 2050, summed from the year lengths when the program is built. Finding a
// date's year in it gives the same year and remainder as walking the years
// one by one from 1900, in a handful of steps instead of up to 150.
constexpr std::array<std::int32_t, kTableYears + 1> kNewYearOffsets = [] {
    std::array<std::int32_t, kTableYears + 1> offsets{};
    for (std::size_t i = 0; i < kTableYears; ++i) {
        offsets[i + 1] = offsets[i] + GetLunarYearDays(kFirstLunarYear + static_cast<std::int32_t>(i));
    }
    return offsets;
}();
static_assert(kNewYearOffsets[2023 - kFirstLunarYear] == 44916);  // 2023-01-22
static_assert(kNewYearOffsets.back() == 54779);                   // 2050-01-23

}  // namespace

void SolarToLunar(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t& lunarYear,
                  std::int32_t& lunarMonth, std::int32_t& lunarDay, std::int32_t& leap)
{
    const Sysutils::TDateTime base = Sysutils::EncodeDate(1900, 1, 31);
    const Sysutils::TDateTime serial = Sysutils::EncodeDate(year, month, day);
    // Whole days within years 1..9999: |offset| < 3,652,059.
    std::int32_t offset = static_cast<std::int32_t>(serial - base);

    // The lunar year: the last new year on or before the date. A date before
    // the epoch stays in 1900 with a negative offset.
    std::int32_t y = kFirstLunarYear;
    if (offset > 0) {
        const auto* const next = std::upper_bound(kNewYearOffsets.begin(), kNewYearOffsets.end(), offset);
        const auto yearIndex = std::distance(kNewYearOffsets.begin(), next) - 1;  // [0, 150]
        y = kFirstLunarYear + static_cast<std::int32_t>(yearIndex);
        offset -= kNewYearOffsets[static_cast<std::size_t>(yearIndex)];
    }
    if (y > kLastLunarYear) {  // on or after lunar new year 2050: no lunar date
        lunarYear = lunarMonth = lunarDay = leap = 0;
        return;
    }

    // Walk the months: 1 .. L, the leap month L, L + 1 .. 12.
    const std::int32_t leapMonth = GetLeapMonth(y);
    std::int32_t inLeap = 0;
    std::int32_t m = 1;
    while (m < 13 && offset >= 0) {
        std::int32_t monthDays = 0;
        if (leapMonth > 0 && m == leapMonth + 1 && inLeap == 0) {
            --m;  // ordinary month L is behind us; its leap month comes next
            inLeap = 1;
            monthDays = GetLeapMonthDays(y);
        } else {
            monthDays = GetLunarMonthDays(y, m);
        }
        if (inLeap == 1 && m == leapMonth + 1) inLeap = 0;  // past the leap month again
        if (offset < monthDays) break;
        offset -= monthDays;
        ++m;
    }

    lunarYear = y;
    lunarMonth = m;
    lunarDay = offset + 1;
    leap = inLeap;
}

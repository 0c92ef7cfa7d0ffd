#include "solar_to_lunar.h"

#include <algorithm>

#include "lunar_table.h"
#include "sysutils.h"

void SolarToLunar(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t& lunarYear,
                  std::int32_t& lunarMonth, std::int32_t& lunarDay, std::int32_t& leap)
{
    const Sysutils::TDateTime base = Sysutils::EncodeDate(1900, 1, 31);
    const Sysutils::TDateTime serial = Sysutils::EncodeDate(year, month, day);
    // Whole days within years 1..9999: |offset| < 3,652,059.
    std::int32_t offset = static_cast<std::int32_t>(serial - base);

    // The lunar year: the last new year on or before the date, found among
    // the new years summed when the program is built (the same year and
    // remainder as walking the years one by one from 1900, in a handful of
    // steps instead of up to 150). A date before the epoch stays in 1900 with
    // a negative offset.
    std::int32_t y = kFirstLunarYear;
    if (offset > 0) {
        const auto* const next = std::upper_bound(kClassicNewYearOffsets.begin(), kClassicNewYearOffsets.end(), offset);
        const auto yearIndex = std::distance(kClassicNewYearOffsets.begin(), next) - 1;  // [0, 150]
        y = kFirstLunarYear + static_cast<std::int32_t>(yearIndex);
        offset -= kClassicNewYearOffsets[static_cast<std::size_t>(yearIndex)];
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

#include "solar_to_lunar.h"

#include "lunar_table.h"
#include "sysutils.h"

void SolarToLunar(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t& lunarYear,
                  std::int32_t& lunarMonth, std::int32_t& lunarDay, std::int32_t& leap)
{
    const Sysutils::TDateTime base = Sysutils::EncodeDate(1900, 1, 31);
    const Sysutils::TDateTime serial = Sysutils::EncodeDate(year, month, day);
    // Whole days within years 1..9999: |offset| < 3,652,059.
    std::int32_t offset = static_cast<std::int32_t>(serial - base);

    // Walk whole lunar years; the table ends with 2049.
    std::int32_t y = kFirstLunarYear;
    while (offset > 0 && y <= kLastLunarYear) {
        const std::int32_t yearDays = GetLunarYearDays(y);
        if (offset < yearDays) break;
        offset -= yearDays;
        ++y;
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

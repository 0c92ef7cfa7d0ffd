#include "engine/solar_to_lunar.h"

#include "engine/classic_almanac.h"
#include "runtime/sysutils.h"

void SolarToLunar(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t& lunarYear,
                  std::int32_t& lunarMonth, std::int32_t& lunarDay, std::int32_t& leap)
{
    const auto dayCount = static_cast<std::int32_t>(Sysutils::EncodeDate(year, month, day));  // raises for no such date
    LunarDate lunar;  // all 0: on or after lunar new year 2050, no lunar date
    LunarYearSpan span;
    if (dayCount < kClassicFirstDay) {
        // Before the epoch the date stays in lunar 1900-01 with its day counted
        // back: 0 for 1900-01-30. Within years 1..9999: day > -693,625.
        lunar = {kFirstLunarYear, 1, 1 + dayCount - kClassicFirstDay, false};
    } else if (GetClassicLunarYearOfDay(dayCount, span)) {
        lunar = LunarDateInYear(span, dayCount);
    }
    lunarYear = lunar.year;
    lunarMonth = lunar.month;
    lunarDay = lunar.day;
    leap = lunar.leap ? 1 : 0;
}

#include "almanac.h"

#include <string>

#include "classic_almanac.h"
#include "exception.h"
#include "korean_almanac.h"
#include "lunar_year.h"
#include "sysutils.h"

namespace {

bool GetLunarYear(Almanac almanac, std::int32_t lunarYear, LunarYearSpan& span)
{
    return almanac == Almanac::Classic ? GetClassicLunarYear(lunarYear, span) : GetKoreanLunarYear(lunarYear, span);
}

std::string AlmanacName(Almanac almanac)
{
    return almanac == Almanac::Classic ? "the classic table" : "Korea's almanac";
}

std::string MonthName(std::int32_t lunarYear, std::int32_t lunarMonth, bool leap)
{
    return (leap ? "leap month " : "month ") + std::to_string(lunarMonth) + " of lunar year " +
           std::to_string(lunarYear);
}

}  // namespace

AlmanacRange RangeOf(Almanac almanac)
{
    if (almanac == Almanac::Classic) {
        return {kFirstLunarYear,
                kLastLunarYear,
                {1900, 1, 31},
                DateOfDayCount(kClassicFirstDay + kClassicNewYearOffsets.back() - 1)};
    }
    return {kKoreanFirstYear, kKoreanLastYear, DateOfDayCount(KoreanFirstDay()), DateOfDayCount(KoreanLastDay())};
}

void SolarToLunar(Almanac almanac, std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t& lunarYear,
                  std::int32_t& lunarMonth, std::int32_t& lunarDay, std::int32_t& leap)
{
    if (almanac == Almanac::Classic) {
        SolarToLunar(year, month, day, lunarYear, lunarMonth, lunarDay, leap);
        return;
    }
    const auto dayCount = static_cast<std::int32_t>(Sysutils::EncodeDate(year, month, day));  // raises for no such date
    LunarDate lunar;
    LunarYearSpan span;
    if (GetKoreanLunarYearOfDay(dayCount, span)) lunar = LunarDateInYear(span, dayCount);
    lunarYear = lunar.year;
    lunarMonth = lunar.month;
    lunarDay = lunar.day;
    leap = lunar.leap;
}

GregorianDate LunarToSolar(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                           bool leap)
{
    LunarYearSpan span;
    if (!GetLunarYear(almanac, lunarYear, span)) {
        const AlmanacRange range = RangeOf(almanac);
        throw EConvertError("Lunar year " + std::to_string(lunarYear) + " is outside " + AlmanacName(almanac) + " (" +
                            std::to_string(range.firstYear) + "-" + std::to_string(range.lastYear) + ")");
    }
    if (lunarMonth < 1 || lunarMonth > 12) {
        throw EConvertError("Lunar month " + std::to_string(lunarMonth) + " is not a month (1-12)");
    }
    const std::int32_t index = MonthIndex(span, lunarMonth, leap);
    if (index < 0) {
        const std::int32_t leapMonth = lunar_word::LeapMonth(span.word);
        throw EConvertError("Lunar year " + std::to_string(lunarYear) + " has no leap month " +
                            std::to_string(lunarMonth) +
                            (leapMonth == 0 ? " (it has no leap month)"
                                            : " (its leap month follows month " + std::to_string(leapMonth) + ")"));
    }
    const std::int32_t monthDays = MonthDaysAt(span, index);
    if (lunarDay < 1 || lunarDay > monthDays) {
        throw EConvertError("Day " + std::to_string(lunarDay) + " is not in " + MonthName(lunarYear, lunarMonth, leap) +
                            ", which has " + std::to_string(monthDays) + " days");
    }
    return DateOfDayCount(span.firstDay + DaysBeforeMonthAt(span, index) + lunarDay - 1);
}

bool IsUncertainLunarMonth(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, bool leap)
{
    LunarYearSpan span;
    if (!GetLunarYear(almanac, lunarYear, span)) return false;
    const std::int32_t index = MonthIndex(span, lunarMonth, leap);
    return index >= 0 && (span.uncertainMonths & (1u << index)) != 0;
}

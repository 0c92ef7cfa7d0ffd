#include "engine/almanac.h"

#include <string>
#include <vector>

#include "engine/classic_almanac.h"
#include "engine/korean_almanac.h"
#include "engine/lunar_year.h"
#include "runtime/date_check.h"
#include "runtime/exception.h"

namespace {

bool GetLunarYear(Almanac almanac, std::int32_t lunarYear, LunarYearSpan& span)
{
    return almanac == Almanac::Classic ? GetClassicLunarYear(lunarYear, span) : GetKoreanLunarYear(lunarYear, span);
}

bool IsUncertainIn(const LunarYearSpan& span, std::int32_t lunarMonth, bool leap)
{
    const std::int32_t index = MonthIndex(span, lunarMonth, leap);
    return index >= 0 && (span.uncertainMonths & (1u << index)) != 0;
}

std::string Number(std::int32_t value)
{
    return std::to_string(value);
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

std::optional<LunarDate> ToLunar(Almanac almanac, const GregorianDate& date)
{
    CheckDate(date);
    const std::int32_t dayCount = DayCountOf(date.year, date.month, date.day);
    LunarYearSpan span;
    const bool found = almanac == Almanac::Classic ? GetClassicLunarYearOfDay(dayCount, span)
                                                   : GetKoreanLunarYearOfDay(dayCount, span);
    if (!found) return std::nullopt;
    return LunarDateInYear(span, dayCount);
}

LunarDateLookup FindLunarDate(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                              bool leap) noexcept
{
    LunarDateLookup found;
    LunarYearSpan span;
    if (!GetLunarYear(almanac, lunarYear, span)) return (found.lack = LunarDateLack::Year, found);
    found.leapMonth = lunar_word::LeapMonth(span.word);
    if (lunarMonth < 1 || lunarMonth > 12) return (found.lack = LunarDateLack::Month, found);
    const std::int32_t index = MonthIndex(span, lunarMonth, leap);
    if (index < 0) return (found.lack = LunarDateLack::LeapMonth, found);
    found.monthDays = MonthDaysAt(span, index);
    if (lunarDay < 1 || lunarDay > found.monthDays) return (found.lack = LunarDateLack::Day, found);
    found.date = DateOfDayCount(span.firstDay + DaysBeforeMonthAt(span, index) + lunarDay - 1);
    return found;
}

GregorianDate LunarToSolar(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                           bool leap)
{
    const LunarDateLookup found = FindLunarDate(almanac, lunarYear, lunarMonth, lunarDay, leap);
    switch (found.lack) {
        case LunarDateLack::None:
            return found.date;
        case LunarDateLack::Year: {
            const AlmanacRange range = RangeOf(almanac);
            const std::vector<std::string> values = {Number(lunarYear), Number(range.firstYear),
                                                     Number(range.lastYear)};
            throw EConvertError(almanac == Almanac::Classic
                                    ? Message("Lunar year {1} is outside the classic table ({2}-{3})", values)
                                    : Message("Lunar year {1} is outside Korea's almanac ({2}-{3})", values));
        }
        case LunarDateLack::Month:
            throw EConvertError(Message("Lunar month {1} is not a month (1-12)", {Number(lunarMonth)}));
        case LunarDateLack::LeapMonth:
            if (found.leapMonth == 0) {
                throw EConvertError(Message("Lunar year {1} has no leap month {2} (it has no leap month)",
                                            {Number(lunarYear), Number(lunarMonth)}));
            }
            throw EConvertError(Message("Lunar year {1} has no leap month {2} (its leap month follows month {3})",
                                        {Number(lunarYear), Number(lunarMonth), Number(found.leapMonth)}));
        case LunarDateLack::Day:
            break;
    }
    const std::vector<std::string> values = {Number(lunarDay), Number(lunarMonth), Number(lunarYear),
                                             Number(found.monthDays)};
    throw EConvertError(leap ? Message("Day {1} is not in leap month {2} of lunar year {3}, which has {4} days", values)
                             : Message("Day {1} is not in month {2} of lunar year {3}, which has {4} days", values));
}

bool IsUncertainLunarMonth(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, bool leap)
{
    LunarYearSpan span;
    return GetLunarYear(almanac, lunarYear, span) && IsUncertainIn(span, lunarMonth, leap);
}

bool KoreanLunarDateOfDay(std::int32_t dayCount, LunarDate& lunar, bool& uncertain)
{
    LunarYearSpan span;
    if (!GetKoreanLunarYearOfDay(dayCount, span)) return false;
    lunar = LunarDateInYear(span, dayCount);
    uncertain = IsUncertainIn(span, lunar.month, lunar.leap);
    return true;
}

#include "engine/lunar_year.h"

namespace {

struct MonthName {
    std::int32_t month;
    bool leap;
};

// The month at a position: 1 .. L, the leap month L, L + 1 .. 12.
MonthName MonthAt(std::uint32_t word, std::int32_t index)
{
    const std::int32_t leapMonth = lunar_word::LeapMonth(word);
    if (leapMonth == 0 || index < leapMonth) return {index + 1, false};
    if (index == leapMonth) return {leapMonth, true};
    return {index, false};
}

std::int32_t MonthCount(std::uint32_t word)
{
    return lunar_word::LeapMonth(word) == 0 ? 12 : 13;
}

}  // namespace

std::int32_t MonthDaysAt(const LunarYearSpan& span, std::int32_t index)
{
    if (index < 0 || index >= MonthCount(span.word)) return 0;
    const MonthName name = MonthAt(span.word, index);
    return name.leap ? lunar_word::LeapMonthDays(span.word) : lunar_word::OrdinaryMonthDays(span.word, name.month);
}

std::int32_t DaysBeforeMonthAt(const LunarYearSpan& span, std::int32_t index)
{
    std::int32_t days = 0;
    for (std::int32_t i = 0; i < index; ++i) days += MonthDaysAt(span, i);
    return days;
}

std::int32_t MonthIndex(const LunarYearSpan& span, std::int32_t month, bool leap)
{
    const std::int32_t leapMonth = lunar_word::LeapMonth(span.word);
    if (month < 1 || month > 12 || (leap && month != leapMonth)) return -1;
    if (leap || (leapMonth != 0 && month > leapMonth)) return month;
    return month - 1;
}

LunarDate LunarDateInYear(const LunarYearSpan& span, std::int32_t dayCount)
{
    if (dayCount < span.firstDay) return {};         // before the year: no lunar date
    std::int32_t offset = dayCount - span.firstDay;  // [0, YearDays) within the year
    for (std::int32_t index = 0; index < MonthCount(span.word); ++index) {
        const std::int32_t monthDays = MonthDaysAt(span, index);
        if (offset < monthDays) {
            const MonthName name = MonthAt(span.word, index);
            return {span.year, name.month, offset + 1, name.leap};
        }
        offset -= monthDays;
    }
    return {};  // past the year: no lunar date
}

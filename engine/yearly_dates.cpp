#include "engine/yearly_dates.h"

#include <algorithm>

#include "engine/almanac.h"
#include "engine/korean_almanac.h"

namespace {

constexpr std::int32_t kLongestLunarMonth = 30;
constexpr std::int32_t kFebruary = 2;
constexpr std::int32_t kLeapDay = 29;

// The anniversary in one lunar year of Korea's almanac; false outside it.
bool LunarObservance(const DateRule& rule, std::int32_t lunarYear, Observance& observance)
{
    const std::optional<Observance> kept = ObserveLunarDate(Almanac::Korea, lunarYear, rule.month, rule.day, rule.leap);
    if (kept) observance = *kept;
    return kept.has_value();
}

Observance SolarObservance(const DateRule& rule, std::int32_t year)
{
    if (rule.month == kFebruary && rule.day == kLeapDay && !IsGregorianLeapYear(year)) {
        return {{year, kFebruary, kLeapDay - 1}, year, true};
    }
    return {{year, rule.month, rule.day}, year, false};
}

}  // namespace

std::optional<Observance> ObserveLunarDate(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth,
                                           std::int32_t lunarDay, bool leap)
{
    if (lunarDay < 1 || lunarDay > kLongestLunarMonth) return std::nullopt;
    bool inLeapMonth = leap;
    LunarDateLookup found = FindLunarDate(almanac, lunarYear, lunarMonth, lunarDay, inLeapMonth);
    bool moved = false;
    if (found.lack == LunarDateLack::LeapMonth) {  // a leap month this year lacks: its ordinary month
        inLeapMonth = false;
        found = FindLunarDate(almanac, lunarYear, lunarMonth, lunarDay, inLeapMonth);
        moved = true;
    }
    if (found.lack == LunarDateLack::Day) {  // day 30 of a month of 29
        found = FindLunarDate(almanac, lunarYear, lunarMonth, found.monthDays, inLeapMonth);
        moved = true;
    }
    if (found.lack != LunarDateLack::None) return std::nullopt;
    return Observance{found.date, lunarYear, moved};
}

bool IsValidDateRule(const DateRule& rule)
{
    if (rule.month < 1 || rule.month > 12 || rule.day < 1) return false;
    switch (rule.kind) {
        case DateRuleKind::Lunar:
            return rule.day <= kLongestLunarMonth;
        case DateRuleKind::Solar:
            return !rule.leap && rule.day <= GregorianMonthDays(2000, rule.month);  // a leap year: 2-29 is kept
        case DateRuleKind::Once:
            return !rule.leap && rule.year >= kFirstYear && rule.year <= kLastYear &&
                   rule.day <= GregorianMonthDays(rule.year, rule.month);
    }
    return false;
}

void AppendObservances(const DateRule& rule, std::int32_t fromYear, std::int32_t toYear,
                       std::vector<Observance>& observances)
{
    fromYear = std::max(fromYear, kFirstYear);
    toYear = std::min(toYear, kLastYear);
    if (!IsValidDateRule(rule) || fromYear > toYear) return;
    switch (rule.kind) {
        case DateRuleKind::Lunar:
            // A lunar year starts in January or February: its dates fall in
            // its own Gregorian year or the next.
            for (std::int32_t year = std::max(fromYear - 1, kKoreanFirstYear);
                 year <= std::min(toYear, kKoreanLastYear); ++year) {
                Observance observance;
                if (LunarObservance(rule, year, observance) && observance.date.year >= fromYear &&
                    observance.date.year <= toYear) {
                    observances.push_back(observance);
                }
            }
            break;
        case DateRuleKind::Solar:
            for (std::int32_t year = fromYear; year <= toYear; ++year)
                observances.push_back(SolarObservance(rule, year));
            break;
        case DateRuleKind::Once:
            if (rule.year >= fromYear && rule.year <= toYear) {
                observances.push_back({{rule.year, rule.month, rule.day}, rule.year, false});
            }
            break;
    }
}

#include "engine/yearly_dates.h"

#include <vector>

#include <gtest/gtest.h>

#include "engine/almanac.h"
#include "engine/korean_almanac.h"
#include "runtime/exception.h"

namespace {

// The days a rule falls on in fromYear..toYear, as a list.
std::vector<Observance> ObservancesIn(const DateRule& rule, std::int32_t fromYear, std::int32_t toYear)
{
    std::vector<Observance> observances;
    AppendObservances(rule, fromYear, toYear, observances);
    return observances;
}

constexpr DateRule Lunar(std::int32_t month, std::int32_t day, bool leap = false)
{
    return {DateRuleKind::Lunar, 0, month, day, leap};
}

std::vector<Observance> InYear(const DateRule& rule, std::int32_t year)
{
    return ObservancesIn(rule, year, year);
}

// The Gregorian day of a lunar date as the almanac converts it; none where the
// almanac has no such day.
bool Convert(std::int32_t year, std::int32_t month, std::int32_t day, bool leap, GregorianDate& date)
{
    try {
        date = LunarToSolar(Almanac::Korea, year, month, day, leap);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

TEST(YearlyDates, DayThirtyFallsOnTheLastDayOfAShortMonth)
{
    for (std::int32_t lunarYear = 2006; lunarYear <= 2025; ++lunarYear) {
        for (const std::int32_t month : {1, 8, 12}) {
            GregorianDate own{};
            GregorianDate last{};
            const bool hasThirty = Convert(lunarYear, month, 30, false, own);
            ASSERT_TRUE(Convert(lunarYear, month, 29, false, last));
            if (!hasThirty) own = last;
            // Each observance belongs to one Gregorian year; find lunarYear's.
            bool found = false;
            for (const Observance& o : ObservancesIn(Lunar(month, 30), lunarYear, lunarYear + 1)) {
                if (o.ruleYear != lunarYear) continue;
                found = true;
                EXPECT_EQ(o.date, own) << lunarYear << "-" << month;
                EXPECT_EQ(o.moved, !hasThirty) << lunarYear << "-" << month;
            }
            EXPECT_TRUE(found) << lunarYear << "-" << month;
        }
    }
}

TEST(YearlyDates, LeapMonthFallsInTheOrdinaryMonthOfYearsWithoutIt)
{
    std::int32_t yearsWithLeapSixth = 0;
    for (std::int32_t lunarYear = 2020; lunarYear <= 2035; ++lunarYear) {
        GregorianDate leapDay{};
        GregorianDate ordinaryDay{};
        const bool hasLeapSixth = Convert(lunarYear, 6, 1, true, leapDay);
        ASSERT_TRUE(Convert(lunarYear, 6, 1, false, ordinaryDay));
        yearsWithLeapSixth += hasLeapSixth ? 1 : 0;
        const std::vector<Observance> found = InYear(Lunar(6, 1, true), lunarYear);  // summer: its own year
        ASSERT_EQ(found.size(), 1u) << lunarYear;
        EXPECT_EQ(found[0].date, hasLeapSixth ? leapDay : ordinaryDay) << lunarYear;
        EXPECT_EQ(found[0].moved, !hasLeapSixth) << lunarYear;
        // An ordinary-month date never falls in the leap month.
        const std::vector<Observance> ordinary = InYear(Lunar(6, 1), lunarYear);
        ASSERT_EQ(ordinary.size(), 1u);
        EXPECT_EQ(ordinary[0].date, ordinaryDay);
        EXPECT_FALSE(ordinary[0].moved);
    }
    EXPECT_EQ(yearsWithLeapSixth, 1);  // 2025 (윤6월 2025-07-25 to 08-22)
    EXPECT_EQ(InYear(Lunar(6, 1, true), 2025)[0].date, (GregorianDate{2025, 7, 25}));
}

TEST(YearlyDates, SpansSelectByGregorianDate)
{
    // 음력 12-30 of lunar 2024 (29 days) falls on 2025-01-28, in 2025's span.
    const std::vector<Observance> found = InYear(Lunar(12, 30), 2025);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].date, (GregorianDate{2025, 1, 28}));
    EXPECT_EQ(found[0].ruleYear, 2024);
    EXPECT_TRUE(found[0].moved);
    // Lunar anniversaries exist only within Korea's almanac.
    EXPECT_TRUE(ObservancesIn(Lunar(3, 15), 1, 1390).empty());
    EXPECT_EQ(ObservancesIn(Lunar(3, 15), 2101, 9999).size(), 0u);
    EXPECT_EQ(ObservancesIn(Lunar(3, 15), 1391, 2100).size(), 2100u - 1391u + 1u);
}

TEST(YearlyDates, SolarAndOnceDays)
{
    const DateRule leapDay{DateRuleKind::Solar, 0, 2, 29, false};
    const std::vector<Observance> found = ObservancesIn(leapDay, 2099, 2101);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].date, (GregorianDate{2099, 2, 28}));
    EXPECT_TRUE(found[0].moved);
    EXPECT_EQ(found[1].date, (GregorianDate{2100, 2, 28}));  // not a leap year
    EXPECT_EQ(found[2].date, (GregorianDate{2101, 2, 28}));
    EXPECT_EQ(ObservancesIn(leapDay, 2096, 2096)[0].date, (GregorianDate{2096, 2, 29}));
    const DateRule once{DateRuleKind::Once, 2027, 3, 4, false};
    EXPECT_EQ(ObservancesIn(once, 2026, 2026).size(), 0u);
    EXPECT_EQ(ObservancesIn(once, 1, 9999).size(), 1u);
    EXPECT_EQ(ObservancesIn({DateRuleKind::Solar, 0, 1, 1, false}, 9998, 20000).size(), 2u);  // years end at 9999
}

TEST(YearlyDates, RulesThatNameNoDate)
{
    struct Case {
        DateRule rule;
        bool valid;
    };
    const Case cases[] = {
        {Lunar(1, 30), true},
        {Lunar(12, 1, true), true},
        {Lunar(13, 1), false},
        {Lunar(1, 31), false},
        {Lunar(0, 1), false},
        {{DateRuleKind::Solar, 0, 2, 29, false}, true},
        {{DateRuleKind::Solar, 0, 2, 30, false}, false},
        {{DateRuleKind::Solar, 0, 4, 31, false}, false},
        {{DateRuleKind::Once, 2026, 2, 29, false}, false},
        {{DateRuleKind::Once, 0, 1, 1, false}, false},
        {{DateRuleKind::Once, 10000, 1, 1, false}, false},
        {{DateRuleKind::Once, 2028, 2, 29, false}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidDateRule(c.rule), c.valid) << c.rule.year << "-" << c.rule.month << "-" << c.rule.day;
        if (!c.valid) {
            EXPECT_TRUE(ObservancesIn(c.rule, 1, 9999).empty());
        }
    }
}

}  // namespace

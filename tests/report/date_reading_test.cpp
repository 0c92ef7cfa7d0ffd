#include "report/date_reading.h"

#include <gtest/gtest.h>

#include "report/korean_words.h"
#include "runtime/exception.h"

namespace {

// 세차 and 월건 of lunar months, as the korean-lunar-calendar package (KASI's
// data) names them: a leap month carries the position of the month it repeats.
TEST(DateReading, LunarYearAndMonthStemBranches)
{
    const struct {
        GregorianDate date;
        LunarDate lunar;
        const char* year;
        const char* month;
    } kCases[] = {
        // date            lunar year-month-day-leap  세차     월건
        {{2027, 2, 7}, {2027, 1, 1, 0}, "정미", "임인"},
        {{2025, 7, 25}, {2025, 6, 1, 1}, "을사", "계미"},   // leap 6th month
        {{2025, 8, 22}, {2025, 6, 29, 1}, "을사", "계미"},  // its last day
        {{2025, 8, 23}, {2025, 7, 1, 0}, "을사", "갑신"},   // the month after
        {{2023, 3, 22}, {2023, 2, 1, 1}, "계묘", "을묘"},   // leap 2nd month
        {{2023, 4, 20}, {2023, 3, 1, 0}, "계묘", "병진"},
        {{2026, 2, 17}, {2026, 1, 1, 0}, "병오", "경인"},
        {{2026, 2, 16}, {2025, 12, 29, 0}, "을사", "기축"},  // the day before 설날
    };
    for (const auto& c : kCases) {
        const DateReading reading = ReadDate(Almanac::Korea, c.date);
        ASSERT_TRUE(reading.lunar.has_value()) << c.date.year;
        EXPECT_EQ(reading.lunar->date, c.lunar) << c.date.year << "-" << c.date.month << "-" << c.date.day;
        EXPECT_EQ(StemBranchName(reading.lunar->year), c.year) << c.date.year;
        EXPECT_EQ(StemBranchName(reading.lunar->month), c.month) << c.date.year << "-" << c.date.month;
    }
}

TEST(DateReading, WhatIsNotKnownIsNone)
{
    const DateReading early = ReadDate(Almanac::Korea, {1300, 1, 1});
    EXPECT_FALSE(early.lunar.has_value());     // before Korea's almanac
    EXPECT_FALSE(early.holidays.has_value());  // holidays not known, which is not "none"
    const DateReading classicEarly = ReadDate(Almanac::Classic, {1900, 1, 30});
    EXPECT_FALSE(classicEarly.lunar.has_value());  // the classic table's counted-back days are no dates
    const DateReading ordinary = ReadDate(Almanac::Korea, {2026, 7, 1});
    ASSERT_TRUE(ordinary.holidays.has_value());
    EXPECT_TRUE(ordinary.holidays->empty());
    EXPECT_FALSE(ordinary.solarTerm.has_value());
    EXPECT_THROW(ReadDate(Almanac::Korea, {2026, 2, 29}), EConvertError);
}

TEST(DateReading, SolarTermInUtc)
{
    const DateReading ipchun = ReadDate(Almanac::Korea, {2026, 2, 4});
    ASSERT_TRUE(ipchun.solarTerm.has_value());
    EXPECT_EQ(ipchun.solarTerm->minuteOfDay, 5 * 60 + 2);
    const UtcMinute utc = SolarTermUtc(*ipchun.solarTerm);  // 05:02 UTC+9 is the day before
    EXPECT_EQ(utc.date, (GregorianDate{2026, 2, 3}));
    EXPECT_EQ(utc.minuteOfDay, 20 * 60 + 2);
    // Before 1912 Korea's almanac reckons UTC+8.
    SolarTerm early{0, {1905, 1, 6}, 10 * 60, false};
    EXPECT_EQ(SolarTermUtc(early).minuteOfDay, 2 * 60);
}

}  // namespace

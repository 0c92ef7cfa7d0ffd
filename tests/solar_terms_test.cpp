#include "solar_terms.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct PublishedTerm {
    std::int32_t year;
    const char* name;
    GregorianDate date;
    std::int32_t hour, minute;  // Korean civil time
};

// Moments published by KASI (to the minute, Korean time), checked within a minute.
const PublishedTerm kPublished[] = {
    {2025, "입춘", {2025, 2, 3}, 23, 10}, {2025, "춘분", {2025, 3, 20}, 18, 1},   {2025, "하지", {2025, 6, 21}, 11, 42},
    {2025, "추분", {2025, 9, 23}, 3, 19}, {2024, "동지", {2024, 12, 21}, 18, 21},
};

TEST(SolarTerms, PublishedMomentsWithinAMinute)
{
    for (const PublishedTerm& published : kPublished) {
        SCOPED_TRACE(std::string(published.name) + " " + std::to_string(published.year));
        std::array<SolarTerm, kSolarTermsInYear> terms{};
        ASSERT_TRUE(GetSolarTerms(published.year, terms));
        bool found = false;
        for (const SolarTerm& term : terms) {
            if (std::string(SolarTermNames[static_cast<std::size_t>(term.index)]) != published.name) continue;
            found = true;
            EXPECT_EQ(term.date, published.date);
            EXPECT_NEAR(term.minuteOfDay, published.hour * 60 + published.minute, 1);
        }
        EXPECT_TRUE(found);
    }
}

// Every year: the terms in order, 14-17 days apart, two in each month, and
// each at its longitude: 소한 in early January, 동지 in late December.
TEST(SolarTerms, EveryYearInOrder)
{
    for (std::int32_t year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
        std::array<SolarTerm, kSolarTermsInYear> terms{};
        ASSERT_TRUE(GetSolarTerms(year, terms));
        for (std::int32_t i = 0; i < kSolarTermsInYear; ++i) {
            const SolarTerm& term = terms[static_cast<std::size_t>(i)];
            ASSERT_EQ(term.index, i);
            ASSERT_EQ(term.date.year, year) << i;
            ASSERT_EQ(term.date.month, i / 2 + 1) << year << " " << i;
            ASSERT_TRUE(term.minuteOfDay >= 0 && term.minuteOfDay < 1440);
            if (i == 0) continue;
            const SolarTerm& before = terms[static_cast<std::size_t>(i - 1)];
            const std::int32_t gap = DayCountOf(term.date.year, term.date.month, term.date.day) -
                                     DayCountOf(before.date.year, before.date.month, before.date.day);
            ASSERT_TRUE(gap >= 14 && gap <= 17) << year << " " << i;
        }
    }
}

TEST(SolarTerms, LongitudesAndNames)
{
    EXPECT_EQ(SolarTermLongitudeDeg(0), 285);   // 소한
    EXPECT_EQ(SolarTermLongitudeDeg(2), 315);   // 입춘
    EXPECT_EQ(SolarTermLongitudeDeg(5), 0);     // 춘분
    EXPECT_EQ(SolarTermLongitudeDeg(23), 270);  // 동지
    EXPECT_STREQ(SolarTermNames[2], "입춘");
    EXPECT_STREQ(SolarTermNames[23], "동지");
}

TEST(SolarTerms, OutsideTheYearsNothing)
{
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    EXPECT_FALSE(GetSolarTerms(1899, terms));
    EXPECT_FALSE(GetSolarTerms(2101, terms));
    SolarTerm term{};
    EXPECT_FALSE(GetSolarTerm(2026, 24, term));
    EXPECT_FALSE(GetSolarTerm(2026, -1, term));
    EXPECT_TRUE(GetSolarTerm(2026, 23, term));
}

}  // namespace

#include "engine/korean_lunisolar.h"

#include <gtest/gtest.h>

#include "engine/korean_almanac.h"
#include "engine/lunar_year.h"
#include "engine/solar_term_computation.h"
#include "runtime/civil_date.h"

namespace {

std::int32_t MonthCount(const LunarYearSpan& span)
{
    return lunar_word::LeapMonth(span.word) == 0 ? 12 : 13;
}

// The astronomical computation gives KASI's published months, start and
// length, for every lunar year 1900-2050.
TEST(KoreanLunisolar, ReproducesEveryMonthOfThePublishedAlmanac)
{
    std::int32_t months = 0;
    std::int32_t publishedMonths = 0;
    for (std::int32_t year = 1900; year <= kKoreanTableLastYear; ++year) {
        LunarYearSpan published;
        ASSERT_TRUE(GetKoreanLunarYear(year, published));
        const LunarYearSpan computed = ComputeKoreanLunarYear(year);
        EXPECT_EQ(computed.year, year);
        EXPECT_EQ(computed.firstDay, published.firstDay) << "lunar new year " << year;
        EXPECT_EQ(computed.word, published.word) << std::hex << "months of lunar year " << std::dec << year;
        for (std::int32_t index = 0; index < MonthCount(published); ++index) {
            ++months;
            const std::int32_t firstDay = published.firstDay + DaysBeforeMonthAt(published, index);
            if (firstDay <= DayCountOf(2050, 12, 31)) ++publishedMonths;
        }
    }
    EXPECT_EQ(months, 1868);
    // KASI's calendar reaches 2050-12-31: every month but the last of lunar
    // 2050, whose length the table takes from the packages' month data.
    EXPECT_EQ(publishedMonths, 151 * 12 + 56 - 1);
}

}  // namespace

namespace {

// The program reads tables the build computed; they must be the computation's
// answers, in the right places.
TEST(ComputedTables, AreTheComputation)
{
    for (std::int32_t year = kKoreanTableLastYear + 1; year <= kKoreanLastYear; ++year) {
        LunarYearSpan read;
        ASSERT_TRUE(GetKoreanLunarYear(year, read));
        const LunarYearSpan computed = ComputeKoreanLunarYear(year);
        EXPECT_EQ(read.year, computed.year);
        EXPECT_EQ(read.firstDay, computed.firstDay) << year;
        EXPECT_EQ(read.word, computed.word) << year;
        EXPECT_EQ(read.uncertainMonths, computed.uncertainMonths) << year;
    }
    for (std::int32_t year = kFirstSolarTermYear; year <= kLastSolarTermYear; year += year < 2090 ? 7 : 1) {
        for (std::int32_t index = 0; index < kSolarTermsInYear; ++index) {
            SolarTerm read{};
            ASSERT_TRUE(GetSolarTerm(year, index, read));
            const SolarTerm computed = ComputeSolarTerm(year, index);
            EXPECT_EQ(read.index, computed.index);
            if (read.published) continue;  // KASI's own minute (solar_terms_test.cpp)
            EXPECT_EQ(read.date, computed.date) << year << " " << index;
            EXPECT_EQ(read.minuteOfDay, computed.minuteOfDay) << year << " " << index;
            EXPECT_EQ(read.uncertainDay, computed.uncertainDay) << year << " " << index;
        }
    }
}

}  // namespace

#include "engine/lunar_table.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

struct YearFacts {
    std::int32_t year, leapMonth, leapMonthDays, yearDays;
};

// year  leap month  its days  year days
const YearFacts kYears[] = {
    {1900, 8, 29, 384},  {2049, 0, 0, 355},  // no leap month
    {1925, 4, 30, 385},                      // 30-day leap month
    {1906, 4, 30, 384},  {1965, 0, 0, 353},  // the shortest year
    {1984, 10, 29, 384},                     // the highest leap month number
    {2023, 2, 29, 384},
};

TEST(LunarTable, YearFacts)
{
    for (const YearFacts& facts : kYears) {
        SCOPED_TRACE(facts.year);
        EXPECT_EQ(GetLeapMonth(facts.year), facts.leapMonth);
        EXPECT_EQ(GetLeapMonthDays(facts.year), facts.leapMonthDays);
        EXPECT_EQ(GetLunarYearDays(facts.year), facts.yearDays);
    }
    EXPECT_EQ(GetLunarMonthDays(1900, 1), 29);
    EXPECT_EQ(GetLunarMonthDays(1900, 2), 30);
    EXPECT_EQ(GetLunarMonthDays(2023, 2), 30);  // ordinary month 2 is longer than its leap month
}

TEST(LunarTable, YearIsItsMonthsAndLeapMonth)
{
    std::int32_t total = 0;
    std::int32_t leapYears = 0;
    std::int32_t longLeapMonths = 0;
    for (std::int32_t year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        std::int32_t months = GetLeapMonthDays(year);
        for (std::int32_t month = 1; month <= 12; ++month) months += GetLunarMonthDays(year, month);
        EXPECT_EQ(GetLunarYearDays(year), months) << year;
        const bool hasLeap = GetLeapMonth(year) != 0;
        EXPECT_TRUE(hasLeap ? (months >= 383 && months <= 385) : (months >= 353 && months <= 355)) << year;
        EXPECT_TRUE(GetLeapMonth(year) == 0 || (GetLeapMonth(year) >= 2 && GetLeapMonth(year) <= 10));
        total += months;
        leapYears += hasLeap ? 1 : 0;
        longLeapMonths += GetLeapMonthDays(year) == 30 ? 1 : 0;
    }
    EXPECT_EQ(total, 54779);
    EXPECT_EQ(leapYears, 55);
    EXPECT_EQ(longLeapMonths, 14);
}

TEST(LunarTable, OutsideTheTableReadsNothing)
{
    const std::int32_t years[] = {INT_MIN, -1, 0, 1899, 2050, 65436, INT_MAX};
    for (const std::int32_t year : years) {
        EXPECT_EQ(GetLeapMonth(year), 0) << year;
        EXPECT_EQ(GetLeapMonthDays(year), 0) << year;
        EXPECT_EQ(GetLunarYearDays(year), 0) << year;
        EXPECT_EQ(GetLunarMonthDays(year, 1), 0) << year;
    }
    const std::int32_t months[] = {INT_MIN, -1, 0, 13, 16, 32, INT_MAX};
    for (const std::int32_t month : months) EXPECT_EQ(GetLunarMonthDays(2000, month), 0) << month;
}

}  // namespace

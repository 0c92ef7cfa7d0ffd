#include "engine/sexagenary.h"

#include <climits>
#include <cstring>

#include <gtest/gtest.h>

void PrintTo(StemBranch p, std::ostream* os)
{
    *os << "(" << p.stem << ", " << p.branch << ")";
}

namespace {

// February by the Gregorian rule (a century not, every fourth century yes);
// no month outside 1..12.
TEST(Sexagenary, MonthLengths)
{
    EXPECT_EQ(GetSolarMonthDays(1900, 2), 28);
    EXPECT_EQ(GetSolarMonthDays(2000, 2), 29);
    EXPECT_EQ(GetSolarMonthDays(2024, 2), 29);
    EXPECT_EQ(GetSolarMonthDays(2026, 2), 28);
    EXPECT_EQ(GetSolarMonthDays(2026, 7), 31);
    for (const std::int32_t month : {INT_MIN, -1, 0, 13, INT_MAX}) EXPECT_EQ(GetSolarMonthDays(2026, month), 0);
}

struct DayCount {
    std::int32_t year, month, daysBefore, weekday;
};

const DayCount kDayCounts[] = {
    {1, 1, 0, 1},  // 1 January of year 1, a Monday
    {1, 3, 59, 4},
    {2000, 1, 730119, 6},  // a Saturday
    {2026, 2, 739647, 0},  // a Sunday
    {2026, 7, 739797, 3},  // a Wednesday
    {0, 1, 0, 1},          // years before 2 add no days
    {-5, 3, 59, 4},
    {2024, 3, 738945, 5},   // leap day counted
    {2026, 13, 739981, 5},  // month 13: the whole year, 2027-01-01
    {2026, 14, 739981, 5},  // later months add no more
    {2026, INT_MAX, 739981, 5},
    {2026, INT_MIN, 739616, 4},  // months before 1 add nothing
};

TEST(Sexagenary, DayCountsAndWeekdays)
{
    for (const DayCount& c : kDayCounts) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(GetDaysBeforeMonth(c.year, c.month), c.daysBefore);
        EXPECT_EQ(GetFirstWeekday(c.daysBefore), c.weekday);
    }
}

// The count is the year-by-year sum for every year whose count fits 32 bits,
// including the 14 that the day's position adds on 31 December.
TEST(Sexagenary, DayCountIsTheYearByYearSum)
{
    std::int64_t sum = 0;
    for (std::int32_t year = 1; year <= 5879610; ++year) {
        if (GetDaysBeforeMonth(year, 1) != sum) FAIL() << "year " << year;
        std::int64_t inYear = 0;
        if (year % 997 == 0 || year > 5879600) {  // every month of a sample of years
            for (std::int32_t month = 1; month <= 13; ++month) {
                ASSERT_EQ(GetDaysBeforeMonth(year, month), sum + inYear) << year << "-" << month;
                inYear += GetSolarMonthDays(year, month);
            }
        }
        sum += (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 366 : 365;
    }
    EXPECT_LE(GetDaysBeforeMonth(5879610, 12) + 31 + 14, std::int64_t{INT_MAX});
    EXPECT_EQ(GetDaysBeforeMonth(5879612, 1), INT_MAX);  // past the 32-bit range it stays at the top
    EXPECT_EQ(GetDaysBeforeMonth(INT_MAX, INT_MAX), INT_MAX);
}

struct Position {
    const char* call;
    StemBranch actual;
    StemBranch expected;
    const char* name;
};

TEST(Sexagenary, WorkedExamples)
{
    const Position positions[] = {
        {"year 2026", GetYearStemBranch(2026), {2, 6}, "병오"},
        {"year 1984", GetYearStemBranch(1984), {0, 0}, "갑자"},
        {"year 1", GetYearStemBranch(1), {7, 9}, "신유"},
        {"year 0", GetYearStemBranch(0), {6, 8}, "경신"},
        {"year 3", GetYearStemBranch(3), {9, 11}, "계해"},
        {"year 4", GetYearStemBranch(4), {0, 0}, "갑자"},
        {"month 2026-7", GetMonthStemBranch(2026, 7), {0, 6}, "갑오"},
        {"month 2026-1", GetMonthStemBranch(2026, 1), {4, 0}, "무자"},
        {"month 2026-12", GetMonthStemBranch(2026, 12), {5, 11}, "기해"},
        {"month 2000-1", GetMonthStemBranch(2000, 1), {2, 0}, "병자"},
        {"day 2000-01-01", GetDayStemBranch(730119, 1), {4, 6}, "무오"},
        {"day 0001-01-01", GetDayStemBranch(0, 1), {5, 3}, "기묘"},
        {"day 2026-07-01", GetDayStemBranch(739797, 1), {2, 0}, "병자"},
    };
    for (const Position& p : positions) {
        EXPECT_EQ(p.actual, p.expected) << p.call;
        const std::string name = std::string(StemNames[static_cast<std::size_t>(p.actual.stem)]) +
                                 BranchNames[static_cast<std::size_t>(p.actual.branch)];
        EXPECT_EQ(name, p.name) << p.call;
    }
}

TEST(Sexagenary, MonthsOfYearMinusOneStayInRange)
{
    for (std::int32_t month = 1; month <= 12; ++month) {
        const std::int32_t k = month - 1;
        EXPECT_EQ(GetMonthStemBranch(-1, month), (StemBranch{k % 10, k})) << month;
    }
}

// Every month and day is one step on from the one before: the cycles never skip.
TEST(Sexagenary, ConsecutiveMonthsAndDaysStepByOne)
{
    for (std::int32_t year : {-3000, -2, -1, 0, 1, 1900, 2026, 9999, 5879610}) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            const StemBranch now = GetMonthStemBranch(year, month);
            const StemBranch next = month < 12 ? GetMonthStemBranch(year, month + 1) : GetMonthStemBranch(year + 1, 1);
            EXPECT_EQ(next, (StemBranch{(now.stem + 1) % 10, (now.branch + 1) % 12})) << year << "-" << month;
            EXPECT_EQ(now.branch, month - 1);
        }
        const StemBranch thisYear = GetYearStemBranch(year);
        const StemBranch nextYear = GetYearStemBranch(year + 1);
        EXPECT_EQ(nextYear, (StemBranch{(thisYear.stem + 1) % 10, (thisYear.branch + 1) % 12})) << year;
    }
    for (std::int32_t daysBefore : {0, 730119, 739797, INT_MAX - 45}) {
        for (std::int32_t day = 1; day < 31; ++day) {
            const StemBranch now = GetDayStemBranch(daysBefore, day);
            EXPECT_EQ(GetDayStemBranch(daysBefore, day + 1), (StemBranch{(now.stem + 1) % 10, (now.branch + 1) % 12}));
            EXPECT_EQ(now.stem % 2, now.branch % 2);
        }
    }
}

}  // namespace

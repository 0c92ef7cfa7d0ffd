// Every engine function over 32-bit boundary values: results stay in range and
// nothing reads outside a table. Run under the sanitizers, this also proves
// that no signed arithmetic overflows.
#include <climits>

#include <gtest/gtest.h>

#include "engine/lunar_table.h"
#include "engine/sexagenary.h"
#include "engine/solar_to_lunar.h"
#include "report/print_month.h"
#include "runtime/exception.h"

namespace {

const std::int32_t kValues[] = {INT_MIN, INT_MIN + 1, -5879611, -65536, -10000,  -400,    -100,        -13,
                                -2,      -1,          0,        1,      2,       12,      13,          14,
                                28,      31,          32,       1899,   1900,    2049,    2050,        9999,
                                10000,   65535,       65536,    65537,  5879610, 5879611, INT_MAX - 1, INT_MAX};

bool StemBranchInRange(StemBranch p)
{
    return p.stem >= 0 && p.stem < 10 && p.branch >= 0 && p.branch < 12 && p.stem % 2 == p.branch % 2;
}

TEST(Boundaries, EngineFunctionsStayInRange)
{
    for (const std::int32_t a : kValues) {
        EXPECT_GE(GetLeapMonth(a), 0);
        EXPECT_LE(GetLunarYearDays(a), 385);
        EXPECT_TRUE(StemBranchInRange(GetYearStemBranch(a))) << a;
        const std::int32_t weekday = GetFirstWeekday(a);
        EXPECT_TRUE(weekday >= 0 && weekday < 7) << a;
        for (const std::int32_t b : kValues) {
            SCOPED_TRACE(testing::Message() << a << ", " << b);
            EXPECT_LE(GetLunarMonthDays(a, b), 30);
            const std::int32_t monthDays = GetSolarMonthDays(a, b);
            EXPECT_TRUE(monthDays == 0 || (monthDays >= 28 && monthDays <= 31));
            EXPECT_GE(GetDaysBeforeMonth(a, b), 0);
            EXPECT_TRUE(StemBranchInRange(GetMonthStemBranch(a, b)));
            EXPECT_TRUE(StemBranchInRange(GetDayStemBranch(a, b)));
        }
    }
}

TEST(Boundaries, SolarToLunarConvertsOrRefuses)
{
    for (const std::int32_t year : kValues) {
        for (const std::int32_t month : kValues) {
            for (const std::int32_t day : kValues) {
                LunarDate lunar;
                std::int32_t leap = 0;
                try {
                    SolarToLunar(year, month, day, lunar.year, lunar.month, lunar.day, leap);
                } catch (const EConvertError&) {
                    continue;
                }
                EXPECT_TRUE(lunar.month >= 0 && lunar.month <= 12 && lunar.day <= 30 && (leap | 1) == 1)
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

TEST(Boundaries, PrintMonthPrintsOrRefusesAfterTheHeader)
{
    for (const std::int32_t year : kValues) {
        for (const std::int32_t month : kValues) {
            std::size_t lines = 0;
            bool refused = false;
            try {
                PrintMonth(year, month, [&lines](const AnsiString&) { ++lines; });
            } catch (const EConvertError&) {
                refused = true;
            }
            EXPECT_TRUE(refused ? lines == 3 : lines >= 7) << year << "-" << month;
        }
    }
}

}  // namespace

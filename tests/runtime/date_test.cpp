#include <climits>

#include <gtest/gtest.h>

#include "runtime/exception.h"
#include "runtime/sysutils.h"

namespace {

using Sysutils::DecodeDate;
using Sysutils::EncodeDate;

struct Decoded {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
};

Decoded Decode(Sysutils::TDateTime date)
{
    Decoded d;
    DecodeDate(date, d.year, d.month, d.day);
    return d;
}

TEST(EncodeDate, CountsDaysBetweenDates)
{
    EXPECT_EQ(EncodeDate(2023, 1, 22) - EncodeDate(1900, 1, 31), 44916);
    EXPECT_EQ(EncodeDate(2050, 1, 22) - EncodeDate(1900, 1, 31), 54778);
    EXPECT_EQ(EncodeDate(1900, 1, 1) - EncodeDate(1900, 1, 31), -30);
    EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2);
    EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1);
    EXPECT_EQ(EncodeDate(9999, 12, 31) - EncodeDate(1, 1, 1), 3652058);
}

TEST(EncodeDate, RefusesDaysThatDoNotExist)
{
    struct Ymd {
        std::int32_t y, m, d;
    };
    // The low 16 bits of each bad value name a good one: nothing is cut.
    const Ymd refused[] = {{2026, 2, 29},   {2026, 4, 31},   {2026, 0, 1},       {2026, 13, 1},
                           {2026, 1, 0},    {2026, 1, 32},   {0, 1, 1},          {10000, 1, 1},
                           {-2026, 1, 1},   {67436, 1, 1},   {2026, 65537, 1},   {2026, 1, 65537},
                           {INT_MIN, 1, 1}, {INT_MAX, 1, 1}, {2026, INT_MIN, 1}, {2026, 1, INT_MAX}};
    for (const Ymd& date : refused) {
        EXPECT_THROW(EncodeDate(date.y, date.m, date.d), EConvertError) << date.y << "-" << date.m << "-" << date.d;
    }
}

TEST(DecodeDate, InvertsEncodeDate)
{
    for (std::int32_t year : {1, 4, 100, 400, 1582, 1900, 2000, 2026, 9999}) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            for (std::int32_t day : {1, 28}) {
                const Decoded d = Decode(EncodeDate(year, month, day) + 0.75);  // the time of day is dropped
                EXPECT_EQ(d.year, year);
                EXPECT_EQ(d.month, month);
                EXPECT_EQ(d.day, day);
            }
        }
    }
    EXPECT_EQ(Decode(EncodeDate(2024, 2, 29)).day, 29);
    EXPECT_THROW(Decode(-1), EConvertError);
    EXPECT_THROW(Decode(1e12), EConvertError);
    EXPECT_THROW(Decode(std::numeric_limits<double>::quiet_NaN()), EConvertError);
}

TEST(Now, ComesFromThePinnedClock)
{
    Sysutils::SetClock([] { return EncodeDate(2026, 7, 15) + 0.5; });
    const Decoded pinned = Decode(Sysutils::Now());
    EXPECT_EQ(pinned.year, 2026);
    EXPECT_EQ(pinned.month, 7);
    EXPECT_EQ(pinned.day, 15);
    Sysutils::SetClock(nullptr);
    EXPECT_GE(Decode(Sysutils::Now()).year, 2024);  // the system clock again
}

}  // namespace

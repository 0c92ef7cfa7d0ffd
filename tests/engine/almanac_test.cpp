#include "engine/almanac.h"

#include <climits>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "runtime/civil_date.h"
#include "runtime/exception.h"

void PrintTo(const LunarDate& d, std::ostream* os);  // solar_to_lunar_test.cpp

void PrintTo(const GregorianDate& d, std::ostream* os)
{
    *os << d.year << "-" << d.month << "-" << d.day;
}

namespace {

// SolarToLunar's four outputs as it writes them, -1 until written.
struct RawLunarDate {
    std::int32_t year = -1;
    std::int32_t month = -1;
    std::int32_t day = -1;
    std::int32_t leap = -1;
};

// The classic table's four outputs as they are; Korea's date, all 0 where it has none.
LunarDate Convert(Almanac almanac, GregorianDate date)
{
    if (almanac == Almanac::Korea) return ToLunar(Almanac::Korea, date).value_or(LunarDate{});
    RawLunarDate out;  // each part must be written
    SolarToLunar(date.year, date.month, date.day, out.year, out.month, out.day, out.leap);
    EXPECT_TRUE(out.leap == 0 || out.leap == 1) << out.leap;
    return {out.year, out.month, out.day, out.leap == 1};
}

struct KnownDay {
    GregorianDate solar;
    LunarDate lunar;
};

// Korea's calendar. Gregorian date   lunar year, month, day, leap   what it shows
const KnownDay kKoreanDays[] = {
    {{1391, 2, 12}, {0, 0, 0, 0}},        // the day before the almanac: no lunar date
    {{1391, 2, 13}, {1391, 1, 1, 0}},     // its first day
    {{1582, 10, 4}, {1582, 9, 8, 0}},     // proleptic Gregorian: eleven days from 10-04 to 10-15,
    {{1582, 10, 15}, {1582, 9, 19, 0}},   // without the Julian calendar's ten-day jump
    {{2017, 6, 24}, {2017, 5, 1, 1}},     // KASI's leap 5th month (the classic table: 6th)
    {{2023, 5, 27}, {2023, 4, 8, 0}},     // 부처님오신날 2023 (the classic table: 05-26)
    {{2025, 7, 25}, {2025, 6, 1, 1}},     // leap 6th month of 2025
    {{2026, 2, 17}, {2026, 1, 1, 0}},     // 설날 2026
    {{2026, 9, 25}, {2026, 8, 15, 0}},    // 추석 2026
    {{2027, 2, 6}, {2026, 12, 30, 0}},    // the classic table's 설날 2027 is the year's last day
    {{2027, 2, 7}, {2027, 1, 1, 0}},      // 설날 2027
    {{2028, 1, 27}, {2028, 1, 1, 0}},     // 설날 2028 (the classic table: 01-26)
    {{2050, 12, 31}, {2050, 11, 18, 0}},  // the last day KASI publishes
    {{2051, 2, 10}, {2050, 12, 29, 0}},   // the table's last day
    {{2051, 2, 11}, {2051, 1, 1, 0}},     // the first computed day
    {{2074, 8, 22}, {2074, 7, 1, 0}},     // an uncertain month
};

TEST(Almanac, KoreanKnownDays)
{
    for (const KnownDay& known : kKoreanDays) {
        EXPECT_EQ(Convert(Almanac::Korea, known.solar), known.lunar)
            << known.solar.year << "-" << known.solar.month << "-" << known.solar.day;
    }
}

TEST(Almanac, ClassicIsTheTableAsBefore)
{
    EXPECT_EQ(Convert(Almanac::Classic, {1900, 1, 1}), (LunarDate{1900, 1, -29, 0}));
    EXPECT_EQ(Convert(Almanac::Classic, {2027, 2, 6}), (LunarDate{2027, 1, 1, 0}));
    EXPECT_EQ(Convert(Almanac::Classic, {2050, 1, 23}), (LunarDate{0, 0, 0, 0}));
}

TEST(Almanac, NoSuchDateIsRefusedWithNothingWritten)
{
    for (const Almanac almanac : {Almanac::Classic, Almanac::Korea}) {
        EXPECT_THROW(Convert(almanac, {2026, 2, 29}), EConvertError);
        EXPECT_THROW(Convert(almanac, {0, 1, 1}), EConvertError);
        EXPECT_THROW(Convert(almanac, {INT_MAX, INT_MAX, INT_MAX}), EConvertError);
    }
}

TEST(Almanac, Ranges)
{
    const AlmanacRange korea = RangeOf(Almanac::Korea);
    EXPECT_EQ(korea.firstYear, 1391);
    EXPECT_EQ(korea.lastYear, 2100);
    EXPECT_EQ(korea.firstDay, (GregorianDate{1391, 2, 13}));
    const AlmanacRange classic = RangeOf(Almanac::Classic);
    EXPECT_EQ(classic.firstDay, (GregorianDate{1900, 1, 31}));
    EXPECT_EQ(classic.lastDay, (GregorianDate{2050, 1, 22}));
    // The day after the last has no Korean date, the last one does.
    EXPECT_NE(Convert(Almanac::Korea, korea.lastDay).month, 0);
    const GregorianDate after =
        DateOfDayCount(DayCountOf(korea.lastDay.year, korea.lastDay.month, korea.lastDay.day) + 1);
    EXPECT_EQ(Convert(Almanac::Korea, after), (LunarDate{0, 0, 0, 0}));
    EXPECT_EQ(Convert(Almanac::Korea, korea.lastDay).year, 2100);
}

// Every day of each almanac: the lunar date follows from the day before (the
// next day of the month, or day 1 of the next month), and converts back.
void WalkEveryDay(Almanac almanac)
{
    const AlmanacRange range = RangeOf(almanac);
    const std::int32_t first = DayCountOf(range.firstDay.year, range.firstDay.month, range.firstDay.day);
    const std::int32_t last = DayCountOf(range.lastDay.year, range.lastDay.month, range.lastDay.day);
    LunarDate before{};
    for (std::int32_t count = first; count <= last; ++count) {
        const GregorianDate solar = DateOfDayCount(count);
        const LunarDate lunar = Convert(almanac, solar);
        if (count > first && lunar.day != before.day + 1) {
            ASSERT_EQ(lunar.day, 1) << solar.year << "-" << solar.month << "-" << solar.day;
            ASSERT_GE(before.day, 29);
            const bool sameNumberLeap = lunar.month == before.month && lunar.leap == 1 && before.leap == 0;
            const bool nextMonth = lunar.month == before.month % 12 + 1 && lunar.leap == 0;
            ASSERT_TRUE(sameNumberLeap || nextMonth) << solar.year << "-" << solar.month << "-" << solar.day;
            ASSERT_EQ(lunar.year, before.year + (lunar.month == 1 && lunar.leap == 0 ? 1 : 0));
        }
        ASSERT_EQ(LunarToSolar(almanac, lunar.year, lunar.month, lunar.day, lunar.leap != 0), solar);
        before = lunar;
    }
}

TEST(Almanac, KoreaEveryDayFollowsAndConvertsBack)
{
    WalkEveryDay(Almanac::Korea);
}

TEST(Almanac, ClassicEveryDayFollowsAndConvertsBack)
{
    WalkEveryDay(Almanac::Classic);
}

// Where the two almanacs share days, they differ on 2,216 of them, in 59 of
// the classic table's lunar years (kor-lunar, compared directly with the
// classic table, gives the same count).
TEST(Almanac, KoreaAndClassicDifferWhereKnown)
{
    std::int32_t days = 0;
    std::set<std::int32_t> years;
    for (std::int32_t count = DayCountOf(1900, 1, 31); count <= DayCountOf(2050, 1, 22); ++count) {
        const GregorianDate solar = DateOfDayCount(count);
        const LunarDate korea = Convert(Almanac::Korea, solar);
        const LunarDate classic = Convert(Almanac::Classic, solar);
        if (korea == classic) continue;
        ++days;
        years.insert(classic.year);
    }
    EXPECT_EQ(days, 2216);
    EXPECT_EQ(years.size(), 59U);
}

struct RefusedLunarDate {
    Almanac almanac;
    std::int32_t year, month, day;
    bool leap;
    const char* reason;  // part of the message
};

const RefusedLunarDate kRefused[] = {
    {Almanac::Korea, 1390, 1, 1, false, "Lunar year 1390 is outside Korea's almanac (1391-2100)"},
    {Almanac::Korea, 2101, 1, 1, false, "Lunar year 2101 is outside"},
    {Almanac::Korea, INT_MIN, 1, 1, false, "is outside"},
    {Almanac::Classic, 2050, 1, 1, false, "Lunar year 2050 is outside the classic table (1900-2049)"},
    {Almanac::Korea, 2026, 0, 1, false, "Lunar month 0 is not a month"},
    {Almanac::Korea, 2026, 13, 1, false, "Lunar month 13 is not a month"},
    {Almanac::Korea, 2026, 1, 1, true, "Lunar year 2026 has no leap month 1 (it has no leap month)"},
    {Almanac::Korea, 2025, 5, 1, true, "has no leap month 5 (its leap month follows month 6)"},
    {Almanac::Korea, 2026, 9, 30, false, "Day 30 is not in month 9 of lunar year 2026, which has 29 days"},
    {Almanac::Korea, 2026, 1, 0, false, "Day 0 is not in month 1"},
    {Almanac::Korea, 2026, 1, INT_MAX, false, "is not in month 1"},
    {Almanac::Classic, 2023, 2, 30, true, "Day 30 is not in leap month 2 of lunar year 2023, which has 29 days"},
};

TEST(Almanac, LunarDatesThatDoNotExistAreRefusedSayingWhy)
{
    for (const RefusedLunarDate& refused : kRefused) {
        try {
            const GregorianDate date =
                LunarToSolar(refused.almanac, refused.year, refused.month, refused.day, refused.leap);
            ADD_FAILURE() << refused.reason << ": gave " << date.year << "-" << date.month << "-" << date.day;
        } catch (const EConvertError& error) {
            EXPECT_NE(std::string(error.what()).find(refused.reason), std::string::npos) << error.what();
        }
    }
}

TEST(Almanac, LunarToSolarKnownDates)
{
    EXPECT_EQ(LunarToSolar(Almanac::Korea, 2027, 1, 1, false), (GregorianDate{2027, 2, 7}));
    EXPECT_EQ(LunarToSolar(Almanac::Classic, 2027, 1, 1, false), (GregorianDate{2027, 2, 6}));
    EXPECT_EQ(LunarToSolar(Almanac::Korea, 2012, 3, 1, true), (GregorianDate{2012, 4, 21}));
    EXPECT_EQ(LunarToSolar(Almanac::Korea, 2026, 8, 15, false), (GregorianDate{2026, 9, 25}));
}

TEST(Almanac, OnlyComputedMonthsNearMidnightAreUncertain)
{
    std::int32_t uncertain = 0;
    for (std::int32_t count = DayCountOf(1391, 2, 13); count <= DayCountOf(2101, 2, 1); ++count) {
        const LunarDate lunar = Convert(Almanac::Korea, DateOfDayCount(count));
        if (lunar.day == 1 && IsUncertainLunarMonth(Almanac::Korea, lunar.year, lunar.month, lunar.leap != 0)) {
            ++uncertain;
            EXPECT_GT(lunar.year, 2050);
        }
    }
    EXPECT_EQ(uncertain, 3);  // 2051-11-03, 2074-08-22, 2097-01-13
    EXPECT_TRUE(IsUncertainLunarMonth(Almanac::Korea, 2074, 7, false));
    EXPECT_FALSE(IsUncertainLunarMonth(Almanac::Korea, 2074, 6, false));
    EXPECT_FALSE(IsUncertainLunarMonth(Almanac::Classic, 2074, 7, false));
    EXPECT_FALSE(IsUncertainLunarMonth(Almanac::Korea, 2074, 13, false));
}

}  // namespace

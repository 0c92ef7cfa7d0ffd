#include "engine/solar_to_lunar.h"

#include <gtest/gtest.h>

#include "engine/lunar_table.h"
#include "engine/sexagenary.h"
#include "runtime/exception.h"

void PrintTo(const LunarDate& d, std::ostream* os)
{
    *os << d.year << "-" << d.month << "-" << d.day << (d.leap != 0 ? " (leap)" : "");
}

namespace {

struct Date {
    std::int32_t year, month, day;
};

// SolarToLunar's four outputs as it writes them, -1 until written.
struct RawLunarDate {
    std::int32_t year = -1;
    std::int32_t month = -1;
    std::int32_t day = -1;
    std::int32_t leap = -1;
};

LunarDate Convert(Date date)
{
    RawLunarDate out;  // each part must be written
    SolarToLunar(date.year, date.month, date.day, out.year, out.month, out.day, out.leap);
    EXPECT_TRUE(out.leap == 0 || out.leap == 1) << out.leap;
    return {out.year, out.month, out.day, out.leap == 1};
}

Date NextDay(Date date)
{
    if (date.day < GetSolarMonthDays(date.year, date.month)) return {date.year, date.month, date.day + 1};
    if (date.month < 12) return {date.year, date.month + 1, 1};
    return {date.year + 1, 1, 1};
}

struct KnownDay {
    Date solar;
    LunarDate lunar;
};

// Gregorian date        lunar year, month, day, leap     what it shows
const KnownDay kKnownDays[] = {
    {{1900, 1, 31}, {1900, 1, 1, 0}},                                    // the epoch
    {{1900, 2, 28}, {1900, 1, 29, 0}},                                   // last day of a 29-day month
    {{1900, 3, 1}, {1900, 2, 1, 0}},                                     // next month starts at day 1
    {{2023, 1, 21}, {2022, 12, 30, 0}},                                  // last day of a lunar year, 30-day month
    {{2023, 1, 22}, {2023, 1, 1, 0}},                                    // lunar new year: year walk ends on offset 0
    {{2023, 3, 21}, {2023, 2, 30, 0}},                                   // last day of ordinary month 2
    {{2023, 3, 22}, {2023, 2, 1, 1}},                                    // first day of leap month 2
    {{2023, 4, 19}, {2023, 2, 29, 1}},                                   // last day of the 29-day leap month
    {{2023, 4, 20}, {2023, 3, 1, 0}},                                    // first day after the leap month
    {{2020, 5, 22}, {2020, 4, 30, 0}},                                   // last day of ordinary month 4
    {{2020, 5, 23}, {2020, 4, 1, 1}},                                    // first day of leap month 4
    {{2020, 6, 20}, {2020, 4, 29, 1}},                                   // last day of leap month 4
    {{2020, 6, 21}, {2020, 5, 1, 0}},                                    // first day after it
    {{2024, 2, 9}, {2023, 12, 30, 0}},                                   // the day before lunar new year 2024
    {{2024, 2, 10}, {2024, 1, 1, 0}},                                    // lunar new year 2024
    {{2024, 3, 9}, {2024, 1, 29, 0}},                                    // last day of a 29-day month
    {{2024, 4, 8}, {2024, 2, 30, 0}},                                    // last day of a 30-day month
    {{2024, 4, 9}, {2024, 3, 1, 0}},                                     // next month starts at day 1
    {{2049, 2, 2}, {2049, 1, 1, 0}},                                     // first day of the table's last year
    {{2050, 1, 22}, {2049, 12, 29, 0}},                                  // last day the table covers
    {{1900, 1, 30}, {1900, 1, 0, 0}},                                    // the day before the epoch
    {{1900, 1, 1}, {1900, 1, -29, 0}},                                   // before the epoch
    {{1, 1, 1}, {1900, 1, -693624, 0}},                                  // the first day the date routines know
    {{2050, 1, 23}, {0, 0, 0, 0}},                                       // lunar new year 2050: past the table
    {{2050, 1, 24}, {0, 0, 0, 0}},      {{9999, 12, 31}, {0, 0, 0, 0}},  // the last day the date routines know
};

TEST(SolarToLunar, KnownDays)
{
    for (const KnownDay& known : kKnownDays) {
        SCOPED_TRACE(testing::Message() << known.solar.year << "-" << known.solar.month << "-" << known.solar.day);
        EXPECT_EQ(Convert(known.solar), known.lunar);
    }
}

// Every covered day follows from the one before: the next lunar day, or day 1
// of the next month once the month has run its length from the table.
TEST(SolarToLunar, EveryCoveredDayFollowsTheDayBefore)
{
    Date date{1900, 1, 31};
    LunarDate previous = Convert(date);
    ASSERT_EQ(previous, (LunarDate{1900, 1, 1, 0}));
    std::int32_t days = 1;
    while (!(date.year == 2050 && date.month == 1 && date.day == 22)) {
        date = NextDay(date);
        const LunarDate today = Convert(date);
        ++days;
        SCOPED_TRACE(testing::Message() << date.year << "-" << date.month << "-" << date.day);
        const std::int32_t monthLength =
            previous.leap != 0 ? GetLeapMonthDays(previous.year) : GetLunarMonthDays(previous.year, previous.month);
        LunarDate expected = previous;
        if (previous.day < monthLength) {
            expected.day = previous.day + 1;
        } else if (previous.leap == 0 && GetLeapMonth(previous.year) == previous.month) {
            expected = {previous.year, previous.month, 1, 1};
        } else if (previous.month < 12) {
            expected = {previous.year, previous.month + 1, 1, 0};
        } else {
            expected = {previous.year + 1, 1, 1, 0};
        }
        ASSERT_EQ(today, expected);
        previous = today;
    }
    EXPECT_EQ(days, 54779);
    EXPECT_EQ(previous, (LunarDate{2049, 12, 29, 0}));
}

TEST(SolarToLunar, RejectedDateRaisesAndWritesNothing)
{
    const Date rejected[] = {{2026, 2, 29},
                             {2026, 13, 1},
                             {2026, 0, 1},
                             {2026, 4, 31},
                             {0, 1, 1},
                             {10000, 1, 1},
                             {-1, 1, 1},
                             {65537, 1, 1},
                             {1900, 65537, 31},
                             {INT32_MIN, INT32_MIN, INT32_MIN},
                             {INT32_MAX, INT32_MAX, INT32_MAX}};
    for (const Date& date : rejected) {
        RawLunarDate out{7, 7, 7, 7};
        EXPECT_THROW(SolarToLunar(date.year, date.month, date.day, out.year, out.month, out.day, out.leap),
                     EConvertError)
            << date.year << "-" << date.month << "-" << date.day;
        EXPECT_TRUE(out.year == 7 && out.month == 7 && out.day == 7 && out.leap == 7);  // nothing written
    }
}

}  // namespace

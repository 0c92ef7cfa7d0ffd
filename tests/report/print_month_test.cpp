#include "report/print_month.h"

#include <algorithm>
#include <climits>

#include <gtest/gtest.h>

#include "engine/sexagenary.h"
#include "runtime/exception.h"

namespace {

// What a call handed to its line output, and whether it ended with EConvertError.
struct Printed {
    std::vector<std::string> lines;
    bool refused = false;
};

Printed Print(std::int32_t year, std::int32_t month, Almanac almanac = Almanac::Classic)
{
    Printed printed;
    try {
        PrintMonth(
            year, month, [&printed](const AnsiString& line) { printed.lines.push_back(line.Bytes()); }, almanac);
    } catch (const EConvertError&) {
        printed.refused = true;
    }
    return printed;
}

std::vector<std::size_t> Lengths(const std::vector<std::string>& lines)
{
    std::vector<std::size_t> lengths;
    lengths.reserve(lines.size());
    for (const std::string& line : lines) lengths.push_back(line.size());
    return lengths;
}

const char* const kRule = "----------------------------------------------------------";
const char* const kWeekdays = "  일      월      화      수      목      금      토";

// Every row ends with the blank after its last "|".
const std::vector<std::string> kJuly2026 = {
    "   ▶ 2026년  7월 (년:병오, 월:갑오)",
    kRule,
    kWeekdays,
    "                         1(병자) 5.17|  2(정축) 5.18|  3(무인) 5.19|  4(기묘) 5.20| ",
    " 5(경진) 5.21|  6(신사) 5.22|  7(임오) 5.23|  8(계미) 5.24|  9(갑신) 5.25| 10(을유) 5.26| 11(병술) 5.27| ",
    "12(정해) 5.28| 13(무자) 5.29| 14(기축) 6. 1| 15(경인) 6. 2| 16(신묘) 6. 3| 17(임진) 6. 4| 18(계사) 6. 5| ",
    "19(갑오) 6. 6| 20(을미) 6. 7| 21(병신) 6. 8| 22(정유) 6. 9| 23(무술) 6.10| 24(기해) 6.11| 25(경자) 6.12| ",
    "26(신축) 6.13| 27(임인) 6.14| 28(계묘) 6.15| 29(갑진) 6.16| 30(을사) 6.17| 31(병오) 6.18| ",
};

TEST(PrintMonth, July2026)
{
    const Printed printed = Print(2026, 7);
    EXPECT_FALSE(printed.refused);
    EXPECT_EQ(printed.lines, kJuly2026);
    EXPECT_EQ(Lengths(printed.lines), (std::vector<std::size_t>{36, 58, 52, 84, 105, 105, 105, 90}));
}

TEST(PrintMonth, August2025HasALeapMonth)
{
    const Printed printed = Print(2025, 8);
    ASSERT_EQ(printed.lines.size(), 9u);
    EXPECT_EQ(printed.lines[0], "   ▶ 2025년  8월 (년:을사, 월:계미)");
    EXPECT_EQ(printed.lines[3], "                                        * 1(임인) 6. 8| * 2(계묘) 6. 9| ");
    EXPECT_EQ(printed.lines[6],
              "*17(무오) 6.24| *18(기미) 6.25| *19(경신) 6.26| *20(신유) 6.27| *21(임술) 6.28| *22(계해) 6.29| "
              "23(갑자) 7. 1| ");
    EXPECT_EQ(printed.lines[8], "31(임신) 7. 9| ");
    EXPECT_EQ(Lengths(printed.lines), (std::vector<std::size_t>{36, 58, 52, 72, 112, 112, 111, 105, 15}));
}

TEST(PrintMonth, February2026StartsOnSundayAndEndsOnSaturday)
{
    const Printed printed = Print(2026, 2);
    ASSERT_EQ(printed.lines.size(), 7u);
    EXPECT_EQ(printed.lines[0], "   ▶ 2026년  2월 (년:병오, 월:기축)");
    EXPECT_EQ(printed.lines[3].substr(0, 15), " 1(병오)12.14| ");
    EXPECT_EQ(Lengths(printed.lines), (std::vector<std::size_t>{36, 58, 52, 105, 105, 105, 105}));
}

TEST(PrintMonth, January2000StartsOnSaturday)
{
    const Printed printed = Print(2000, 1);
    ASSERT_GE(printed.lines.size(), 4u);
    EXPECT_EQ(printed.lines[0], "   ▶ 2000년  1월 (년:경진, 월:병자)");
    EXPECT_EQ(printed.lines[3], std::string(48, ' ') + " 1(무오)11.25| ");
    EXPECT_EQ(printed.lines[3].size(), 63u);
}

TEST(PrintMonth, DecemberHeaderAndTwoCallsAlike)
{
    const Printed first = Print(2026, 12);
    EXPECT_EQ(first.lines[0], "   ▶ 2026년 12월 (년:병오, 월:기해)");
    EXPECT_EQ(Print(2026, 12).lines, first.lines);
}

// January 2050: lunar dates end on the 22nd; later lunar parts are blank, same width.
TEST(PrintMonth, January2050PastTheLunarTable)
{
    const Printed printed = Print(2050, 1);
    ASSERT_EQ(printed.lines.size(), 9u);
    EXPECT_FALSE(printed.refused);
    EXPECT_EQ(
        printed.lines[6],
        "16(병신)12.23| 17(정유)12.24| 18(무술)12.25| 19(기해)12.26| 20(경자)12.27| 21(신축)12.28| 22(임인)12.29| ");
    EXPECT_EQ(
        printed.lines[7],
        "23(계묘)     | 24(갑진)     | 25(을사)     | 26(병오)     | 27(정미)     | 28(무신)     | 29(기유)     | ");
    EXPECT_EQ(printed.lines[7].size(), 105u);
    EXPECT_EQ(printed.lines[8], "30(경술)     | 31(신해)     | ");
}

// Before the table, lunar days count back from the epoch and widen their field.
TEST(PrintMonth, January1900BeforeTheLunarTable)
{
    const Printed printed = Print(1900, 1);
    ASSERT_EQ(printed.lines.size(), 8u);
    EXPECT_EQ(printed.lines[3].substr(0, 25), "         1(갑술) 1.-29|  ");
    EXPECT_EQ(printed.lines[7], "28(신축) 1.-2| 29(임인) 1.-1| 30(계묘) 1. 0| 31(갑진) 1. 1| ");
}

// Korea's almanac: the same layout, Korea's dates. 설날 2027 falls on 02-07.
TEST(PrintMonth, February2027InEachAlmanac)
{
    const Printed korea = Print(2027, 2, Almanac::Korea);
    const Printed classic = Print(2027, 2, Almanac::Classic);
    ASSERT_EQ(korea.lines.size(), 8u);
    EXPECT_EQ(korea.lines[3],
              "         1(신해)12.25|  2(임자)12.26|  3(계축)12.27|  4(갑인)12.28|  5(을묘)12.29|  6(병진)12.30| ");
    EXPECT_EQ(
        korea.lines[4],
        " 7(정사) 1. 1|  8(무오) 1. 2|  9(기미) 1. 3| 10(경신) 1. 4| 11(신유) 1. 5| 12(임술) 1. 6| 13(계해) 1. 7| ");
    EXPECT_NE(classic.lines[3].find("  6(병진) 1. 1| "), std::string_view::npos) << classic.lines[3];
    EXPECT_EQ(Lengths(korea.lines), Lengths(classic.lines));
}

// Korea's almanac leaves the lunar part blank before its first day
// (1391-02-13) and after its last (2101-01-28); before 1900, where the classic
// table counts days back, it has Korea's dates.
TEST(PrintMonth, KoreanAlmanacEdgesAreBlank)
{
    const Printed first = Print(1391, 2, Almanac::Korea);
    ASSERT_EQ(first.lines.size(), 8u);
    EXPECT_EQ(
        first.lines[4],
        " 6(임오)     |  7(계미)     |  8(갑신)     |  9(을유)     | 10(병술)     | 11(정해)     | 12(무자)     | ");
    EXPECT_EQ(first.lines[5].substr(0, 15), "13(기축) 1. 1| ");
    const Printed last = Print(2101, 1, Almanac::Korea);
    ASSERT_EQ(last.lines.size(), 9u);
    EXPECT_EQ(last.lines[7].substr(last.lines[7].size() - 30), "28(을해)12.29| 29(병자)     | ");
    EXPECT_EQ(last.lines[8], "30(정축)     | 31(무인)     | ");
    EXPECT_NE(Print(1899, 12, Almanac::Korea).lines[3].find(" 1(계묘)10.29| "), std::string_view::npos);
    EXPECT_NE(Print(1899, 12, Almanac::Classic).lines[3].find(" 1(계묘) 1.-60| "), std::string_view::npos);
}

struct Refused {
    std::int32_t year, month;
    const char* header;
};

// A year or month the date routines refuse: the three header lines, then the
// conversion error, nothing more.
TEST(PrintMonth, RefusedDatesGiveTheHeaderThenTheError)
{
    const Refused cases[] = {
        {2026, 13, "   ▶ 2026년 13월 (년:병오, 월:경자)"},
        {2026, 0, "   ▶ 2026년  0월 (년:병오, 월:정해)"},
        {2026, -1, "   ▶ 2026년 -1월 (년:병오, 월:병술)"},
        {0, 1, "   ▶ 0년  1월 (년:경신, 월:병자)"},
        {10000, 1, "   ▶ 10000년  1월 (년:경자, 월:병자)"},
        {-2, 1, "   ▶ -2년  1월 (년:무오, 월:임자)"},
        {2026, INT_MIN, "   ▶ 2026년 -2147483648월 (년:병오, 월:기묘)"},
        {2026, INT_MAX, "   ▶ 2026년 2147483647월 (년:병오, 월:갑오)"},
        {INT_MIN, 1, "   ▶ -2147483648년  1월 (년:임자, 월:경자)"},
        {INT_MAX, 12, "   ▶ 2147483647년 12월 (년:정묘, 월:신해)"},
        {INT_MIN, INT_MIN, "   ▶ -2147483648년 -2147483648월 (년:임자, 월:신묘)"},
    };
    for (const auto& [c, almanac] : [&cases] {
             std::vector<std::pair<Refused, Almanac>> both;
             for (const Refused& c : cases) both.insert(both.end(), {{c, Almanac::Classic}, {c, Almanac::Korea}});
             return both;
         }()) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        const Printed printed = Print(c.year, c.month, almanac);
        EXPECT_TRUE(printed.refused);
        ASSERT_EQ(printed.lines.size(), 3u);
        EXPECT_EQ(printed.lines[0], c.header);
        EXPECT_EQ(printed.lines[1], kRule);
        EXPECT_EQ(printed.lines[2], kWeekdays);
    }
}

TEST(PrintMonth, LinesAlreadyWrittenStayWhenTheOutputFails)
{
    std::vector<std::string> lines;
    EXPECT_THROW(PrintMonth(2026, 7,
                            [&lines](const AnsiString& line) {
                                if (lines.size() == 5) throw Exception("output full");
                                lines.push_back(line.Bytes());
                            }),
                 Exception);
    EXPECT_EQ(lines, std::vector<std::string>(kJuly2026.begin(), kJuly2026.begin() + 5));
}

}  // namespace

namespace {

std::size_t CountCells(const std::vector<std::string>& lines)
{
    std::size_t cells = 0;
    for (std::size_t i = 3; i < lines.size(); ++i) cells += static_cast<std::size_t>(std::ranges::count(lines[i], '|'));
    return cells;
}

// Every year from -10 to 10,010 and every month from -1 to 14, and the 32-bit
// extremes: a whole calendar where the date exists, else the header lines and
// the conversion error; never anything else.
TEST(PrintMonth, EveryYearAndMonthPrintsOrRefuses)
{
    std::vector<std::int32_t> years;
    for (std::int32_t year = -10; year <= 10010; ++year) years.push_back(year);
    for (const std::int32_t year : {INT_MIN, INT_MIN + 1, -5879611, 5879610, 5879611, INT_MAX - 1, INT_MAX})
        years.push_back(year);
    std::size_t calendars = 0;
    for (const std::int32_t year : years) {
        for (std::int32_t month = -1; month <= 14; ++month) {
            const Printed printed = Print(year, month);
            const bool exists = year >= 1 && year <= 9999 && month >= 1 && month <= 12;
            if (!exists) {
                ASSERT_TRUE(printed.refused && printed.lines.size() == 3) << year << "-" << month;
                continue;
            }
            ASSERT_FALSE(printed.refused) << year << "-" << month;
            ASSERT_TRUE(printed.lines.size() >= 7 && printed.lines.size() <= 9) << year << "-" << month;
            ASSERT_EQ(CountCells(printed.lines), static_cast<std::size_t>(GetSolarMonthDays(year, month)))
                << year << "-" << month;
            ++calendars;
        }
    }
    EXPECT_EQ(calendars, 9999u * 12);
}

}  // namespace

// The lines below a month, the year lists of dalcal-print, and its colours.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "exception.h"
#include "month_notes.h"
#include "terminal_style.h"
#include "year_lists.h"

namespace {

std::vector<AnsiString> Lines(void (*print)(std::int32_t, std::int32_t, const LineOutput&), std::int32_t year,
                              std::int32_t month)
{
    std::vector<AnsiString> lines;
    print(year, month, [&lines](const AnsiString& line) { lines.push_back(line); });
    return lines;
}

std::vector<AnsiString> Lines(void (*print)(std::int32_t, const LineOutput&), std::int32_t year)
{
    std::vector<AnsiString> lines;
    print(year, [&lines](const AnsiString& line) { lines.push_back(line); });
    return lines;
}

TEST(MonthNotes, HolidaysAndTermsInDateOrder)
{
    EXPECT_EQ(Lines(PrintMonthNotes, 2026, 5), (std::vector<AnsiString>{
                                                   " 5월  5일(화) 어린이날",
                                                   " 5월  5일 입하 20:49",
                                                   " 5월 21일 소만 09:37",
                                                   " 5월 24일(일) 부처님오신날",
                                                   " 5월 25일(월) 부처님오신날 대체공휴일",
                                               }));
}

TEST(MonthNotes, YearsWithoutKnownHolidaysSaySo)
{
    const std::vector<AnsiString> lines = Lines(PrintMonthNotes, 1990, 1);
    ASSERT_EQ(lines.size(), 3u);  // two terms, then the notice
    EXPECT_EQ(lines[2], "   (공휴일은 2014-2100년만 표시함)");
    EXPECT_TRUE(Lines(PrintMonthNotes, 2026, 13).empty());
    EXPECT_EQ(Lines(PrintMonthNotes, 2200, 1), std::vector<AnsiString>{"   (공휴일은 2014-2100년만 표시함)"});
}

TEST(YearLists, HolidaysAndTerms)
{
    const std::vector<AnsiString> holidays = Lines(PrintHolidayList, 2025);
    ASSERT_EQ(holidays.size(), 20u);
    EXPECT_EQ(holidays[1], "2025-01-27 설 연휴 임시공휴일 (임시공휴일)");
    EXPECT_EQ(holidays[9], "2025-05-06 부처님오신날·어린이날 (대체공휴일)");
    const std::vector<AnsiString> terms = Lines(PrintSolarTermList, 2025);
    ASSERT_EQ(terms.size(), 24u);
    EXPECT_EQ(terms[2], "2025-02-03 23:10 입춘");
    EXPECT_THROW(Lines(PrintHolidayList, 2013), EConvertError);
    EXPECT_THROW(Lines(PrintSolarTermList, 2101), EConvertError);
}

struct ColorCase {
    ColorWhen when;
    bool terminal;
    const char* noColor;
    const char* term;
    bool expected;
};

TEST(TerminalStyle, WhenToColour)
{
    const ColorCase cases[] = {
        {ColorWhen::Auto, true, nullptr, "xterm-256color", true},
        {ColorWhen::Auto, false, nullptr, "xterm", false},  // a pipe or a file
        {ColorWhen::Auto, true, "1", "xterm", false},       // NO_COLOR set
        {ColorWhen::Auto, true, "", "xterm", true},         // NO_COLOR empty counts as unset
        {ColorWhen::Auto, true, nullptr, "dumb", false},
        {ColorWhen::Always, false, "1", "dumb", true},
        {ColorWhen::Never, true, nullptr, "xterm", false},
    };
    for (const ColorCase& c : cases) {
        EXPECT_EQ(UseColor(c.when, c.terminal, c.noColor, c.term), c.expected)
            << static_cast<int>(c.when) << c.terminal << (c.noColor ? c.noColor : "-") << c.term;
    }
}

TEST(TerminalStyle, MonthColours)
{
    const CellStyle style = MonthColors(2026, 10, true, Today{2026, 10, 5});
    EXPECT_EQ(style(1).before, "");            // Thursday
    EXPECT_EQ(style(3).before, "\x1b[31m");    // Saturday, but 개천절: red
    EXPECT_EQ(style(4).before, "\x1b[31m");    // Sunday
    EXPECT_EQ(style(5).before, "\x1b[31;7m");  // 개천절's substitute, today
    EXPECT_EQ(style(5).after, "\x1b[0m");
    EXPECT_EQ(style(10).before, "\x1b[34m");                          // Saturday
    const CellStyle classic = MonthColors(2026, 10, false, Today{});  // no holidays with the classic table
    EXPECT_EQ(classic(3).before, "\x1b[34m");
    EXPECT_EQ(classic(5).before, "");
}

}  // namespace

// dalcal-print's colours on a terminal.
#include "programs/dalcal-print/terminal_style.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace {

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

// A long line in a narrow terminal: broken at blanks, never inside a
// character, continued after an indent.
TEST(TerminalStyle, Wrapped)
{
    const struct {
        const char* text;
        std::size_t columns;
        std::vector<std::string> lines;
    } cases[] = {
        {"짧은 줄", 40, {"짧은 줄"}},
        {"가나 다라 마바", 9, {"가나 다라", "  마바"}},
        {"가나다라마바사", 6, {"가나다", "  라마", "  바사"}},  // no blank: within the word
        {"ab 🎂🎂 cd", 6, {"ab", "  🎂🎂", "  cd"}},                // an emoji is two columns
        {"", 10, {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8::Wrapped(c.text, c.columns, "  "), c.lines) << c.text;
}

TEST(TerminalStyle, MonthColours)
{
    const CellStyle style = MonthColors(2026, 10, true, GregorianDate{2026, 10, 5});
    EXPECT_EQ(style(1).before, "");            // Thursday
    EXPECT_EQ(style(3).before, "\x1b[31m");    // Saturday, but 개천절: red
    EXPECT_EQ(style(4).before, "\x1b[31m");    // Sunday
    EXPECT_EQ(style(5).before, "\x1b[31;7m");  // 개천절's substitute, today
    EXPECT_EQ(style(5).after, "\x1b[0m");
    EXPECT_EQ(style(10).before, "\x1b[34m");                                  // Saturday
    const CellStyle classic = MonthColors(2026, 10, false, GregorianDate{});  // no holidays with the classic table
    EXPECT_EQ(classic(3).before, "\x1b[34m");
    EXPECT_EQ(classic(5).before, "");
}

}  // namespace

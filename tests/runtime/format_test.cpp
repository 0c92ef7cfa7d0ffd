#include "runtime/format.h"

#include <climits>

#include <gtest/gtest.h>

#include "runtime/exception.h"

namespace {

using Sysutils::Format;
using Sysutils::FormatText;

TEST(Format, Integers)
{
    EXPECT_EQ(FormatText("%d", 7), "7");
    EXPECT_EQ(FormatText("%d", -7), "-7");
    EXPECT_EQ(FormatText("%2d", 7), " 7");
    EXPECT_EQ(FormatText("%02d", 7), " 7");  // no zero flag: the 0 is part of the width
    EXPECT_EQ(FormatText("%02d", 12), "12");
    EXPECT_EQ(FormatText("%2d", 123), "123");  // a width never cuts
    EXPECT_EQ(FormatText("%2d", -29), "-29");
    EXPECT_EQ(FormatText("%-4d|", 7), "7   |");
    EXPECT_EQ(FormatText("%.3d", 7), "007");
    EXPECT_EQ(FormatText("%5.3d", -7), " -007");
    EXPECT_EQ(FormatText("%d", INT_MIN), "-2147483648");
    EXPECT_EQ(FormatText("%d", INT_MAX), "2147483647");
}

TEST(Format, StringsAndPlainBytes)
{
    EXPECT_EQ(FormatText("%s", "abc"), "abc");
    EXPECT_EQ(FormatText("%s%s", "\xBA\xB4", "\xBF\xC0"), "\xBA\xB4\xBF\xC0");
    EXPECT_EQ(FormatText("%5s|", "ab"), "   ab|");
    EXPECT_EQ(FormatText("%-5s|", "ab"), "ab   |");
    EXPECT_EQ(FormatText("%.2s", "abcdef"), "ab");
    EXPECT_EQ(FormatText("%s", AnsiString(std::string("x\0y", 3))), "x");         // up to the NUL
    EXPECT_EQ(FormatText("\xA2\xBA %d\xB3\xE2", 2026), "\xA2\xBA 2026\xB3\xE2");  // CP949 passes through
    EXPECT_EQ(FormatText("100%%"), "100%");
    EXPECT_EQ(FormatText(""), "");
    EXPECT_EQ(FormatText("%d-%d", 1, 2, 3), "1-2");  // arguments left over are ignored
}

TEST(Format, RefusesWhatItCannotFill)
{
    const auto raises = [](auto call) {
        try {
            call();
        } catch (const Exception& e) {
            return !e.Message().empty();
        }
        return false;
    };
    EXPECT_TRUE(raises([] { Format("%d", "text"); }));  // string for %d
    EXPECT_TRUE(raises([] { Format("%s", 7); }));       // integer for %s
    EXPECT_TRUE(raises([] { Format("%d %d", 7); }));    // missing argument
    EXPECT_TRUE(raises([] { Format("%d"); }));
    EXPECT_TRUE(raises([] { Format("%x", 7); }));     // unknown type
    EXPECT_TRUE(raises([] { Format("abc %", 7); }));  // cut off
    EXPECT_TRUE(raises([] { Format("%5.", 7); }));
    EXPECT_TRUE(raises([] { Format("%99999d", 7); }));  // width beyond any line
    EXPECT_TRUE(raises([] { Format("%.99999s", "a"); }));
    EXPECT_EQ(FormatText("%4096d", 7).size(), 4096u);  // the largest width allowed
}

}  // namespace

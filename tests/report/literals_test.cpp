// Pins the bytes of the program's Korean text: the source spells it readably;
// the window's designed calendar holds it as CP949, every other view as UTF-8.
#include <gtest/gtest.h>

#include "engine/sexagenary.h"
#include "report/date_reading.h"
#include "report/print_month.h"

namespace {

const char* const kStemBytes[10] = {"\xB0\xA9", "\xC0\xBB", "\xBA\xB4", "\xC1\xA4", "\xB9\xAB",
                                    "\xB1\xE2", "\xB0\xE6", "\xBD\xC5", "\xC0\xD3", "\xB0\xE8"};
const char* const kBranchBytes[12] = {"\xC0\xDA", "\xC3\xE0", "\xC0\xCE", "\xB9\xA6", "\xC1\xF8", "\xBB\xE7",
                                      "\xBF\xC0", "\xB9\xCC", "\xBD\xC5", "\xC0\xAF", "\xBC\xFA", "\xC7\xD8"};

TEST(KoreanLiterals, StemAndBranchNamesAreCp949)
{
    for (std::size_t i = 0; i < 10; ++i) EXPECT_STREQ(StemNames[i], kStemBytes[i]) << i;
    for (std::size_t i = 0; i < 12; ++i) EXPECT_STREQ(BranchNames[i], kBranchBytes[i]) << i;
}

TEST(KoreanLiterals, CalendarTextIsCp949)
{
    std::vector<std::string> lines;
    PrintMonth(2026, 7, [&lines](const AnsiString& line) { lines.push_back(line.Bytes()); });
    ASSERT_GE(lines.size(), 3u);
    // "   ▶ 2026년  7월 (년:병오, 월:갑오)"
    EXPECT_EQ(lines[0], "   \xA2\xBA 2026\xB3\xE2  7\xBF\xF9 (\xB3\xE2:\xBA\xB4\xBF\xC0, \xBF\xF9:\xB0\xA9\xBF\xC0)");
    // "  일      월      화      수      목      금      토"
    EXPECT_EQ(lines[2],
              "  \xC0\xCF      \xBF\xF9      \xC8\xAD      \xBC\xF6      \xB8\xF1      \xB1\xDD      \xC5\xE4");
}

TEST(KoreanLiterals, ReadingsAreUtf8)
{
    // "2027-02-07 일요일 정사일 · 음력 2027년 1월 1일 (정미년 임인월) · 설날 (공휴일)": every view but the window's
    // calendar writes UTF-8.
    EXPECT_EQ(DateReadingLine(ReadDate(Almanac::Korea, {2027, 2, 7})),
              "2027-02-07 \xEC\x9D\xBC\xEC\x9A\x94\xEC\x9D\xBC \xEC\xA0\x95\xEC\x82\xAC\xEC\x9D\xBC \xC2\xB7"
              " \xEC\x9D\x8C\xEB\xA0\xA5 2027\xEB\x85\x84 1\xEC\x9B\x94 1\xEC\x9D\xBC (\xEC\xA0\x95\xEB\xAF"
              "\xB8\xEB\x85\x84 \xEC\x9E\x84\xEC\x9D\xB8\xEC\x9B\x94) \xC2\xB7 \xEC\x84\xA4\xEB\x82\xA0 (\xEA"
              "\xB3\xB5\xED\x9C\xB4\xEC\x9D\xBC)");
}

}  // namespace

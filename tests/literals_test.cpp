// Pins the bytes of the program's Korean text: the source spells it readably,
// the program must hold it as CP949.
#include <gtest/gtest.h>

#include "from_lunar_line.h"
#include "print_month.h"
#include "sexagenary.h"

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
    std::vector<AnsiString> lines;
    PrintMonth(2026, 7, [&lines](const AnsiString& line) { lines.push_back(line); });
    ASSERT_GE(lines.size(), 3u);
    // "   ▶ 2026년  7월 (년:병오, 월:갑오)"
    EXPECT_EQ(lines[0], "   \xA2\xBA 2026\xB3\xE2  7\xBF\xF9 (\xB3\xE2:\xBA\xB4\xBF\xC0, \xBF\xF9:\xB0\xA9\xBF\xC0)");
    // "  일      월      화      수      목      금      토"
    EXPECT_EQ(lines[2],
              "  \xC0\xCF      \xBF\xF9      \xC8\xAD      \xBC\xF6      \xB8\xF1      \xB1\xDD      \xC5\xE4");
}

TEST(KoreanLiterals, FromLunarLineIsCp949)
{
    // "2027-02-07 일요일 정사일 · 음력 2027년 1월 1일 (정미년 임인월) · 설날 (공휴일)"
    EXPECT_EQ(FromLunarLine(Almanac::Korea, 2027, 1, 1, false),
              "2027-02-07 \xC0\xCF\xBF\xE4\xC0\xCF \xC1\xA4\xBB\xE7\xC0\xCF \xA1\xA4 \xC0\xBD\xB7\xC2 2027\xB3\xE2 "
              "1\xBF\xF9 1\xC0\xCF (\xC1\xA4\xB9\xCC\xB3\xE2 \xC0\xD3\xC0\xCE\xBF\xF9) \xA1\xA4 \xBC\xB3\xB3\xAF "
              "(\xB0\xF8\xC8\xDE\xC0\xCF)");
    // "2074-08-22 수요일 경진일 · 음력 2074년 7월 1일 (갑오년 임신월) (±1일)"
    EXPECT_EQ(FromLunarLine(Almanac::Korea, 2074, 7, 1, false),
              "2074-08-22 \xBC\xF6\xBF\xE4\xC0\xCF \xB0\xE6\xC1\xF8\xC0\xCF \xA1\xA4 \xC0\xBD\xB7\xC2 2074\xB3\xE2 "
              "7\xBF\xF9 1\xC0\xCF (\xB0\xA9\xBF\xC0\xB3\xE2 \xC0\xD3\xBD\xC5\xBF\xF9) (\xA1\xBE"
              "1\xC0\xCF)");
    // "2028-04-12 수요일 정묘일 · 음력 2028년 3월 18일 (무신년 병진월) · 제23대 국회의원선거 (선거일, 예정)"
    EXPECT_EQ(FromLunarLine(Almanac::Korea, 2028, 3, 18, false),
              "2028-04-12 \xBC\xF6\xBF\xE4\xC0\xCF \xC1\xA4\xB9\xA6\xC0\xCF \xA1\xA4 \xC0\xBD\xB7\xC2 2028\xB3\xE2 "
              "3\xBF\xF9 18\xC0\xCF (\xB9\xAB\xBD\xC5\xB3\xE2 \xBA\xB4\xC1\xF8\xBF\xF9) \xA1\xA4 \xC1\xA6"
              "23\xB4\xEB \xB1\xB9\xC8\xB8\xC0\xC7\xBF\xF8\xBC\xB1\xB0\xC5 (\xBC\xB1\xB0\xC5\xC0\xCF, "
              "\xBF\xB9\xC1\xA4)");
    // The other weekdays: 월 화 목 금 토 (수 and 일 above).
    const char* const kWeekdayBytes[] = {"\xBF\xF9", "\xC8\xAD", "\xB8\xF1", "\xB1\xDD", "\xC5\xE4"};
    const std::int32_t kLunarDays[] = {2, 3, 5, 6, 7};  // 2027-02-08 (Monday) on
    for (std::size_t i = 0; i < 5; ++i) {
        const AnsiString line = FromLunarLine(Almanac::Korea, 2027, 1, kLunarDays[i], false);
        EXPECT_EQ(line.substr(11, 2), kWeekdayBytes[i]) << i;
    }
}

}  // namespace

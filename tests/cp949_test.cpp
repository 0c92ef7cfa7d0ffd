#include "cp949.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp949, ConvertsBothWays)
{
    // "▶ 2026년" and "갑자": CP949 bytes against their UTF-8.
    const std::string cp949 = "\xA2\xBA 2026\xB3\xE2 \xB0\xA9\xC0\xDA";
    const std::string utf8 = "\xE2\x96\xB6 2026\xEB\x85\x84 \xEA\xB0\x91\xEC\x9E\x90";
    EXPECT_EQ(Cp949::ToUtf8(cp949), utf8);
    EXPECT_EQ(Cp949::FromUtf8(utf8), cp949);
    EXPECT_EQ(Cp949::ToUtf8(""), "");
    EXPECT_EQ(Cp949::ToUtf8("plain ASCII |"), "plain ASCII |");
}

TEST(Cp949, LongTextConvertsWhole)
{
    std::string cp949;
    for (int i = 0; i < 20000; ++i) cp949 += "\xB0\xA1\x61";  // 가a
    const std::string utf8 = Cp949::ToUtf8(cp949);
    EXPECT_EQ(utf8.size(), 20000u * 4);
    EXPECT_EQ(Cp949::FromUtf8(utf8), cp949);
}

TEST(Cp949, BadInputIsReplacedNeverLost)
{
    EXPECT_EQ(Cp949::ToUtf8("a\xFF"
                            "b"),
              "a\xEF\xBF\xBD"
              "b");                                      // a byte that starts nothing
    EXPECT_EQ(Cp949::ToUtf8("a\xB0"), "a\xEF\xBF\xBD");  // a syllable cut off
    EXPECT_EQ(Cp949::FromUtf8("a\xF0\x9F\x98\x80"
                              "b"),
              "a?b");                               // an emoji CP949 lacks
    EXPECT_EQ(Cp949::FromUtf8("a\xC3(b"), "a?(b");  // broken UTF-8
    EXPECT_EQ(Cp949::FromUtf8("\xFF\xFE"), "??");
}

}  // namespace

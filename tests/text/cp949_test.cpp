#include "text/cp949.h"
#include "text/utf8.h"

#include <iconv.h>

#include <array>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace {

TEST(Cp949, ConvertsBothWays)
{
    // "▶ 2026년" and "갑자": CP949 bytes against their UTF-8.
    const AnsiString cp949("\xA2\xBA 2026\xB3\xE2 \xB0\xA9\xC0\xDA");
    const std::string utf8 = "\xE2\x96\xB6 2026\xEB\x85\x84 \xEA\xB0\x91\xEC\x9E\x90";
    EXPECT_EQ(Cp949::ToUtf8(cp949), utf8);
    EXPECT_EQ(Cp949::FromUtf8(utf8), cp949);
    EXPECT_EQ(Cp949::ToUtf8(AnsiString()), "");
    EXPECT_EQ(Cp949::ToUtf8(AnsiString("plain ASCII |")), "plain ASCII |");
}

TEST(Cp949, LongTextConvertsWhole)
{
    AnsiString cp949;
    for (int i = 0; i < 20000; ++i) cp949 += "\xB0\xA1\x61";  // 가a
    const std::string utf8 = Cp949::ToUtf8(cp949);
    EXPECT_EQ(utf8.size(), 20000u * 4);
    EXPECT_EQ(Cp949::FromUtf8(utf8), cp949);
}

TEST(Cp949, BadInputIsReplacedNeverLost)
{
    EXPECT_EQ(Cp949::ToUtf8(AnsiString("a\xFF"
                                       "b")),
              "a\xEF\xBF\xBD"
              "b");                                                  // a byte that starts nothing
    EXPECT_EQ(Cp949::ToUtf8(AnsiString("a\xB0")), "a\xEF\xBF\xBD");  // a syllable cut off
    EXPECT_EQ(Cp949::FromUtf8("a\xF0\x9F\x98\x80"
                              "b")
                  .Bytes(),
              "a?b");                                       // an emoji CP949 lacks
    EXPECT_EQ(Cp949::FromUtf8("a\xC3(b").Bytes(), "a?(b");  // broken UTF-8
    EXPECT_EQ(Cp949::FromUtf8("\xFF\xFE").Bytes(), "??");
    // A sequence of the length its lead byte gives that encodes nothing is one
    // "?"; a sequence cut short is a "?" a byte.
    EXPECT_EQ(Cp949::FromUtf8("\xE0\x82\xA9").Bytes(), "?");      // U+00A9 written too long
    EXPECT_EQ(Cp949::FromUtf8("\xED\xA0\x80").Bytes(), "?");      // a surrogate
    EXPECT_EQ(Cp949::FromUtf8("\xF4\x90\x80\x80").Bytes(), "?");  // past U+10FFFF
    EXPECT_EQ(Cp949::FromUtf8("\xEA\xB0").Bytes(), "??");         // 가 cut off
    EXPECT_EQ(Cp949::FromUtf8("\xC0\xAF").Bytes(), "??");         // a lead byte no character has
}

// What glibc's iconv makes of CP949 text, with its refusals replaced as
// ToUtf8 promises: U+FFFD for the byte that starts no character.
std::string IconvToUtf8(const std::string& cp949)
{
    iconv_t cd = iconv_open("UTF-8", "CP949");
    std::string out;
    std::size_t i = 0;
    while (i < cp949.size()) {
        char buffer[16];
        char* in = const_cast<char*>(cp949.data() + i);
        const std::size_t wanted = std::min<std::size_t>(2, cp949.size() - i);
        std::size_t inLeft = static_cast<unsigned char>(cp949[i]) < 0x80 ? 1 : wanted;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t taken = inLeft;
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        out.append(buffer, sizeof buffer - outLeft);
        i += taken;
    }
    iconv_close(cd);
    return out;
}

// The table the build made from iconv gives what iconv gives, for every
// pair of bytes that starts with a byte above ASCII.
TEST(Cp949, EveryPairAsIconvConvertsIt)
{
    std::size_t differences = 0;
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0; trail <= 0xFF; ++trail) {
            const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
            if (Cp949::ToUtf8(AnsiString(pair)) != IconvToUtf8(pair)) {
                if (++differences < 5) ADD_FAILURE() << std::hex << lead << " " << trail;
            }
        }
    }
    EXPECT_EQ(differences, 0u);
}

}  // namespace

namespace {

// What glibc's iconv writes for one UTF-8 character, "?" where it refuses it.
std::string IconvFromUtf8(const std::string& utf8)
{
    iconv_t cd = iconv_open("CP949", "UTF-8");
    char buffer[16];
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const bool done = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    return done ? std::string(buffer, sizeof buffer - outLeft) : "?";
}

std::string Utf8Of(unsigned codePoint)  // codePoint in [0x80, 0x10FFFF]
{
    std::string out;
    if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
    return out;
}

// The build's table gives what iconv gives for every character beyond ASCII
// of the Basic Multilingual Plane (surrogates aside) and a few past it.
TEST(Cp949, EveryCharacterAsIconvWritesIt)
{
    std::size_t differences = 0;
    for (unsigned codePoint = 0x80; codePoint <= 0x1F600; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;
        if (codePoint > 0xFFFF && codePoint % 97 != 0) continue;
        const std::string utf8 = Utf8Of(codePoint);
        if (Cp949::FromUtf8(utf8).Bytes() != IconvFromUtf8(utf8)) {
            if (++differences < 5) ADD_FAILURE() << "U+" << std::hex << codePoint;
        }
    }
    EXPECT_EQ(differences, 0u);
}

// Whether text is all well-formed characters, by the full reader.
bool AllReadWellFormed(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8::Character read = Utf8::Read(text, i);
        if (!read.wellFormed) return false;
        i += read.length;
    }
    return true;
}

// The quick length check and the full reader agree on every lead byte with
// every second byte, and with each kind of third and fourth byte; so does the
// quick check of a whole text.
TEST(Utf8, SequenceLengthAgreesWithRead)
{
    constexpr std::array<unsigned char, 4> kLaterBytes = {0x41, 0x80, 0xBF, 0xC0};
    std::size_t differences = 0;
    for (unsigned lead = 0; lead <= 0xFF; ++lead) {
        for (unsigned second = 0; second <= 0xFF; ++second) {
            for (const unsigned char third : kLaterBytes) {
                for (const unsigned char fourth : kLaterBytes) {
                    const std::string bytes{static_cast<char>(lead), static_cast<char>(second),
                                            static_cast<char>(third), static_cast<char>(fourth)};
                    for (std::size_t size = 1; size <= bytes.size(); ++size) {
                        const std::string_view text(bytes.data(), size);
                        const Utf8::Character read = Utf8::Read(text, 0);
                        if (Utf8::SequenceLength(text, 0) != (read.wellFormed ? read.length : 0)) ++differences;
                        if (Utf8::IsWellFormed(text) != AllReadWellFormed(text)) ++differences;
                    }
                }
            }
        }
    }
    EXPECT_EQ(differences, 0u);
}

}  // namespace

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Well-formed UTF-8 (RFC 3629): no overlong form, no surrogate, nothing past
// U+10FFFF.
namespace Utf8 {

// One character read at text[i] (i < text.size()). A well-formed sequence is
// taken whole; a sequence whose length the lead byte gives but which encodes
// nothing (too long a form, a surrogate, past U+10FFFF) is taken whole as no
// character; anything else is one byte that is no character. Inline, as the
// conversions call it for every character.
struct Character {
    unsigned codePoint;  // 0 where it is none
    std::size_t length;  // [1, 4]
    bool wellFormed;
};
inline Character Read(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    unsigned codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
    }
    if (length == 0 || length > text.size() - i) return {0, 1, false};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0u) != 0x80u) return {0, 1, false};
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    constexpr std::array<unsigned, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};  // by length
    const bool encodesOne =
        codePoint >= kSmallest[length] && codePoint <= 0x10FFFF && !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
    return {encodesOne ? codePoint : 0, length, encodesOne};
}

// The length (1..4) of the well-formed character at text[i] (i < text.size()),
// 0 if the bytes there are none. Read's answer without the code point, inline:
// writers check every character of their texts with it. The lead byte gives
// the length and the range of the second byte, which rules out too long a
// form, surrogates and what lies past U+10FFFF; later bytes are any
// continuation byte.
inline std::size_t SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return 1;
    const auto isContinuation = [&text](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0u) == 0x80u;
    };
    // Most of what is checked is Hangul (U+AC00..U+D7A3, leads EA..ED):
    // three bytes whose second needs no range of its own below ED.
    if (lead >= 0xE1 && lead <= 0xEC && text.size() - i >= 3 && isContinuation(i + 1) && isContinuation(i + 2)) {
        return 3;
    }
    std::size_t length = 0;
    unsigned secondLow = 0x80;
    unsigned secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondLow = 0xA0;
        if (lead == 0xED) secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;
    }
    if (length == 0 || length > text.size() - i) return 0;
    const unsigned second = static_cast<unsigned char>(text[i + 1]);
    if (second < secondLow || second > secondHigh) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!isContinuation(i + k)) return 0;
    }
    return length;
}

bool IsWellFormed(std::string_view text);

// Whether a character takes two columns of a terminal or a fixed-pitch font
// (East Asian Wide and Fullwidth: Hangul, CJK, fullwidth forms, emoji).
constexpr bool IsWide(unsigned codePoint)
{
    return (codePoint >= 0x1100 && codePoint <= 0x115F) || (codePoint >= 0x2E80 && codePoint <= 0xA4CF) ||
           (codePoint >= 0xAC00 && codePoint <= 0xD7A3) || (codePoint >= 0xF900 && codePoint <= 0xFAFF) ||
           (codePoint >= 0xFE30 && codePoint <= 0xFE4F) || (codePoint >= 0xFF00 && codePoint <= 0xFF60) ||
           (codePoint >= 0xFFE0 && codePoint <= 0xFFE6) || (codePoint >= 0x1F300 && codePoint <= 0x1F64F) ||
           (codePoint >= 0x1F900 && codePoint <= 0x1F9FF) || (codePoint >= 0x20000 && codePoint <= 0x3FFFD);
}

// The columns text takes on a terminal: two for a wide character, one for any
// other and for each byte that is no character.
std::size_t Columns(std::string_view text);

// text in lines of at most columns, broken after the last blank that fits
// (within a word where none does, never inside a character); every line
// after the first begins with indent.
std::vector<std::string> Wrapped(std::string_view text, std::size_t columns, std::string_view indent);

// text as a one-line message may quote bytes it was given: each byte that is
// no UTF-8 as U+FFFD, each control character as \xNN.
std::string Sanitized(std::string_view text);

// The same in double quotes, as a message quotes what was typed: "2027-13".
std::string Quoted(std::string_view text);

}  // namespace Utf8

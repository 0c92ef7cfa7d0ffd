#include "utf8.h"

#include <array>

namespace Utf8 {

Character Read(std::string_view text, std::size_t i)
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

bool IsWellFormed(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {  // most bytes, at no call
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace Utf8

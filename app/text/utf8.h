#pragma once

#include <cstddef>
#include <string_view>

// Well-formed UTF-8 (RFC 3629): no overlong form, no surrogate, nothing past
// U+10FFFF.
namespace Utf8 {

// One character read at text[i] (i < text.size()). A well-formed sequence is
// taken whole; a sequence whose length the lead byte gives but which encodes
// nothing (too long a form, a surrogate, past U+10FFFF) is taken whole as no
// character; anything else is one byte that is no character.
struct Character {
    unsigned codePoint;  // 0 where it is none
    std::size_t length;  // [1, 4]
    bool wellFormed;
};
Character Read(std::string_view text, std::size_t i);

// The length (1..4) of the well-formed character at text[i] (i < text.size()),
// 0 if the bytes there are none.
std::size_t SequenceLength(std::string_view text, std::size_t i);

bool IsWellFormed(std::string_view text);

}  // namespace Utf8

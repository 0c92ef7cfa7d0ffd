#pragma once

#include <cstddef>
#include <string_view>

// Well-formed UTF-8 (RFC 3629): no overlong form, no surrogate, nothing past
// U+10FFFF.
namespace Utf8 {

// The length (1..4) of the well-formed character at text[i] (i < text.size()),
// 0 if the bytes there are none.
std::size_t SequenceLength(std::string_view text, std::size_t i);

bool IsWellFormed(std::string_view text);

}  // namespace Utf8

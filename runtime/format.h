#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/ansi_string.h"

namespace Sysutils {

// One argument of Format: a signed 32-bit integer for %d or a string for %s.
// Any other type is refused when the program is compiled.
class FormatArg {
public:
    FormatArg(std::int32_t value) : isText_(false), integer_(value) {}
    FormatArg(const char* text) : isText_(true), text_(text != nullptr ? text : "") {}
    FormatArg(const AnsiString& text) : isText_(true), text_(text.c_str()) {}
    template <class T>
    FormatArg(T) = delete;

    bool IsText() const { return isText_; }
    std::int32_t Integer() const { return integer_; }
    // The string's bytes up to its first NUL.
    std::string_view Text() const { return text_; }

private:
    bool isText_;
    std::int32_t integer_ = 0;
    std::string_view text_;
};

// Widths and precisions above this are refused rather than filling memory.
inline constexpr std::int32_t kMaxFormatField = 4096;

// Fills a template: "%" [-] [width] [. precision] type, where type d is a
// signed decimal and s a string; "%%" is a percent sign; every other byte is
// copied unchanged, so CP949 text passes through. The width is a minimum,
// filled with blanks (on the left, or on the right after "-"); there is no
// zero flag, so "%02d" of 7 is " 7". A precision gives %d at least that many
// digits and cuts %s to that many bytes. A specifier that is malformed, does
// not match its argument, or has no argument left raises Exception.
AnsiString FormatList(std::string_view pattern, std::span<const FormatArg> args);

template <class... Args>
AnsiString Format(std::string_view pattern, const Args&... args)
{
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatList(pattern, list);
}

// The same bytes as a plain string, for text that is not the window's CP949
// (identifiers, numbers, UTF-8 that passes through).
template <class... Args>
std::string FormatText(std::string_view pattern, const Args&... args)
{
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatList(pattern, list).Bytes();
}

}  // namespace Sysutils

#pragma once

#include <array>
#include <charconv>
#include <cstdint>

#include <string>

// Numbers appended to text as %d and %2d would write them, without a format
// to parse: lists of many dates (a year of holidays, a long events file)
// write several a line.

inline void AppendNumber(std::string& out, std::int32_t value)
{
    std::array<char, 12> digits{};  // any int32, sign included
    const std::to_chars_result written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), written.ptr);
}

// At least width digits, zeros before ("%.4d" of 999 is "0999"); value >= 0.
inline void AppendZeroFilled(std::string& out, std::int32_t value, std::size_t width)
{
    std::array<char, 12> digits{};
    const std::to_chars_result written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const auto count = static_cast<std::size_t>(written.ptr - digits.data());
    if (count < width) out.append(width - count, '0');
    out.append(digits.data(), written.ptr);
}

// At least two characters wide, a blank before one digit ("%2d").
inline void AppendNumberWidth2(std::string& out, std::int32_t value)
{
    if (value >= 0 && value < 10) out += ' ';
    AppendNumber(out, value);
}

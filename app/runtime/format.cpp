#include "format.h"

#include <cstdint>
#include <string>

#include "exception.h"

namespace Sysutils {
namespace {

struct Specifier {
    bool leftAlign = false;
    std::int32_t width = 0;
    std::int32_t precision = -1;  // -1: none given
    char type = '\0';
};

[[noreturn]] void RaiseInvalid(std::string_view pattern)
{
    throw Exception("Format '" + AnsiString(pattern) + "' invalid or incompatible with argument");
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the digits at pattern[pos]; refuses a field larger than kMaxFormatField.
std::int32_t ReadField(std::string_view pattern, std::size_t& pos)
{
    std::int32_t value = 0;
    while (pos < pattern.size() && IsDigit(pattern[pos])) {
        value = value * 10 + (pattern[pos] - '0');
        if (value > kMaxFormatField) RaiseInvalid(pattern);
        ++pos;
    }
    return value;
}

// Parses the specifier that starts after the "%" at pattern[pos]; leaves pos after its type.
Specifier ReadSpecifier(std::string_view pattern, std::size_t& pos)
{
    Specifier spec;
    if (pos < pattern.size() && pattern[pos] == '-') {
        spec.leftAlign = true;
        ++pos;
    }
    spec.width = ReadField(pattern, pos);
    if (pos < pattern.size() && pattern[pos] == '.') {
        ++pos;
        spec.precision = ReadField(pattern, pos);
    }
    if (pos >= pattern.size()) RaiseInvalid(pattern);
    spec.type = pattern[pos++];
    return spec;
}

// The digits of value, at least minDigits of them, with "-" before a negative.
AnsiString Decimal(std::int32_t value, std::int32_t minDigits)
{
    std::int64_t magnitude = value;
    const bool negative = magnitude < 0;
    if (negative) magnitude = -magnitude;
    AnsiString digits = std::to_string(magnitude);
    if (std::ssize(digits) < minDigits) {
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
}

AnsiString Convert(const Specifier& spec, const FormatArg& arg, std::string_view pattern)
{
    if (spec.type == 'd' && !arg.IsText()) return Decimal(arg.Integer(), spec.precision);
    if (spec.type == 's' && arg.IsText()) {
        std::string_view text = arg.Text();
        if (spec.precision >= 0 && std::ssize(text) > spec.precision) {
            text = text.substr(0, static_cast<std::size_t>(spec.precision));
        }
        return AnsiString(text);
    }
    RaiseInvalid(pattern);
}

void AppendPadded(AnsiString& out, const AnsiString& body, const Specifier& spec)
{
    const std::size_t fill = std::ssize(body) < spec.width ? static_cast<std::size_t>(spec.width) - body.size() : 0;
    if (!spec.leftAlign) out.append(fill, ' ');
    out += body;
    if (spec.leftAlign) out.append(fill, ' ');
}

}  // namespace

AnsiString FormatList(std::string_view pattern, std::span<const FormatArg> args)
{
    AnsiString out;
    out.reserve(pattern.size() + 16);
    std::size_t nextArg = 0;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (pos < pattern.size() && pattern[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        const Specifier spec = ReadSpecifier(pattern, pos);
        if (nextArg >= args.size()) {
            throw Exception("No argument for format '" + AnsiString(pattern) + "'");
        }
        AppendPadded(out, Convert(spec, args[nextArg++], pattern), spec);
    }
    return out;
}

}  // namespace Sysutils

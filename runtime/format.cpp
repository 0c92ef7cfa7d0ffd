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
    Specifier specifier;
    if (pos < pattern.size() && pattern[pos] == '-') {
        specifier.leftAlign = true;
        ++pos;
    }
    specifier.width = ReadField(pattern, pos);
    if (pos < pattern.size() && pattern[pos] == '.') {
        ++pos;
        specifier.precision = ReadField(pattern, pos);
    }
    if (pos >= pattern.size()) RaiseInvalid(pattern);
    specifier.type = pattern[pos++];
    return specifier;
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

AnsiString Convert(const Specifier& specifier, const FormatArg& arg, std::string_view pattern)
{
    if (specifier.type == 'd' && !arg.IsText()) return Decimal(arg.Integer(), specifier.precision);
    if (specifier.type == 's' && arg.IsText()) {
        std::string_view text = arg.Text();
        if (specifier.precision >= 0 && std::ssize(text) > specifier.precision) {
            text = text.substr(0, static_cast<std::size_t>(specifier.precision));
        }
        return AnsiString(text);
    }
    RaiseInvalid(pattern);
}

void AppendPadded(AnsiString& out, const AnsiString& body, const Specifier& specifier)
{
    const std::size_t fill =
        std::ssize(body) < specifier.width ? static_cast<std::size_t>(specifier.width) - body.size() : 0;
    if (!specifier.leftAlign) out.append(fill, ' ');
    out += body;
    if (specifier.leftAlign) out.append(fill, ' ');
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
        const Specifier specifier = ReadSpecifier(pattern, pos);
        if (nextArg >= args.size()) {
            throw Exception("No argument for format '" + AnsiString(pattern) + "'");
        }
        AppendPadded(out, Convert(specifier, args[nextArg++], pattern), specifier);
    }
    return out;
}

}  // namespace Sysutils

#include "runtime/format.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/exception.h"

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
    throw Exception(AnsiString("Format '") + AnsiString(std::string(pattern)) +
                    "' invalid or incompatible with argument");
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

// Up to 4096 digits of precision and a sign, written from the end of a buffer.
using DecimalBuffer = std::array<char, kMaxFormatField + 16>;

// The digits of value, at least minDigits of them, with "-" before a negative,
// written at the end of buffer.
std::string_view Decimal(std::int32_t value, std::int32_t minDigits, DecimalBuffer& buffer)
{
    std::int64_t magnitude = value;
    const bool negative = magnitude < 0;
    if (negative) magnitude = -magnitude;
    std::size_t start = buffer.size();
    do {
        buffer[--start] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (std::ssize(buffer) - static_cast<std::ptrdiff_t>(start) < minDigits) buffer[--start] = '0';
    if (negative) buffer[--start] = '-';
    return {buffer.data() + start, buffer.size() - start};
}

// The text a specifier makes of its argument (in buffer, for a number).
std::string_view Convert(const Specifier& specifier, const FormatArg& arg, std::string_view pattern,
                         DecimalBuffer& buffer)
{
    if (specifier.type == 'd' && !arg.IsText()) return Decimal(arg.Integer(), specifier.precision, buffer);
    if (specifier.type == 's' && arg.IsText()) {
        std::string_view text = arg.Text();
        if (specifier.precision >= 0 && std::ssize(text) > specifier.precision) {
            text = text.substr(0, static_cast<std::size_t>(specifier.precision));
        }
        return text;
    }
    RaiseInvalid(pattern);
}

void AppendPadded(AnsiString& out, std::string_view body, const Specifier& specifier)
{
    const std::size_t fill =
        std::ssize(body) < specifier.width ? static_cast<std::size_t>(specifier.width) - body.size() : 0;
    if (!specifier.leftAlign) out.append(fill, ' ');
    out.append(body);
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
        if (pattern[pos] != '%') {  // a run of plain text, as it is
            const std::size_t percent = std::min(pattern.find('%', pos), pattern.size());
            out.append(pattern.substr(pos, percent - pos));
            pos = percent;
            continue;
        }
        ++pos;
        if (pos < pattern.size() && pattern[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        const Specifier specifier = ReadSpecifier(pattern, pos);
        if (nextArg >= args.size()) {
            throw Exception(AnsiString("No argument for format '") + AnsiString(std::string(pattern)) + "'");
        }
        DecimalBuffer buffer;
        AppendPadded(out, Convert(specifier, args[nextArg++], pattern, buffer), specifier);
    }
    return out;
}

}  // namespace Sysutils

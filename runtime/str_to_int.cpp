#include <cstdint>
#include <limits>

#include "runtime/exception.h"
#include "runtime/sysutils.h"

namespace Sysutils {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

[[noreturn]] void RaiseNotInteger(std::string_view text)
{
    throw EConvertError(Message("\"{1}\" is not a valid integer", {std::string(text)}, 0, TextEncoding::Cp949));
}

}  // namespace

std::int32_t StrToInt(const AnsiString& text)
{
    const std::string_view typed = text.View();
    std::string_view rest = TrimBlanks(typed);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
    if (rest.empty()) RaiseNotInteger(typed);

    // The magnitude may reach 2^31 (for INT32_MIN); one more digit already overflows.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : rest) {
        if (c < '0' || c > '9') RaiseNotInteger(typed);
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) RaiseNotInteger(typed);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) RaiseNotInteger(typed);
    return static_cast<std::int32_t>(value);
}

AnsiString UnsignedShortToStr(std::uint16_t value)
{
    return AnsiString(std::to_string(value));
}

}  // namespace Sysutils

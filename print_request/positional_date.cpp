#include "print_request/positional_date.h"

#include <span>

#include "input/typed_numbers.h"
#include "runtime/utf8_literals.h"
#include "text/utf8.h"

namespace {

// The refusal of the first argument that is no number, named by its place;
// none where each is one.
constexpr const char* kMonthNames[] = {kYearName, kMonthName};
constexpr const char* kLunarNames[] = {kYearName, kMonthName, kDayName};
constexpr const char* kLunarNamesInYears[] = {kMonthName, kDayName};

std::optional<Message> NumberRefused(const std::vector<std::string>& args, std::span<const char* const> names)
{
    auto name = names.begin();
    for (const std::string& arg : args) {
        if (name == names.end()) break;
        try {
            (void)ParseNumber(*name++, arg);
        } catch (const TypedValueError& refused) {
            return refused.Said();
        }
    }
    return std::nullopt;
}

// A number an argument, no word of a month or day: YEAR or YEAR MONTH as
// given, their range checked where they are printed (the window's text writes
// its header first, as the window does). None for anything else, and for
// eight digits (20270207, a day).
std::optional<TypedDate> PlainNumbers(const std::vector<std::string>& args)
{
    constexpr std::size_t kPackedDayLength = 8;
    if (args.empty() || args.size() > 2) return std::nullopt;
    std::vector<std::int32_t> values;
    for (const std::string& arg : args) {
        if (arg.ends_with("월") || arg.ends_with("일")) return std::nullopt;
        const std::string text = TypedNumberText(arg);
        const std::optional<std::int32_t> value = ReadInteger(text);
        if (!value || (args.size() == 1 && text.size() == kPackedDayLength)) return std::nullopt;
        values.push_back(*value);
    }
    if (values.size() == 1) return TypedYear{values[0]};
    return TypedMonth{values[0], values[1]};
}

}  // namespace

TypedDate ReadPositionalDate(const std::vector<std::string>& args, std::int32_t thisYear)
{
    if (std::optional<TypedDate> plain = PlainNumbers(args)) return *std::move(plain);
    const std::string joined = JoinedArguments(args);
    TypedDate typed = ReadTypedDate(joined, thisYear, LoneNumber::Year);
    if (!std::holds_alternative<Message>(typed) || DateNumbersIn(joined) != 0) return typed;
    if (std::optional<Message> refused = NumberRefused(args, kMonthNames)) return *std::move(refused);
    return typed;
}

TypedDate ReadLunarPositional(const std::vector<std::string>& args, std::int32_t thisYear, bool leap)
{
    const std::string joined = JoinedArguments(args);
    if (std::optional<TypedLunarDate> lunar = ReadLunarArguments(joined, thisYear)) {
        lunar->leap = lunar->leap || leap;
        return *lunar;
    }
    const std::span<const char* const> names =
        args.size() == 2 ? std::span<const char* const>(kLunarNamesInYears) : std::span<const char* const>(kLunarNames);
    if (std::optional<Message> refused = NumberRefused(args, names)) return *std::move(refused);
    return Message("{1} is not a lunar date (2027 1 1, 2027년 1월 1일, 윤6월 1일)", {Utf8::Quoted(joined)});
}

#include "typed_date.h"

#include <algorithm>
#include <string>
#include <vector>

#include "argument_values.h"
#include "date_check.h"
#include "utf8.h"
#include "utf8_literals.h"

namespace {

constexpr std::string_view kLunarWord = "음력";
constexpr std::string_view kLeapWord = "윤";
constexpr std::size_t kMostNumbers = 3;
constexpr std::size_t kMostDigits = 9;  // any int32 of nine digits, never an overflow

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The runs of digits in text, in order; none where there are more than three
// or one is too long to be a date's.
std::optional<std::vector<std::int32_t>> NumbersIn(std::string_view text)
{
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsDigit(text[end])) ++end;
        if (end - i > kMostDigits || numbers.size() == kMostNumbers) return std::nullopt;
        numbers.push_back(std::stoi(std::string(text.substr(i, end - i))));
        i = end;
    }
    return numbers;
}

// Whether text holds anything but digits, blanks, the separators of dates and
// the words of a date (년 월 일 음력 윤).
bool OnlyDateWords(std::string_view text)
{
    std::string rest(text);
    for (const std::string_view word :
         {kLunarWord, kLeapWord, std::string_view("년"), std::string_view("월"), std::string_view("일")}) {
        for (std::size_t at = rest.find(word); at != std::string::npos; at = rest.find(word))
            rest.erase(at, word.size());
    }
    return std::ranges::all_of(rest, [](char c) { return IsDigit(c) || c == ' ' || c == '-' || c == '.' || c == '/'; });
}

Message NotADate(std::string_view typed)
{
    return Message("{1} is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)", {Utf8::Quoted(typed)});
}

}  // namespace

TypedDate ReadTypedDate(std::string_view typed, std::int32_t shownYear)
{
    const std::string text = AsTypedNumber(typed);  // full-width digits and dashes as ASCII
    const std::optional<std::vector<std::int32_t>> numbers = NumbersIn(text);
    if (!numbers || numbers->empty() || !OnlyDateWords(text)) return NotADate(typed);
    const std::vector<std::int32_t>& n = *numbers;
    const bool leap = text.find(kLeapWord) != std::string::npos;
    if (leap || text.find(kLunarWord) != std::string::npos) {
        if (n.size() == 3) return TypedLunarDate{n[0], n[1], n[2], leap};
        if (n.size() == 2) return TypedLunarDate{shownYear, n[0], n[1], leap};
        return NotADate(typed);
    }
    const std::string written = Utf8::Quoted(typed);
    if (n.size() == 3) {
        const GregorianDate date{n[0], n[1], n[2]};
        if (std::optional<Message> problem = DateProblem(date, written)) return *std::move(problem);
        return date;
    }
    // One number: a month of the year shown, or a year (its January).
    const TypedMonth month = n.size() == 2          ? TypedMonth{n[0], n[1]}
                             : n[0] > kMonthsInYear ? TypedMonth{n[0], 1}
                                                    : TypedMonth{shownYear, n[0]};
    if (std::optional<Message> problem = DateProblem({month.year, month.month, 1}, written)) return *std::move(problem);
    return month;
}

TypedShape ShapeOf(std::string_view typed)
{
    const std::string text = AsTypedNumber(typed);
    const std::optional<std::vector<std::int32_t>> numbers = NumbersIn(text);
    if (!numbers || numbers->empty() || !OnlyDateWords(text)) return TypedShape::Other;
    const bool lunar = text.find(kLeapWord) != std::string::npos || text.find(kLunarWord) != std::string::npos;
    if (lunar) return numbers->size() == 3 ? TypedShape::LunarDay : TypedShape::Other;
    constexpr TypedShape kByCount[] = {TypedShape::Other, TypedShape::Number, TypedShape::Month, TypedShape::Day};
    return kByCount[numbers->size()];  // 1..3: NumbersIn reads no more
}

std::size_t DateNumbersIn(std::string_view typed)
{
    const std::string text = AsTypedNumber(typed);
    const std::optional<std::vector<std::int32_t>> numbers = NumbersIn(text);
    return numbers && OnlyDateWords(text) ? numbers->size() : 0;
}

std::string JoinedArguments(const std::vector<std::string>& args)
{
    std::string joined;
    for (const std::string& arg : args) {
        if (!joined.empty()) joined += ' ';
        joined += arg;
    }
    return joined;
}

std::optional<TypedLunarDate> ReadLunarArguments(std::string_view typed, bool withYear)
{
    const std::string text = AsTypedNumber(typed);
    const std::optional<std::vector<std::int32_t>> numbers = NumbersIn(text);
    if (!numbers || !OnlyDateWords(text) || numbers->size() != (withYear ? 3u : 2u)) return std::nullopt;
    const std::vector<std::int32_t>& n = *numbers;
    const bool leap = text.find(kLeapWord) != std::string::npos;
    return withYear ? TypedLunarDate{n[0], n[1], n[2], leap} : TypedLunarDate{0, n[0], n[1], leap};
}

TypedMonth ReadMonthArguments(const std::vector<std::string>& args)
{
    if (args.size() == 2) {
        const std::int32_t year = ParseNumber(kYearName, args[0]);  // the year first: as typed
        return {year, ParseNumber(kMonthName, args[1])};
    }
    const TypedDate typed = ReadTypedDate(args.at(0), 0);
    if (const auto* month = std::get_if<TypedMonth>(&typed)) return *month;
    if (const auto* problem = std::get_if<Message>(&typed)) throw TypedValueError(*problem);
    throw TypedValueError(NotADate(args[0]));
}

GregorianDate ReadDayArgument(const std::string& arg)
{
    const bool iso = std::ranges::all_of(AsTypedNumber(arg), [](char c) { return IsDigit(c) || c == '-'; });
    if (iso) return ParseIsoDate(arg);  // its own refusals: "is not a date like 2027-02-07"
    const TypedDate typed = ReadTypedDate(arg, 0);
    if (const auto* date = std::get_if<GregorianDate>(&typed)) return *date;
    if (const auto* problem = std::get_if<Message>(&typed)) throw TypedValueError(*problem);
    return ParseIsoDate(arg);
}

#include "input/typed_numbers.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "runtime/date_check.h"
#include "runtime/exception.h"
#include "text/utf8.h"

namespace {

static_assert(sizeof("년") == 4, "compile this file with its Korean text as UTF-8, as typed");

bool AllDigits(std::string_view text, std::size_t shortest, std::size_t longest)
{
    return text.size() >= shortest && text.size() <= longest &&
           std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The character people mean by code point: a digit or a dash, or 0 for itself.
char PlainCharacter(unsigned codePoint)
{
    constexpr unsigned kFullWidthZero = 0xFF10;
    if (codePoint >= kFullWidthZero && codePoint <= kFullWidthZero + 9) {
        return static_cast<char>('0' + (codePoint - kFullWidthZero));
    }
    const bool dash = (codePoint >= 0x2010 && codePoint <= 0x2015) || codePoint == 0x2212 || codePoint == 0xFE58 ||
                      codePoint == 0xFE63 || codePoint == 0xFF0D;
    return dash ? '-' : '\0';
}

// The refusals of a number, each name with its own patterns.
struct NumberRefusals {
    std::string_view name;
    const char* notNumber;
    const char* outOfRange;
};
constexpr NumberRefusals kNamedNumbers[] = {
    {kYearName, Phrase("YEAR: {1} is not a number"), Phrase("YEAR: {1} is out of range")},
    {kMonthName, Phrase("MONTH: {1} is not a number"), Phrase("MONTH: {1} is out of range")},
    {kDayName, Phrase("DAY: {1} is not a number"), Phrase("DAY: {1} is out of range")},
};

Message NumberRefused(const char* name, const std::string& typed, bool integer)
{
    for (const NumberRefusals& refusals : kNamedNumbers) {
        if (refusals.name != name) continue;
        return Message(integer ? refusals.outOfRange : refusals.notNumber, {Utf8::Quoted(typed)});
    }
    return integer ? Message("{1}: {2} is out of range", {name, Utf8::Quoted(typed)})
                   : Message("{1}: {2} is not a number", {name, Utf8::Quoted(typed)});
}

bool LooksLikeInteger(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    return AllDigits(text, 1, text.size());
}

// A span written with a tilde ("2026~2027", as Korean text marks one) as with a dash.
std::string WithTildesAsDashes(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t skip = 0;
        for (const std::string_view tilde : {"~", "～", "〜"}) {
            if (text.substr(i).starts_with(tilde)) skip = tilde.size();
        }
        if (skip > 0) {
            plain += '-';
            i += skip;
        } else {
            plain += text[i++];
        }
    }
    return plain;
}

}  // namespace

std::string AsPlainDigits(std::string_view typed)
{
    std::string text;
    text.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size();) {
        const Utf8::Character character = Utf8::Read(typed, i);
        const char plain = character.wellFormed ? PlainCharacter(character.codePoint) : '\0';
        if (plain != '\0') {
            text += plain;
        } else {
            text.append(typed.substr(i, character.length));
        }
        i += character.length;
    }
    return text;
}

std::string AsTypedNumber(std::string_view typed)
{
    std::string text = AsPlainDigits(typed);
    for (const std::string_view unit : {"년", "월", "일"}) {  // UTF-8, as typed
        if (text.size() > unit.size() && text.ends_with(unit)) {
            text.resize(text.size() - unit.size());
            break;
        }
    }
    return text;
}

std::optional<std::int32_t> ReadInteger(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::int64_t magnitude = 0;  // at most 2^31 + 9: no overflow
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string TypedNumberText(std::string_view typed)
{
    const std::string text = AsTypedNumber(typed);
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::int32_t ParseNumber(const char* name, const std::string& arg)
{
    const std::string text = TypedNumberText(arg);
    if (const std::optional<std::int32_t> value = ReadInteger(text)) return *value;
    throw TypedValueError(NumberRefused(name, arg, LooksLikeInteger(text)));
}

YearSpan ParseYearSpan(const char* name, const std::string& arg, bool oneYear, std::int32_t first, std::int32_t last,
                       const char* outside)
{
    const std::string text = WithTildesAsDashes(AsTypedNumber(arg));  // dashes as '-'; "2026~2027" too
    const std::size_t dash = text.find('-', 1);                       // not a leading minus sign
    if (dash == std::string::npos && !oneYear) {
        throw TypedValueError(Message("{1}: {2} is not a span like 2026-2035", {name, Utf8::Quoted(arg)}));
    }
    const auto year = [&](const std::string& part) {
        try {
            return ParseNumber(name, part);
        } catch (const TypedValueError&) {  // quote the whole span, as typed
            throw TypedValueError(LooksLikeInteger(AsTypedNumber(part))
                                      ? Message("{1}: {2} holds a year out of range", {name, Utf8::Quoted(arg)})
                                      : Message("{1}: {2} is not a span like 2026-2035", {name, Utf8::Quoted(arg)}));
        }
    };
    const YearSpan span = dash == std::string::npos ? YearSpan{year(text), year(text)}
                                                    : YearSpan{year(text.substr(0, dash)), year(text.substr(dash + 1))};
    if (span.from > span.to) throw TypedValueError(Message("{1}: {2} runs backwards", {name, Utf8::Quoted(arg)}));
    if (span.from < first || span.to > last) {
        throw TypedValueError(Message(outside, {name, Utf8::Quoted(arg), std::to_string(first), std::to_string(last)}));
    }
    return span;
}

namespace {

constexpr std::size_t kMostDigits = 4;

// A number of one to mostDigits (at most four) ASCII digits, nothing else.
std::optional<std::int32_t> SmallNumber(std::string_view text, std::size_t mostDigits = kMostDigits)
{
    if (!AllDigits(text, 1, std::min(mostDigits, kMostDigits))) return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text) value = value * 10 + (c - '0');  // at most 9999
    return value;
}

}  // namespace

std::optional<MonthAndDay> ReadDashedMonthDay(std::string_view text, std::size_t mostDigits)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<std::int32_t> month = SmallNumber(text.substr(0, dash), mostDigits);
    const std::optional<std::int32_t> day = SmallNumber(text.substr(dash + 1), mostDigits);
    if (!month || !day) return std::nullopt;
    return MonthAndDay{*month, *day};
}

std::optional<GregorianDate> ReadDashedDate(std::string_view text, std::size_t mostDigits)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::optional<std::int32_t> year = SmallNumber(text.substr(0, dash));
    const std::optional<MonthAndDay> monthDay = ReadDashedMonthDay(text.substr(dash + 1), mostDigits);
    if (!year || !monthDay) return std::nullopt;
    return GregorianDate{*year, monthDay->month, monthDay->day};
}

GregorianDate ParseIsoDate(const std::string& typed)
{
    constexpr std::size_t kMonthDigits = 2;  // "2026-002-07" is no date typed
    const std::optional<GregorianDate> date = ReadDashedDate(AsTypedNumber(typed), kMonthDigits);
    if (!date) throw TypedValueError(Message("{1} is not a date like 2027-02-07", {Utf8::Quoted(typed)}));
    if (std::optional<Message> problem = DateProblem(*date, Utf8::Quoted(typed)))
        throw TypedValueError(*std::move(problem));
    return *date;
}

std::optional<TypedDays> ReadTypedDays(std::string_view typed)
{
    struct UnitWord {
        std::string_view word;
        TypedDays::Unit unit;
    };
    constexpr UnitWord kUnits[] = {{"개월", TypedDays::Unit::Month},
                                   {"달", TypedDays::Unit::Month},
                                   {"주", TypedDays::Unit::Week},
                                   {"년", TypedDays::Unit::Year},
                                   {"일", TypedDays::Unit::Day}};
    std::string text = AsPlainDigits(typed);
    TypedDays::Unit unit = TypedDays::Unit::Day;
    for (const UnitWord& word : kUnits) {
        if (text.size() > word.word.size() && text.ends_with(word.word)) {
            text.resize(text.size() - word.word.size());
            unit = word.unit;
            break;
        }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    const std::optional<std::int32_t> count = ReadInteger(text);
    if (!count) return std::nullopt;
    return TypedDays{*count, unit};
}

std::int64_t DaysOf(const TypedDays& span, const GregorianDate& from)
{
    const std::int64_t count = span.count;
    switch (span.unit) {
        case TypedDays::Unit::Day:
            return count;
        case TypedDays::Unit::Week:
            return count * 7;
        case TypedDays::Unit::Month:
        case TypedDays::Unit::Year: {
            // Up to the same day of the month that many months on, that day left
            // out ("1개월" from 1-15: 1-15..2-14), the month's last where it is
            // shorter.
            const std::int64_t months = span.unit == TypedDays::Unit::Year ? count * kMonthsInYear : count;
            const std::int64_t monthIndex = std::int64_t{from.year} * kMonthsInYear + (from.month - 1) + months;
            const std::int64_t year = monthIndex / kMonthsInYear;
            if (year > kLastYear) return std::numeric_limits<std::int64_t>::max();  // past any calendar
            const auto y = static_cast<std::int32_t>(year);
            const auto m = static_cast<std::int32_t>(monthIndex % kMonthsInYear + 1);
            const std::int32_t d = std::min(from.day, GregorianMonthDays(y, m));
            return std::int64_t{DayCountOf(y, m, d)} - DayCountOf(from.year, from.month, from.day);
        }
    }
    return count;
}

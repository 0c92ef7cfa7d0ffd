#include "input/typed_date.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "input/typed_numbers.h"
#include "runtime/date_check.h"
#include "runtime/date_text.h"
#include "runtime/utf8_literals.h"
#include "text/utf8.h"

namespace {

constexpr std::string_view kLunarWord = "음력";
constexpr std::string_view kLeapWord = "윤";
constexpr std::size_t kMostNumbers = 3;
constexpr std::size_t kMostDigits = 9;         // any int32 of nine digits, never an overflow
constexpr std::size_t kPackedDayDigits = 8;    // 20270207
constexpr std::size_t kShortestYearFirst = 3;  // "07/02/2027": a year last

// Which part of a date a number is, by the word after it (년 월 일), or none.
enum class Part { None, Year, Month, Day };

struct DateNumber {
    std::int32_t value;
    std::size_t digits;
    Part part;
};

// The text of a date taken apart: its numbers in order, whether it is lunar
// (음력 or 윤) and a leap month (윤).
struct DateText {
    std::vector<DateNumber> numbers;
    bool lunar = false;
    bool leap = false;
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c)
{
    return c == ' ' || c == '-' || c == '.' || c == '/';
}

// The word of a part at text[at...], or none; its length in skip.
Part PartWordAt(std::string_view text, std::size_t at, std::size_t& skip)
{
    constexpr std::array<std::pair<std::string_view, Part>, 3> kWords{
        {{"년", Part::Year}, {"월", Part::Month}, {"일", Part::Day}}};
    for (const auto& [word, part] : kWords) {
        if (text.substr(at).starts_with(word)) {
            skip = word.size();
            return part;
        }
    }
    skip = 0;
    return Part::None;
}

// Takes text apart; none where it holds anything but numbers, their words,
// 음력, 윤 and separators, more than three numbers, or one too long.
std::optional<DateText> ReadDateText(std::string_view typed)
{
    const std::string plain = AsPlainDigits(typed);
    const std::string_view text = plain;
    DateText date;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(kLunarWord)) {
            date.lunar = true;
            i += kLunarWord.size();
        } else if (text.substr(i).starts_with(kLeapWord)) {
            date.lunar = date.leap = true;
            i += kLeapWord.size();
        } else if (IsDigit(text[i]) ||
                   (text[i] == '-' && i + 1 < text.size() && IsDigit(text[i + 1]) && (i == 0 || text[i - 1] == ' '))) {
            // A minus sign stands first or after a blank ("2027 -1"); else a dash separates.
            const bool negative = text[i] == '-';
            const std::size_t start = negative ? i + 1 : i;
            std::size_t end = start;
            while (end < text.size() && IsDigit(text[end])) ++end;
            if (end - start > kMostDigits || date.numbers.size() == kMostNumbers) return std::nullopt;
            const std::int32_t magnitude = *ReadInteger(text.substr(start, end - start));  // nine digits at most
            std::size_t after = end;
            while (after < text.size() && text[after] == ' ') ++after;
            std::size_t skip = 0;
            const Part part = PartWordAt(text, after, skip);
            date.numbers.push_back({negative ? -magnitude : magnitude, end - start, part});
            i = part == Part::None ? end : after + skip;
        } else if (IsSeparator(text[i])) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return date;
}

// Whether any number says which part it is (년, 월, 일 after it).
bool Worded(const std::vector<DateNumber>& numbers)
{
    return std::ranges::any_of(numbers, [](const DateNumber& number) { return number.part != Part::None; });
}

// The parts of a date, each where it was said or placed.
struct DateParts {
    std::optional<std::int32_t> year;
    std::optional<std::int32_t> month;
    std::optional<std::int32_t> day;
};

std::optional<std::int32_t>& PartOf(DateParts& parts, Part part)
{
    if (part == Part::Year) return parts.year;
    if (part == Part::Month) return parts.month;
    return parts.day;
}

// The numbers placed by their words; one without a word takes the first part
// after the one before it ("2027 2월 7": the year, then the day). None where
// a part is said twice or a number has no part left.
std::optional<DateParts> PlaceByWords(const std::vector<DateNumber>& numbers)
{
    DateParts parts;
    Part previous = Part::None;
    for (const DateNumber& number : numbers) {
        Part part = number.part;
        if (part == Part::None) {
            part = previous == Part::None ? Part::Year : previous == Part::Year ? Part::Month : Part::Day;
            if (previous == Part::Day) return std::nullopt;
        }
        std::optional<std::int32_t>& slot = PartOf(parts, part);
        if (slot) return std::nullopt;
        slot = number.value;
        previous = part;
    }
    return parts;
}

Message NotADate(std::string_view typed)
{
    return Message("{1} is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)", {Utf8::Quoted(typed)});
}

// Three numbers, the year last ("02/07/2027"): month and day may be either
// way round, so the readings that exist are offered, none taken.
Message YearLast(std::string_view typed, const std::vector<DateNumber>& n)
{
    std::vector<std::string> readings;
    for (const GregorianDate& date :
         {GregorianDate{n[2].value, n[0].value, n[1].value}, GregorianDate{n[2].value, n[1].value, n[0].value}}) {
        const std::string reading = IsoDate(date);
        if (!DateProblem(date, reading) && std::ranges::find(readings, reading) == readings.end()) {
            readings.push_back(reading);
        }
    }
    if (readings.empty()) return NotADate(typed);
    if (readings.size() == 1) return Message("{1}: write the year first: {2}", {Utf8::Quoted(typed), readings[0]});
    return Message("{1} may be either of two days: write {2} or {3}", {Utf8::Quoted(typed), readings[0], readings[1]});
}

// A lunar date: without words YEAR MONTH DAY or MONTH DAY, with words by them.
std::optional<TypedLunarDate> LunarDateOf(const DateText& text, std::int32_t yearLeftOut)
{
    const std::vector<DateNumber>& n = text.numbers;
    const bool worded = Worded(n);
    constexpr std::size_t kMostMonthDigits = 2;  // "2027 1": a year, not a month
    if (!worded && n.size() == 2) {
        if (n[0].digits > kMostMonthDigits) return std::nullopt;
        return TypedLunarDate{yearLeftOut, n[0].value, n[1].value, text.leap};
    }
    if (!worded && n.size() == 3) return TypedLunarDate{n[0].value, n[1].value, n[2].value, text.leap};
    const std::optional<DateParts> parts = worded ? PlaceByWords(n) : std::nullopt;
    if (!parts || !parts->month || !parts->day) return std::nullopt;
    return TypedLunarDate{parts->year.value_or(yearLeftOut), *parts->month, *parts->day, text.leap};
}

// A solar date's parts placed: without words by their count ("2027 2" a
// month, three a day, eight digits a day: 20270207); with words by them.
std::optional<DateParts> SolarParts(const std::vector<DateNumber>& n, std::int32_t yearLeftOut, LoneNumber lone)
{
    const bool worded = Worded(n);
    if (worded) {
        std::optional<DateParts> parts = PlaceByWords(n);
        if (parts && parts->day && !parts->month) return std::nullopt;  // "7일": of no month
        if (parts && !parts->year && parts->month) parts->year = yearLeftOut;
        return parts;
    }
    if (n.size() == 3) return DateParts{n[0].value, n[1].value, n[2].value};
    if (n.size() == 2) return DateParts{n[0].value, n[1].value, std::nullopt};
    const DateNumber& only = n[0];
    if (only.digits == kPackedDayDigits) {
        return DateParts{only.value / 10000, only.value / 100 % 100, only.value % 100};
    }
    if (lone == LoneNumber::MonthOrYear && only.value >= 1 && only.value <= kMonthsInYear) {
        return DateParts{yearLeftOut, only.value, std::nullopt};
    }
    return DateParts{only.value, std::nullopt, std::nullopt};
}

}  // namespace

TypedDate ReadTypedDate(std::string_view typed, std::int32_t yearLeftOut, LoneNumber lone)
{
    const std::optional<DateText> text = ReadDateText(typed);
    if (!text || text->numbers.empty()) return NotADate(typed);
    const std::vector<DateNumber>& n = text->numbers;
    if (text->lunar) {
        if (const std::optional<TypedLunarDate> lunar = LunarDateOf(*text, yearLeftOut)) return *lunar;
        return NotADate(typed);
    }
    const bool worded = Worded(n);
    if (!worded && n.size() == 3 && n[0].digits < kShortestYearFirst && n[2].digits >= kShortestYearFirst) {
        return YearLast(typed, n);
    }
    const std::optional<DateParts> parts = SolarParts(n, yearLeftOut, lone);
    if (!parts || !parts->year) return NotADate(typed);
    const std::string written = Utf8::Quoted(typed);
    if (parts->day) {
        const GregorianDate date{*parts->year, *parts->month, *parts->day};
        if (std::optional<Message> problem = DateProblem(date, written)) return *std::move(problem);
        return date;
    }
    if (!parts->month) {
        if (*parts->year < kFirstYear || *parts->year > kLastYear) {
            return Message("{1} is not a year: the years are {2}-{3}",
                           {written, std::to_string(kFirstYear), std::to_string(kLastYear)});
        }
        return TypedYear{*parts->year};
    }
    const TypedMonth month{*parts->year, *parts->month};
    if (std::optional<Message> problem = MonthProblem(month.year, month.month, written)) return *std::move(problem);
    return month;
}

std::size_t DateNumbersIn(std::string_view typed)
{
    const std::optional<DateText> text = ReadDateText(typed);
    return text ? text->numbers.size() : 0;
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

std::optional<TypedLunarDate> ReadLunarArguments(std::string_view typed, std::int32_t yearLeftOut)
{
    const std::optional<DateText> text = ReadDateText(typed);
    if (!text) return std::nullopt;
    return LunarDateOf(*text, yearLeftOut);
}

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/exception.h"

#include "runtime/civil_date.h"

// The numbers people type, read as numbers (a sign, digits, blanks around
// them), in the forms a Korean keyboard gives them: full-width digits (a Korean input method's) as digits, any dash
// (en, em, full-width, minus sign) as '-', and one trailing 년, 월 or 일 left out
// ("2027년", "２월"). A value that cannot be read raises TypedValueError naming
// the argument and quoting the text as typed.

// Its message is UTF-8 (what was typed, as typed; a byte that is no UTF-8 as
// U+FFFD), not CP949 like other messages.
class TypedValueError : public EConvertError {
public:
    using EConvertError::EConvertError;
};

// Text as typed with its digits and dashes plain (full-width digits, any dash).
std::string AsPlainDigits(std::string_view typed);

// The same, one trailing 년, 월 or 일 left out: the text of a number as typed.
std::string AsTypedNumber(std::string_view typed);

// The text of a number as typed, without the blanks or tabs around it.
std::string TypedNumberText(std::string_view typed);

// ASCII digits with an optional sign, as a number; none for anything else
// or a number past 32 bits.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// The names of the positional numbers, as messages name them (a translation
// names them in its own language: 연도, 월, 일).
inline constexpr const char* kYearName = "YEAR";
inline constexpr const char* kMonthName = "MONTH";
inline constexpr const char* kDayName = "DAY";

// One number; name is the argument's name in the message: one of the names
// above, or an option ("--years").
std::int32_t ParseNumber(const char* name, const std::string& arg);

// FROM-TO, or a single YEAR where oneYear allows it, running forwards within
// first..last; outside is the Phrase of the message for a span beyond them,
// with places for the argument's name, the span, first and last.
struct YearSpan {
    std::int32_t from;
    std::int32_t to;
};
YearSpan ParseYearSpan(const char* name, const std::string& arg, bool oneYear, std::int32_t first, std::int32_t last,
                       const char* outside);

// Dates written with dashes, as the user's files write them and as
// ParseIsoDate reads them once typed digits are plain: "2027-2-7" and "2-7",
// the year one to four ASCII digits, month and day one to mostDigits; none for
// any other shape. Not checked (2027-02-30 is read).
struct MonthAndDay {
    std::int32_t month;
    std::int32_t day;
};
std::optional<GregorianDate> ReadDashedDate(std::string_view text, std::size_t mostDigits = 4);
std::optional<MonthAndDay> ReadDashedMonthDay(std::string_view text, std::size_t mostDigits = 4);

// A day as YYYY-MM-DD (the year may have fewer digits, "999-01-01", and month
// and day one), which must exist.
GregorianDate ParseIsoDate(const std::string& typed);

// A number of days as people type it: "30", "30일", "2주", "3개월" (or "3달"),
// "1년"; none where it is not that (a sign is not).
struct TypedDays {
    enum class Unit { Day, Week, Month, Year };
    std::int32_t count;
    Unit unit;
};
std::optional<TypedDays> ReadTypedDays(std::string_view typed);

// Its days from a day: weeks of seven; months and years to the same day of
// the month that many on (the month's last where it is shorter), that day
// left out. Past the year 9999: the largest number.
std::int64_t DaysOf(const TypedDays& span, const GregorianDate& from);

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "exception.h"

#include "civil_date.h"

// The values in dalcal-print's arguments, read as the window reads its edit
// boxes (Sysutils::StrToInt of the text in CP949), and as people type them:
// full-width digits (a Korean input method's) as digits, any dash (en, em,
// full-width, minus sign) as '-', and one trailing 년, 월 or 일 left out
// ("2027년", "２월"). A value that cannot be read raises TypedValueError naming
// the argument and quoting the text as typed.

// Its message is UTF-8 (what was typed, as typed; a byte that is no UTF-8 as
// U+FFFD), not CP949 like other messages.
class TypedValueError : public EConvertError {
public:
    using EConvertError::EConvertError;
};

// The text of a number as typed, read as plain digits and dashes.
std::string AsTypedNumber(std::string_view typed);

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

// A day as YYYY-MM-DD (the year may have fewer digits, "999-01-01", and month
// and day one), which must exist.
GregorianDate ParseIsoDate(const std::string& typed);

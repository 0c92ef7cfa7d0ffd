#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "civil_date.h"
#include "message.h"

// What a person types, into the month view's "go to" box or as dalcal-print's
// arguments: a month ("2027 2",
// "2027년 2월", "2027-02", "2027.2"), a day ("2027-02-07"), or a lunar date
// ("음력 3월 15일", "윤6월 1일", "음력 2025년 윤6월 1일", "음력 2025-06-01 윤")
// whose lunar year, where left out, is the year shown. Full-width digits and
// any dash count as their plain forms.
struct TypedMonth {
    std::int32_t year;
    std::int32_t month;
};
struct TypedLunarDate {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    bool leap;
};
using TypedDate = std::variant<TypedMonth, GregorianDate, TypedLunarDate, Message>;

// The date typed, or why it is none (a Message naming what was typed). A
// Gregorian month or day is checked against the years 1-9999; a lunar date is
// left to the almanac, which knows which it has.
TypedDate ReadTypedDate(std::string_view typed, std::int32_t shownYear);

// The shape of what was typed, for a program that reads a lone number its
// own way (dalcal-print: a year): one number, a month ("2027년 2월",
// "2027-02"), a day ("2027년 2월 7일"), a lunar date ("음력 2027년 1월 1일"), or
// none of these.
enum class TypedShape { Number, Month, Day, LunarDay, Other };
TypedShape ShapeOf(std::string_view typed);

// The numbers in what was typed (digits in any width), to tell the shapes of
// arguments apart; 0 where it is not the text of a date.
std::size_t DateNumbersIn(std::string_view typed);

// Arguments as one typed text, a blank between each ("2025", "윤6", "1"
// reads as "2025 윤6 1").
std::string JoinedArguments(const std::vector<std::string>& args);

// A lunar date given without the word 음력, as --from-lunar takes it: YEAR
// MONTH DAY where withYear, else MONTH DAY (year 0); "윤" anywhere marks a
// leap month ("2025 윤6 1", "2027년 1월 1일", "2027-01-01", "윤6월 1일").
// None where it is not that.
std::optional<TypedLunarDate> ReadLunarArguments(std::string_view typed, bool withYear);

// dalcal-print's month, YEAR MONTH or one argument of a month's shape ("2027년
// 2월", "2027-02"), and its day, one argument of a day's shape; a refused
// value raises TypedValueError naming it.
TypedMonth ReadMonthArguments(const std::vector<std::string>& args);
GregorianDate ReadDayArgument(const std::string& arg);

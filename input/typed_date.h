#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/civil_date.h"
#include "runtime/message.h"

// What a person types for a date, into the month view's "go to" box, as
// dalcal-print's arguments or after --from-lunar, read once into a typed
// value:
// - a year ("2027", "2027년"), a month ("2027 2", "2027년 2월", "2027-02",
//   "2027.2", "2월": that month of the year left out),
// - a day ("2027-02-07", "2027/02/07", "2027.2.7", "20270207", "2027년 2월 7일",
//   "3월 15일": of the year left out),
// - a lunar date ("음력 3월 15일", "윤6월 1일", "음력 2025년 윤6월 1일", "음력
//   2025-06-01 윤"), its lunar year, where left out, the year left out.
// Full-width digits and any dash count as their plain forms; 년, 월 and 일
// say which number is which. What cannot be read for sure ("02/07/2027") is
// refused with the readings it may have, never guessed.
struct TypedYear {
    std::int32_t year;
};
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
using TypedDate = std::variant<TypedYear, TypedMonth, GregorianDate, TypedLunarDate, Message>;

// A lone number without a word: the box's month of the year shown (a year
// past 12), or the command line's year (as cal reads one).
enum class LoneNumber { MonthOrYear, Year };

// The date typed, or why it is none (a Message naming what was typed). A
// Gregorian year, month or day is checked against the years 1-9999; a lunar
// date is left to the almanac, which knows which it has. yearLeftOut is the
// year of a month or day typed without one.
TypedDate ReadTypedDate(std::string_view typed, std::int32_t yearLeftOut, LoneNumber lone);

// The numbers in what was typed (digits in any width), to tell the shapes of
// arguments apart; 0 where it is not the text of a date.
std::size_t DateNumbersIn(std::string_view typed);

// Arguments as one typed text, a blank between each ("2025", "윤6", "1"
// reads as "2025 윤6 1").
std::string JoinedArguments(const std::vector<std::string>& args);

// A lunar date given without the word 음력, as --from-lunar takes it: YEAR
// MONTH DAY, or MONTH DAY (the year left out); "윤" anywhere marks a leap
// month ("2025 윤6 1", "2027년 1월 1일", "2027-01-01", "윤6월 1일", "1월 1일").
// None where it is not that.
std::optional<TypedLunarDate> ReadLunarArguments(std::string_view typed, std::int32_t yearLeftOut);

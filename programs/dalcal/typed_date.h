#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "civil_date.h"
#include "message.h"

// What a person types into the month view's "go to" box: a month ("2027 2",
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

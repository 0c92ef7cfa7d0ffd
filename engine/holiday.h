#pragma once

#include <cstdint>

#include <string>
#include "runtime/civil_date.h"

// A public holiday as every list of them holds it: the built-in days, those
// the statute schedules and those the user adds.

enum class HolidayKind {
    Holiday,     // 공휴일: a day the regulation names
    Substitute,  // 대체공휴일
    Election,    // 선거일
    Designated,  // 임시공휴일: designated by the government for one year
};

// Where a holiday comes from: the built-in list, a regular election the
// statute schedules (not yet announced: an early election or a change of the
// law can move it), or the index of the list of added days (a file) it was
// read from.
inline constexpr std::int32_t kBuiltInHoliday = -1;
inline constexpr std::int32_t kScheduledByStatute = -2;

struct Holiday {
    GregorianDate date;
    std::string name;  // Korean, UTF-8; a substitute day carries the name of the holiday(s) it stands for
    HolidayKind kind;
    std::int32_t source = kBuiltInHoliday;
};

// A day added to the built-in list (designated after the program was built):
// a holiday like the others, on which no substitute day falls.
struct AddedHoliday {
    GregorianDate date;  // a year 2014..2100
    std::string name;    // UTF-8
    HolidayKind kind;
    std::int32_t source;  // which list of added days it was read from (0, 1, ...)
};

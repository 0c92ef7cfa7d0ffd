#pragma once

#include <array>

#include "engine/holiday.h"

// Election days and holidays the government designated one at a time, as
// announced. Nothing here is guessed: a future election or designation is
// added when it is announced.
struct DatedHoliday {
    GregorianDate date;
    const char* name;  // UTF-8
    HolidayKind kind;
};

// Defined in dated_holidays.cpp, which names the source of each.
extern const std::array<DatedHoliday, 17> kDatedHolidays;

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ansi_string.h"
#include "civil_date.h"

// Korea's public holidays (관공서의 공휴일에 관한 규정 and the 공휴일에 관한
// 법률, as amended) for the years 2014-2100, each year under the rules in
// force on each day. The lunar holidays follow Korea's almanac.

enum class HolidayKind {
    Holiday,     // 공휴일: a day the regulation names
    Substitute,  // 대체공휴일
    Election,    // 선거일
    Designated,  // 임시공휴일: designated by the government for one year
};

struct Holiday {
    GregorianDate date;
    AnsiString name;  // Korean, CP949; a substitute day carries the name of the holiday(s) it stands for
    HolidayKind kind;
};

inline constexpr std::int32_t kFirstHolidayYear = 2014;
inline constexpr std::int32_t kLastHolidayYear = 2100;

// Korean names (CP949) of the kinds: 공휴일, 대체공휴일, 선거일, 임시공휴일.
const char* HolidayKindName(HolidayKind kind);

// The holidays of a year in date order (two holidays on one day are both
// listed). Returns false, and leaves holidays empty, for a year outside
// 2014..2100: its holidays are not known, which is not the same as none.
// Election days and designated holidays are those announced so far; future
// ones are not guessed.
bool GetHolidays(std::int32_t year, std::vector<Holiday>& holidays);

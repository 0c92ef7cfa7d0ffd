#pragma once

#include <array>
#include <cstdint>
#include <span>
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

// Where a holiday comes from: the built-in list, a regular election the
// statute schedules (not yet announced: an early election or a change of the
// law can move it), or the index of the list of added days (a file) it was
// read from.
inline constexpr std::int32_t kBuiltInHoliday = -1;
inline constexpr std::int32_t kScheduledByStatute = -2;

struct Holiday {
    GregorianDate date;
    AnsiString name;  // Korean, CP949; a substitute day carries the name of the holiday(s) it stands for
    HolidayKind kind;
    std::int32_t source = kBuiltInHoliday;
};

// A day added to the built-in list (designated after the program was built):
// a holiday like the others, on which no substitute day falls.
struct AddedHoliday {
    GregorianDate date;  // a year 2014..2100
    AnsiString name;     // CP949
    HolidayKind kind;
    std::int32_t source;  // which list of added days it was read from (0, 1, ...)
};

inline constexpr std::int32_t kFirstHolidayYear = 2014;
inline constexpr std::int32_t kLastHolidayYear = 2100;

// Korean names (CP949) of the kinds: 공휴일, 대체공휴일, 선거일, 임시공휴일.
const char* HolidayKindName(HolidayKind kind);

// The holidays of a year in date order (two holidays on one day are both
// listed), with the added days of that year. Returns false, and leaves
// holidays empty, for a year outside 2014..2100: its holidays are not known,
// which is not the same as none. Designated holidays and early elections are
// those announced when the program was built; future ones are not guessed.
// Regular elections after those of 2026 are computed from the statute
// (source kScheduledByStatute), unless the built-in list or an added day has
// an election of the same name or on the same day.
bool GetHolidays(std::int32_t year, std::vector<Holiday>& holidays, std::span<const AddedHoliday> added = {});

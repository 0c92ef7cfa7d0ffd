#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/holiday.h"

// Korea's public holidays (관공서의 공휴일에 관한 규정 and the 공휴일에 관한
// 법률, as amended) for the years 2014-2100, each year under the rules in
// force on each day. The lunar holidays follow Korea's almanac.

inline constexpr std::int32_t kFirstHolidayYear = 2014;
inline constexpr std::int32_t kLastHolidayYear = 2100;

// Korean names (UTF-8) of the kinds: 공휴일, 대체공휴일, 선거일, 임시공휴일.
const char* HolidayKindName(HolidayKind kind);

// 노동절, a holiday by the 2026 amendment of 공휴일에 관한 법률 (its
// substitute days carry the name too).
extern const char* const kLabourDayName;

// The holidays of a year in date order (two holidays on one day are both
// listed), with the added days of that year. Returns false, and leaves
// holidays empty, for a year outside 2014..2100: its holidays are not known,
// which is not the same as none. Designated holidays and early elections are
// those announced when the program was built; future ones are not guessed.
// Regular elections after those of 2026 are computed from the statute
// (source kScheduledByStatute), unless the built-in list or an added day has
// an election of the same name or on the same day.
bool GetHolidays(std::int32_t year, std::vector<Holiday>& holidays, std::span<const AddedHoliday> added = {});

#pragma once

#include <cstdint>
#include <vector>

#include "runtime/civil_date.h"

// Korea's 기념일: the days 「각종 기념일 등에 관한 규정」 (its 별표 1) and the
// laws that fix a day of their own set, each in the years it has been in
// force (days added, renamed, moved and dropped), from 2018. None is a day off:
// where a law makes one a holiday (어린이날, 현충일, 노동절), the holidays
// list it instead. The sources are named in docs/sources.md.

inline constexpr std::int32_t kFirstAnniversaryYear = 2018;
inline constexpr std::int32_t kLastAnniversaryYear = 2100;

struct Anniversary {
    GregorianDate date;
    const char* name;  // UTF-8, as the regulation or the law names it
};

// The 기념일 of a year in date order (those of one day in the order of the
// table); false, and nothing, outside 2018..2100.
bool GetAnniversaries(std::int32_t year, std::vector<Anniversary>& days);

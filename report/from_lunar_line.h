#pragma once

#include <cstdint>

#include <string>
#include "almanac.h"

// The Gregorian day of a lunar date, as the full reading of that day
// (DateReadingLine): the ISO date, a blank, the weekday and the day's
// stem-branch, e.g. "2027-02-07 일요일 정사일 · 음력 2027년 1월 1일 ...". A
// lunar date the almanac does not have raises EConvertError saying why.
std::string FromLunarLine(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                          bool leap);

// The line for a year that lacks the lunar date: "2026년 음력 윤1월 1일 없음".
std::string MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap);

#pragma once

#include <array>
#include <cstdint>

#include "runtime/civil_date.h"

// The sexagenary cycle of years, months and days, and the window's month
// queries (GetSolarMonthDays, GetDaysBeforeMonth, GetFirstWeekday) over the
// civil-date core of civil_date.h. Plain integer functions.

// One position of the sexagenary cycle: indices into StemNames and BranchNames.
struct StemBranch {
    std::int32_t stem;    // 0..9
    std::int32_t branch;  // 0..11

    friend bool operator==(const StemBranch&, const StemBranch&) = default;
};

// MonthDays, the days of the months of a common year, comes from civil_date.h.

// The ten heavenly stems and twelve earthly branches, one CP949 syllable each.
extern const std::array<const char*, 10> StemNames;
extern const std::array<const char*, 12> BranchNames;

// Days of the month, 28..31; 0 for a month outside 1..12.
std::int32_t GetSolarMonthDays(std::int32_t year, std::int32_t month);

// Days from 1 January of year 1 up to (not including) the first of the month:
// 0 for (1, 1). Years before 2 add no days; months past December add no more
// than the whole year. Where the count would pass INT32_MAX (years after
// 5,879,610) it stays at INT32_MAX.
std::int32_t GetDaysBeforeMonth(std::int32_t year, std::int32_t month);

// Weekday (0 Sunday .. 6 Saturday) of the day whose day count is daysBefore.
std::int32_t GetFirstWeekday(std::int32_t daysBefore);

// Positions of a year, a Gregorian month and a day (daysBefore is the day
// count of the first of the month, day its day of the month). Always in range.
StemBranch GetYearStemBranch(std::int32_t year);
StemBranch GetMonthStemBranch(std::int32_t year, std::int32_t month);
StemBranch GetDayStemBranch(std::int32_t daysBefore, std::int32_t day);

// The position of a day, by its date or its day count (days from 0001-01-01,
// which is 0): what GetDayStemBranch answers, in the program's date types.
StemBranch DayStemBranch(const GregorianDate& date);
StemBranch DayStemBranchOfCount(std::int32_t dayCount);

// The positions of a lunar year (세차) and of a lunar month (월건, month in
// 1..12) as Korea's almanac names them: month 1 is always 인, and its stem
// follows from the year's. A leap month carries the position of the month it
// repeats.
StemBranch GetLunarYearStemBranch(std::int32_t lunarYear);
StemBranch GetLunarMonthStemBranch(std::int32_t lunarYear, std::int32_t lunarMonth);

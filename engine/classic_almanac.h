#pragma once

#include <cstdint>

#include "engine/lunar_table.h"
#include "engine/lunar_year.h"
#include "runtime/civil_date.h"

// The classic table (lunar_table.h) as lunar years laid on day counts:
// lunar years 1900 to 2049, from 1900-01-31 to 2050-01-22.

inline constexpr std::int32_t kClassicFirstDay = DayCountOf(1900, 1, 31);  // lunar 1900-01-01

// The lunar year; false (span untouched) for a year outside 1900..2049.
bool GetClassicLunarYear(std::int32_t lunarYear, LunarYearSpan& span);

// The lunar year that holds a day (by day count); false outside the table.
bool GetClassicLunarYearOfDay(std::int32_t dayCount, LunarYearSpan& span);

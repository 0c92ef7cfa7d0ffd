#pragma once

#include <cstdint>

#include "engine/lunar_year.h"

// The lunar date of a Gregorian day, written to the four outputs.
// - From 1900-01-31 to 2050-01-22: the lunar date from the table.
// - Before 1900-01-31: lunar year 1900, month 1, leap 0 and day 1 + the
//   (negative) days before the epoch: 0 for 1900-01-30, -29 for 1900-01-01.
// - From 2050-01-23 on: all four 0.
// A date that Sysutils::EncodeDate rejects raises EConvertError and writes nothing.
void SolarToLunar(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t& lunarYear,
                  std::int32_t& lunarMonth, std::int32_t& lunarDay, std::int32_t& leap);

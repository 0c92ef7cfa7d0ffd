#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/ansi_string.h"
#include "runtime/civil_date.h"
#include "runtime/format.h"

namespace Sysutils {

// A point in time as days since 0001-01-01 00:00 in the proleptic Gregorian
// calendar; the fraction is the time of day. The difference of two dates made
// by EncodeDate is the number of days between them.
using TDateTime = double;

// The value of an optional sign followed by decimal digits ("07" is 7), with
// blanks around it ignored. Anything else, or a value outside the signed
// 32-bit range, raises EConvertError quoting the text.
std::int32_t StrToInt(const AnsiString& text);

// The day year-month-day at midnight. Raises EConvertError unless year is in
// 1..9999, month in 1..12 and day within the month.
TDateTime EncodeDate(std::int32_t year, std::int32_t month, std::int32_t day);

// The calendar date of a TDateTime made from years 1..9999; raises
// EConvertError for anything outside that range.
void DecodeDate(TDateTime date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);

// The local date and time now, from the clock set with SetClock.
TDateTime Now();

// Replaces the source of Now and of Today (tests pin "today"); nullptr restores the system clock.
using Clock = TDateTime (*)();
void SetClock(Clock clock);

// The decimal digits of an unsigned 16-bit value: no sign, blank or leading zero.
AnsiString UnsignedShortToStr(std::uint16_t value);

}  // namespace Sysutils

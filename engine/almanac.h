#pragma once

#include <cstdint>
#include <optional>

#include "engine/lunar_year.h"
#include "engine/solar_to_lunar.h"
#include "runtime/civil_date.h"

// The two lunar calendars the program knows.
//   Classic: the table of lunar years 1900-2049 that calendar programs have
//            long shipped (lunar_table.h); Chinese data, which differs from
//            Korea's official calendar on about 4% of days.
//   Korea:   Korea's official calendar (korean_almanac.h), lunar years 1391-2100.
enum class Almanac { Classic, Korea };

// The first and last lunar years of an almanac and the Gregorian days they span.
struct AlmanacRange {
    std::int32_t firstYear;
    std::int32_t lastYear;
    GregorianDate firstDay;
    GregorianDate lastDay;
};
AlmanacRange RangeOf(Almanac almanac);

// The lunar date of a Gregorian day in an almanac; none outside it (nor for
// the days before the classic table's first new year, which SolarToLunar
// counts back). A date that does not exist (or a year outside 1..9999) raises
// EConvertError.
std::optional<LunarDate> ToLunar(Almanac almanac, const GregorianDate& date);

// A lunar date looked up in an almanac: its Gregorian day, or why there is none.
enum class LunarDateLack {
    None,       // found
    Year,       // the lunar year is outside the almanac
    Month,      // the month is not 1..12
    LeapMonth,  // the year has no such leap month (leapMonth: the one it has, 0 none)
    Day,        // the day is not 1..monthDays
};
struct LunarDateLookup {
    LunarDateLack lack = LunarDateLack::None;
    GregorianDate date;          // when found
    std::int32_t leapMonth = 0;  // the year's leap month (1..12), 0 where it has none
    std::int32_t monthDays = 0;  // the days of the month asked for, where the year has it
};
LunarDateLookup FindLunarDate(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                              bool leap) noexcept;

// The Gregorian date of a lunar date. A lunar date the almanac does not have
// raises EConvertError saying why: a year outside the almanac, a month
// outside 1..12, a leap month the year lacks, or a day past the month's end.
GregorianDate LunarToSolar(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                           bool leap);

// True where the month's first day hangs on a new moon (or a principal term)
// within minutes of midnight, in the computed years after 2050: it may come a
// day earlier or later than given. False for every month of the tables, and
// for a month the almanac does not have.
bool IsUncertainLunarMonth(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, bool leap);

// Korea's lunar date of a day (its day count, within KoreanFirstDay() ..
// KoreanLastDay()) and whether its month is uncertain, from one lookup of its
// lunar year: what SolarToLunar and IsUncertainLunarMonth answer together, for
// callers that convert many days. False outside the almanac.
bool KoreanLunarDateOfDay(std::int32_t dayCount, LunarDate& lunar, bool& uncertain);

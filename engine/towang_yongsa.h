#pragma once

#include <array>
#include <cstdint>

#include "runtime/civil_date.h"

// 토왕용사 (土旺用事): the four moments a year, 18 days or so before each
// season's first term, when the Sun's apparent longitude reaches 297, 27, 117
// and 207 degrees, as KASI's almanac listed them until 2017. In Korean civil
// time to the minute, computed from the ephemeris as the solar terms are.

inline constexpr std::int32_t kTowangInYear = 4;

struct TowangYongsa {
    std::int32_t season;       // 0..3 in the order of the year: 0 before 입춘 (297 degrees) .. 3 before 입동 (207)
    GregorianDate date;        // civil date
    std::int32_t minuteOfDay;  // [0, 1440)
    bool uncertainDay;         // within a minute of civil midnight
};

// The Sun's apparent longitude in degrees at the 토왕용사 of a season 0..3.
constexpr double TowangLongitudeDeg(std::int32_t season)
{
    return static_cast<double>((297 + 90 * season) % 360);
}

// Where to start looking for each, in days after 1 January.
inline constexpr std::array<double, kTowangInYear> kTowangDayOfYearGuess = {16.0, 106.0, 200.0, 292.0};

// The four of a year 1900..2100, in order; false (nothing written) outside.
bool GetTowangYongsa(std::int32_t year, std::array<TowangYongsa, kTowangInYear>& moments);

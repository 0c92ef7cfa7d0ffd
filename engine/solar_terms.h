#pragma once

#include <array>
#include <cstdint>

#include "runtime/civil_date.h"

// The 24 solar terms (절기) of a Gregorian year: the moments when the Sun's
// apparent longitude reaches each multiple of 15 degrees, in Korean civil time
// (UTC+9; UTC+8 before 1912, as Korea's almanac reckons), to the minute: the
// minute KASI published where it did (2000-2027, tools/kasi-solar-terms) and
// the ephemeris agrees within a minute, else the ephemeris's.

struct SolarTerm {
    std::int32_t index;        // 0..23 in the order of the year: 0 = 소한 (285 degrees) .. 23 = 동지 (270)
    GregorianDate date;        // civil date
    std::int32_t minuteOfDay;  // [0, 1440): hours * 60 + minutes, rounded to the nearest minute
    bool uncertainDay;         // within a minute of civil midnight: the date may be the other one
    bool published = false;    // KASI's own minute, as it published it; else computed
};

inline constexpr std::int32_t kFirstSolarTermYear = 1900;
inline constexpr std::int32_t kLastSolarTermYear = 2100;
inline constexpr std::int32_t kSolarTermsInYear = 24;

// The terms' Korean names (UTF-8), by index.
extern const std::array<const char*, kSolarTermsInYear> SolarTermNames;

// The Sun's apparent longitude in degrees at the term of that index.
constexpr std::int32_t SolarTermLongitudeDeg(std::int32_t index)  // index in 0..23
{
    return (285 + 15 * index) % 360;
}

// The terms of a year, in order; false (nothing written) outside 1900..2100.
bool GetSolarTerms(std::int32_t year, std::array<SolarTerm, kSolarTermsInYear>& terms);

// One term of a year; false outside 1900..2100 or for an index outside 0..23.
bool GetSolarTerm(std::int32_t year, std::int32_t index, SolarTerm& term);

// The moment of a term in UTC, to the minute.
struct UtcMinute {
    GregorianDate date;
    std::int32_t minuteOfDay;  // [0, 1440)
};
UtcMinute SolarTermUtc(const SolarTerm& term);

// A minute of Korean civil time (a date of 1900..2100) in UTC.
UtcMinute KoreanMinuteToUtc(const GregorianDate& date, std::int32_t minuteOfDay);

#include "solar_terms.h"

#include <cmath>

#include "cp949_literals.h"
#include "delta_t.h"
#include "julian_day.h"
#include "korean_civil_time.h"
#include "sun_position.h"

const std::array<const char*, kSolarTermsInYear> SolarTermNames = {
    "소한", "대한", "입춘", "우수", "경칩", "춘분", "청명", "곡우", "입하", "소만", "망종", "하지",
    "소서", "대서", "입추", "처서", "백로", "추분", "한로", "상강", "입동", "소설", "대설", "동지",
};

namespace {

constexpr double kMinutesPerDay = 1440.0;

// Near 6 January the Sun is at 285 degrees; each term follows about 15.2 days later.
constexpr double kFirstTermDayOfYear = 5.0;
constexpr double kDaysPerTerm = 365.2422 / kSolarTermsInYear;

}  // namespace

bool GetSolarTerm(std::int32_t year, std::int32_t index, SolarTerm& term)
{
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear || index < 0 || index >= kSolarTermsInYear) {
        return false;
    }
    const double guessJdUT = JdUTOfDayCount(DayCountOf(year, 1, 1)) + kFirstTermDayOfYear + kDaysPerTerm * index;
    const double jdUT = JdUTFromJdeTT(SunLongitudeMomentJdeTT(SolarTermLongitudeDeg(index), JdeTTFromJdUT(guessJdUT)));
    const double civilDays = CivilDaysOfJdUT(jdUT);                      // day count with the time of day
    const double localMinutes = std::round(civilDays * kMinutesPerDay);  // whole minutes since 0001-01-01
    const double day = std::floor(localMinutes / kMinutesPerDay);
    const double exactMinuteOfDay = (civilDays - day) * kMinutesPerDay;  // may be just under 0 or past 1440

    term.index = index;
    term.date = DateOfDayCount(static_cast<std::int32_t>(day));
    term.minuteOfDay = static_cast<std::int32_t>(localMinutes - day * kMinutesPerDay);  // [0, 1440)
    term.uncertainDay = exactMinuteOfDay < 1.0 || exactMinuteOfDay > kMinutesPerDay - 1.0;
    return true;
}

bool GetSolarTerms(std::int32_t year, std::array<SolarTerm, kSolarTermsInYear>& terms)
{
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear) return false;
    for (std::int32_t index = 0; index < kSolarTermsInYear; ++index) {
        GetSolarTerm(year, index, terms[static_cast<std::size_t>(index)]);
    }
    return true;
}

UtcMinute SolarTermUtc(const SolarTerm& term)
{
    const std::int32_t civilDay = DayCountOf(term.date.year, term.date.month, term.date.day);  // years 1900..2100
    const std::int32_t minutes = term.minuteOfDay - CivilUtcOffsetMinutes(civilDay);           // (-540, 1440)
    const std::int32_t dayShift = minutes < 0 ? -1 : 0;
    return {DateOfDayCount(civilDay + dayShift), minutes - dayShift * 1440};
}

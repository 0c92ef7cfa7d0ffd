#include "engine/solar_term_computation.h"

#include <cmath>

#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/sun_position.h"
#include "engine/korean_civil_time.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;

// Near 6 January the Sun is at 285 degrees; each term follows about 15.2 days later.
constexpr double kFirstTermDayOfYear = 5.0;
constexpr double kDaysPerTerm = 365.2422 / kSolarTermsInYear;

}  // namespace

double SunLongitudeCivilDays(std::int32_t year, double longitudeDeg, double dayOfYearGuess)
{
    const double guessJdUT = JdUTOfDayCount(DayCountOf(year, 1, 1)) + dayOfYearGuess;
    const double jdUT = JdUTFromJdeTT(SunLongitudeMomentJdeTT(longitudeDeg, JdeTTFromJdUT(guessJdUT)));
    return CivilDaysOfJdUT(jdUT);
}

CivilMinute RoundToCivilMinute(double civilDays)
{
    const double localMinutes = std::round(civilDays * kMinutesPerDay);  // whole minutes since 0001-01-01
    const double day = std::floor(localMinutes / kMinutesPerDay);
    const double exactMinuteOfDay = (civilDays - day) * kMinutesPerDay;  // may be just under 0 or past 1440
    return {DateOfDayCount(static_cast<std::int32_t>(day)),
            static_cast<std::int32_t>(localMinutes - day * kMinutesPerDay),  // [0, 1440)
            exactMinuteOfDay < 1.0 || exactMinuteOfDay > kMinutesPerDay - 1.0};
}

double SolarTermCivilDays(std::int32_t year, std::int32_t index)
{
    return SunLongitudeCivilDays(year, SolarTermLongitudeDeg(index), kFirstTermDayOfYear + kDaysPerTerm * index);
}

SolarTerm ComputeSolarTerm(std::int32_t year, std::int32_t index)
{
    const CivilMinute minute = RoundToCivilMinute(SolarTermCivilDays(year, index));
    return {index, minute.date, minute.minuteOfDay, minute.uncertainDay};
}

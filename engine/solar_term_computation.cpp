#include "solar_term_computation.h"

#include <cmath>

#include "delta_t.h"
#include "julian_day.h"
#include "korean_civil_time.h"
#include "sun_position.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;

// Near 6 January the Sun is at 285 degrees; each term follows about 15.2 days later.
constexpr double kFirstTermDayOfYear = 5.0;
constexpr double kDaysPerTerm = 365.2422 / kSolarTermsInYear;

}  // namespace

SolarTerm ComputeSolarTerm(std::int32_t year, std::int32_t index)
{
    const double guessJdUT = JdUTOfDayCount(DayCountOf(year, 1, 1)) + kFirstTermDayOfYear + kDaysPerTerm * index;
    const double jdUT = JdUTFromJdeTT(SunLongitudeMomentJdeTT(SolarTermLongitudeDeg(index), JdeTTFromJdUT(guessJdUT)));
    const double civilDays = CivilDaysOfJdUT(jdUT);                      // day count with the time of day
    const double localMinutes = std::round(civilDays * kMinutesPerDay);  // whole minutes since 0001-01-01
    const double day = std::floor(localMinutes / kMinutesPerDay);
    const double exactMinuteOfDay = (civilDays - day) * kMinutesPerDay;  // may be just under 0 or past 1440

    SolarTerm term{};
    term.index = index;
    term.date = DateOfDayCount(static_cast<std::int32_t>(day));
    term.minuteOfDay = static_cast<std::int32_t>(localMinutes - day * kMinutesPerDay);  // [0, 1440)
    term.uncertainDay = exactMinuteOfDay < 1.0 || exactMinuteOfDay > kMinutesPerDay - 1.0;
    return term;
}

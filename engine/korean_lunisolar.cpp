#include "engine/korean_lunisolar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/new_moon.h"
#include "astronomy/sun_position.h"
#include "engine/korean_civil_time.h"
#include "runtime/civil_date.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr double kWinterSolsticeDeg = 270.0;
constexpr double kPrincipalTermStepDeg = 30.0;
constexpr double kSunDegPerMinute = 360.0 / 365.2422 / kMinutesPerDay;  // mean motion

// A moment in civil time: the day count and the minutes since that day's midnight.
struct CivilMoment {
    std::int32_t day;
    double minutesAfterMidnight;  // [0, 1440)
};

CivilMoment CivilMomentOf(double jdeTT)
{
    const double days = CivilDaysOfJdUT(JdUTFromJdeTT(jdeTT));
    const double whole = std::floor(days);
    return {static_cast<std::int32_t>(whole), (days - whole) * kMinutesPerDay};
}

// jdeTT of civil midnight at the start of a day.
double CivilMidnightJdeTT(std::int32_t dayCount)
{
    return JdeTTFromJdUT(CivilMidnightJdUT(dayCount));
}

bool NearMidnight(double minutesAfterMidnight)
{
    return minutesAfterMidnight < kUncertainMinutes || minutesAfterMidnight > kMinutesPerDay - kUncertainMinutes;
}

// One lunar month of a sui (the span from one month 11 to the next).
struct SuiMonth {
    std::int32_t newMoon;  // k of its new moon
    std::int32_t firstDay;
    std::int32_t number;  // 1..12
    bool leap;
    bool uncertain;
};

std::int32_t FirstDayOfLunation(std::int32_t k)
{
    return CivilMomentOf(NewMoonJdeTT(k)).day;
}

// k of the new moon that begins the month holding the December solstice of a year.
std::int32_t MonthElevenNewMoon(std::int32_t gregorianYear)
{
    const double guessJdeTT = JdUTOfDayCount(DayCountOf(gregorianYear, 12, 21));
    const std::int32_t solsticeDay = CivilMomentOf(SunLongitudeMomentJdeTT(kWinterSolsticeDeg, guessJdeTT)).day;
    std::int32_t k = NewMoonNumberAtOrBefore(CivilMidnightJdeTT(solsticeDay + 1));
    while (FirstDayOfLunation(k) > solsticeDay) --k;
    while (FirstDayOfLunation(k + 1) <= solsticeDay) ++k;
    return k;
}

// Which principal term (0..11) the Sun has passed at a civil midnight, and
// whether it passed it less than kUncertainMinutes before or after.
struct TermAtMidnight {
    std::int32_t term;
    bool close;
};

TermAtMidnight PrincipalTermAt(std::int32_t dayCount)
{
    const double longitudeDeg = SunApparentLongitudeDeg(CivilMidnightJdeTT(dayCount));  // [0, 360)
    const double steps = longitudeDeg / kPrincipalTermStepDeg;
    const double fromNearestDeg = std::fabs(steps - std::round(steps)) * kPrincipalTermStepDeg;
    return {static_cast<std::int32_t>(steps) % 12, fromNearestDeg < kUncertainMinutes * kSunDegPerMinute};
}

// The months of the sui that begins with month 11 of a Gregorian year's December.
std::vector<SuiMonth> SuiMonths(std::int32_t gregorianYear)
{
    const std::int32_t first = MonthElevenNewMoon(gregorianYear);
    const std::int32_t next = MonthElevenNewMoon(gregorianYear + 1);
    std::vector<SuiMonth> months;
    for (std::int32_t k = first; k < next; ++k) {
        const CivilMoment start = CivilMomentOf(NewMoonJdeTT(k));
        months.push_back({k, start.day, 0, false, NearMidnight(start.minutesAfterMidnight)});
    }
    const std::int32_t nextFirstDay = FirstDayOfLunation(next);
    const bool leapSui = months.size() == 13;

    // Leap month: the first after month 11 without a principal term.
    TermAtMidnight atStart = PrincipalTermAt(months.front().firstDay);
    bool leapFound = false;
    std::int32_t number = 10;
    for (std::size_t i = 0; i < months.size(); ++i) {
        const std::int32_t endDay = i + 1 < months.size() ? months[i + 1].firstDay : nextFirstDay;
        const TermAtMidnight atEnd = PrincipalTermAt(endDay);
        const bool noPrincipalTerm = atEnd.term == atStart.term;
        if (leapSui && (atStart.close || atEnd.close)) months[i].uncertain = true;
        if (leapSui && !leapFound && i > 0 && noPrincipalTerm) {
            months[i].leap = true;
            leapFound = true;
        } else {
            number = number % 12 + 1;
        }
        months[i].number = number;
        atStart = atEnd;
    }
    // The month after the last: for the length of the last month.
    months.push_back({next, nextFirstDay, 0, false, false});
    return months;
}

}  // namespace

LunarYearSpan ComputeKoreanLunarYear(std::int32_t lunarYear)
{
    const std::int32_t year = std::clamp(lunarYear, kFirstComputableLunarYear, kLastComputableLunarYear);
    // Months 1..10 (and any leap among them) lie in the sui that begins in the
    // December before; months 11 and 12 in the next one.
    std::vector<SuiMonth> before = SuiMonths(year - 1);
    before.pop_back();  // the next sui's month 11, which the next sui lists itself
    const std::vector<SuiMonth> after = SuiMonths(year);

    std::vector<SuiMonth> all = before;
    all.insert(all.end(), after.begin(), after.end());
    auto isNewYear = [](const SuiMonth& m) { return m.number == 1 && !m.leap; };
    const auto first = std::find_if(all.begin(), all.end(), isNewYear);
    const auto end = std::find_if(first + 1, all.end(), isNewYear);

    LunarYearSpan span{year, first->firstDay, 0, 0};
    std::uint32_t position = 0;
    for (auto month = first; month != end; ++month, ++position) {
        const std::int32_t days = (month + 1)->firstDay - month->firstDay;
        if (month->leap) span.word |= static_cast<std::uint32_t>(month->number);
        if (days == 30) span.word |= month->leap ? 0x10000u : 0x10000u >> month->number;
        if (month->uncertain) span.uncertainMonths |= 1u << position;
    }
    return span;
}

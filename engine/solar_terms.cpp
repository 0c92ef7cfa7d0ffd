#include "engine/solar_terms.h"

#include <iterator>

#include "engine/korean_civil_time.h"
#include "runtime/utf8_literals.h"

const std::array<const char*, kSolarTermsInYear> SolarTermNames = {
    "소한", "대한", "입춘", "우수", "경칩", "춘분", "청명", "곡우", "입하", "소만", "망종", "하지",
    "소서", "대서", "입추", "처서", "백로", "추분", "한로", "상강", "입동", "소설", "대설", "동지",
};

namespace {

// Every term of 1900-2100, computed by the build (make_computed_tables) with
// KASI's moments and ComputeSolarTerm: {day count, minute of the day,
// uncertain, published}.
struct TermEntry {
    std::int32_t dayCount;
    std::int16_t minuteOfDay;
    bool uncertainDay;
    bool published;
};
constexpr TermEntry kTerms[] = {
#include "computed_solar_terms.inc"
};
static_assert(std::size(kTerms) == std::size_t{kSolarTermsInYear} * (kLastSolarTermYear - kFirstSolarTermYear + 1));

}  // namespace

bool GetSolarTerm(std::int32_t year, std::int32_t index, SolarTerm& term)
{
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear || index < 0 || index >= kSolarTermsInYear) {
        return false;
    }
    const TermEntry& entry = kTerms[static_cast<std::size_t>((year - kFirstSolarTermYear) * kSolarTermsInYear + index)];
    term = {index, DateOfDayCount(entry.dayCount), entry.minuteOfDay, entry.uncertainDay, entry.published};
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
    return KoreanMinuteToUtc(term.date, term.minuteOfDay);
}

UtcMinute KoreanMinuteToUtc(const GregorianDate& date, std::int32_t minuteOfDay)
{
    const std::int32_t civilDay = DayCountOf(date.year, date.month, date.day);   // years 1900..2100
    const std::int32_t minutes = minuteOfDay - CivilUtcOffsetMinutes(civilDay);  // (-540, 1440)
    const std::int32_t dayShift = minutes < 0 ? -1 : 0;
    return {DateOfDayCount(civilDay + dayShift), minutes - dayShift * 1440};
}

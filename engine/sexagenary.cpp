#include "engine/sexagenary.h"

#include <algorithm>
#include <limits>

#include "runtime/cp949_literals.h"

const std::array<const char*, 10> StemNames = {"갑", "을", "병", "정", "무", "기", "경", "신", "임", "계"};
const std::array<const char*, 12> BranchNames = {"자", "축", "인", "묘", "진", "사",
                                                 "오", "미", "신", "유", "술", "해"};

namespace {

// The remainder of value / divisor in 0 .. divisor - 1. The arithmetic is
// 64-bit, so no 32-bit argument can overflow it.
constexpr std::int32_t NonNegativeRem(std::int64_t value, std::int32_t divisor)
{
    const std::int64_t rem = value % divisor;
    return static_cast<std::int32_t>(rem < 0 ? rem + divisor : rem);
}

}  // namespace

std::int32_t GetSolarMonthDays(std::int32_t year, std::int32_t month)
{
    if (month < 1 || month > 12) return 0;
    return GregorianMonthDays(year, month);
}

std::int32_t GetDaysBeforeMonth(std::int32_t year, std::int32_t month)
{
    // The months 1 .. month - 1 of the year, at most all twelve; the years
    // before it only from year 1 on.
    const std::int32_t monthsBefore = std::clamp(month, 1, 13) - 1;  // [0, 12]
    const std::int64_t monthStart =
        monthsBefore == 12 ? DaysFromCivil(std::int64_t{year} + 1, 1, 1) : DaysFromCivil(year, monthsBefore + 1, 1);
    const std::int64_t count = year > 1 ? monthStart : monthStart - DaysFromCivil(year, 1, 1);
    return static_cast<std::int32_t>(std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t GetFirstWeekday(std::int32_t daysBefore)
{
    return WeekdayOfDayCount(daysBefore);
}

StemBranch GetYearStemBranch(std::int32_t year)
{
    const std::int64_t cycle = std::int64_t{year} - 4;  // year 4 is 갑자
    return {NonNegativeRem(cycle, 10), NonNegativeRem(cycle, 12)};
}

StemBranch GetMonthStemBranch(std::int32_t year, std::int32_t month)
{
    // January of a year is 자; the stems run on by two a year. Taking a in
    // 0..59 changes nothing where the plain remainder was non-negative (60 is
    // a multiple of 10 and 12) and keeps years below -1 in range.
    const std::int32_t a = NonNegativeRem(12 * std::int64_t{year} + month + 3, 60);
    const std::int32_t t = a + 18;
    return {t % 10, (t + 2) % 12};
}

StemBranch GetDayStemBranch(std::int32_t daysBefore, std::int32_t day)
{
    const std::int64_t t = std::int64_t{daysBefore} + day + 14;  // day number + 14
    return {NonNegativeRem(t, 10), NonNegativeRem(t, 12)};
}

StemBranch DayStemBranchOfCount(std::int32_t dayCount)
{
    return GetDayStemBranch(dayCount, 1);  // the day number is dayCount + 1
}

StemBranch DayStemBranch(const GregorianDate& date)
{
    return DayStemBranchOfCount(DayCountOf(date.year, date.month, date.day));
}

StemBranch GetLunarYearStemBranch(std::int32_t lunarYear)
{
    return GetYearStemBranch(lunarYear);
}

StemBranch GetLunarMonthStemBranch(std::int32_t lunarYear, std::int32_t lunarMonth)
{
    // Month 1 of a 갑 or 기 year is 병인; each year moves month 1 on by two stems.
    const std::int64_t yearStem = GetYearStemBranch(lunarYear).stem;  // [0, 9]
    return {NonNegativeRem(2 * yearStem + lunarMonth + 1, 10), NonNegativeRem(std::int64_t{lunarMonth} + 1, 12)};
}

#include "engine/korean_almanac.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "engine/korean_lunisolar.h"
#include "runtime/civil_date.h"

namespace {

constexpr std::size_t kTableYears = kKoreanTableWords.size();
constexpr std::size_t kComputedYears = kKoreanLastYear - kKoreanTableLastYear;

static_assert(kKoreanTableLastYear - kKoreanTableFirstYear + 1 == static_cast<std::int32_t>(kTableYears));
static_assert(kKoreanLastYear <= kLastComputableLunarYear);

// Days from lunar new year 1391 to each following new year, summed when the program is built.
constexpr auto kNewYearOffsets = lunar_word::NewYearOffsets(kKoreanTableWords);
static_assert(kKoreanTableFirstDay + kNewYearOffsets[2027 - kKoreanTableFirstYear] == DayCountOf(2027, 2, 7));
static_assert(kKoreanTableFirstDay + kNewYearOffsets[2028 - kKoreanTableFirstYear] == DayCountOf(2028, 1, 27));
static_assert(kKoreanTableFirstDay + kNewYearOffsets.back() == DayCountOf(2051, 2, 11));

constexpr std::int32_t kTableEndDay = kKoreanTableFirstDay + kNewYearOffsets.back();  // lunar 2051-01-01

LunarYearSpan TableYear(std::size_t index)  // index in [0, kTableYears)
{
    return {kKoreanTableFirstYear + static_cast<std::int32_t>(index), kKoreanTableFirstDay + kNewYearOffsets[index],
            kKoreanTableWords[index], 0};
}

// The years after the table, computed by the build (make_computed_tables)
// with ComputeKoreanLunarYear: {year, first day, word, uncertain months}.
constexpr LunarYearSpan kComputedYearSpans[] = {
#include "computed_lunar_years.inc"
};
static_assert(std::size(kComputedYearSpans) == kComputedYears);
static_assert(kComputedYearSpans[0].year == kKoreanTableLastYear + 1);
static_assert(kComputedYearSpans[0].firstDay == kKoreanTableFirstDay + kNewYearOffsets.back());

// Each computed year begins the day after the one before ends.
constexpr bool ComputedYearsFollowEachOther()
{
    for (std::size_t i = 1; i < std::size(kComputedYearSpans); ++i) {
        const LunarYearSpan& before = kComputedYearSpans[i - 1];
        if (kComputedYearSpans[i].year != before.year + 1 ||
            kComputedYearSpans[i].firstDay != before.firstDay + lunar_word::YearDays(before.word)) {
            return false;
        }
    }
    return true;
}
static_assert(ComputedYearsFollowEachOther());

LunarYearSpan ComputedYear(std::int32_t lunarYear)  // in (kKoreanTableLastYear, kKoreanLastYear]
{
    return kComputedYearSpans[static_cast<std::size_t>(lunarYear - kKoreanTableLastYear - 1)];
}

}  // namespace

bool GetKoreanLunarYear(std::int32_t lunarYear, LunarYearSpan& span)
{
    if (lunarYear < kKoreanFirstYear || lunarYear > kKoreanLastYear) return false;
    span = lunarYear <= kKoreanTableLastYear ? TableYear(static_cast<std::size_t>(lunarYear - kKoreanFirstYear))
                                             : ComputedYear(lunarYear);
    return true;
}

std::int32_t KoreanFirstDay()
{
    return kKoreanTableFirstDay;
}

std::int32_t KoreanLastDay()
{
    LunarYearSpan last;
    GetKoreanLunarYear(kKoreanLastYear, last);
    return last.firstDay + lunar_word::YearDays(last.word) - 1;
}

bool GetKoreanLunarYearOfDay(std::int32_t dayCount, LunarYearSpan& span)
{
    if (dayCount < kKoreanTableFirstDay) return false;
    if (dayCount < kTableEndDay) {
        const auto* const next =
            std::upper_bound(kNewYearOffsets.begin(), kNewYearOffsets.end(), dayCount - kKoreanTableFirstDay);
        span = TableYear(static_cast<std::size_t>(std::distance(kNewYearOffsets.begin(), next) - 1));
        return true;
    }
    if (dayCount > DayCountOf(kKoreanLastYear + 1, 12, 31)) return false;
    // A lunar year begins between 21 January and 20 February: the day lies in
    // the lunar year of its Gregorian year or in the one before (only the
    // years asked for are computed; past 2100 the one before may end first).
    const std::int32_t gregorianYear = DateOfDayCount(dayCount).year;
    LunarYearSpan candidate;
    for (const std::int32_t lunarYear : {gregorianYear, gregorianYear - 1}) {
        if (!GetKoreanLunarYear(lunarYear, candidate) || dayCount < candidate.firstDay) continue;
        if (dayCount >= candidate.firstDay + lunar_word::YearDays(candidate.word)) return false;
        span = candidate;
        return true;
    }
    return false;
}

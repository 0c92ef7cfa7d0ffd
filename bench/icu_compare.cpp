// dalcal's lunar dates against ICU's Korean (dangi) calendar over every day the
// lunar table covers: the cost of one date in each, and the days on which the
// two disagree. ICU computes the calendar astronomically; dalcal reads its
// table, so a few days may differ.
#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include "bench/covered_days.h"
#include "engine/solar_to_lunar.h"

namespace {

using Day = CoveredDay;

// Days from 0001-01-01 to 1970-01-01, ICU's epoch.
constexpr std::int32_t kUnixEpochDayCount = 719162;
constexpr double kMillisPerDay = 86400000.0;

std::unique_ptr<icu::Calendar> DangiCalendar()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale("ko_KR@calendar=dangi"), status));
    if (U_FAILURE(status)) {
        (void)std::fprintf(stderr, "ICU: no dangi calendar: %s\n", u_errorName(status));
        std::exit(1);
    }
    return calendar;
}

// The lunar date ICU gives for a day, in dalcal's terms (month 1..12, leap 0/1).
LunarDate IcuLunarDate(icu::Calendar& calendar, const Day& day)
{
    UErrorCode status = U_ZERO_ERROR;
    calendar.setTime((day.daysBefore - kUnixEpochDayCount + 0.5) * kMillisPerDay, status);  // noon UTC
    LunarDate lunar;
    lunar.year = calendar.get(UCAL_EXTENDED_YEAR, status) - 2333;  // the dangi era counts from 2333 BC
    lunar.month = calendar.get(UCAL_MONTH, status) + 1;
    lunar.day = calendar.get(UCAL_DATE, status);
    lunar.leap = calendar.get(UCAL_IS_LEAP_MONTH, status);
    if (U_FAILURE(status)) std::exit(1);
    return lunar;
}

LunarDate DalcalLunarDate(const Day& day)
{
    LunarDate lunar;
    std::int32_t leap = 0;
    SolarToLunar(day.year, day.month, day.day, lunar.year, lunar.month, lunar.day, leap);
    lunar.leap = leap != 0;
    return lunar;
}

void ReportDisagreements()
{
    const std::vector<Day> days = CoveredDays();
    const auto calendar = DangiCalendar();
    // Days that differ, by dalcal's lunar year and month ("5+" is the leap month after 5).
    std::map<std::int32_t, std::map<std::int32_t, std::int32_t>> byYearAndMonth;
    std::int32_t disagreements = 0;
    for (const Day& day : days) {
        const LunarDate ours = DalcalLunarDate(day);
        if (ours == IcuLunarDate(*calendar, day)) continue;
        ++disagreements;
        ++byYearAndMonth[ours.year][ours.month * 2 + ours.leap];
    }
    std::printf("days compared: %zu\ndays on which dalcal and ICU disagree: %d in %zu lunar years\n", days.size(),
                disagreements, byYearAndMonth.size());
    for (const auto& [year, months] : byYearAndMonth) {
        std::printf("  %d:", year);
        for (const auto& [month, count] : months)
            std::printf(" %d%s (%d days)", month / 2, month % 2 ? "+" : "", count);
        std::printf("\n");
    }
}

void BM_DalcalEveryCoveredDay(benchmark::State& state)
{
    const std::vector<Day> days = CoveredDays();
    for (auto _ : state) {
        for (const Day& day : days) benchmark::DoNotOptimize(DalcalLunarDate(day));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_DalcalEveryCoveredDay)->Unit(benchmark::kMillisecond);

void BM_IcuDangiEveryCoveredDay(benchmark::State& state)
{
    const std::vector<Day> days = CoveredDays();
    const auto calendar = DangiCalendar();
    for (auto _ : state) {
        for (const Day& day : days) benchmark::DoNotOptimize(IcuLunarDate(*calendar, day));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_IcuDangiEveryCoveredDay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    ReportDisagreements();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

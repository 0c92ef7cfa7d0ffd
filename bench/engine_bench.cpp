#include <benchmark/benchmark.h>

#include <vector>

#include "bench/covered_days.h"
#include "engine/almanac.h"
#include "engine/korean_lunisolar.h"
#include "engine/sexagenary.h"
#include "engine/solar_to_lunar.h"

namespace {

// One iteration converts all 54,779 days; items/s gives the cost of one date.
void BM_SolarToLunarEveryCoveredDay(benchmark::State& state)
{
    const std::vector<CoveredDay> days = CoveredDays();
    for (auto _ : state) {
        for (const CoveredDay& d : days) {
            LunarDate lunar;
            std::int32_t leap = 0;
            SolarToLunar(d.year, d.month, d.day, lunar.year, lunar.month, lunar.day, leap);
            benchmark::DoNotOptimize(lunar);
            benchmark::DoNotOptimize(leap);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_SolarToLunarEveryCoveredDay)->Unit(benchmark::kMillisecond);

// The same days through Korea's almanac (its KASI table).
void BM_KoreanSolarToLunarEveryCoveredDay(benchmark::State& state)
{
    const std::vector<CoveredDay> days = CoveredDays();
    for (auto _ : state) {
        for (const CoveredDay& d : days) {
            benchmark::DoNotOptimize(ToLunar(Almanac::Korea, {d.year, d.month, d.day}));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_KoreanSolarToLunarEveryCoveredDay)->Unit(benchmark::kMillisecond);

// A lunar date to its Gregorian day: 설날 2027 (table) and a day of 2076 (computed, cached).
void BM_KoreanLunarToSolar(benchmark::State& state)
{
    const auto lunarYear = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(LunarToSolar(Almanac::Korea, lunarYear, 8, 15, false));
}
BENCHMARK(BM_KoreanLunarToSolar)->Arg(2027)->Arg(2076);

// Computing one lunar year from the Sun and the Moon, as the first use of a
// year after 2050 does once per process.
void BM_ComputeKoreanLunarYear(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ComputeKoreanLunarYear(2076));
}
BENCHMARK(BM_ComputeKoreanLunarYear)->Unit(benchmark::kMicrosecond);

void BM_GetDaysBeforeMonth(benchmark::State& state)
{
    std::int32_t year = static_cast<std::int32_t>(state.range(0));
    std::int32_t month = 7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(year);
        benchmark::DoNotOptimize(month);
        benchmark::DoNotOptimize(GetDaysBeforeMonth(year, month));
    }
}
BENCHMARK(BM_GetDaysBeforeMonth)->Arg(2026)->Arg(2147483647);

}  // namespace

#include <benchmark/benchmark.h>

#include <vector>

#include "covered_days.h"
#include "sexagenary.h"
#include "solar_to_lunar.h"

namespace {

// One iteration converts all 54,779 days; items/s gives the cost of one date.
void BM_SolarToLunarEveryCoveredDay(benchmark::State& state)
{
    const std::vector<CoveredDay> days = CoveredDays();
    for (auto _ : state) {
        for (const CoveredDay& d : days) {
            LunarDate lunar;
            SolarToLunar(d.year, d.month, d.day, lunar.year, lunar.month, lunar.day, lunar.leap);
            benchmark::DoNotOptimize(lunar);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_SolarToLunarEveryCoveredDay)->Unit(benchmark::kMillisecond);

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

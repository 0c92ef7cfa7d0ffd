// A conversion through libdalcal's C interface beside the engine's own, on
// the same days: what crossing the interface costs (its checks of the date
// and the almanac's range, and the uncertain flag it answers with).
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/covered_days.h"
#include "dalcal/dalcal.h"
#include "engine/almanac.h"

namespace {

void BM_EngineToLunar(benchmark::State& state)
{
    const std::vector<CoveredDay> days = CoveredDays();
    for (auto _ : state) {
        for (const CoveredDay& d : days) {
            benchmark::DoNotOptimize(ToLunar(Almanac::Korea, {d.year, d.month, d.day}));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_EngineToLunar)->Unit(benchmark::kMillisecond);

// The engine's quickest way, which the C interface takes: a day count, one
// lookup of the lunar year for the date and the uncertain flag together.
void BM_EngineKoreanLunarDateOfDay(benchmark::State& state)
{
    const std::vector<CoveredDay> days = CoveredDays();
    for (auto _ : state) {
        for (const CoveredDay& d : days) {
            LunarDate lunar;
            bool uncertain = false;
            benchmark::DoNotOptimize(KoreanLunarDateOfDay(DayCountOf(d.year, d.month, d.day), lunar, uncertain));
            benchmark::DoNotOptimize(lunar);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_EngineKoreanLunarDateOfDay)->Unit(benchmark::kMillisecond);

void BM_CInterfaceToLunar(benchmark::State& state)
{
    const std::vector<CoveredDay> days = CoveredDays();
    for (auto _ : state) {
        for (const CoveredDay& d : days) {
            const dalcal_date date{d.year, d.month, d.day};
            dalcal_lunar_date lunar{};
            benchmark::DoNotOptimize(dalcal_to_lunar(DALCAL_KOREA, &date, &lunar, nullptr));
            benchmark::DoNotOptimize(lunar);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_CInterfaceToLunar)->Unit(benchmark::kMillisecond);

}  // namespace

#include <benchmark/benchmark.h>

#include "report/print_month.h"

namespace {

// One month into a line output that keeps nothing.
void BM_PrintMonth(benchmark::State& state)
{
    std::size_t bytes = 0;
    const LineOutput discard = [&bytes](const AnsiString& line) { bytes += line.size(); };
    for (auto _ : state) PrintMonth(2026, 7, discard);
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_PrintMonth)->Unit(benchmark::kMicrosecond);

}  // namespace

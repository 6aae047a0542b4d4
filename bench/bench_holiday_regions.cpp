// One year's named days of a region, as the year's table needs them on every
// change of year or place: a Swiss canton (the longest table) and a Bavarian
// commune (resolved through its commune list).
#include <benchmark/benchmark.h>

#include "holidays/region_days.h"

namespace {

void BM_FeiertageEinlesen_Kanton(benchmark::State& state) {
    const vespera::holidays::Region region = vespera::holidays::region_of("CH-LU");
    std::int64_t year = 2026;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::holidays::year_days(region, {"", "Luzern"}, year));
        year = year == 2035 ? 2026 : year + 1;
    }
}
BENCHMARK(BM_FeiertageEinlesen_Kanton);

void BM_FeiertageEinlesen_BayerischeGemeinde(benchmark::State& state) {
    const vespera::holidays::Region region = vespera::holidays::region_of("DE-BY");
    std::int64_t year = 2026;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::holidays::year_days(region, {"09564000", "Nürnberg"}, year));
        year = year == 2035 ? 2026 : year + 1;
    }
}
BENCHMARK(BM_FeiertageEinlesen_BayerischeGemeinde);

} // namespace

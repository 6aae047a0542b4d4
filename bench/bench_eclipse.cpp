#include <benchmark/benchmark.h>

#include "astro/AstroModule.h"

namespace {

// The occurrence test, as the phase lists ask it for every new moon.
void BM_EclipseOccurrence(benchmark::State& state) {
    double day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AstroModule::Finsternis_Vorkommen(0, 0, day, 3, 2015));
        day = day >= 28 ? 1 : day + 1;
    }
}
BENCHMARK(BM_EclipseOccurrence);

// First contact, last contact and magnitude at Berlin, as the day report
// asks them on an eclipse day.
void BM_EclipseCircumstances(benchmark::State& state) {
    constexpr double kLon = 13.2975;
    constexpr double kLat = 52.5222222222222;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AstroModule::Finsternis_Beginn(20, 3, 2015, 0, 0, kLon, kLat));
        benchmark::DoNotOptimize(AstroModule::Finsternis_Ende(20, 3, 2015, 0, 0, kLon, kLat));
        benchmark::DoNotOptimize(AstroModule::Finsternis_Groesse(20, 3, 2015, 0, 0, kLon, kLat));
    }
}
BENCHMARK(BM_EclipseCircumstances);

} // namespace

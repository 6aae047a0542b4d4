#include <benchmark/benchmark.h>

#include "ephemeris/calendar.h"
#include "sky/planet_day.h"
#include "sky/sky_events.h"

namespace {

// The seven planets of one local day in Berlin, a new day each time.
void BM_PlanetsOfDay(benchmark::State& state) {
    double start = static_cast<double>(vespera::day_number(2025, 1, 1)) - 0.5 - 1.0 / 24.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::planets_of_day(start, start + 1.0, 13.405, 52.52));
        start += 1.0;
    }
}
BENCHMARK(BM_PlanetsOfDay)->Unit(benchmark::kMicrosecond);

// A year's sky events.
void BM_SkyEventsOfYear(benchmark::State& state) {
    const double from = static_cast<double>(vespera::day_number(2025, 1, 1)) - 0.5;
    const double to = static_cast<double>(vespera::day_number(2026, 1, 1)) - 0.5;
    for (auto _ : state) benchmark::DoNotOptimize(vespera::sky_events(from, to));
}
BENCHMARK(BM_SkyEventsOfYear)->Unit(benchmark::kMillisecond);

} // namespace

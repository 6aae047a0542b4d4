#include <benchmark/benchmark.h>

#include "bench/year_almanac.h"

namespace {

// A whole year at Berlin as a user scrolling through it meets it: the year's
// tables once, then every day's rise, set, twilight, culmination and Moon rows.
// Argument 1: with Berlin's zone from the tz database; 0: the fixed offset
// with the German summer-time rules.
void BM_YearAlmanac(benchmark::State& state) {
    clsCalendar cal = vespera::bench::almanac_calendar(vespera::bench::kBerlin);
    if (state.range(0) == 1) cal.setZeitzone("Europe/Berlin");
    const vespera::bench::AlmanacSink sink = [](const vespera::bench::AlmanacDay& rows) {
        benchmark::DoNotOptimize(rows.sunrise.data());
        benchmark::DoNotOptimize(rows.sunset.data());
        benchmark::DoNotOptimize(rows.dawn.data());
        benchmark::DoNotOptimize(rows.dusk.data());
        benchmark::DoNotOptimize(rows.day_length.data());
        benchmark::DoNotOptimize(rows.culmination.data());
        benchmark::DoNotOptimize(rows.moonrise.data());
        benchmark::DoNotOptimize(rows.moonset.data());
        benchmark::DoNotOptimize(rows.moon_phase.data());
        benchmark::DoNotOptimize(rows.moon_distance_km);
    };
    std::int32_t days = 0;
    for (auto _ : state) {
        days = vespera::bench::year_almanac(cal, 2024, sink);
        benchmark::ClobberMemory();
    }
    if (days != 366) state.SkipWithError("2024 has 366 days");
    state.counters["days"] = days;
}
BENCHMARK(BM_YearAlmanac)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

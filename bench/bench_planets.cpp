#include <benchmark/benchmark.h>

#include "ephemeris/calendar.h"
#include "sky/planet_day.h"
#include "sky/sky_events.h"
#include "sky/twilights.h"
#include "engine/clsCalendar.h"
#include "report/day_report.h"
#include "zones/zone.h"

namespace {

// One local day in Berlin, a new day each time.
template <class Day>
void each_day(benchmark::State& state, Day&& of_day) {
    double start = static_cast<double>(vespera::day_number(2025, 1, 1)) - 0.5 - 1.0 / 24.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(of_day(start, start + 1.0, 13.405, 52.52));
        start += 1.0;
    }
}

// The seven planets of a day.
void BM_PlanetsOfDay(benchmark::State& state) { each_day(state, vespera::planets_of_day); }
BENCHMARK(BM_PlanetsOfDay)->Unit(benchmark::kMicrosecond);

// A year's sky events.
void BM_SkyEventsOfYear(benchmark::State& state) {
    const double from = static_cast<double>(vespera::day_number(2025, 1, 1)) - 0.5;
    const double to = static_cast<double>(vespera::day_number(2026, 1, 1)) - 0.5;
    for (auto _ : state) benchmark::DoNotOptimize(vespera::sky_events(from, to));
}
BENCHMARK(BM_SkyEventsOfYear)->Unit(benchmark::kMillisecond);

// Nautical and astronomical twilight, the golden and the blue hour of a day.
void BM_TwilightsOfDay(benchmark::State& state) { each_day(state, vespera::twilights_of_day); }
BENCHMARK(BM_TwilightsOfDay)->Unit(benchmark::kMicrosecond);

// The whole day report as the window and `tag` build it, a new day each time.
void BM_DayReportRows(benchmark::State& state) {
    clsCalendar cal;
    cal.setLongitude(13.2975);
    cal.setLatitude(52.5222222222222);
    cal.setZeitzone_Offset(1.0f);
    cal.setZeitzone("Europe/Berlin");
    const vespera::Zone zone = *vespera::Zone::named("Europe/Berlin");
    cal.setKalender(1);
    cal.setJahr(2025);
    cal.setMonat(1);
    cal.setTag(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::report::day_report(cal, zone, "Berlin", {12, 0, 0}));
        cal.setTag(cal.Tag() % 28 + 1);
    }
}
BENCHMARK(BM_DayReportRows)->Unit(benchmark::kMicrosecond);

} // namespace

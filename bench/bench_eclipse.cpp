#include <benchmark/benchmark.h>

#include "astro/AstroModule.h"
#include "astro/lunar_eclipse.h"
#include "astro/solar_eclipse.h"
#include "ephemeris/calendar.h"

namespace {

constexpr double kBerlinLon = 13.2975;
constexpr double kBerlinLat = 52.5222222222222;

// The occurrence test, as the phase lists ask it for every new moon.
void BM_EclipseOccurrence(benchmark::State& state) {
    double day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AstroModule::Finsternis_Vorkommen(0, 0, day, 3, 2015));
        day = day >= 28 ? 1 : day + 1;
    }
}
BENCHMARK(BM_EclipseOccurrence);

// First contact, last contact and magnitude at Berlin through the module's
// entry points, as the day report asks them on an eclipse day.
void BM_EclipseCircumstances(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(AstroModule::Finsternis_Beginn(20, 3, 2015, 0, 0, kBerlinLon, kBerlinLat));
        benchmark::DoNotOptimize(AstroModule::Finsternis_Ende(20, 3, 2015, 0, 0, kBerlinLon, kBerlinLat));
        benchmark::DoNotOptimize(AstroModule::Finsternis_Groesse(20, 3, 2015, 0, 0, kBerlinLon, kBerlinLat));
    }
}
BENCHMARK(BM_EclipseCircumstances)->Unit(benchmark::kMicrosecond);

// The local circumstances of one solar eclipse: all contacts, magnitude,
// obscuration and the Sun's altitudes (Berlin, 20 March 2015).
void BM_SolarLocalCircumstances(benchmark::State& state) {
    const double new_moon = vespera::new_moon_nearest(vespera::julian_day(2015, 3, 20));
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::local_solar_eclipse(new_moon, kBerlinLat, kBerlinLon));
    }
}
BENCHMARK(BM_SolarLocalCircumstances)->Unit(benchmark::kMicrosecond);

// Gamma, kind and the point of greatest eclipse, with its magnitude.
void BM_GlobalSolarEclipse(benchmark::State& state) {
    const double new_moon = vespera::new_moon_nearest(vespera::julian_day(2024, 4, 8));
    for (auto _ : state) benchmark::DoNotOptimize(vespera::global_solar_eclipse(new_moon));
}
BENCHMARK(BM_GlobalSolarEclipse)->Unit(benchmark::kMicrosecond);

// The lunar eclipse search for one date whose full moon is eclipsed
// (7 September 2025: all seven contacts), and for dates whose full moon is
// not (the common case, ended by the node test).
void BM_LunarEclipseSearchEclipseDate(benchmark::State& state) {
    const double date = vespera::julian_day(2025, 9, 7);
    for (auto _ : state) benchmark::DoNotOptimize(vespera::lunar_eclipse_near(date));
}
BENCHMARK(BM_LunarEclipseSearchEclipseDate)->Unit(benchmark::kMicrosecond);

void BM_LunarEclipseSearchOtherDates(benchmark::State& state) {
    double date = vespera::julian_day(2024, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vespera::lunar_eclipse_near(date));
        date += 1.0;
    }
}
BENCHMARK(BM_LunarEclipseSearchOtherDates)->Unit(benchmark::kMicrosecond);

} // namespace

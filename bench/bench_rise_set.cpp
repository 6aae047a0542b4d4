#include <benchmark/benchmark.h>

#include <chrono>

#include "engine/clsCalendar.h"

namespace {

clsCalendar berlin_on(int year, int month, int day) {
    clsCalendar cal;
    cal.setClock([] { return std::chrono::seconds(13 * 3600 + 9 * 60); });
    cal.setLongitude(13.2975);
    cal.setLatitude(52.5222222222222);
    cal.setZeitzone_Offset(1.0f);
    cal.setKalender(1);
    cal.setJahr(year);
    cal.setMonat(month);
    cal.setTag(day);
    return cal;
}

// One day's rise, set, twilight, day length and culmination rows of the report.
void read_eight_rows(clsCalendar& cal) {
    benchmark::DoNotOptimize(cal.AufgangSonne());
    benchmark::DoNotOptimize(cal.DaemmerungAnfang());
    benchmark::DoNotOptimize(cal.DaemmerungEnde());
    benchmark::DoNotOptimize(cal.UntergangSonne());
    benchmark::DoNotOptimize(cal.Tageslaenge());
    benchmark::DoNotOptimize(cal.Kulmination_Sonne());
    benchmark::DoNotOptimize(cal.AufgangMond());
    benchmark::DoNotOptimize(cal.UntergangMond());
}

// The same day again and again: its hourly samples are kept.
void BM_EightRiseSetWrappers(benchmark::State& state) {
    clsCalendar cal = berlin_on(2024, 6, 21);
    for (auto _ : state) {
        read_eight_rows(cal);
    }
}
BENCHMARK(BM_EightRiseSetWrappers)->Unit(benchmark::kMicrosecond);

// The same on a new day each time: the day's hourly samples are computed
// afresh, as when the user picks another day.
void BM_EightRiseSetWrappersNewDay(benchmark::State& state) {
    clsCalendar cal = berlin_on(2024, 6, 21);
    std::int32_t day = 1;
    for (auto _ : state) {
        day = day % 28 + 1;
        cal.setTag(day);
        read_eight_rows(cal);
    }
}
BENCHMARK(BM_EightRiseSetWrappersNewDay)->Unit(benchmark::kMicrosecond);

// The live display's once-a-second altitude.
void BM_SonnePosition(benchmark::State& state) {
    clsCalendar cal = berlin_on(2024, 6, 21);
    for (auto _ : state) {
        cal.Sonne_Position();
        benchmark::DoNotOptimize(cal.Sonne_Hoehe());
    }
}
BENCHMARK(BM_SonnePosition)->Unit(benchmark::kMicrosecond);

} // namespace

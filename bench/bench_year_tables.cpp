#include <benchmark/benchmark.h>

#include "engine/clsCalendar.h"

namespace {

// A full rebuild of the year's tables: named days, school holidays, clock
// changes, seasons, and the fifteen full and new moons.
void BM_FeiertageEinlesen(benchmark::State& state) {
    clsCalendar cal;
    cal.setLongitude(13.2975);
    cal.setLatitude(52.5222222222222);
    cal.setZeitzone_Offset(1.0f);
    cal.setKalender(1);
    cal.setJahr(2024);
    cal.setMonat(5);
    cal.setTag(3);
    for (auto _ : state) {
        cal.Feiertage_Einlesen();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FeiertageEinlesen)->Unit(benchmark::kMicrosecond);

// The same with a region: each entry's statute looked up, and the region's
// own days (Augsburg's Friedensfest among them) added and sorted in.
void BM_FeiertageEinlesenRegion(benchmark::State& state) {
    clsCalendar cal;
    cal.setLongitude(10.9);
    cal.setLatitude(48.3722222222222);
    cal.setZeitzone_Offset(1.0f);
    cal.setKalender(1);
    cal.setJahr(2024);
    cal.setMonat(5);
    cal.setTag(3);
    cal.setRegion("DE-BY");
    cal.setPlaceName("Augsburg");
    for (auto _ : state) {
        cal.Feiertage_Einlesen();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FeiertageEinlesenRegion)->Unit(benchmark::kMicrosecond);

// The whole rebuild for a Swiss canton (its own table) and for a Bavarian
// commune decided by its key.
void rebuild_in(benchmark::State& state, const char* region, const char* place, const char* commune_key) {
    clsCalendar cal;
    cal.setLongitude(8.0);
    cal.setLatitude(47.5);
    cal.setZeitzone_Offset(1.0f);
    cal.setKalender(1);
    cal.setJahr(2026);
    cal.setMonat(5);
    cal.setTag(3);
    cal.setRegion(region);
    cal.setPlaceName(place);
    cal.setCommuneKey(commune_key);
    for (auto _ : state) {
        cal.Feiertage_Einlesen();
        benchmark::ClobberMemory();
    }
}
void BM_FeiertageEinlesenKanton(benchmark::State& state) { rebuild_in(state, "CH-BS", "Basel", ""); }
BENCHMARK(BM_FeiertageEinlesenKanton)->Unit(benchmark::kMicrosecond);
void BM_FeiertageEinlesenGemeinde(benchmark::State& state) { rebuild_in(state, "DE-BY", "München", "09162000"); }
BENCHMARK(BM_FeiertageEinlesenGemeinde)->Unit(benchmark::kMicrosecond);

} // namespace

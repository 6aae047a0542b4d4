#include <benchmark/benchmark.h>

#include <vector>

#include "zones/zone.h"

namespace {

constexpr double kJanuary2024_jd_ut = 2460310.5;
constexpr int kBatch = 256;

vespera::Zone berlin() { return vespera::Zone::named("Europe/Berlin").value(); }

// The engine's pattern: many instants of one year, the intervals already kept.
void BM_ZoneAtCached(benchmark::State& state) {
    const vespera::Zone zone = berlin();
    double jd_ut = kJanuary2024_jd_ut;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.at(jd_ut));
        jd_ut += 0.37;
        if (jd_ut > kJanuary2024_jd_ut + 366.0) jd_ut = kJanuary2024_jd_ut;
    }
}
BENCHMARK(BM_ZoneAtCached);

// The first question to a fresh copy: the tz database is asked (with the
// neighbours of the interval, for negative summer time). From 2024 on, or
// after 2037 (the interval moved from a model year).
void first_calls(benchmark::State& state, double first_jd_ut) {
    const vespera::Zone prototype = berlin();
    double jd_ut = first_jd_ut;
    std::vector<vespera::Zone> fresh;
    for (auto _ : state) {
        state.PauseTiming();
        fresh.assign(kBatch, prototype); // copies and frees outside the timing
        state.ResumeTiming();
        for (const vespera::Zone& zone : fresh) {
            benchmark::DoNotOptimize(zone.at(jd_ut));
            jd_ut += 1.7;
        }
        state.PauseTiming();
        fresh.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
}
void BM_ZoneAtFirstCall(benchmark::State& state) { first_calls(state, kJanuary2024_jd_ut); }
BENCHMARK(BM_ZoneAtFirstCall);
void BM_ZoneAtFirstCallAfter2037(benchmark::State& state) { first_calls(state, kJanuary2024_jd_ut + 20 * 365.25); }
BENCHMARK(BM_ZoneAtFirstCallAfter2037);

void BM_ZoneAtGermanRules(benchmark::State& state) {
    const vespera::Zone zone = vespera::Zone::german_rules(1.0);
    double jd_ut = kJanuary2024_jd_ut;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.at(jd_ut));
        jd_ut += 0.37;
        if (jd_ut > kJanuary2024_jd_ut + 366.0) jd_ut = kJanuary2024_jd_ut;
    }
}
BENCHMARK(BM_ZoneAtGermanRules);

void BM_ZoneUtOfLocalCached(benchmark::State& state) {
    const vespera::Zone zone = berlin();
    double local_jd = kJanuary2024_jd_ut;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.ut_of_local(local_jd));
        local_jd += 0.37;
        if (local_jd > kJanuary2024_jd_ut + 366.0) local_jd = kJanuary2024_jd_ut;
    }
}
BENCHMARK(BM_ZoneUtOfLocalCached);

// Opening a zone by name (the database itself is read once per process).
void BM_ZoneNamed(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(vespera::Zone::named("Europe/Berlin"));
}
BENCHMARK(BM_ZoneNamed)->Unit(benchmark::kMicrosecond);

void BM_ZoneChangesInYear(benchmark::State& state) {
    const vespera::Zone zone = berlin();
    for (auto _ : state) benchmark::DoNotOptimize(zone.changes_in_year(2024));
}
BENCHMARK(BM_ZoneChangesInYear);

} // namespace

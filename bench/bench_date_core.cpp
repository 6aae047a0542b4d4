#include <benchmark/benchmark.h>

#include "engine/clsCalendar.h"

namespace {

// Moving through a year day by day, the way the month view walks its days.
void BM_DayByDay(benchmark::State& state) {
    clsCalendar cal;
    cal.setKalender(1);
    cal.setJahr(2024);
    cal.setMonat(1);
    cal.setTag(1);
    for (auto _ : state) {
        cal.TagesZahl_Setzen(1);
        for (int day = 0; day < 366; ++day) {
            cal.setJD(cal.JD() + 1);
            benchmark::DoNotOptimize(cal.Wochentag(2));
        }
        cal.setJahr(2024);
    }
}
BENCHMARK(BM_DayByDay);

} // namespace

// A large address book as own dates: 10,000 yearly birthdays and
// anniversaries. Start-up reads termine.ics once; the window's month change
// asks for one month's occurrences (its budget is 4 ms for everything).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/address_book.h"
#include "ephemeris/calendar.h"
#include "own_dates/calendar_file.h"
#include "own_dates/occurrences.h"
#include "report/own_date_rows.h"

namespace {

namespace od = vespera::own_dates;

const std::string& address_book_text() {
    static const std::string text = od::own_date_document(vespera::bench::address_book(), 1800000000);
    return text;
}

void BM_OwnDatesRead10000(benchmark::State& state) {
    const std::string& text = address_book_text();
    for (auto _ : state) benchmark::DoNotOptimize(od::parse_own_date_file(text));
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_OwnDatesRead10000)->Unit(benchmark::kMillisecond);

void BM_OwnDatesWrite10000(benchmark::State& state) {
    const od::OwnDateFile file = vespera::bench::address_book();
    for (auto _ : state) benchmark::DoNotOptimize(od::own_date_document(file, 1800000000));
}
BENCHMARK(BM_OwnDatesWrite10000)->Unit(benchmark::kMillisecond);

void BM_OwnDatesIndex10000(benchmark::State& state) {
    const od::OwnDateFile file = vespera::bench::address_book();
    for (auto _ : state) benchmark::DoNotOptimize(od::OccurrenceIndex(file.dates, file.timezones));
}
BENCHMARK(BM_OwnDatesIndex10000)->Unit(benchmark::kMicrosecond);

// One month after another, as the window pages through 2027.
void BM_OwnDatesMonth10000(benchmark::State& state) {
    const od::OwnDateFile file = vespera::bench::address_book();
    od::OccurrenceIndex index(file.dates, file.timezones);
    int month = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const std::int64_t first = vespera::day_number(2027, month + 1, 1);
        const std::int64_t last = vespera::day_number(2027 + (month == 11 ? 1 : 0), month == 11 ? 1 : month + 2, 1) - 1;
        const std::vector<od::DateOccurrence> occurrences = index.between(first, last);
        found = occurrences.size();
        benchmark::DoNotOptimize(occurrences.data());
        month = (month + 1) % 12;
    }
    state.counters["occurrences"] = static_cast<double>(found);
}
BENCHMARK(BM_OwnDatesMonth10000)->Unit(benchmark::kMicrosecond);

// The same as the month's cells get them: labels, short names, each day's list.
void BM_OwnDatesMonthGrid10000(benchmark::State& state) {
    const od::OwnDateFile file = vespera::bench::address_book();
    vespera::report::OwnDateCalendar dates(file.dates, file.timezones, *vespera::Zone::named("Europe/Berlin"),
                                           od::LeapDayRule::february_28);
    vespera::report::MonthGrid grid;
    for (int day = 1; day <= 30; ++day) {
        grid.days.emplace_back();
        grid.days.back().day_number = static_cast<std::int32_t>(vespera::day_number(2027, 4, day));
    }
    for (auto _ : state) {
        for (vespera::report::MonthGridDay& day : grid.days) day.own_dates.clear();
        vespera::report::add_own_dates(grid, dates);
        benchmark::DoNotOptimize(grid.days.data());
    }
}
BENCHMARK(BM_OwnDatesMonthGrid10000)->Unit(benchmark::kMicrosecond);

} // namespace

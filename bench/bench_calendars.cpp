#include <benchmark/benchmark.h>

#include "calendars/calendar_years.h"
#include "calendars/chinese.h"
#include "calendars/coptic_ethiopian.h"
#include "calendars/hebrew.h"
#include "calendars/indian.h"
#include "calendars/maya_cycles.h"
#include "calendars/persian.h"
#include "calendars/umm_al_qura.h"
#include "engine/clsCalendar.h"
#include "ephemeris/calendar.h"
#include "report/day_report.h"

namespace {

// The texts of the calendars whose dates follow from arithmetic or a table.
std::size_t arithmetic_texts(std::int64_t day) {
    const vespera::HebrewDate hebrew = vespera::hebrew_date(day);
    std::size_t length = vespera::hebrew_text(hebrew).size();
    length += vespera::hebrew_year_text(vespera::hebrew_year(hebrew.year)).size();
    if (const auto islamic = vespera::umm_al_qura_date(day)) length += vespera::umm_al_qura_text(*islamic).size();
    length += vespera::coptic_text(vespera::coptic_date(day)).size();
    length += vespera::ethiopian_text(vespera::ethiopian_date(day)).size();
    length += vespera::indian_text(vespera::indian_date(day)).size();
    length += vespera::maya_cycles_text(vespera::maya_cycles(day)).size();
    return length;
}

// Every new calendar of a day, a new day of 2026 each time; `texts` adds the
// Chinese and Persian dates.
template <class AstronomicalTexts>
void each_day(benchmark::State& state, AstronomicalTexts texts) {
    const std::int64_t first = vespera::day_number(2026, 1, 1);
    std::int64_t offset = 0;
    for (auto _ : state) {
        const std::int64_t day = first + offset;
        offset = (offset + 1) % 365;
        benchmark::DoNotOptimize(arithmetic_texts(day) + texts(day));
    }
}

// The Chinese and Persian years kept with the year's tables, as the day
// report has them.
void BM_NewCalendarsOfOneDay(benchmark::State& state) {
    const vespera::AstronomicalCalendarYears years = vespera::astronomical_calendar_years(2026);
    each_day(state, [&](std::int64_t day) {
        std::size_t length = 0;
        if (const auto chinese = vespera::chinese_date(years, day)) length += vespera::chinese_text(*chinese).size();
        if (const auto persian = vespera::persian_date(years, day)) length += vespera::persian_text(*persian).size();
        return length;
    });
}
BENCHMARK(BM_NewCalendarsOfOneDay);

// The same with the Chinese and Persian dates computed from nothing.
void BM_NewCalendarsOfOneDayFromScratch(benchmark::State& state) {
    each_day(state, [](std::int64_t day) {
        std::size_t length = 0;
        if (const auto chinese = vespera::chinese_date(day)) length += vespera::chinese_text(*chinese).size();
        if (const auto persian = vespera::persian_date(day)) length += vespera::persian_text(*persian).size();
        return length;
    });
}
BENCHMARK(BM_NewCalendarsOfOneDayFromScratch);

// A year's work for the years 2020 to 2040 in turn.
template <class Work>
void each_year(benchmark::State& state, Work work) {
    std::int64_t year = 2020;
    for (auto _ : state) {
        benchmark::DoNotOptimize(work(year));
        year = year == 2040 ? 2020 : year + 1;
    }
}

// The months of one Chinese year.
void BM_ChineseYearMonths(benchmark::State& state) {
    each_year(state, [](std::int64_t year) { return vespera::chinese_year(year); });
}
BENCHMARK(BM_ChineseYearMonths);

// What a change of year adds to the year's tables.
void BM_AstronomicalCalendarYears(benchmark::State& state) {
    each_year(state, [](std::int64_t year) { return vespera::astronomical_calendar_years(year); });
}
BENCHMARK(BM_AstronomicalCalendarYears);

// The "andere Kalender" report of a day of 2026 in Berlin, a new day each
// time, through the engine as the window and the command line make it.
template <class Work>
void each_report_day(benchmark::State& state, Work work) {
    clsCalendar cal;
    cal.setClock([] { return std::chrono::seconds(12 * 3600); });
    cal.setLongitude(13.405);
    cal.setLatitude(52.52);
    cal.setZeitzone("Europe/Berlin");
    cal.setKalender(1);
    cal.setJahr(2026);
    cal.setMonat(1);
    cal.setTag(1);
    const double first = cal.JD();
    std::int64_t offset = 0;
    for (auto _ : state) {
        cal.setJD(first + static_cast<double>(offset));
        offset = (offset + 1) % 365;
        benchmark::DoNotOptimize(work(cal));
    }
}

void BM_OtherCalendarsReport(benchmark::State& state) {
    each_report_day(state, [](clsCalendar& cal) {
        return vespera::report::other_calendars_report(cal, "Berlin", {12, 0, 0}).rows.size();
    });
}
BENCHMARK(BM_OtherCalendarsReport);

// The thirteen described rows alone, the report as it was before the new
// calendars: the comparison for the one above.
void BM_DescribedCalendarRows(benchmark::State& state) {
    static constexpr std::pair<std::int32_t, std::int32_t> kRows[] = {
        {10, 4}, {1, 4}, {2, 4}, {6, 4}, {4, 4}, {9, 4}, {8, 4}, {5, 4}, {5, 6}, {5, 5}, {5, 8}, {5, 7}, {3, 4}};
    each_report_day(state, [](clsCalendar& cal) {
        std::size_t length = 0;
        for (const auto& [kind, variant] : kRows) length += cal.ConvertDate(kind, variant).size();
        return length;
    });
}
BENCHMARK(BM_DescribedCalendarRows);

} // namespace

// vespera_year_almanac [runs]: times the year almanac at Berlin for 2024 and
// prints machine-readable lines: the median of the runs in milliseconds
// (`vespera_ms=`) and the rows of one sample day (`sample <key>=<value>`),
// which the comparison with astronomy-engine sets beside its own.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/year_almanac.h"

namespace {

constexpr std::int32_t kYear = 2024;
constexpr std::int32_t kSampleDayOfYear = 173; // 21 June 2024
constexpr int kDefaultRuns = 20;
constexpr int kMostRuns = 100000;

// "04:43 Uhr" -> "04:43"; the texts without a time ("----", "****") stay.
std::string clock_part(const std::string& text) {
    const std::size_t blank = text.find(' ');
    return blank == std::string::npos ? text : text.substr(0, blank);
}

double median_of(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

} // namespace

int main(int argc, char** argv) {
    int runs = kDefaultRuns;
    if (argc > 2) {
        std::cerr << "usage: vespera_year_almanac [runs]\n";
        return 2;
    }
    if (argc == 2) {
        const std::string_view arg(argv[1]);
        const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), runs);
        if (error != std::errc{} || end != arg.data() + arg.size() || runs < 1 || runs > kMostRuns) {
            std::cerr << "vespera_year_almanac: runs must be a whole number from 1 to " << kMostRuns << '\n';
            return 2;
        }
    }

    clsCalendar cal = vespera::bench::almanac_calendar(vespera::bench::kBerlin);
    int faults = 0;
    cal.setErrorReporter([&faults](const std::string& text) {
        ++faults;
        std::cerr << text << '\n';
    });

    // Every run reads every result, so that no row can be left uncomputed.
    std::size_t checksum = 0;
    const vespera::bench::AlmanacSink consume = [&checksum](const vespera::bench::AlmanacDay& rows) {
        checksum += rows.sunrise.size() + rows.sunset.size() + rows.dawn.size() + rows.dusk.size() +
                    rows.day_length.size() + rows.culmination.size() + rows.moonrise.size() +
                    rows.moonset.size() + rows.moon_phase.size() +
                    static_cast<std::size_t>(rows.moon_distance_km);
    };

    vespera::bench::year_almanac(cal, kYear, consume); // warm-up: caches and page faults
    std::vector<double> times_ms;
    times_ms.reserve(static_cast<std::size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        vespera::bench::year_almanac(cal, kYear, consume);
        const auto stop = std::chrono::steady_clock::now();
        times_ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }

    vespera::bench::AlmanacDay sample;
    const std::int32_t days = vespera::bench::year_almanac(cal, kYear, [&sample](const vespera::bench::AlmanacDay& rows) {
        if (rows.day_of_year == kSampleDayOfYear) sample = rows;
    });
    if (faults != 0 || checksum == 0 || sample.day_of_year != kSampleDayOfYear) {
        std::cerr << "vespera_year_almanac: the almanac did not run cleanly (" << faults << " faults)\n";
        return 1;
    }

    char median_text[32];
    std::snprintf(median_text, sizeof median_text, "%.3f", median_of(times_ms));
    std::cout << "vespera_runs=" << runs << '\n'
              << "vespera_days=" << days << '\n'
              << "vespera_ms=" << median_text << '\n'
              << "sample sunrise=" << clock_part(sample.sunrise) << '\n'
              << "sample sunset=" << clock_part(sample.sunset) << '\n'
              << "sample dawn=" << clock_part(sample.dawn) << '\n'
              << "sample dusk=" << clock_part(sample.dusk) << '\n'
              << "sample day_length=" << clock_part(sample.day_length) << '\n'
              << "sample culmination=" << clock_part(sample.culmination) << '\n'
              << "sample moonrise=" << clock_part(sample.moonrise) << '\n'
              << "sample moonset=" << clock_part(sample.moonset) << '\n'
              << "sample moon_phase=" << sample.moon_phase << '\n'
              << "sample moon_distance_km=" << static_cast<long long>(sample.moon_distance_km) << '\n';
    return 0;
}

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

#include "base/data_files.h"
#include "places/gazetteer.h"
#include "places/place_search.h"

namespace {

constexpr std::size_t kShownPlaces = 20; // what a drop-down list shows

std::shared_ptr<const vespera::Gazetteer> load_or_stop(benchmark::State& state) {
    vespera::GazetteerLoad load = vespera::load_gazetteer();
    if (!load.gazetteer) {
        state.SkipWithError(load.error.c_str());
        return nullptr;
    }
    return std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer));
}

double resident_mb() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Finding, reading and indexing the whole file, as the window does at start.
void BM_GazetteerLoad(benchmark::State& state) {
    for (auto _ : state) {
        vespera::GazetteerLoad load = vespera::load_gazetteer();
        if (!load.gazetteer) {
            state.SkipWithError(load.error.c_str());
            break;
        }
        benchmark::DoNotOptimize(load.gazetteer->size());
    }
}
BENCHMARK(BM_GazetteerLoad)->Unit(benchmark::kMillisecond);

// The same without the file system: parsing and indexing only.
void BM_GazetteerParse(benchmark::State& state) {
    const std::optional<std::string> content =
        vespera::read_regular_file(vespera::data_file("gazetteer.tsv"), vespera::kMaxGazetteerBytes);
    if (!content) {
        state.SkipWithError("gazetteer.tsv not found");
        return;
    }
    for (auto _ : state) {
        vespera::GazetteerLoad load = vespera::parse_gazetteer(*content, "gazetteer.tsv");
        benchmark::DoNotOptimize(load.gazetteer->size());
    }
}
BENCHMARK(BM_GazetteerParse)->Unit(benchmark::kMillisecond);

// Typing "Neustadt" letter by letter: eight searches over the built-in cities
// and the whole gazetteer. The counters give the median and the slowest of
// the eight keystrokes, each averaged over the iterations, and how much the
// resident memory grew for the gazetteer and the search.
void BM_PlaceSearchTypingNeustadt(benchmark::State& state) {
    const double resident_before_mb = resident_mb();
    const auto gazetteer = load_or_stop(state);
    if (!gazetteer) return;
    const vespera::PlaceSearch search(gazetteer);
    benchmark::DoNotOptimize(search.search("N", kShownPlaces));
    const double growth_mb = resident_mb() - resident_before_mb;

    const std::string word = "Neustadt";
    std::array<double, 8> total_us{};
    for (auto _ : state) {
        for (std::size_t letters = 1; letters <= word.size(); ++letters) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(search.search(std::string_view(word).substr(0, letters), kShownPlaces));
            total_us[letters - 1] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        }
    }
    const double iterations = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    std::array<double, 8> per_keystroke_us{};
    for (std::size_t i = 0; i < total_us.size(); ++i) per_keystroke_us[i] = total_us[i] / iterations;
    std::sort(per_keystroke_us.begin(), per_keystroke_us.end());
    state.counters["median_keystroke_us"] = (per_keystroke_us[3] + per_keystroke_us[4]) / 2.0;
    state.counters["slowest_keystroke_us"] = per_keystroke_us[7];
    state.counters["resident_growth_MB"] = growth_mb;
}
BENCHMARK(BM_PlaceSearchTypingNeustadt)->Unit(benchmark::kMicrosecond);

} // namespace

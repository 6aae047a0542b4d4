// Reads reference planet values (compare_planets_astronomy_engine.mjs) from
// standard input, computes each with Vespera and prints the median and
// largest differences: rise, culmination and set (minutes), elongation
// (degrees), conjunctions and oppositions (minutes), with the counts over
// the tolerances (1 minute, 0.05 degree, 10 minutes).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ephemeris/calendar.h"
#include "sky/planet_day.h"
#include "sky/sky_events.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;

struct Errors {
    std::vector<double> values;
    int missing = 0; // found on one side only
    std::string worst;
    double worst_value = -1.0;
    void add(double v, const std::string& what = "") {
        if (v > worst_value) {
            worst_value = v;
            worst = what;
        }
        values.push_back(v);
    }
    void print(const char* name, const char* unit, double tolerance) {
        std::sort(values.begin(), values.end());
        const double median = values.empty() ? NAN : values[values.size() / 2];
        const double largest = values.empty() ? NAN : values.back();
        const auto over = std::count_if(values.begin(), values.end(), [&](double v) { return v > tolerance; });
        std::printf("%-14s n=%-6zu median %.4f %s, largest %.4f %s, over %g %s: %ld, on one side only: %d\n", name,
                    values.size(), median, unit, largest, unit, tolerance, unit, static_cast<long>(over), missing);
        if (!worst.empty()) std::printf("%-14s largest at %s\n", "", worst.c_str());
    }
};

std::vector<std::string> fields_of(const std::string& line) {
    std::vector<std::string> f;
    std::stringstream s(line);
    for (std::string field; std::getline(s, field, ',');) f.push_back(field);
    return f;
}

double number(const std::string& s) { return s == "nan" ? NAN : std::stod(s); }

void compare(Errors& errors, const vespera::DayEvent& ours, double theirs) {
    const bool we_have = ours.status == vespera::EventStatus::Occurs;
    if (we_have != std::isfinite(theirs)) {
        // An event within seconds of the day's edge may fall either side of it.
        const double edge = std::isfinite(theirs) ? theirs : ours.jd_ut;
        const double from_edge = std::fabs(std::remainder(edge - 0.5, 1.0)) * kMinutesPerDay;
        if (from_edge > 1.0) ++errors.missing;
        return;
    }
    if (we_have) errors.add(std::fabs(ours.jd_ut - theirs) * kMinutesPerDay);
}

} // namespace

int main() {
    Errors rise, culmination, set, elongation, events;
    std::map<std::tuple<double, double, double>, vespera::PlanetsOfDay> days;
    std::map<int, vespera::SkyEventList> years;
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> f = fields_of(line);
        if (f.size() == 9 && f[0] == "D") {
            const double lat = std::stod(f[1]), lon = std::stod(f[2]), start = std::stod(f[3]);
            const auto key = std::make_tuple(lat, lon, start);
            auto it = days.find(key);
            if (it == days.end()) it = days.emplace(key, vespera::planets_of_day(start, start + 1.0, lon, lat)).first;
            const vespera::PlanetDay& p = it->second.planets.at(static_cast<std::size_t>(std::stoi(f[4])));
            compare(rise, p.rise, number(f[5]));
            compare(culmination, p.culmination, number(f[6]));
            compare(set, p.set, number(f[7]));
            elongation.add(std::fabs(p.elongation_deg - std::stod(f[8])));
            if (days.size() > 64) days.erase(days.begin());
        } else if (f.size() == 4 && f[0] == "E") {
            const auto planet = static_cast<vespera::Body>(std::stoi(f[1]));
            const bool opposition = f[2] == "1";
            const double theirs = std::stod(f[3]);
            const int year = static_cast<int>(vespera::civil_instant(theirs).year);
            auto it = years.find(year);
            if (it == years.end()) {
                const double from = static_cast<double>(vespera::day_number(year, 1, 1)) - 0.5;
                const double to = static_cast<double>(vespera::day_number(year + 1, 1, 1)) - 0.5;
                it = years.emplace(year, vespera::sky_events(from, to)).first;
            }
            double best = INFINITY;
            for (const vespera::SkyEvent& e : it->second.events) {
                const bool is_opposition = e.kind == vespera::SkyEventKind::Opposition;
                const bool is_conjunction = e.kind == vespera::SkyEventKind::Conjunction ||
                                            e.kind == vespera::SkyEventKind::InferiorConjunction ||
                                            e.kind == vespera::SkyEventKind::SuperiorConjunction;
                if (e.body != planet || !(opposition ? is_opposition : is_conjunction)) continue;
                best = std::min(best, std::fabs(e.jd_ut - theirs) * kMinutesPerDay);
            }
            if (best < 1440.0) {
                events.add(best, "planet " + f[1] + (opposition ? " opposition " : " conjunction ") + f[3]);
            } else {
                ++events.missing;
            }
        }
    }
    rise.print("rise", "min", 1.0);
    culmination.print("culmination", "min", 1.0);
    set.print("set", "min", 1.0);
    elongation.print("elongation", "deg", 0.05);
    events.print("conj./opp.", "min", 10.0);
    return 0;
}

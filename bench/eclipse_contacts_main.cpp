// Reads reference solar eclipses (compare_eclipses_astronomy_engine.mjs) from
// standard input, computes each with Vespera's local circumstances and prints
// the median and largest differences of the first and last contacts (minutes)
// and of the magnitude (partial eclipses: the reference measures a central
// one differently).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "astro/solar_eclipse.h"

namespace {

double median(std::vector<double> v) {
    if (v.empty()) return std::nan("");
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double largest(const std::vector<double>& v) { return v.empty() ? std::nan("") : *std::max_element(v.begin(), v.end()); }

} // namespace

int main() {
    constexpr double kMinutesPerDay = 1440.0;
    std::vector<double> first, last, magnitude;
    int eclipses = 0;
    int missed = 0;
    int off = 0; // more than 5 minutes or 0.05 off
    std::string line;
    while (std::getline(std::cin, line)) {
        std::stringstream fields(line);
        std::vector<std::string> f;
        for (std::string field; std::getline(fields, field, ',');) f.push_back(field);
        if (f.size() != 8) continue;
        ++eclipses;
        const double lat = std::stod(f[1]), lon = std::stod(f[2]);
        const double first_ref = std::stod(f[4]), peak_ref = std::stod(f[5]), last_ref = std::stod(f[6]);
        const vespera::LocalSolarEclipse e =
            vespera::local_solar_eclipse(vespera::new_moon_nearest(peak_ref), lat, lon);
        if (e.kind == vespera::SolarEclipseKind::None) {
            ++missed;
            continue;
        }
        const double d_first = std::fabs(e.first.jd_ut - first_ref) * kMinutesPerDay;
        const double d_last = std::fabs(e.last.jd_ut - last_ref) * kMinutesPerDay;
        first.push_back(d_first);
        last.push_back(d_last);
        double d_magnitude = 0.0;
        if (f[3] == "partial") {
            d_magnitude = std::fabs(e.magnitude - std::stod(f[7]));
            magnitude.push_back(d_magnitude);
        }
        if (d_first > 5.0 || d_last > 5.0 || d_magnitude > 0.05) ++off;
    }
    std::printf("eclipses=%d\nmissed=%d\n", eclipses, missed);
    std::printf("first_contact_min median=%.2f max=%.2f\n", median(first), largest(first));
    std::printf("last_contact_min median=%.2f max=%.2f\n", median(last), largest(last));
    std::printf("magnitude_partial median=%.4f max=%.4f\n", median(magnitude), largest(magnitude));
    std::printf("more_than_5_min_or_0.05=%d\n", off);
    return eclipses > 0 && missed == 0 ? 0 : 1;
}

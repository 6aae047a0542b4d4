#include "sky/twilights.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "ephemeris/sun.h"
#include "sky/day_track.h"
#include "sky/horizon_crossings.h"

namespace vespera {
namespace {

using Height = std::function<double(double)>;

TwilightTimes times_at(const Height& height, double start, double end) {
    const std::vector<Crossing> crossings = threshold_crossings(height, start, end);
    const bool above_at_start = height(start) > 0.0;
    return {crossing_on_day(crossings, true, start, end, above_at_start),
            crossing_on_day(crossings, false, start, end, above_at_start)};
}

// Inside the band between two thresholds: each crossing of either edge
// enters or leaves it, as the Sun cannot cross both at once.
BandSpans band_spans(const Height& above_low, const Height& above_high, double start, double end) {
    std::vector<Crossing> edges = threshold_crossings(above_low, start, end);
    const std::vector<Crossing> high = threshold_crossings(above_high, start, end);
    edges.insert(edges.end(), high.begin(), high.end());
    std::sort(edges.begin(), edges.end(), [](const Crossing& a, const Crossing& b) { return a.jd_ut < b.jd_ut; });

    BandSpans band;
    bool inside = above_low(start) > 0.0 && above_high(start) <= 0.0;
    BandSpan open{start, 0.0, true, false};
    for (const Crossing& edge : edges) {
        if (edge.jd_ut < start || edge.jd_ut >= end) continue;
        if (inside) {
            open.until_jd_ut = edge.jd_ut;
            band.spans.push_back(open);
        } else {
            open = {edge.jd_ut, 0.0, false, false};
        }
        inside = !inside;
    }
    if (inside) {
        open.until_jd_ut = end;
        open.until_day_end = true;
        band.spans.push_back(open);
    }
    if (!band.spans.empty()) {
        band.status = BandStatus::Spans;
    } else {
        band.status = above_high(start) > 0.0 ? BandStatus::AlwaysAbove : BandStatus::AlwaysBelow;
    }
    return band;
}

} // namespace

Twilights twilights_of_day(double start_jd_ut, double end_jd_ut, double longitude_deg, double latitude_deg) {
    Twilights day{};
    day.nautical = {{EventStatus::AlwaysBelow, 0.0}, {EventStatus::AlwaysBelow, 0.0}};
    day.astronomical = day.nautical;
    if (!std::isfinite(start_jd_ut) || !std::isfinite(end_jd_ut) || !(end_jd_ut > start_jd_ut) ||
        end_jd_ut - start_jd_ut > 2.0 || !std::isfinite(longitude_deg) || !(std::fabs(latitude_deg) <= 90.0)) {
        return day;
    }
    // The apparent Sun at the middle of the day and a day on either side.
    const double mid = 0.5 * (start_jd_ut + end_jd_ut);
    std::array<double, 3> ra{}, dec{};
    ApparentSun middle{};
    for (std::size_t k = 0; k < 3; ++k) {
        const ApparentSun sun = apparent_sun(jde_of(mid + static_cast<double>(k) - 1.0));
        ra[k] = sun.right_ascension_deg;
        dec[k] = sun.declination_deg;
        if (k == 1) middle = sun;
    }
    const Track sun = track_of(ra, dec);
    const Sky sky{mid, longitude_deg, sin_deg(latitude_deg), cos_deg(latitude_deg),
                  middle.nutation_longitude_deg * cos_deg(middle.true_obliquity_deg)};
    const auto above = [&](double altitude_deg) -> Height {
        const double sin_threshold = sin_deg(altitude_deg);
        return [&sky, &sun, sin_threshold](double t) { return sky.sin_altitude(sun, t) - sin_threshold; };
    };
    day.nautical = times_at(above(kNauticalTwilightAltitude_deg), start_jd_ut, end_jd_ut);
    day.astronomical = times_at(above(kAstronomicalTwilightAltitude_deg), start_jd_ut, end_jd_ut);
    const Height above_blue_edge = above(kBlueHourHighAltitude_deg);
    day.golden_hour = band_spans(above_blue_edge, above(kGoldenHourHighAltitude_deg), start_jd_ut, end_jd_ut);
    day.blue_hour = band_spans(above(kBlueHourLowAltitude_deg), above_blue_edge, start_jd_ut, end_jd_ut);
    return day;
}

} // namespace vespera

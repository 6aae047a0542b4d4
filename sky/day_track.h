// A body's apparent place over three days a day apart, interpolated, and the
// sky of one place: enough for every rise, set and transit of a day without
// another series evaluation (Meeus, Astronomical Algorithms, 2nd ed., 3.3).
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "ephemeris/angles.h"
#include "ephemeris/time_scales.h"

namespace vespera {

inline constexpr double kSiderealRate_deg_per_day = 360.98564736629;

// Three values a day apart, at x = -1, 0, +1 (Meeus 3.3).
struct ThreeDays {
    std::array<double, 3> v;
    double at(double x) const { return v[1] + 0.5 * x * (v[2] - v[0]) + 0.5 * x * x * (v[2] - 2.0 * v[1] + v[0]); }
    double rate_per_day(double x) const { return 0.5 * (v[2] - v[0]) + x * (v[2] - 2.0 * v[1] + v[0]); }
};

// A body's apparent right ascension (unwrapped across 360) and declination
// on three days: quadratic interpolation keeps a planet's place within a
// few arcseconds, a second of time at the horizon.
struct Track {
    ThreeDays ra_deg;
    ThreeDays dec_deg;
};

inline Track track_of(const std::array<double, 3>& ra_deg, const std::array<double, 3>& dec_deg) {
    Track t{};
    t.ra_deg.v[0] = ra_deg[0];
    for (std::size_t i = 1; i < 3; ++i) {
        t.ra_deg.v[i] = t.ra_deg.v[i - 1] + std::remainder(ra_deg[i] - ra_deg[i - 1], 360.0);
    }
    t.dec_deg.v = dec_deg;
    return t;
}

// The place and its sky: sidereal time and the observer.
struct Sky {
    double mid_jd_ut;
    double longitude_deg;
    double sin_latitude;
    double cos_latitude;
    double equation_of_equinoxes_deg; // nutation in right ascension, constant over the days

    double x_of(double jd_ut) const { return jd_ut - mid_jd_ut; }
    double hour_angle_deg(const Track& body, double jd_ut) const {
        return greenwich_mean_sidereal_deg(jd_ut - kJ2000_jd) + equation_of_equinoxes_deg + longitude_deg -
               body.ra_deg.at(x_of(jd_ut));
    }
    double sin_altitude(const Track& body, double jd_ut) const {
        const double dec = body.dec_deg.at(x_of(jd_ut));
        return sin_latitude * sin_deg(dec) + cos_latitude * cos_deg(dec) * cos_deg(hour_angle_deg(body, jd_ut));
    }
};

} // namespace vespera

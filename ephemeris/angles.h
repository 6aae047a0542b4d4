// Degrees and radians, and angles reduced to one turn.
#pragma once

#include <cmath>
#include <limits>
#include <numbers>

namespace vespera {

inline constexpr double kRadPerDeg = std::numbers::pi / 180.0;
inline constexpr double kDegPerArcsec = 1.0 / 3600.0;

// The rounded factor of Duffett-Smith & Zwart's routines, kept where their
// published limits are reproduced (the eclipse module's occurrence test).
inline constexpr double kRoundedRadPerDeg = 0.01745329252;

inline double sin_deg(double angle_deg) { return std::sin(angle_deg * kRadPerDeg); }
inline double cos_deg(double angle_deg) { return std::cos(angle_deg * kRadPerDeg); }

// x reduced to 0 <= x < 360 exactly; a NaN or infinite angle gives NaN
// rather than a valid-looking direction. Below 2^44 degrees 360 k and x - 360 k
// are exact (Sterbenz), so the fast floor form is as exact as fmod, which
// serves the rest; the hourly rise and set search reduces thousands of angles.
inline double reduce_degrees(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    double r = 0.0;
    if (std::fabs(x) < 1.7e13) {
        r = x - 360.0 * std::floor(x / 360.0);
        if (r < 0.0) r += 360.0; // x / 360 rounded up across a whole turn
    } else {
        r = std::fmod(x, 360.0);
        if (r < 0.0) r += 360.0;
    }
    return r < 360.0 ? r : 0.0; // a tiny negative x rounds to 360
}

} // namespace vespera

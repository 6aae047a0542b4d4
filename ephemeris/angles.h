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

// x reduced to 0 <= x < 360 exactly (fmod does not round); a NaN or
// infinite angle gives NaN rather than a valid-looking direction.
inline double reduce_degrees(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    const double r = std::fmod(x, 360.0);
    if (r >= 0.0) return r;
    const double turned = r + 360.0; // a tiny negative r rounds to 360
    return turned < 360.0 ? turned : 0.0;
}

} // namespace vespera

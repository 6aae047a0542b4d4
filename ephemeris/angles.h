// Degrees and radians, and angles reduced to one turn.
#pragma once

#include <cmath>
#include <numbers>

namespace vespera {

inline constexpr double kRadPerDeg = std::numbers::pi / 180.0;
inline constexpr double kDegPerArcsec = 1.0 / 3600.0;

// The rounded factors of Duffett-Smith & Zwart's routines, kept where their
// published figures are reproduced (the 1900-epoch Sun and Moon, the eclipse module).
inline constexpr double kRoundedRadPerDeg = 0.01745329252;
inline constexpr double kRoundedDegPerRad = 57.29577951;

inline double sin_deg(double angle_deg) { return std::sin(angle_deg * kRadPerDeg); }
inline double cos_deg(double angle_deg) { return std::cos(angle_deg * kRadPerDeg); }

// x reduced to 0 <= x < 360; a tiny negative x, which would round to 360,
// gives 0, and NaN stays NaN.
inline double reduce_degrees(double x) {
    const double reduced = x - 360.0 * std::floor(x / 360.0);
    return reduced >= 360.0 ? 0.0 : reduced;
}

} // namespace vespera

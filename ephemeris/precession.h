// Precession of equatorial coordinates between two epochs: Meeus,
// Astronomical Algorithms, 2nd ed., ch. 21, the rigorous method (21.2-21.4,
// IAU 1976 angles).
#pragma once

#include "ephemeris/coordinates.h"

namespace vespera {

// B1875.0, the equinox of the constellation boundaries (Besselian year 1875.0).
inline constexpr double kB1875_jde = 2405889.258550475;

// A mean place for the equinox `from_jde` referred to the equinox `to_jde`.
Equatorial precessed(const Equatorial& place, double from_jde, double to_jde);

} // namespace vespera

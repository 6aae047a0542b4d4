// The constellation that holds a place (IAU boundaries, Roman 1987).
#pragma once

#include <cstddef>

#include "ephemeris/constellation_table.h"

namespace vespera {

inline constexpr std::size_t kNoConstellation = kConstellations.size();

// Index into kConstellations for a mean place of the equinox `equinox_jde`
// (precessed to B1875.0 and looked up in Roman's table); kNoConstellation
// for a place that is not finite.
std::size_t constellation_index(double right_ascension_deg, double declination_deg, double equinox_jde);

} // namespace vespera

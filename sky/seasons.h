// Equinoxes and solstices of a year (Meeus, Astronomical Algorithms, ch. 27).
#pragma once

#include <array>
#include <cstdint>

namespace vespera {

// The March equinox, June solstice, September equinox and December solstice
// of `year` as Julian Days in universal time.
std::array<double, 4> season_instants_ut(std::int64_t year);

} // namespace vespera

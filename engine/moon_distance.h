// Distance between the centres of the Earth and the Moon from the periodic
// terms of Meeus, Astronomical Algorithms (chapter on the Moon's position).
#pragma once

namespace vespera {

// Kilometres at the instant `jde`, unrounded, without the eccentricity factor
// of the Earth's orbit.
double moon_distance_km(double jde);

} // namespace vespera

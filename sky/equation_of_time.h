// The equation of time (Meeus, Astronomical Algorithms, 2nd ed., ch. 28,
// formula 28.3).
#pragma once

namespace vespera {

// In minutes, positive when the true Sun culminates after mean noon.
double equation_of_time_minutes(double julian_day);

} // namespace vespera

// The Moon's phases as pure functions (Meeus, Astronomical Algorithms).
#pragma once

#include <string>

namespace vespera {

// Instant (JDE) of the new moon (full_moon false) or full moon of lunation
// k, with the periodic and planetary corrections; k = 0 is the new moon of
// 6 January 2000, full moons fall on k + 0.5.
double phase_jde(double k, bool full_moon);

// Illuminated fraction of the Moon's disk in percent at a universal instant.
double moon_illuminated_percent(double jd_ut);

// "Neumond" up to 0.2 %, "Vollmond" from 99.8 %, otherwise the percentage
// (one or five decimals) with its trend over the next half hour.
std::string moon_phase_text(double percent, double percent_half_hour_later, bool five_decimals, char separator);

// x reduced to 0 <= x < 360.
double reduce_degrees(double x);

} // namespace vespera

// The Moon's phases as pure functions (Meeus, Astronomical Algorithms).
#pragma once

#include <string>

namespace vespera {

// Illuminated fraction of the Moon's disk in percent at a universal instant.
double moon_illuminated_percent(double jd_ut);

// "Neumond" up to 0.2 %, "Vollmond" from 99.8 %, otherwise the percentage
// (one or five decimals) with its trend over the next half hour.
std::string moon_phase_text(double percent, double percent_half_hour_later, bool five_decimals, char separator);

} // namespace vespera

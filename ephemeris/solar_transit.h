// Apparent noon: the instant at which the true Sun crosses a meridian.
#pragma once

#include <cstdint>

namespace vespera {

// Universal time of the Sun's upper transit over `longitude_deg` (east
// positive) on the day `day_number` as the meridian's own mean time counts
// it (for 52.5 degrees east: Iran's UTC+3:30).
double solar_transit_jd_ut(std::int64_t day_number, double longitude_deg);

} // namespace vespera

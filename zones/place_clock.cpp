#include "zones/place_clock.h"

#include <cmath>

#include "base/date_math.h"
#include "ephemeris/time_scales.h"

namespace vespera {

PlaceNow place_now(std::int64_t unix_ms, const Zone& zone) {
    PlaceNow now;
    now.jd_ut = static_cast<double>(unix_ms) / (1000.0 * kSecondsPerDay) + kUnixEpoch_jd;
    now.offset = zone.at(now.jd_ut);
    // Whole seconds on the place's clock, counted from the Unix epoch.
    const std::int64_t local_seconds = floor_div(unix_ms, 1000) + std::llround(now.offset.hours * 3600.0);
    now.day_number = static_cast<std::int32_t>(floor_div(local_seconds, 86400) + kUnixEpochDay);
    now.second_of_day = static_cast<std::int32_t>(floor_mod(local_seconds, 86400));
    return now;
}

} // namespace vespera

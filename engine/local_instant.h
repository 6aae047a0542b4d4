// Instants on the local clock. A local Julian Day x belongs to the civil day
// with day number n when n - 0.5 <= x < n + 0.5 (local midnight at .5).
#pragma once

#include <cstdint>

namespace vespera {

struct LocalInstant {
    std::int32_t day_number;
    std::int32_t minute_of_day; // 0..1439
    double hours() const { return minute_of_day / 60.0; }
};

// Rounds to the minute first, so that 23:59:40 becomes 00:00 of the next day
// and the time shown never reads 24:00. NaN or out-of-range is an overflow.
LocalInstant split_local_instant(double local_jd);

// Universal time to the local clock: the zone offset, and one hour more when
// the local standard-time day lies in [summer_start_day, summer_end_day).
double local_clock_jd(double jd_ut, double zone_offset_hours, std::int32_t summer_start_day,
                      std::int32_t summer_end_day);

} // namespace vespera

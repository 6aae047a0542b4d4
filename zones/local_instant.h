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

} // namespace vespera

// A local civil day as a span of universal time: from its midnight to the
// next, 23 or 25 hours long across a clock change.
#pragma once

#include <cstdint>

#include "zones/zone.h"

namespace vespera {

struct LocalDay {
    double midnight_mjd_ut = 0.0;          // the day's start, MJD of UT
    double span_hours = 24.0;              // 23 or 25 across a clock change
    double offset_at_midnight_hours = 0.0; // the offset that reads the day's start
    double offset_at_end_hours = 0.0;
    bool changes_clock() const { return offset_at_midnight_hours != offset_at_end_hours; }
};

LocalDay local_day(const Zone& zone, std::int32_t day_number);

// A fixed offset over 24 hours.
LocalDay fixed_offset_day(std::int64_t day_number, double offset_hours);

// The clock reading, in hours from the day's midnight, `elapsed_hours` after
// it: an hour more or less after a clock change.
double clock_hours_of(const Zone& zone, const LocalDay& day, double elapsed_hours);

} // namespace vespera

// The sky library's day events as report texts and typed values: times on
// the place's clock, and in words what does not happen.
#pragma once

#include <string>

#include "report/typed_value.h"
#include "sky/day_event.h"
#include "zones/zone.h"

namespace vespera::report {

Event typed_event(const Zone& zone, const DayEvent& event);

// "06:27 Uhr" on the place's clock; empty for an event that does not happen.
std::string clock_time_text(const Zone& zone, double jd_ut);

// "06:27" UTC.
std::string utc_clock_text(double jd_ut);

} // namespace vespera::report

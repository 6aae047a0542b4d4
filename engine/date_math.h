// Day-number arithmetic of the engine beyond the civil calendar itself
// (ephemeris/calendar.h): the engine's year range and the weekday searches
// of the clock-change and Advent rules.
#pragma once

#include <cstdint>

#include "ephemeris/calendar.h"

namespace vespera {

inline constexpr std::int32_t kLargestYear = 27968; // years wrap beyond ±27968

// The last day with weekday `weekday` on or before `day`, looking back at
// most ten days as the clock-change and Advent rules do; 0 when none.
std::int64_t weekday_on_or_before(std::int64_t day, int weekday, int max_days_back = 10);

} // namespace vespera

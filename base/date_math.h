// Day-number arithmetic of the engine beyond the civil calendar itself
// (ephemeris/calendar.h): the engine's year range, the weekday searches of
// the clock-change and Advent rules, and the check of a date read from a file.
#pragma once

#include <cstdint>
#include <optional>

#include "ephemeris/calendar.h"

namespace vespera {

inline constexpr std::int32_t kLargestYear = 27968; // years wrap beyond ±27968

// The last day with weekday `weekday` on or before `day`, looking back at
// most ten days as the clock-change and Advent rules do; 0 when none.
std::int64_t weekday_on_or_before(std::int64_t day, int weekday, int max_days_back = 10);

// The day number of a Gregorian date of the years 1583 to 9999, as data files
// and iCalendar write them; nothing for a date that does not exist or lies
// outside those years.
std::optional<std::int64_t> gregorian_day_number(int year, int month, int day);

} // namespace vespera

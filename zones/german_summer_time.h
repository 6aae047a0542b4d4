// Summer time in Germany since its first year, 1916, by the decrees of the
// war and post-war years and the Sommerzeitverordnung from 1980 on.
#pragma once

#include <cstdint>

#include "zones/zone.h"

namespace vespera {

// Germany changes the clocks at 02:00 local standard time.
inline constexpr double kGermanChangeHour = 2.0;

// The days summer time begins and ends in `year`; none (0) in the years
// without it.
SummerTimeDays german_summer_time_days(std::int64_t year);

} // namespace vespera

// The Moon's first and last quarters whose instant falls on given local days.
#pragma once

#include <cstdint>
#include <vector>

#include "zones/zone.h"

namespace vespera {

struct QuarterDay {
    std::int32_t day_number = 0;
    int quarter = 1; // 1: first quarter, 3: last quarter
    double jd_ut = 0.0;
};

// The quarters on the local days first_day .. last_day (a month at most), in order.
std::vector<QuarterDay> moon_quarters(const Zone& zone, std::int32_t first_day, std::int32_t last_day);

} // namespace vespera

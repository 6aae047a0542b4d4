// The changes of a zone's clock within one local day.
#pragma once

#include <cstdint>
#include <vector>

#include "zones/zone.h"

namespace vespera {

// In order; none on most days. Two changes that cancel within one day go
// unseen.
std::vector<ClockChange> clock_changes_on(const Zone& zone, std::int32_t day_number);

} // namespace vespera

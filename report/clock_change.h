// The day report's clock-change row: when the clocks of the place's zone
// jump that day, from what to what, and how long the day is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "report/typed_value.h"
#include "zones/clock_changes.h"
#include "zones/local_day.h"
#include "zones/zone.h"

namespace vespera::report {

// "02:00 MEZ → 03:00 MESZ (Sommerzeit beginnt, der Tag hat 23 Stunden)",
// with the change's instant on the new clock and the day's length as values;
// nullopt on a day without a change.
struct ClockChangeRow {
    std::string text;
    TypedValue typed;
};
std::optional<ClockChangeRow> clock_change_row(const Zone& zone, std::int32_t day_number);

} // namespace vespera::report

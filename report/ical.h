// The iCalendar document (RFC 5545) of a year's named days, one all-day
// event each: what the window's export and `vespera-cli ical` write.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clsCalendar.h"

namespace vespera::report {

struct NamedDay {
    std::int64_t day_number;
    std::string name; // UTF-8
};

// The engine's holiday table in its order; the engine stays on its day.
std::vector<NamedDay> year_named_days(clsCalendar& cal);

// Lower-case umlauts become oe, ae, ue; capitals and ß stay.
std::string ical_name(std::string_view name);

// "20240503T121502Z" from seconds since 1970 (UTC).
std::string ical_stamp(std::int64_t unix_seconds);

// The whole calendar with CR LF line ends; every event carries `stamp_utc`
// in CREATED, LAST-MODIFIED and DTSTAMP.
std::string ical_document(const std::vector<NamedDay>& days, std::string_view stamp_utc);

} // namespace vespera::report

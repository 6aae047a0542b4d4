// German names of the months and weekdays, and the date texts made of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vespera {

// "Januar" .. "Dezember" for 1..12; empty otherwise.
std::string_view month_name(std::int64_t month);

// "Montag" .. "Sonntag" for 0..6 (weekday_index counts from Monday); empty otherwise.
std::string_view weekday_name(std::int64_t index);

// A date as the engine writes it: format 0 "3.5.2024", 1 "3.5.24" (the
// year's last two digits without leading zero), 2 "3. Mai 2024"; empty for
// another format.
std::string date_text(std::int64_t year, std::int64_t month, std::int64_t day, std::int32_t format);

} // namespace vespera

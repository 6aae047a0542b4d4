// The engine's rise, set and twilight values as report texts and typed
// values: "06:27 Uhr", and the marks "****" (up all day), "...." (down all
// day), "----" (no such event that day).
#pragma once

#include <cstdint>
#include <string>

#include "engine/clsCalendar.h"
#include "report/typed_value.h"

namespace vespera::report {

Event typed_event(const clsCalendar::ClockEvent& event);

// `unit` follows a time: " Uhr" in the day report, nothing in the sun table.
std::string event_text(const clsCalendar::ClockEvent& event, const char* unit);

// "08:01" + unit for a length of time in minutes.
std::string hours_minutes_text(std::int64_t minutes, const char* unit);

} // namespace vespera::report

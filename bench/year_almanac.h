// The year almanac: everything a user scrolling through one year at one place
// makes the engine compute, written once for the benchmark and for the
// command-line timer that the comparison with astronomy-engine calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/clsCalendar.h"

namespace vespera::bench {

struct AlmanacPlace {
    double longitude_deg;
    double latitude_deg;
    float zone_offset_hours; // standard time; the engine adds summer time itself
};

inline constexpr AlmanacPlace kBerlin{13.2975, 52.5222222222222, 1.0f};

// One day's rows of the day report that the almanac asks for.
struct AlmanacDay {
    std::int32_t day_of_year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::string sunrise;
    std::string sunset;
    std::string dawn;
    std::string dusk;
    std::string day_length;
    std::string culmination;
    std::string moonrise;
    std::string moonset;
    std::string moon_phase;
    double moon_distance_km = 0.0;
};

using AlmanacSink = std::function<void(const AlmanacDay&)>;

// A Gregorian engine at `place` with a fixed clock, so that no run depends on
// the time of day it was started at.
clsCalendar almanac_calendar(const AlmanacPlace& place);

// Sets the year (one rebuild of its tables: holidays, clock changes, seasons,
// full and new moons), then walks the year month by month and day by day as
// the month view does, with setMonat and setTag, which leave those tables
// alone, and hands every day's rows to `sink`. Returns the number of days.
std::int32_t year_almanac(clsCalendar& cal, std::int32_t year, const AlmanacSink& sink);

} // namespace vespera::bench

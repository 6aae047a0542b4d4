// The sky of one local day at the engine's place as numbers a chart can
// draw: the Sun's and the Moon's altitude over the day, and the length of
// every day of a year.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/clsCalendar.h"

namespace vespera::report {

struct SkyHighest {
    double altitude_deg = 0.0;
    double clock_hours = 0.0; // on the place's clock, 0..24
};

struct SkyDay {
    double start_jd_ut = 0.0; // local midnight
    double span_hours = 24.0; // 23 or 25 across a clock change
    // Instant i lies span_hours * i / (n - 1) after local midnight.
    std::vector<double> sun_altitude_deg;
    std::vector<double> moon_altitude_deg;
    SkyHighest sun_highest;
    SkyHighest moon_highest;
    // The clock reading at each whole hour after midnight (0 .. span), so
    // that a day with a clock change labels its hours as the clock shows them.
    std::vector<int> clock_hour_labels;
};

// The engine's day at `samples` instants (at least 2) from midnight to midnight.
SkyDay sky_of_day(clsCalendar& cal, int samples);

// The hours of daylight of every day of the engine's year (365 or 366),
// 1 January first: every fourth day, the longest and the shortest with their
// neighbours, and polar day and night as the day report counts them, the
// days between on a straight line (within seconds).
std::vector<double> day_lengths_of_year(clsCalendar& cal);

// The engine's year at its place and on its clock: what a year's tables of
// the sky depend on.
struct PlaceYear {
    std::int32_t year = 0;
    double longitude_deg = 0.0;
    double latitude_deg = 0.0;
    float offset_hours = 0.0f;
    std::string zone;
    bool operator==(const PlaceYear&) const = default;
};
PlaceYear place_year_of(const clsCalendar& cal);

// The day lengths of one year at one place, kept until year or place change.
class YearDayLengths {
public:
    const std::vector<double>& of(clsCalendar& cal);

private:
    bool valid_ = false;
    PlaceYear key_;
    std::vector<double> hours_;
};

} // namespace vespera::report

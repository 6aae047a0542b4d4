// "Now" at a place: an instant of the computer's clock read on the place's
// own clock, whatever zone the computer runs in.
#pragma once

#include <cstdint>

#include "zones/zone.h"

namespace vespera {

struct PlaceNow {
    std::int32_t day_number = 0;    // the place's civil date
    std::int32_t second_of_day = 0; // its clock, whole seconds 0..86399
    double jd_ut = 0.0;             // the instant
    ClockOffset offset;             // in force there
    int hour() const { return second_of_day / 3600; }
    int minute() const { return second_of_day / 60 % 60; }
    int second() const { return second_of_day % 60; }
};

// `unix_ms`: milliseconds since 1970-01-01 00:00 UT.
PlaceNow place_now(std::int64_t unix_ms, const Zone& zone);

} // namespace vespera

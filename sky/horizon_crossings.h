// Every crossing of a threshold by a smoothly varying height within a span:
// hourly samples, a sign change refined to the second by regula falsi, and a
// parabola through three samples for a brief passage between them (a body
// that barely reaches its threshold near the pole).
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "sky/day_event.h"

namespace vespera {

struct Crossing {
    double jd_ut;
    bool rising; // from below the threshold to above it
};

// `height(jd_ut)` is positive above the threshold; the crossings come in time order.
std::vector<Crossing> threshold_crossings(const std::function<double(double)>& height, double from_jd_ut,
                                          double to_jd_ut);

// The first crossing of the given direction at or after `jd_ut`, or nullptr.
const Crossing* first_after(const std::vector<Crossing>& crossings, double jd_ut, bool rising);
// The last crossing of the given direction at or before `jd_ut`, or nullptr.
const Crossing* last_before(const std::vector<Crossing>& crossings, double jd_ut, bool rising);

// The first crossing of the given direction within [start_jd_ut, end_jd_ut),
// or why there is none: NotThisDay when the other direction happens there,
// else AlwaysAbove or AlwaysBelow after the height at the start.
DayEvent crossing_on_day(const std::vector<Crossing>& crossings, bool rising, double start_jd_ut, double end_jd_ut,
                         bool above_at_start);

} // namespace vespera

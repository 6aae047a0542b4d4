// Every crossing of a threshold by a smoothly varying height within a span:
// hourly samples, a sign change refined to the second by regula falsi, and a
// parabola through three samples for a brief passage between them (a body
// that barely reaches its threshold near the pole).
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

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

} // namespace vespera

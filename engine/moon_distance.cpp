// The Moon's distance for the engine's day.
#include <cmath>

#include "engine/clsCalendar.h"
#include "ephemeris/moon.h"
#include "ephemeris/time_scales.h"

// Noon of the civil day: the day alone decides, never the clock.
double clsCalendar::MondEntfernung() {
    return guarded("MondEntfernung", 0.0, [&] {
        const double distance_km = vespera::moon_geocentric(vespera::jde_of(static_cast<double>(f_.JD))).distance_km;
        return static_cast<double>(vespera::round_to_long(distance_km));
    });
}

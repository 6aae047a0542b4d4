// The planets of one day at one place: rise, culmination and set, magnitude,
// elongation, constellation, and whether and when the planet can be seen in
// the dark (the Sun's centre 12 degrees or more below the horizon, geometric:
// the end and the start of nautical twilight). Instants are UT Julian Days.
#pragma once

#include <array>
#include <cstddef>

#include "ephemeris/constellation_table.h"
#include "ephemeris/planets.h"
#include "sky/day_event.h"
#include "sky/twilights.h"

namespace vespera {

// A planet rises and sets at an altitude of its centre of -0.5667 degrees:
// standard refraction at the horizon for a point source (Meeus ch. 15).
inline constexpr double kPlanetRiseAltitude_deg = -0.5667;

enum class VisibilityKind {
    AllNight,      // up at the end of evening twilight and at the start of morning twilight
    EveningSky,    // up after evening twilight, `until` it sets
    MorningSky,    // up before morning twilight, `from` its rise
    InTheNight,    // rises and sets in the dark (or in polar night), `from` .. `until`
    TooCloseToSun, // above the horizon by day only
    NeverUp,       // does not rise at all
    NoDarkNight,   // the Sun stays above -12 degrees: no dark sky to judge in
};

struct Visibility {
    VisibilityKind kind = VisibilityKind::TooCloseToSun;
    double from_jd_ut = 0.0;  // MorningSky, InTheNight
    double until_jd_ut = 0.0; // EveningSky, InTheNight
};

struct PlanetDay {
    Planet planet = Planet::Mercury;
    DayEvent rise;
    DayEvent culmination; // upper transit, above or below the horizon
    DayEvent set;
    double culmination_altitude_deg = 0.0;
    // At the middle of the day:
    double magnitude = 0.0;
    double elongation_deg = 0.0;
    bool east_of_sun = false; // larger ecliptic longitude: the evening side
    std::size_t constellation = kConstellations.size(); // index into kConstellations; the size for none
    Visibility visibility;
};

struct PlanetsOfDay {
    DayEvent dawn; // start of morning nautical twilight (the Sun rising through -12 degrees)
    DayEvent dusk; // end of evening nautical twilight
    std::array<PlanetDay, kPlanets.size()> planets;
};

// The day is the span [start_jd_ut, end_jd_ut) of a local civil day (23, 24
// or 25 hours); longitude east and latitude north positive, degrees.
PlanetsOfDay planets_of_day(double start_jd_ut, double end_jd_ut, double longitude_deg, double latitude_deg);

} // namespace vespera

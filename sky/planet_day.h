// The planets of one day at one place: rise, culmination and set, magnitude,
// elongation, constellation, and whether and when the planet can be seen in
// the dark (the Sun's centre 12 degrees or more below the horizon, geometric:
// between the end and the start of nautical twilight). Instants are UT
// Julian Days.
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

// Within this many degrees of the Sun a planet is below the horizon
// whenever the Sun's centre is 18 degrees down (astronomical night), at any
// place: the Sun on the horizon's other side is at least 18 - 0.57 degrees
// away. Such a planet could only show in twilight, so the Sun's nearness is
// what hides it; farther out, a planet below the horizon all through the
// dark hours is hidden by where it stands, not by the Sun.
inline constexpr double kTooCloseToSun_deg = -kAstronomicalTwilightAltitude_deg + kPlanetRiseAltitude_deg;

// Judged over the dark hours (the Sun's centre below -12 degrees): the night
// that ends at the day's dawn for the morning, the night that begins at its
// dusk for the evening; in polar night, over the local day.
enum class VisibilityKind {
    AllNight,         // up all through the dark hours
    EveningSky,       // up when it gets dark, `until` it sets in the dark's first half
    EveningIntoNight, // up when it gets dark, `until` it sets in the dark's second half
    MorningSky,       // rises in the dark's second half, `from`, and is up when it gets light
    NightIntoMorning, // rises in the dark's first half, `from`, and is up when it gets light
    InTheNight,       // rises and sets in the dark, `from` .. `until`
    EveningAndMorning, // sets in the dark, `until`, and rises again before it gets light, `from`
    TooCloseToSun,    // below the horizon all through the dark hours, closer than kTooCloseToSun_deg
    DownInTheDark,    // below the horizon all through the dark hours, farther from the Sun
    NeverUp,          // does not rise at all
    NoDarkNight,      // the Sun stays above -12 degrees: no dark sky to judge in
    NotComputed,      // no sound day or place was given: nothing is claimed
};

struct Visibility {
    VisibilityKind kind = VisibilityKind::NotComputed;
    double from_jd_ut = 0.0;  // MorningSky, NightIntoMorning, InTheNight, EveningAndMorning
    double until_jd_ut = 0.0; // EveningSky, EveningIntoNight, InTheNight, EveningAndMorning
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

// The sky events of a span (a year): conjunctions and oppositions of the
// planets with the Sun, greatest elongations of Mercury and Venus, the
// Moon's perigees and apogees, the Earth's perihelion and aphelion, close
// conjunctions of the Moon with a bright planet and of two planets, and the
// maxima of the major meteor showers. Conjunctions and oppositions are
// geocentric, in apparent ecliptic longitude of date.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "ephemeris/planets.h"

namespace vespera {

enum class Body { Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Moon, Earth, None };

constexpr Body body_of(Planet planet) { return static_cast<Body>(static_cast<int>(planet)); }
std::string_view german_name(Body body); // "Merkur" ... "Neptun", "Mond", "Erde"

enum class SkyEventKind {
    Conjunction,            // of an outer planet with the Sun
    InferiorConjunction,    // Mercury or Venus between the Earth and the Sun
    SuperiorConjunction,    // Mercury or Venus beyond the Sun
    Opposition,
    GreatestElongationEast, // evening side
    GreatestElongationWest, // morning side
    Perigee,
    Apogee,
    Perihelion,
    Aphelion,
    CloseApproach,          // Moon and a bright planet within 3 deg, two planets within 1 deg
    MeteorShower,
};
// konjunktion, untere_konjunktion ... meteorstrom: the ids of the lists.
std::string_view event_id(SkyEventKind kind);

enum class ValueUnit { None, Degrees, Kilometres, AstronomicalUnits };

inline constexpr double kMoonPlanetApproach_deg = 3.0;
inline constexpr double kPlanetPairApproach_deg = 1.0;
// A full moon whose instant lies within a day of perigee makes it a
// "Supermond" (the perigee and the full moon of Meeus chs. 47 and 49).
inline constexpr double kSupermoonWindow_days = 1.0;

struct SkyEvent {
    double jd_ut = 0.0;
    SkyEventKind kind = SkyEventKind::Conjunction;
    Body body = Body::None;
    Body other = Body::None;  // CloseApproach: the second body (a planet)
    double value = 0.0;       // elongation or separation (deg), distance (km, AU), solar longitude (deg)
    ValueUnit unit = ValueUnit::None;
    bool supermoon = false;   // Perigee
    double full_moon_jd_ut = 0.0;
    std::size_t shower = 0;   // MeteorShower: index into kMeteorShowers
    double moon_illuminated_fraction = 0.0; // MeteorShower: the Moon at the maximum
    bool moon_waxing = false;
};

struct SkyEventList {
    std::vector<SkyEvent> events; // in time order
    // The meteor list covers only some years (sky/meteor_showers.h): false
    // when the span reaches beyond them and showers are missing for that reason.
    bool meteor_showers_complete = true;
};

// Events with from_jd_ut <= jd_ut < to_jd_ut; a span longer than about a
// year and a half, or not finite, gives no events.
SkyEventList sky_events(double from_jd_ut, double to_jd_ut);

} // namespace vespera

// The planets from the Earth's centre: heliocentric places from the abridged
// VSOP87 (Meeus, Astronomical Algorithms, 2nd ed., Appendix III) and the
// apparent geocentric place of Meeus ch. 33 (light time, the FK5 frame,
// aberration by 23.2, nutation), with elongation, phase angle and magnitude.
#pragma once

#include <array>
#include <cstddef>

#include "ephemeris/ecliptic_vector.h"

namespace vespera {

enum class Planet { Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };

inline constexpr std::array<Planet, 7> kPlanets = {Planet::Mercury, Planet::Venus,  Planet::Mars,   Planet::Jupiter,
                                                   Planet::Saturn,  Planet::Uranus, Planet::Neptune};

// The years the series serve: VSOP87 keeps Mercury to Mars within 1" for
// 4000 years either side of J2000 (Bretagnon & Francou, A&A 202, 1988, 309);
// outside them no planet is shown.
inline constexpr int kPlanetSeriesFirstYear = -2000;
inline constexpr int kPlanetSeriesLastYear = 6000;
constexpr bool planets_cover_year(long long year) {
    return year >= kPlanetSeriesFirstYear && year <= kPlanetSeriesLastYear;
}

constexpr std::size_t index_of(Planet planet) { return static_cast<std::size_t>(planet); }
constexpr bool is_inferior(Planet planet) { return planet == Planet::Mercury || planet == Planet::Venus; }


EclipticVector planet_heliocentric(Planet planet, double jde);
EclipticVector earth_heliocentric_vector(double jde);

// A planet seen from the Earth's centre at one dynamical instant.
struct PlanetPlace {
    double longitude_deg;          // apparent, true equinox of date, [0, 360)
    double latitude_deg;
    double right_ascension_deg;    // apparent, [0, 360)
    double declination_deg;
    double mean_right_ascension_deg; // light time and FK5 only, mean equinox of date
    double mean_declination_deg;     // (the place that constellation boundaries take)
    double distance_au;            // from the Earth, when the light left the planet
    double sun_distance_au;        // of the planet, at that moment
    double elongation_deg;         // from the apparent Sun, [0, 180]
    double sun_longitude_deg;      // the Sun's apparent place, true equinox of date
    double sun_right_ascension_deg;
    double sun_declination_deg;
    double phase_angle_deg;        // Sun - planet - Earth, [0, 180]
    double magnitude;              // visual
    double nutation_longitude_deg; // for the apparent sidereal time
    double true_obliquity_deg;
};

// Full place from the series (Meeus ch. 33, the light time iterated).
PlanetPlace planet_place(Planet planet, double jde);

// The same place from given heliocentric vectors: the Earth's at `jde`, and
// the planet's at the moment its light left it (`planet_at_emission`, found
// by the caller for the light time `light_time_days`). Serves interpolated
// vectors in searches over many instants.
PlanetPlace planet_place_from(Planet planet, double jde, const EclipticVector& earth,
                              const EclipticVector& planet_at_emission);

// The light time from the planet to the Earth, Meeus 33.3, for vectors at
// one instant (planet heliocentric, Earth heliocentric).
double light_time_days(const EclipticVector& planet, const EclipticVector& earth);

} // namespace vespera

// Visual magnitudes of the planets: A. Mallama & J. L. Hilton, Computing
// apparent planetary magnitudes for The Astronomical Almanac, Astronomy and
// Computing 25 (2018) 10-24 (arXiv:1808.01973), the geocentric formulas.
// Chosen over Meeus ch. 41 (the 1984 Almanac's) because they are the
// Almanac's current ones, fitted to modern photometry over the whole phase
// range of Mercury and Venus, and include Saturn's rings by their tilt.
// Mars leaves out the paper's tables for its rotation and season (up to
// about 0.06 magnitude).
#pragma once

#include "ephemeris/planets.h"

namespace vespera {

struct MagnitudeGeometry {
    double sun_distance_au;       // r
    double earth_distance_au;     // delta
    double phase_angle_deg;       // Sun - planet - Earth
    double sun_sublatitude_deg;   // planetocentric latitude of the Sun (Saturn, Uranus)
    double earth_sublatitude_deg; // and of the Earth
    double year;                  // Neptune brightened from 1980 to 2000
};

double planet_magnitude(Planet planet, const MagnitudeGeometry& geometry);

// The geometry from heliocentric vectors (ecliptic of date): the planet's at
// the moment its light left it, the Earth's when it arrived.
MagnitudeGeometry magnitude_geometry(Planet planet, const EclipticVector& planet_at_emission,
                                     const EclipticVector& earth, double centuries_tt);

} // namespace vespera

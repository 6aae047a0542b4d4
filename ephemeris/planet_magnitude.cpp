#include "ephemeris/planet_magnitude.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/nutation.h"
#include "ephemeris/polynomial.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

// Saturn's ring plane (its equator) on the ecliptic and mean equinox of
// date: Meeus, Astronomical Algorithms, ch. 45, inclination i and node.
EclipticVector saturn_pole(double T) {
    const double i_deg = 28.075216 - 0.012998 * T + 0.000004 * T * T;
    const double node_deg = 169.508470 + 1.394681 * T + 0.000412 * T * T;
    return {sin_deg(i_deg) * sin_deg(node_deg), -sin_deg(i_deg) * cos_deg(node_deg), cos_deg(i_deg)};
}

// Uranus's north pole, IAU WGCCRE 2015 (Archinal et al. 2018): 257.311 deg,
// -15.175 deg on the J2000 equator, carried to the ecliptic of date by the
// general precession in longitude (Meeus ch. 21, 5029.0966" a century); its
// own motion is far below what the magnitude shows.
EclipticVector uranus_pole(double T) {
    const Ecliptic pole = ecliptic_of_equatorial(257.311, -15.175, mean_obliquity_deg(0.0));
    return vector_of_spherical(pole.longitude_deg + 5029.0966 * kDegPerArcsec * T, pole.latitude_deg, 1.0);
}

// Latitude of a direction over a planet's equator, degrees.
double sublatitude_deg(const EclipticVector& pole, const EclipticVector& direction) {
    return 90.0 - angle_between_deg(pole, direction);
}

} // namespace

MagnitudeGeometry magnitude_geometry(Planet planet, const EclipticVector& planet_at_emission,
                                     const EclipticVector& earth, double centuries_tt) {
    const EclipticVector to_sun{-planet_at_emission.x_au, -planet_at_emission.y_au, -planet_at_emission.z_au};
    const EclipticVector to_earth = earth - planet_at_emission;
    MagnitudeGeometry g{};
    g.sun_distance_au = length(planet_at_emission);
    g.earth_distance_au = length(to_earth);
    g.phase_angle_deg = angle_between_deg(to_sun, to_earth);
    g.year = 2000.0 + centuries_tt * 100.0;
    if (planet == Planet::Saturn || planet == Planet::Uranus) {
        const EclipticVector pole = planet == Planet::Saturn ? saturn_pole(centuries_tt) : uranus_pole(centuries_tt);
        g.sun_sublatitude_deg = sublatitude_deg(pole, to_sun);
        g.earth_sublatitude_deg = sublatitude_deg(pole, to_earth);
    }
    return g;
}

double planet_magnitude(Planet planet, const MagnitudeGeometry& g) {
    if (!(g.sun_distance_au > 0.0) || !(g.earth_distance_au > 0.0)) return std::numeric_limits<double>::quiet_NaN();
    const double distance = 5.0 * std::log10(g.sun_distance_au * g.earth_distance_au);
    const double a = g.phase_angle_deg;
    switch (planet) {
    case Planet::Mercury:
        return distance + polynomial(a, {-0.613, 6.3280e-02, -1.6336e-03, 3.3644e-05, -3.4265e-07, 1.6893e-09,
                                         -3.0334e-12});
    case Planet::Venus:
        // The paper's second fit covers the thin crescent near inferior conjunction.
        if (a < 163.7) return distance + polynomial(a, {-4.384, -1.044e-03, 3.687e-04, -2.814e-06, 8.938e-09});
        return distance + polynomial(a, {236.05828, -2.81914, 8.39034e-03});
    case Planet::Mars:
        if (a <= 50.0) return distance + polynomial(a, {-1.601, 2.267e-02, -1.302e-04});
        return distance + polynomial(a, {-0.367, -0.02573, 3.445e-04});
    case Planet::Jupiter:
        if (a <= 12.0) return distance + polynomial(a, {-9.395, -3.7e-04, 6.16e-04});
        return distance - 9.428 - 2.5 * std::log10(polynomial(a / 180.0, {1.0, -1.507, -0.363, -0.062, 2.809, -1.876}));
    case Planet::Saturn: {
        // The rings count by the geometric mean of the two tilts, none when
        // Sun and Earth see opposite faces; the fit holds to 27 degrees, the
        // rings' widest opening.
        const double product = g.sun_sublatitude_deg * g.earth_sublatitude_deg;
        const double tilt_deg = product > 0.0 ? std::min(std::sqrt(product), 27.0) : 0.0;
        if (a <= 6.5) {
            const double s = sin_deg(tilt_deg);
            return distance - 8.914 - 1.825 * s + 0.026 * a - 0.378 * s * std::exp(-2.25 * a);
        }
        // Beyond the Earth's phase angles only the globe has a fit.
        return distance + polynomial(a, {-8.94, 2.446e-4, 2.672e-4, -1.506e-6, 4.767e-9});
    }
    case Planet::Uranus: {
        const double latitude_deg = (std::fabs(g.sun_sublatitude_deg) + std::fabs(g.earth_sublatitude_deg)) / 2.0;
        const double phase = a > 3.1 ? (1.045e-4 * a + 6.587e-3) * a : 0.0;
        return distance - 7.110 - 0.00084 * latitude_deg + phase;
    }
    case Planet::Neptune: {
        const double at_unit_distance = std::clamp(-6.89 - 0.0054 * (g.year - 1980.0), -7.00, -6.89);
        const double phase = a > 1.9 ? 7.944e-3 * a + 9.617e-5 * a * a : 0.0;
        return distance + at_unit_distance + phase;
    }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace vespera

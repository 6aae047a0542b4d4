#include "ephemeris/planets.h"

#include <cmath>
#include <span>

#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/nutation.h"
#include "ephemeris/planet_magnitude.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"
#include "ephemeris/vsop87.h"
#include "ephemeris/vsop87_jupiter.h"
#include "ephemeris/vsop87_mars.h"
#include "ephemeris/vsop87_mercury.h"
#include "ephemeris/vsop87_neptune.h"
#include "ephemeris/vsop87_saturn.h"
#include "ephemeris/vsop87_uranus.h"
#include "ephemeris/vsop87_venus.h"

namespace vespera {
namespace {

using SeriesSet = std::span<const std::span<const vsop87::Term>>;

struct PlanetSeries {
    SeriesSet longitude;
    SeriesSet latitude;
    SeriesSet radius;
};

PlanetSeries series_of(Planet planet) {
    switch (planet) {
    case Planet::Mercury: return {vsop87::mercury::kLongitude, vsop87::mercury::kLatitude, vsop87::mercury::kRadius};
    case Planet::Venus: return {vsop87::venus::kLongitude, vsop87::venus::kLatitude, vsop87::venus::kRadius};
    case Planet::Mars: return {vsop87::mars::kLongitude, vsop87::mars::kLatitude, vsop87::mars::kRadius};
    case Planet::Jupiter: return {vsop87::jupiter::kLongitude, vsop87::jupiter::kLatitude, vsop87::jupiter::kRadius};
    case Planet::Saturn: return {vsop87::saturn::kLongitude, vsop87::saturn::kLatitude, vsop87::saturn::kRadius};
    case Planet::Uranus: return {vsop87::uranus::kLongitude, vsop87::uranus::kLatitude, vsop87::uranus::kRadius};
    case Planet::Neptune: return {vsop87::neptune::kLongitude, vsop87::neptune::kLatitude, vsop87::neptune::kRadius};
    }
    return {};
}

EclipticVector vector_of_radians(double longitude_rad, double latitude_rad, double radius_au) {
    const double c = std::cos(latitude_rad);
    return {radius_au * c * std::cos(longitude_rad), radius_au * c * std::sin(longitude_rad),
            radius_au * std::sin(latitude_rad)};
}

struct Spherical {
    double longitude_deg;
    double latitude_deg;
};

Spherical spherical_of(const EclipticVector& v) {
    return {reduce_degrees(std::atan2(v.y_au, v.x_au) / kRadPerDeg),
            std::atan2(v.z_au, std::hypot(v.x_au, v.y_au)) / kRadPerDeg};
}

// Aberration in ecliptic coordinates, Meeus 23.2: the Earth's orbital
// velocity from the Sun's true longitude and the orbit's eccentricity and
// perihelion (Meeus 23.3-23.4 and 25.4).
Spherical aberration(const Spherical& place, double sun_true_longitude_deg, double T) {
    constexpr double kConstantOfAberration_deg = 20.49552 * kDegPerArcsec;
    const double e = 0.016708634 - 0.000042037 * T - 0.0000001267 * T * T;
    const double perihelion_deg = 102.93735 + 1.71946 * T + 0.00046 * T * T;
    const double from_sun = sun_true_longitude_deg - place.longitude_deg;
    const double from_perihelion = perihelion_deg - place.longitude_deg;
    const double k = kConstantOfAberration_deg;
    return {(-k * cos_deg(from_sun) + e * k * cos_deg(from_perihelion)) / cos_deg(place.latitude_deg),
            -k * sin_deg(place.latitude_deg) * (sin_deg(from_sun) - e * sin_deg(from_perihelion))};
}

} // namespace

EclipticVector planet_heliocentric(Planet planet, double jde) {
    const PlanetSeries s = series_of(planet);
    const double tau = vsop87::millennia_from_j2000(jde);
    return vector_of_radians(vsop87::series_value(s.longitude, tau), vsop87::series_value(s.latitude, tau),
                             vsop87::series_value(s.radius, tau));
}

EclipticVector earth_heliocentric_vector(double jde) {
    const EarthPosition e = earth_heliocentric(jde);
    return vector_of_radians(e.longitude_rad, e.latitude_rad, e.radius_au);
}

double light_time_days(const EclipticVector& planet, const EclipticVector& earth) {
    return kLightTime_days_per_au * length(planet - earth);
}

PlanetPlace planet_place(Planet planet, double jde) {
    const EclipticVector earth = earth_heliocentric_vector(jde);
    // Meeus ch. 33: the planet where it was when its light left it; three
    // rounds bring the light time to well under a millisecond.
    EclipticVector emitted = planet_heliocentric(planet, jde);
    for (int round = 0; round < 3; ++round) {
        emitted = planet_heliocentric(planet, jde - light_time_days(emitted, earth));
    }
    return planet_place_from(planet, jde, earth, emitted);
}

PlanetPlace planet_place_from(Planet planet, double jde, const EclipticVector& earth,
                              const EclipticVector& planet_at_emission) {
    const double T = centuries_since_j2000(jde);
    const EclipticVector geocentric = planet_at_emission - earth;
    Spherical geometric = spherical_of(geocentric);
    vsop87::to_fk5(geometric.longitude_deg, geometric.latitude_deg, T);

    // The Sun's true place, the Earth's heliocentric one turned round.
    const EclipticVector sun_vector{-earth.x_au, -earth.y_au, -earth.z_au};
    Spherical sun = spherical_of(sun_vector);
    vsop87::to_fk5(sun.longitude_deg, sun.latitude_deg, T);

    const Nutation n = nutation(T);
    const double mean_obliquity = mean_obliquity_deg(T);
    const double true_obliquity = mean_obliquity + n.obliquity_deg;

    PlanetPlace p{};
    const Equatorial mean_place =
        equatorial_of_ecliptic(geometric.longitude_deg, geometric.latitude_deg, mean_obliquity);
    p.mean_right_ascension_deg = mean_place.right_ascension_deg;
    p.mean_declination_deg = mean_place.declination_deg;

    const Spherical shift = aberration(geometric, sun.longitude_deg, T);
    const Spherical sun_shift = aberration(sun, sun.longitude_deg, T);
    const double latitude_deg = geometric.latitude_deg + shift.latitude_deg;
    const double sun_latitude_deg = sun.latitude_deg + sun_shift.latitude_deg;
    p.longitude_deg = reduce_degrees(geometric.longitude_deg + shift.longitude_deg + n.longitude_deg);
    p.latitude_deg = latitude_deg;
    p.sun_longitude_deg = reduce_degrees(sun.longitude_deg + sun_shift.longitude_deg + n.longitude_deg);
    const Equatorial apparent = equatorial_of_ecliptic(p.longitude_deg, p.latitude_deg, true_obliquity);
    p.right_ascension_deg = apparent.right_ascension_deg;
    p.declination_deg = apparent.declination_deg;
    const Equatorial sun_apparent = equatorial_of_ecliptic(p.sun_longitude_deg, sun_latitude_deg, true_obliquity);
    p.sun_right_ascension_deg = sun_apparent.right_ascension_deg;
    p.sun_declination_deg = sun_apparent.declination_deg;
    // Two directions on the ecliptic sphere: the separation works in any
    // spherical frame.
    p.elongation_deg = angular_separation_deg(p.longitude_deg, p.latitude_deg, p.sun_longitude_deg, sun_latitude_deg);

    const MagnitudeGeometry g = magnitude_geometry(planet, planet_at_emission, earth, T);
    p.distance_au = g.earth_distance_au;
    p.sun_distance_au = g.sun_distance_au;
    p.phase_angle_deg = g.phase_angle_deg;
    p.magnitude = planet_magnitude(planet, g);
    p.nutation_longitude_deg = n.longitude_deg;
    p.true_obliquity_deg = true_obliquity;
    return p;
}

} // namespace vespera

#include "ephemeris/coordinates.h"

#include <cmath>
#include <limits>

#include "ephemeris/moon.h"

namespace vespera {
namespace {

constexpr double kEarthFlattening = 1.0 / 298.257; // IAU 1976
constexpr double kEarthAxisRatio = 1.0 - kEarthFlattening;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double degrees_of(double angle_rad) { return angle_rad / kRadPerDeg; }

struct SinCos {
    double s;
    double c;
};

// Sine and cosine of an angle in degrees, first brought exactly to within 45
// degrees of a quarter turn: cos 90 is 0, and an angle near a pole or a
// whole turn loses nothing to the rounding of x * pi / 180.
SinCos sin_cos_deg(double x_deg) {
    if (!std::isfinite(x_deg)) return {kNaN, kNaN};
    const double r = std::remainder(x_deg, 360.0);   // exact, -180 <= r <= 180
    const double quarter = std::round(r / 90.0);     // -2 .. 2
    const double rest_rad = (r - 90.0 * quarter) * kRadPerDeg; // the subtraction is exact
    const double s = std::sin(rest_rad);
    const double c = std::cos(rest_rad);
    switch (static_cast<int>(quarter)) {
    case 1: return {c, -s};
    case -1: return {-c, s};
    case 2:
    case -2: return {-s, -c};
    default: return {s, c};
    }
}

// Direction of a vector's components as longitude-like and latitude-like angles.
double longitude_of(double y, double x) { return reduce_degrees(degrees_of(std::atan2(y, x))); }
double latitude_of(double z, double x, double y) { return degrees_of(std::atan2(z, std::hypot(x, y))); }

} // namespace

Equatorial equatorial_of_ecliptic(double longitude_deg, double latitude_deg, double obliquity_deg) {
    const SinCos beta = sin_cos_deg(latitude_deg);
    const SinCos lambda = sin_cos_deg(longitude_deg);
    const SinCos eps = sin_cos_deg(obliquity_deg);
    const double x = beta.c * lambda.c;
    const double y_ecl = beta.c * lambda.s;
    const double y = y_ecl * eps.c - beta.s * eps.s;
    const double z = y_ecl * eps.s + beta.s * eps.c;
    return {longitude_of(y, x), latitude_of(z, x, y)};
}

Ecliptic ecliptic_of_equatorial(double right_ascension_deg, double declination_deg, double obliquity_deg) {
    const SinCos delta = sin_cos_deg(declination_deg);
    const SinCos alpha = sin_cos_deg(right_ascension_deg);
    const SinCos eps = sin_cos_deg(obliquity_deg);
    const double x = delta.c * alpha.c;
    const double y_equ = delta.c * alpha.s;
    const double y = y_equ * eps.c + delta.s * eps.s;
    const double z = delta.s * eps.c - y_equ * eps.s;
    return {longitude_of(y, x), latitude_of(z, x, y)};
}

ObserverGeocentric observer_geocentric(double latitude_deg, double height_m) {
    const SinCos phi = sin_cos_deg(latitude_deg);
    // u is the reduced latitude, the angle of the point on the ellipse itself.
    const double u_rad = std::atan2(kEarthAxisRatio * phi.s, phi.c);
    const double height_radii = height_m / (kEarthEquatorialRadius_km * 1000.0);
    return {kEarthAxisRatio * std::sin(u_rad) + height_radii * phi.s, std::cos(u_rad) + height_radii * phi.c};
}

TopocentricEquatorial topocentric_equatorial(double right_ascension_deg, double declination_deg, double distance_km,
                                             double hour_angle_deg, ObserverGeocentric observer) {
    if (!(distance_km > 0.0)) return {kNaN, kNaN, kNaN};
    const double sin_parallax = kEarthEquatorialRadius_km / distance_km;
    const SinCos delta = sin_cos_deg(declination_deg);
    const SinCos h = sin_cos_deg(hour_angle_deg);
    // The object at unit geocentric distance, less the observer, in the frame
    // of the hour circle: `along` is the denominator of 40.2 and 40.3,
    // `across` minus the numerator of 40.2.
    const double along = delta.c - observer.rho_cos_phi * sin_parallax * h.c;
    const double across = observer.rho_cos_phi * sin_parallax * h.s;
    const double up = delta.s - observer.rho_sin_phi * sin_parallax;
    const double delta_alpha_rad = std::atan2(-across, along);
    // 40.3 divides by along / cos(delta alpha), which is hypot(along, across)
    // with the sign kept right even when the object is inside the parallax.
    const double horizontal = std::hypot(along, across);
    TopocentricEquatorial topocentric{};
    topocentric.right_ascension_deg = reduce_degrees(right_ascension_deg + degrees_of(delta_alpha_rad));
    topocentric.declination_deg = degrees_of(std::atan2(up, horizontal));
    topocentric.distance_km = distance_km * std::hypot(horizontal, up);
    return topocentric;
}

namespace {

// Unit vector towards the object in the horizon frame: south, west, zenith.
struct HorizonVector {
    double south;
    double west;
    double up;
};

HorizonVector horizon_vector(double hour_angle_deg, double declination_deg, double latitude_deg) {
    const SinCos delta = sin_cos_deg(declination_deg);
    const SinCos phi = sin_cos_deg(latitude_deg);
    const SinCos h = sin_cos_deg(hour_angle_deg);
    return {delta.c * h.c * phi.s - delta.s * phi.c, delta.c * h.s, phi.s * delta.s + phi.c * delta.c * h.c};
}

} // namespace

double altitude_deg(double hour_angle_deg, double declination_deg, double latitude_deg) {
    const HorizonVector v = horizon_vector(hour_angle_deg, declination_deg, latitude_deg);
    return latitude_of(v.up, v.south, v.west);
}

double azimuth_from_north_deg(double hour_angle_deg, double declination_deg, double latitude_deg) {
    const HorizonVector v = horizon_vector(hour_angle_deg, declination_deg, latitude_deg);
    // North is minus south and east minus west.
    return longitude_of(-v.west, -v.south);
}

double angular_separation_deg(double right_ascension1_deg, double declination1_deg, double right_ascension2_deg,
                              double declination2_deg) {
    const double delta_alpha_deg = right_ascension2_deg - right_ascension1_deg;
    const SinCos delta1 = sin_cos_deg(declination1_deg);
    const SinCos delta2 = sin_cos_deg(declination2_deg);
    const SinCos difference = sin_cos_deg(declination2_deg - declination1_deg);
    // 1 - cos(delta alpha), from the half angle so that small ones survive.
    const double half_sine = sin_cos_deg(std::remainder(delta_alpha_deg, 360.0) / 2.0).s;
    const double versine = 2.0 * half_sine * half_sine;
    // Components of the second direction across and along the first:
    // cos d1 sin d2 - sin d1 cos d2 cos da, and cos d2 sin da, and the dot
    // product sin d1 sin d2 + cos d1 cos d2 cos da, each without cancellation.
    const double north = difference.s + delta1.s * delta2.c * versine;
    const double east = delta2.c * sin_cos_deg(delta_alpha_deg).s;
    const double along = difference.c - delta1.c * delta2.c * versine;
    return degrees_of(std::atan2(std::hypot(north, east), along));
}

} // namespace vespera

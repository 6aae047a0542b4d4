#include "ephemeris/low_precision_hourly.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"

namespace vespera {

// The Sun's true longitude from its mean elements and the equation of centre
// (Meeus, Astronomical Algorithms, 1st ed., ch. 24, low accuracy), without nutation
// and aberration; t in Julian centuries from J2000.0.
EquatorialPlace mini_sun(double t) {
    const double mean_longitude = reduce_degrees(280.46645 + 36000.76983 * t + 0.0003032 * t * t);
    const double mean_anomaly = reduce_degrees(357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t);
    const double centre = (1.9146 - 0.004817 * t - 0.000014 * t * t) * sin_deg(mean_anomaly) +
                          (0.019993 - 0.000101 * t) * sin_deg(2.0 * mean_anomaly) +
                          0.00029 * sin_deg(3.0 * mean_anomaly);
    const double lambda = reduce_degrees(mean_longitude + reduce_degrees(centre));
    const double epsilon = mean_obliquity_deg(t);
    const double sin_lambda = sin_deg(lambda);
    const double x = cos_deg(lambda);
    const double y = cos_deg(epsilon) * sin_lambda;
    const double z = sin_deg(epsilon) * sin_lambda;
    EquatorialPlace position;
    position.dec_deg = std::atan2(z, std::sqrt(1.0 - z * z)) / kRadPerDeg;
    position.ra_hours = reduce_degrees(std::atan2(y, x) / kRadPerDeg) / 15.0;
    return position;
}

// The Moon from its mean orbital elements with the largest perturbations
// (P. Schlyter, "How to compute planetary positions"); geocentric, days
// counted from 2000 January 0.0.
EquatorialPlace mini_moon(double t) {
    const double d = t * 36525.0 + 2451545.0 - 2451543.5;
    const double node = reduce_degrees(125.1228 - 0.0529538083 * d);
    constexpr double inclination = 5.1454;
    const double perigee = reduce_degrees(318.0634 + 0.1643573223 * d);
    constexpr double semi_axis = 60.2666; // Earth radii
    constexpr double e = 0.0549;
    const double mean_anomaly = reduce_degrees(115.3654 + 13.0649929509 * d);

    constexpr double deg_per_rad = 1.0 / kRadPerDeg;
    const double sin_mean_anomaly = sin_deg(mean_anomaly);
    double ecc = mean_anomaly + deg_per_rad * e * sin_mean_anomaly * (1.0 + e * cos_deg(mean_anomaly));
    for (int step = 0; step < 2; ++step) {
        ecc -= (ecc - deg_per_rad * e * sin_deg(ecc) - mean_anomaly) / (1.0 - e * cos_deg(ecc));
    }
    const double xv = semi_axis * (cos_deg(ecc) - e);
    const double yv = semi_axis * std::sqrt(0.99698599) * sin_deg(ecc);
    const double true_anomaly = reduce_degrees(std::atan2(yv, xv) * deg_per_rad);
    double distance = std::sqrt(xv * xv + yv * yv);

    const double arg = true_anomaly + perigee;
    const double cos_node = cos_deg(node);
    const double sin_node = sin_deg(node);
    const double cos_arg = cos_deg(arg);
    const double sin_arg = sin_deg(arg);
    const double cos_incl = cos_deg(inclination);
    const double xh = distance * (cos_node * cos_arg - sin_node * sin_arg * cos_incl);
    const double yh = distance * (sin_node * cos_arg + cos_node * sin_arg * cos_incl);
    const double zh = distance * sin_arg * sin_deg(inclination);
    double longitude = reduce_degrees(std::atan2(yh, xh) * deg_per_rad);
    double latitude = std::atan2(zh, std::sqrt(xh * xh + yh * yh)) * deg_per_rad;

    const double sun_anomaly = 356.047 + 0.9856002585 * d;
    const double sun_perigee = 282.9404 + 0.0000470935 * d;
    const double sun_longitude = sun_anomaly + sun_perigee;
    const double moon_longitude = node + perigee + mean_anomaly;
    const double D = moon_longitude - sun_longitude;
    const double F = moon_longitude - node;
    const double M = mean_anomaly;
    const double Ms = sun_anomaly;

    longitude += -1.274 * sin_deg(M - 2.0 * D) + 0.658 * sin_deg(2.0 * D) - 0.186 * sin_deg(Ms) -
                 0.059 * sin_deg(2.0 * M - 2.0 * D) - 0.057 * sin_deg(M - 2.0 * D + Ms) +
                 0.053 * sin_deg(M + 2.0 * D) + 0.046 * sin_deg(2.0 * D - Ms) + 0.041 * sin_deg(M - Ms) -
                 0.035 * sin_deg(D) - 0.031 * sin_deg(M + Ms) - 0.015 * sin_deg(2.0 * F - 2.0 * D) +
                 0.011 * sin_deg(M - 4.0 * D);
    latitude += -0.173 * sin_deg(F - 2.0 * D) - 0.055 * sin_deg(M - F - 2.0 * D) -
                0.046 * sin_deg(M + F - 2.0 * D) + 0.033 * sin_deg(F + 2.0 * D) + 0.017 * sin_deg(2.0 * M + F);
    distance += -0.58 * cos_deg(M - 2.0 * D) - 0.46 * cos_deg(2.0 * D);

    const double cos_lat = cos_deg(latitude);
    const double xg = distance * cos_deg(longitude) * cos_lat;
    const double yg = distance * sin_deg(longitude) * cos_lat;
    const double zg = distance * sin_deg(latitude);
    // Equator and ecliptic of J2000.0.
    constexpr double cos_eps = 0.917482061;
    constexpr double sin_eps = 0.397777159;
    const double xe = xg;
    const double ye = yg * cos_eps - zg * sin_eps;
    const double ze = yg * sin_eps + zg * cos_eps;
    EquatorialPlace position;
    position.ra_hours = reduce_degrees(std::atan2(ye, xe) * deg_per_rad) / 15.0;
    position.dec_deg = std::atan2(ze, std::sqrt(xe * xe + ye * ye)) * deg_per_rad;
    return position;
}

} // namespace vespera

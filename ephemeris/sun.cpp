#include "ephemeris/sun.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scales.h"
#include "ephemeris/vsop87_earth.h"

namespace vespera {
namespace {

using vsop87::millennia_from_j2000;
using vsop87::series_value;

} // namespace

EarthPosition earth_heliocentric(double jde) {
    const double tau = millennia_from_j2000(jde);
    return {series_value(vsop87::kLongitude, tau), series_value(vsop87::kLatitude, tau),
            series_value(vsop87::kRadius, tau)};
}

double sun_distance_au(double jde) { return series_value(vsop87::kRadius, millennia_from_j2000(jde)); }

ApparentSun apparent_sun(double jde) {
    // Aberration as light time: the Earth where it was when the light left the Sun.
    const double radius_au = sun_distance_au(jde);
    const double tau_emitted = millennia_from_j2000(jde - kLightTime_days_per_au * radius_au);
    const double earth_longitude_rad = series_value(vsop87::kLongitude, tau_emitted);
    const double earth_latitude_rad = series_value(vsop87::kLatitude, tau_emitted);

    const double T = (jde - kJ2000_jd) / 36525.0;
    double longitude_deg = reduce_degrees(earth_longitude_rad / kRadPerDeg + 180.0);
    double latitude_deg = -earth_latitude_rad / kRadPerDeg;

    vsop87::to_fk5(longitude_deg, latitude_deg, T);

    const Nutation n = nutation(T);
    const double nutation_longitude_deg = n.longitude_deg;
    const double obliquity_deg = mean_obliquity_deg(T) + n.obliquity_deg;
    longitude_deg = reduce_degrees(longitude_deg + nutation_longitude_deg);

    const double sin_lambda = sin_deg(longitude_deg);
    const double cos_eps = cos_deg(obliquity_deg);
    const double sin_eps = sin_deg(obliquity_deg);
    const double sin_beta = sin_deg(latitude_deg);
    const double cos_beta = cos_deg(latitude_deg);
    const double ra_rad = std::atan2(sin_lambda * cos_eps * cos_beta - sin_beta * sin_eps,
                                     cos_deg(longitude_deg) * cos_beta);
    const double sin_dec = sin_beta * cos_eps + cos_beta * sin_eps * sin_lambda;

    ApparentSun sun{};
    sun.longitude_deg = longitude_deg;
    sun.latitude_deg = latitude_deg;
    sun.right_ascension_deg = reduce_degrees(ra_rad / kRadPerDeg);
    sun.declination_deg = std::asin(std::clamp(sin_dec, -1.0, 1.0)) / kRadPerDeg;
    sun.true_obliquity_deg = obliquity_deg;
    sun.nutation_longitude_deg = nutation_longitude_deg;
    sun.distance_au = radius_au;
    return sun;
}

double sun_altitude_deg(double jd_ut, double longitude_deg, double latitude_deg) {
    const ApparentSun sun = apparent_sun(jde_of(jd_ut));
    // Meeus, ch. 12: mean sidereal time at Greenwich, made apparent by the
    // equation of the equinoxes so that it matches the apparent right ascension.
    const double apparent_sidereal_deg = greenwich_mean_sidereal_deg(jd_ut - kJ2000_jd) +
                                         sun.nutation_longitude_deg * cos_deg(sun.true_obliquity_deg);
    const double hour_angle_deg = reduce_degrees(apparent_sidereal_deg + longitude_deg - sun.right_ascension_deg);
    const double sin_altitude = sin_deg(latitude_deg) * sin_deg(sun.declination_deg) +
                                cos_deg(latitude_deg) * cos_deg(sun.declination_deg) * cos_deg(hour_angle_deg);
    return std::asin(std::clamp(sin_altitude, -1.0, 1.0)) / kRadPerDeg;
}

} // namespace vespera

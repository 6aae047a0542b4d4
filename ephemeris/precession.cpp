#include "ephemeris/precession.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/time_scales.h"

namespace vespera {

Equatorial precessed(const Equatorial& place, double from_jde, double to_jde) {
    const double T = centuries_since_j2000(from_jde);
    const double t = (to_jde - from_jde) / kDaysPerJulianCentury;
    const double zeta_arcsec = (2306.2181 + 1.39656 * T - 0.000139 * T * T) * t + (0.30188 - 0.000344 * T) * t * t +
                               0.017998 * t * t * t;
    const double z_arcsec = (2306.2181 + 1.39656 * T - 0.000139 * T * T) * t + (1.09468 + 0.000066 * T) * t * t +
                            0.018203 * t * t * t;
    const double theta_arcsec = (2004.3109 - 0.85330 * T - 0.000217 * T * T) * t -
                                (0.42665 + 0.000217 * T) * t * t - 0.041833 * t * t * t;
    const double zeta = zeta_arcsec * kDegPerArcsec;
    const double theta = theta_arcsec * kDegPerArcsec;
    const double alpha = place.right_ascension_deg + zeta;
    const double delta = place.declination_deg;
    const double a = cos_deg(delta) * sin_deg(alpha);
    const double b = cos_deg(theta) * cos_deg(delta) * cos_deg(alpha) - sin_deg(theta) * sin_deg(delta);
    const double c = sin_deg(theta) * cos_deg(delta) * cos_deg(alpha) + cos_deg(theta) * sin_deg(delta);
    Equatorial result{};
    result.right_ascension_deg = reduce_degrees(std::atan2(a, b) / kRadPerDeg + z_arcsec * kDegPerArcsec);
    // 21.4 with the arctangent, exact near the poles as well.
    result.declination_deg = std::atan2(c, std::hypot(a, b)) / kRadPerDeg;
    return result;
}

} // namespace vespera

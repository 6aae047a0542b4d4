#include "ephemeris/nutation.h"

#include "ephemeris/angles.h"

namespace vespera {

double mean_obliquity_deg(double centuries_tt) {
    const double t = centuries_tt;
    return 23.43929111 - (46.815 / 3600.0) * t - (0.00059 / 3600.0) * t * t + (0.001813 / 3600.0) * t * t * t;
}

Nutation nutation(double centuries_tt) {
    const double t = centuries_tt;
    const double omega = 125.04452 - 1934.136261 * t + 0.0020708 * t * t;
    const double sun_mean_longitude = 280.4665 + 36000.7698 * t;
    const double moon_mean_longitude = 218.3165 + 481267.8813 * t;
    Nutation n{};
    n.longitude_deg = (-17.2 * sin_deg(omega) - 1.32 * sin_deg(2.0 * sun_mean_longitude) -
                       0.23 * sin_deg(2.0 * moon_mean_longitude) + 0.21 * sin_deg(2.0 * omega)) *
                      kDegPerArcsec;
    n.obliquity_deg = (9.2 * cos_deg(omega) + 0.57 * cos_deg(2.0 * sun_mean_longitude) +
                       0.1 * cos_deg(2.0 * moon_mean_longitude) - 0.09 * cos_deg(2.0 * omega)) *
                      kDegPerArcsec;
    return n;
}

double true_obliquity_deg(double centuries_tt) {
    return mean_obliquity_deg(centuries_tt) + nutation(centuries_tt).obliquity_deg;
}

} // namespace vespera

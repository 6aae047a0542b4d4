#include "ephemeris/solar_transit.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {

double solar_transit_jd_ut(std::int64_t day_number, double longitude_deg) {
    // From mean noon of the meridian, one step on the hour angle (apparent
    // sidereal time, Meeus, Astronomical Algorithms, 2nd ed., ch. 12, less the
    // apparent right ascension). It moves 360.9856 degrees a day against the
    // stars and the Sun about one degree with them; the remaining error,
    // from the Sun's varying rate over the quarter hour of the equation of
    // time, is a fraction of a second.
    constexpr double kHourAngleRate_deg_per_day = 360.98564736629 - 360.0 / 365.2422;
    const double mean_noon_ut = static_cast<double>(day_number) - longitude_deg / 360.0;
    const ApparentSun sun = apparent_sun(jde_of(mean_noon_ut));
    const double apparent_sidereal_deg = greenwich_mean_sidereal_deg(mean_noon_ut - kJ2000_jd) +
                                         sun.nutation_longitude_deg * cos_deg(sun.true_obliquity_deg);
    const double hour_angle_deg = std::remainder(apparent_sidereal_deg + longitude_deg - sun.right_ascension_deg, 360.0);
    return mean_noon_ut - hour_angle_deg / kHourAngleRate_deg_per_day;
}

} // namespace vespera

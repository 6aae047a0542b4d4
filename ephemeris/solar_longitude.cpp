#include "ephemeris/solar_longitude.h"

#include <cmath>

#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

constexpr double kTropicalYear_days = 365.2422;
constexpr double kMeanRate_deg_per_day = 360.0 / kTropicalYear_days;

} // namespace

double solar_longitude_instant_jde(double target_deg, double guess_jde) {
    // Secant steps on the longitude, the first with the Sun's mean rate. The
    // rate varies by 3 % over the year, so each step leaves a thirtieth of
    // the error or less; a step under 10 s leaves a fraction of a second.
    constexpr double kLastStep_days = 10.0 / kSecondsPerDay;
    double t = guess_jde;
    double rate = kMeanRate_deg_per_day;
    double previous_t = 0.0;
    double previous_offset = 0.0;
    for (int i = 0; i < 12; ++i) {
        const double offset = std::remainder(target_deg - apparent_sun(t).longitude_deg, 360.0);
        if (i > 0 && t != previous_t) {
            const double secant = (previous_offset - offset) / (t - previous_t);
            // Far from any plausible rate only when the two points are too
            // close to tell; the mean rate is then the better guess.
            if (secant > 0.9 * kMeanRate_deg_per_day && secant < 1.1 * kMeanRate_deg_per_day) rate = secant;
        }
        const double step = offset / rate;
        previous_t = t;
        previous_offset = offset;
        t += step;
        if (!(std::fabs(step) >= kLastStep_days)) break; // also ends on NaN
    }
    return t;
}

double solar_longitude_instant_near_jde(double target_deg, double near_jde) {
    const double mean_longitude_deg = 280.46646 + 36000.76983 * centuries_since_j2000(near_jde);
    const double ahead_deg = std::remainder(target_deg - mean_longitude_deg, 360.0);
    return solar_longitude_instant_jde(target_deg, near_jde + ahead_deg / kMeanRate_deg_per_day);
}

double solar_longitude_at_ut_deg(double jd_ut) { return apparent_sun(jde_of(jd_ut)).longitude_deg; }

} // namespace vespera

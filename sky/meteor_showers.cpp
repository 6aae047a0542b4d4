#include "sky/meteor_showers.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"
#include "ephemeris/root_finding.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {

double solar_longitude_j2000_deg(double jd_ut) {
    const double jde = jde_of(jd_ut);
    const EarthPosition earth = earth_heliocentric(jde);
    // VSOP87D is referred to the equinox of date; the general precession in
    // longitude (Meeus ch. 21, 5029.0966" a century) takes it back to J2000.0.
    const double T = centuries_since_j2000(jde);
    return reduce_degrees(earth.longitude_rad / kRadPerDeg + 180.0 - 5029.0966 * kDegPerArcsec * T);
}

std::optional<double> meteor_maximum_jd_ut(const MeteorShower& shower, int year) {
    if (year < kMeteorListFirstYear || year > kMeteorListLastYear) return std::nullopt;
    const auto ahead_deg = [&](double jd_ut) {
        return std::remainder(solar_longitude_j2000_deg(jd_ut) - shower.maximum_solar_longitude_deg, 360.0);
    };
    const double first = static_cast<double>(day_number(year, 1, 1)) - 0.5;
    const double last = static_cast<double>(day_number(year + 1, 1, 1)) - 0.5;
    // The Sun gains about a degree a day (0.95 to 1.02): the mean rate puts
    // the crossing within two days of an estimate; search a few days around
    // it, and the whole year only should that fail.
    const double estimate_day = first + std::floor(std::fmod(360.0 - ahead_deg(first), 360.0) / 0.9856);
    const auto crossing_in = [&](double from, double to) -> std::optional<double> {
        from = std::max(from, first);
        to = std::min(to, last + 1.0);
        double a = from;
        double fa = ahead_deg(a);
        for (double b = from + 1.0; b <= to + 1e-9; b += 1.0) {
            const double fb = ahead_deg(b);
            if (fa <= 0.0 && fb > 0.0 && fb - fa < 10.0) {
                const double t = zero_between(ahead_deg, a, fa, b, fb, 1.0 / 86400.0);
                if (t >= first && t < last) return t;
            }
            a = b;
            fa = fb;
        }
        return std::nullopt;
    };
    if (const std::optional<double> near = crossing_in(estimate_day - 4.0, estimate_day + 5.0)) return near;
    return crossing_in(first, last + 1.0);
}

} // namespace vespera

#include "sky/equation_of_time.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scales.h"

namespace vespera {

double equation_of_time_minutes(double julian_day) {
    const double tau = (julian_day - kJ2000_jd) / 365250.0;
    const double T = centuries_since_j2000(julian_day);
    const double l0 = reduce_degrees(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau +
                                     tau * tau * tau / 49931.0 - tau * tau * tau * tau / 15299.0 -
                                     tau * tau * tau * tau * tau / 1988000.0);
    const double e = 0.016708617 - 0.000042037 * T - 0.0000001236 * T * T;
    const double m = reduce_degrees(357.5291 + 35999.0503 * T - 0.0001559 * T * T - 0.00000048 * T * T * T);
    const double epsilon = mean_obliquity_deg(T);
    const double y = std::pow(std::tan(epsilon * kRadPerDeg / 2.0), 2);
    const double l0_rad = l0 * kRadPerDeg;
    const double m_rad = m * kRadPerDeg;
    const double E = y * std::sin(2.0 * l0_rad) - 2.0 * e * std::sin(m_rad) +
                     4.0 * e * y * std::sin(m_rad) * std::cos(2.0 * l0_rad) - 0.5 * y * y * std::sin(4.0 * l0_rad) -
                     1.25 * e * e * std::sin(2.0 * m_rad);
    return -(E / kRadPerDeg * 4.0);
}

} // namespace vespera

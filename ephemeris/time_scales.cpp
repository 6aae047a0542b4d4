#include "ephemeris/time_scales.h"

#include <array>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/polynomial.h"

namespace vespera {
namespace {

// Delta T 1900-1997: the ninth-degree fit to the observed values, t in centuries from 1900.
constexpr std::array<double, 10> kDeltaT1900 = {
    -2.44, 87.24, 815.2, -2637.8, -18756.33, 124906.15, -303191.19, 372919.88, -232424.66, 58353.42};

// Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141),
// the polynomial expressions for Delta T; the pieces meet within a fraction of a second.
double delta_t_espenak_meeus(double y) {
    if (y < -500.0) return polynomial((y - 1820.0) / 100.0, {-20.0, 0.0, 32.0});
    if (y < 500.0) {
        return polynomial(y / 100.0, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192,
                                      0.0090316521});
    }
    if (y < 1600.0) {
        return polynomial((y - 1000.0) / 100.0, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463,
                                                 -0.005050998, 0.0083572073});
    }
    if (y < 1700.0) return polynomial(y - 1600.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0});
    if (y < 1800.0) {
        return polynomial(y - 1700.0, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0});
    }
    if (y < 1860.0) {
        return polynomial(y - 1800.0, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                                       -0.0000001699, 0.000000000875});
    }
    if (y < 1900.0) {
        return polynomial(y - 1860.0, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0});
    }
    if (y < 1920.0) return polynomial(y - 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941.0) return polynomial(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961.0) return polynomial(y - 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
    if (y < 1986.0) return polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    if (y < 2005.0) {
        return polynomial(y - 2000.0, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    if (y < 2050.0) return polynomial(y - 2000.0, {62.92, 0.32217, 0.005589});
    if (y < 2150.0) return polynomial((y - 1820.0) / 100.0, {-20.0, 0.0, 32.0}) - 0.5628 * (2150.0 - y);
    return polynomial((y - 1820.0) / 100.0, {-20.0, 0.0, 32.0});
}

} // namespace

double delta_t_seconds(double jd_ut) {
    const double year = std::trunc((jd_ut + 1524.0 - 122.1) / 365.25 - 4715.5);
    if (year >= 1900.0 && year <= 1997.0) {
        const double t = (year - 1900.0) / 100.0;
        double sum = 0.0;
        for (auto c = kDeltaT1900.rbegin(); c != kDeltaT1900.rend(); ++c) sum = sum * t + *c;
        return sum;
    }
    return delta_t_espenak_meeus(year);
}

double greenwich_mean_sidereal_deg(double days_since_j2000_ut) {
    const double d = days_since_j2000_ut;
    const double t = d / kDaysPerJulianCentury;
    return reduce_degrees(280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0);
}

} // namespace vespera

#include "ephemeris/vsop87.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/time_scales.h"

namespace vespera::vsop87 {

double series_value(std::span<const std::span<const Term>> powers, double tau) {
    // Horner over the powers: the highest first.
    double result = 0.0;
    for (auto power = powers.rbegin(); power != powers.rend(); ++power) {
        double sum = 0.0;
        for (const Term& term : *power) sum += term.a * std::cos(term.b + term.c * tau);
        result = result * tau + sum;
    }
    return result / 1e8;
}

double millennia_from_j2000(double jde) { return (jde - kJ2000_jd) / 365250.0; }

void to_fk5(double& longitude_deg, double& latitude_deg, double centuries_tt) {
    const double T = centuries_tt;
    const double lambda_prime = longitude_deg - 1.397 * T - 0.00031 * T * T;
    const double c = cos_deg(lambda_prime);
    const double s = sin_deg(lambda_prime);
    longitude_deg += (-0.09033 + 0.03916 * (c + s) * std::tan(latitude_deg * kRadPerDeg)) * kDegPerArcsec;
    latitude_deg += 0.03916 * (c - s) * kDegPerArcsec;
}

} // namespace vespera::vsop87

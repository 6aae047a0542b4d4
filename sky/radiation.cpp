#include "sky/radiation.h"

#include <cmath>

#include "base/fault.h"

namespace vespera {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kSolarConstant_w_m2 = 1367.0;
constexpr double kSunRadius_km = 696000.0;

double Bogenmass(double degrees) { return degrees * kPi / 180.0; }

double sin_of_deg(double angle_deg) { return std::sin(Bogenmass(angle_deg)); }

} // namespace

double clear_sky_irradiance_w_m2(double sun_altitude_deg) {
    // Below the horizon no direct light arrives; the air-mass ratio would
    // divide by zero or turn negative.
    if (!(sun_altitude_deg > 0.0)) return 0.0;
    return kSolarConstant_w_m2 * std::pow(0.7, sin_of_deg(63.0) / sin_of_deg(sun_altitude_deg));
}

double equilibrium_temperature_k(double sun_distance_km) {
    if (!(sun_distance_km > 0.0)) raise_fault(FaultCode::DivisionByZero);
    return 5860.0 * std::pow(0.633 / 2.0, 0.25) * std::sqrt(kSunRadius_km / sun_distance_km);
}

double maximum_solar_energy(double day_of_year, double latitude_deg) {
    const double n = day_of_year;
    const double x = 2.0 * kPi * n / 365.25;
    // Distance factor of the Earth's orbit over the year (squared below).
    const double f = 1.0 - 0.0009464 * std::sin(x) - 0.01671 * std::cos(x) - 0.0001489 * std::cos(2.0 * x) -
                     0.00002917 * std::sin(3.0 * x) - 0.0003438 * std::cos(4.0 * x);
    if (f == 0.0) raise_fault(FaultCode::DivisionByZero);
    const double top_of_air = kSolarConstant_w_m2 / (f * f);
    const double declination = 0.412 * std::cos(2.0 * kPi * (n + 10.0) / 365.25 - kPi);
    const double phi = Bogenmass(latitude_deg);
    const double c = (std::cos(declination) * std::cos(phi) + std::sin(declination) * std::sin(phi)) * top_of_air;
    if (c < 0.0) return 0.0;
    const double transmission =
        5.972e-9 * c * c * c - 1.56e-12 * c * c * c * c - 8.364e-6 * c * c + 0.005183 * c - 0.435;
    const double energy = c * transmission;
    return energy > 0.0 ? energy : 0.0;
}

} // namespace vespera

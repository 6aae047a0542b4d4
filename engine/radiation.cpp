// Irradiance and temperature figures of the day report, from the Sun's
// altitude, its distance and the day of the year.
#include <cmath>

#include "engine/clsCalendar.h"
#include "engine/number_text.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kSolarConstant_w_m2 = 1367.0;
constexpr double kSunRadius_km = 696000.0;

double Bogenmass(double degrees) { return degrees * kPi / 180.0; }

double sin_deg(double angle_deg) { return std::sin(Bogenmass(angle_deg)); }

} // namespace

std::string clsCalendar::GlobalStrahlung() {
    return guarded("GlobalStrahlung", std::string{}, [&] {
        const double altitude_deg = f_.sun_altitude_deg;
        double irradiance = 0.0;
        // Below the horizon no direct light arrives; the air-mass ratio would
        // divide by zero or turn negative.
        if (altitude_deg > 0.0) {
            irradiance = kSolarConstant_w_m2 * std::pow(0.7, sin_deg(63.0) / sin_deg(altitude_deg));
        }
        return vespera::fixed(irradiance, 1, decimal_separator_) + " W/m²";
    });
}

std::string clsCalendar::MittlereTemperatur() {
    return guarded("MittlereTemperatur", std::string{}, [&] {
        const double distance_km = sun_distance_km();
        if (!(distance_km > 0.0)) raise_fault(FaultCode::DivisionByZero);
        // Radiative equilibrium of a body with the Earth's albedo, from the
        // Sun's effective temperature of 5860 K.
        const double kelvin = 5860.0 * std::pow(0.633 / 2.0, 0.25) * std::sqrt(kSunRadius_km / distance_km);
        return vespera::general(vespera::round_half_even(kelvin), decimal_separator_) + " K (" +
               vespera::general(vespera::round_half_even(kelvin - 273.15), decimal_separator_) + " °C) ";
    });
}

double clsCalendar::SonneMaximumEnergie() {
    return guarded("SonneMaximumEnergie", 0.0, [&] {
        const double n = static_cast<double>(TagesZahl());
        const double x = 2.0 * kPi * n / 365.25;
        // Distance factor of the Earth's orbit over the year (squared below).
        const double f = 1.0 - 0.0009464 * std::sin(x) - 0.01671 * std::cos(x) - 0.0001489 * std::cos(2.0 * x) -
                         0.00002917 * std::sin(3.0 * x) - 0.0003438 * std::cos(4.0 * x);
        if (f == 0.0) raise_fault(FaultCode::DivisionByZero);
        const double top_of_air = kSolarConstant_w_m2 / (f * f);
        const double declination = 0.412 * std::cos(2.0 * kPi * (n + 10.0) / 365.25 - kPi);
        const double phi = Bogenmass(f_.Latitude);
        const double c =
            (std::cos(declination) * std::cos(phi) + std::sin(declination) * std::sin(phi)) * top_of_air;
        if (c < 0.0) return 0.0;
        const double transmission = 5.972e-9 * c * c * c - 1.56e-12 * c * c * c * c - 8.364e-6 * c * c +
                                    0.005183 * c - 0.435;
        const double energy = c * transmission;
        return energy > 0.0 ? energy : 0.0;
    });
}

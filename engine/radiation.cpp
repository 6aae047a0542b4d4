// Irradiance and temperature texts of the day report.
#include "engine/clsCalendar.h"
#include "base/number_text.h"
#include "sky/radiation.h"

std::string clsCalendar::GlobalStrahlung() {
    return guarded("GlobalStrahlung", std::string{}, [&] {
        return vespera::fixed(vespera::clear_sky_irradiance_w_m2(f_.sun_altitude_deg), 1, decimal_separator_) +
               " W/m²";
    });
}

std::string clsCalendar::MittlereTemperatur() {
    return guarded("MittlereTemperatur", std::string{}, [&] {
        const double kelvin = vespera::equilibrium_temperature_k(sun_distance_km());
        return vespera::general(vespera::round_half_even(kelvin), decimal_separator_) + " K (" +
               vespera::general(vespera::round_half_even(kelvin - 273.15), decimal_separator_) + " °C) ";
    });
}

double clsCalendar::SonneMaximumEnergie() {
    return guarded("SonneMaximumEnergie", 0.0, [&] {
        return vespera::maximum_solar_energy(static_cast<double>(TagesZahl()), f_.Latitude);
    });
}

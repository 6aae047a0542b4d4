// Irradiance and temperature figures of the day report, from the Sun's
// altitude, its distance and the day of the year.
#pragma once

namespace vespera {

// Global irradiance on a clear day with the Sun at `sun_altitude_deg`
// (0 with the Sun below the horizon), W/m².
double clear_sky_irradiance_w_m2(double sun_altitude_deg);

// Radiative equilibrium temperature of a body with the Earth's albedo at
// `sun_distance_km`, from the Sun's effective temperature of 5860 K; a
// distance that is not positive is a division by zero.
double equilibrium_temperature_k(double sun_distance_km);

// The largest energy the Sun brings on day `day_of_year` at the latitude.
double maximum_solar_energy(double day_of_year, double latitude_deg);

} // namespace vespera

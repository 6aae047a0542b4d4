// The instant at which the Sun's apparent longitude (VSOP87 Sun of the
// ephemeris, true equinox of date) reaches a given value: equinoxes,
// solstices and the solar terms of the Chinese calendar.
#pragma once

namespace vespera {

// Dynamical time of the instant near `guess_jde` (within a few days) at
// which the apparent longitude reaches `target_deg`; NaN when the guess is
// not finite.
double solar_longitude_instant_jde(double target_deg, double guess_jde);

// The same for a guess anywhere within half a year: the first step comes
// from the mean Sun (Meeus, Astronomical Algorithms, 2nd ed., 25.2).
double solar_longitude_instant_near_jde(double target_deg, double near_jde);

// Apparent longitude of the Sun at a universal instant, degrees [0, 360).
double solar_longitude_at_ut_deg(double jd_ut);

} // namespace vespera

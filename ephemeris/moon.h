// The Moon from the Earth's centre: Meeus, Astronomical Algorithms, 2nd ed.,
// ch. 47 (position, about 10" in longitude and 4" in latitude), ch. 48 (the
// illuminated fraction) and ch. 55 (semidiameter).
#pragma once

namespace vespera {

inline constexpr double kEarthEquatorialRadius_km = 6378.14; // IAU 1976, as Meeus uses it

// The fundamental arguments, formulas 47.1-47.6, angles reduced to [0, 360).
struct MoonArguments {
    double mean_longitude_deg;         // L'
    double mean_elongation_deg;        // D
    double sun_mean_anomaly_deg;       // M
    double moon_mean_anomaly_deg;      // M'
    double argument_of_latitude_deg;   // F
    double eccentricity_factor;        // E, scales the terms in M
};
MoonArguments moon_arguments(double centuries_tt);

// Geometric position, mean equinox of date.
struct MoonPosition {
    double longitude_deg; // [0, 360)
    double latitude_deg;
    double distance_km;   // centre to centre
};
MoonPosition moon_geocentric(double jde);

// Apparent position, true equinox of date (no aberration: Meeus leaves it out
// for the Moon, it is under 0.001").
struct MoonApparent {
    double longitude_deg;           // [0, 360)
    double latitude_deg;
    double right_ascension_deg;     // [0, 360)
    double declination_deg;
    double distance_km;
    double horizontal_parallax_deg; // equatorial, sin pi = 6378.14 km / distance
    double semidiameter_deg;        // geocentric
    double true_obliquity_deg;
    double nutation_longitude_deg;  // for the apparent sidereal time
};
MoonApparent moon_apparent(double jde);

// Phase angle in [0, 180] by the shorter method (48.4) and the illuminated
// fraction (48.1) it gives, 0 at new and 1 at full moon. The method errs by
// up to a few tenths of a degree (Example 48.a: 68.88 against 69.08), so a
// universal instant serves as well as a dynamical one: a minute of Delta T
// moves i by under 0.01 degree.
double moon_phase_angle_deg(double jde);
double moon_illuminated_fraction(double jde);
// The Moon's centre over the horizon of a place, seen from the Earth's
// centre, with the horizontal parallax that separates it from the view of
// the place itself.
struct MoonHorizon {
    double geocentric_altitude_deg;
    double horizontal_parallax_deg;
};
MoonHorizon moon_horizon(double jd_ut, double longitude_deg, double latitude_deg);
// The altitude of the Moon's centre seen from the place, the Earth taken as
// a sphere (Meeus ch. 40): tan h' = (sin h - sin pi) / cos h.
double moon_topocentric_altitude_deg(const MoonHorizon& moon);

// Whether the lit part grows: from new moon to full moon.
bool moon_waxing(double jde);

} // namespace vespera

// The Sun from the Earth: the higher-accuracy method of Meeus, Astronomical
// Algorithms, 2nd ed., ch. 25, on the abridged VSOP87 Earth (Appendix III).
#pragma once

namespace vespera {

inline constexpr double kAstronomicalUnit_km = 149597870.691;
// Light time for one AU (Meeus 33.3).
inline constexpr double kLightTime_days_per_au = 0.0057755183;

// Heliocentric ecliptic coordinates of the Earth (mean equinox of date, VSOP87
// frame); the longitude is not reduced to one turn.
struct EarthPosition {
    double longitude_rad;
    double latitude_rad;
    double radius_au;
};
EarthPosition earth_heliocentric(double jde);

// The Earth-Sun distance alone, in AU (the R series only).
double sun_distance_au(double jde);

// The Sun as seen from the Earth's centre, true equinox of date.
struct ApparentSun {
    double longitude_deg;          // apparent, [0, 360)
    double latitude_deg;
    double right_ascension_deg;    // [0, 360)
    double declination_deg;
    double true_obliquity_deg;
    double nutation_longitude_deg; // for the apparent sidereal time
    double distance_au;            // geometric, at `jde`
};
ApparentSun apparent_sun(double jde);

// Geometric altitude of the Sun's centre (no refraction), degrees.
double sun_altitude_deg(double jd_ut, double longitude_deg, double latitude_deg);

} // namespace vespera

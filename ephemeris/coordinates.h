// Transformations between ecliptic, equatorial, topocentric and horizontal
// coordinates (Meeus, Astronomical Algorithms, 2nd ed., ch. 11, 13, 17, 40).
// Every function is written with atan2 on vector components, so it keeps
// full precision at the poles and for tiny angles, and takes any double:
// a NaN or an infinite input gives NaN, never a fault.
#pragma once

#include "ephemeris/angles.h"

namespace vespera {

struct Equatorial {
    double right_ascension_deg; // [0, 360)
    double declination_deg;
};

struct Ecliptic {
    double longitude_deg; // [0, 360)
    double latitude_deg;
};

// Meeus 13.3-13.6, for the obliquity given (mean or true).
Equatorial equatorial_of_ecliptic(double longitude_deg, double latitude_deg, double obliquity_deg);
Ecliptic ecliptic_of_equatorial(double right_ascension_deg, double declination_deg, double obliquity_deg);

// The observer's place in the Earth's equatorial plane and along its axis,
// in equatorial radii: Meeus ch. 11 on the IAU 1976 ellipsoid
// (a = 6378.14 km, f = 1/298.257). Latitude geodetic, height above sea level.
struct ObserverGeocentric {
    double rho_sin_phi; // rho sin phi'
    double rho_cos_phi; // rho cos phi'
};
ObserverGeocentric observer_geocentric(double latitude_deg, double height_m);

// Seen from the observer rather than from the Earth's centre: Meeus ch. 40,
// the rigorous formulas 40.2 and 40.3. `hour_angle_deg` is the geocentric
// local hour angle (west positive); `distance_km` the geocentric distance.
// A distance that is not positive gives NaN; an infinite one leaves the
// direction unchanged.
struct TopocentricEquatorial {
    double right_ascension_deg; // [0, 360)
    double declination_deg;
    double distance_km;         // from the observer
};
TopocentricEquatorial topocentric_equatorial(double right_ascension_deg, double declination_deg, double distance_km,
                                             double hour_angle_deg, ObserverGeocentric observer);

// Altitude above the true horizon, no refraction (Meeus 13.6).
double altitude_deg(double hour_angle_deg, double declination_deg, double latitude_deg);
// Azimuth counted from north through east, [0, 360); Meeus counts from
// south (13.5), 180 degrees away.
double azimuth_from_north_deg(double hour_angle_deg, double declination_deg, double latitude_deg);

// Angle between two directions, [0, 180]. The arccosine of Meeus 17.1 loses
// everything below a few arcseconds; this is the arctangent form of ch. 17,
// its terms rearranged so that nothing cancels: exact from 0 to 180 degrees.
double angular_separation_deg(double right_ascension1_deg, double declination1_deg, double right_ascension2_deg,
                              double declination2_deg);

} // namespace vespera

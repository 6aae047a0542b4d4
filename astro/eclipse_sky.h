// The Sun and the Moon seen from the Earth's centre over the hours around one
// new or full moon, as vectors in the true equator and equinox of date, for
// the contact searches of solar and lunar eclipses.
//
// The ephemeris is asked at a few instants only: the Moon (Meeus ch. 47) at
// five instants three hours apart, interpolated between them by the Lagrange
// polynomial through all five, and the Sun (VSOP87, Meeus ch. 25) at the two
// ends, moving uniformly in longitude, latitude and distance in between. Both
// stay within 0.01" of the ephemeris over the span (its curvature in
// longitude over twelve hours is 0.04"), so a search may take hundreds of
// steps for the price of seven ephemeris calls.
#pragma once

#include <cmath>

#include "ephemeris/coordinates.h"

namespace vespera {

struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator*(double s, Vector3 a) { return {s * a.x, s * a.y, s * a.z}; }
inline double dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 cross(Vector3 a, Vector3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vector3 a) { return std::sqrt(dot(a, a)); }

// Angle between two directions in degrees, [0, 180]; exact for tiny angles.
double angle_between_deg(Vector3 a, Vector3 b);

// The observer's place (sea level, IAU 1976 ellipsoid) in km, and the local
// vertical as a unit vector, for the local apparent sidereal time `lst_deg`.
Vector3 observer_km(ObserverGeocentric observer, double lst_deg);
Vector3 zenith(double latitude_deg, double lst_deg);

// Altitude in degrees of the direction `toward` above the horizon whose
// vertical is `up` (a unit vector).
double altitude_of_deg(Vector3 toward, Vector3 up);

class EclipseSky {
public:
    // The span is centre - kHalfSpan_days .. centre + kHalfSpan_days.
    static constexpr double kHalfSpan_days = 0.25;

    explicit EclipseSky(double centre_jd_ut);

    double centre_jd_ut() const { return centre_jd_ut_; }
    // Whether the ephemeris gave finite places (years tens of millennia
    // away may not).
    bool usable() const { return usable_; }

    Vector3 moon_km(double jd_ut) const;
    // The apparent Sun: as an observer sees it, and also the one opposite
    // which the Earth's shadow lies at the Moon's distance. The shadow there
    // was cast 1.3 s earlier, when the Earth stood 38 km back along its
    // orbit; that turns it by the 20" of aberration.
    Vector3 sun_km(double jd_ut) const;
    // Greenwich apparent sidereal time in degrees.
    double sidereal_deg(double jd_ut) const;

    // Days from the centre to the instant at which the Moon's ecliptic
    // longitude equals the Sun's (or differs by 180 degrees), from the
    // elongation at the centre and the Moon's mean synodic rate.
    double days_to_syzygy(bool opposition) const;

    // The sky around the new (or full) moon near `jd_ut`. The instant of
    // Meeus's mean-phase series (ch. 49) agrees with the Moon of ch. 47 to
    // a minute near the present, but their secular terms part by hours
    // some thousands of years away; the span is moved onto the syzygy of
    // the Moon it interpolates.
    static EclipseSky around_syzygy(double jd_ut, bool opposition);

private:
    static constexpr int kMoonNodes = 5;
    double centre_jd_ut_;
    bool usable_ = false;
    Vector3 moon_nodes_[kMoonNodes];
    double sun_start_cos_longitude_ = 1.0;
    double sun_start_sin_longitude_ = 0.0;
    double sun_longitude_change_rad_ = 0.0; // over the whole span
    double sun_start_latitude_rad_ = 0.0;
    double sun_latitude_change_rad_ = 0.0;
    double sun_start_distance_km_ = 0.0;
    double sun_distance_change_km_ = 0.0;
    double cos_obliquity_ = 1.0;
    double sin_obliquity_ = 0.0;
    double equation_of_equinoxes_deg_ = 0.0;
};

} // namespace vespera

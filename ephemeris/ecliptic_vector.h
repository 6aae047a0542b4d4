// Heliocentric or geocentric rectangular coordinates on the ecliptic and
// mean equinox of date (the VSOP87D frame), in AU.
#pragma once

#include <cmath>

#include "ephemeris/angles.h"

namespace vespera {

struct EclipticVector {
    double x_au;
    double y_au;
    double z_au;
};

inline EclipticVector operator-(const EclipticVector& a, const EclipticVector& b) {
    return {a.x_au - b.x_au, a.y_au - b.y_au, a.z_au - b.z_au};
}
inline double dot(const EclipticVector& a, const EclipticVector& b) {
    return a.x_au * b.x_au + a.y_au * b.y_au + a.z_au * b.z_au;
}
inline double length(const EclipticVector& v) { return std::sqrt(dot(v, v)); }

// The angle between two directions, [0, 180], by the arctangent so that
// small ones keep their precision.
inline double angle_between_deg(const EclipticVector& a, const EclipticVector& b) {
    const EclipticVector cross{a.y_au * b.z_au - a.z_au * b.y_au, a.z_au * b.x_au - a.x_au * b.z_au,
                               a.x_au * b.y_au - a.y_au * b.x_au};
    return std::atan2(length(cross), dot(a, b)) / kRadPerDeg;
}

inline EclipticVector vector_of_spherical(double longitude_deg, double latitude_deg, double radius) {
    return {radius * cos_deg(latitude_deg) * cos_deg(longitude_deg),
            radius * cos_deg(latitude_deg) * sin_deg(longitude_deg), radius * sin_deg(latitude_deg)};
}

} // namespace vespera

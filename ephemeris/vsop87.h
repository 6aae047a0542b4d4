// The abridged VSOP87 series of Meeus, Astronomical Algorithms, 2nd ed.,
// Appendix III: each term is A cos(B + C tau), tau in Julian millennia of TT
// from J2000.0; a coordinate is the sum over the powers of tau of its series,
// over 1e8 (A in 1e-8 rad or 1e-8 AU). Heliocentric, ecliptic and mean
// equinox of date (VSOP87D).
#pragma once

#include <span>

namespace vespera::vsop87 {

struct Term {
    double a;
    double b;
    double c;
};

// One coordinate from its series by power of tau (the first multiplies tau^0).
double series_value(std::span<const std::span<const Term>> powers, double tau);

// Julian millennia of TT from J2000.0.
double millennia_from_j2000(double jde);

// A geocentric longitude and latitude of the VSOP87 frame turned into FK5
// (Meeus 32.3); T in Julian centuries of TT from J2000.0.
void to_fk5(double& longitude_deg, double& latitude_deg, double centuries_tt);

} // namespace vespera::vsop87

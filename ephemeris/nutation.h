// The obliquity of the ecliptic and the nutation (Meeus, Astronomical
// Algorithms, 2nd ed., ch. 22). T is in Julian centuries of TT from J2000.0.
#pragma once

namespace vespera {

// Mean obliquity, formula 22.2, in degrees.
double mean_obliquity_deg(double centuries_tt);

struct Nutation {
    double longitude_deg; // delta psi
    double obliquity_deg; // delta epsilon
};

// The four largest terms of the IAU 1980 series: within 0.5" in longitude
// and 0.1" in obliquity, far below what any result here shows.
Nutation nutation(double centuries_tt);

// Mean obliquity plus the nutation in obliquity.
double true_obliquity_deg(double centuries_tt);

} // namespace vespera

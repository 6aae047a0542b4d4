// The Moon's distance for the engine's day.
#include <array>
#include <cmath>

#include "engine/clsCalendar.h"
#include "engine/moon_distance.h"
#include "engine/number_text.h"

namespace {

constexpr double kPi = 3.14159265358979;

struct DistanceTerm {
    int d;      // multiples of the mean elongation D
    int m;      // of the Sun's mean anomaly M
    int m_moon; // of the Moon's mean anomaly M'
    int f;      // of the argument of latitude F
    double coefficient_m; // of cos(argument), in metres
};

// Meeus, Astronomical Algorithms, 1st ed., Table 45.A (2nd ed. Table 47.A), distance column.
constexpr std::array<DistanceTerm, 46> kDistanceTerms = {{
    {0, 0, 1, 0, -20905355},
    {2, 0, -1, 0, -3699111},
    {2, 0, 0, 0, -2955968},
    {0, 0, 2, 0, -569925},
    {0, 1, 0, 0, 48888},
    {0, 0, 0, 2, -3149},
    {2, 0, -2, 0, 246158},
    {2, -1, -1, 0, -152138},
    {2, 0, 1, 0, -170733},
    {2, -1, 0, 0, -204586},
    {0, 1, -1, 0, -129620},
    {1, 0, 0, 0, 108743},
    {0, 1, 1, 0, 104755},
    {2, 0, 0, -2, 10321},
    {0, 0, 1, -2, 79661},
    {4, 0, -1, 0, -34782},
    {0, 0, 3, 0, -23210},
    {4, 0, -2, 0, -21636},
    {2, 1, -1, 0, 24208},
    {2, 1, 0, 0, 30824},
    {1, 0, -1, 0, -8379},
    {1, 1, 0, 0, -16675},
    {2, -1, 1, 0, -12831},
    {2, 0, 2, 0, -10445},
    {4, 0, 0, 0, -11650},
    {2, 0, -3, 0, 14403},
    {0, 1, -2, 0, -7003},
    {2, -1, -2, 0, 10056},
    {1, 0, 1, 0, 6322},
    {2, -2, 0, 0, -9884},
    {0, 1, 2, 0, 5751},
    {2, -2, -1, 0, -4950},
    {2, 0, 1, -2, 4130},
    {4, -1, -1, 0, -3958},
    {3, 0, -1, 0, 3258},
    {2, 1, 1, 0, 2616},
    {4, -1, -2, 0, -1897},
    {0, 2, -1, 0, -2117},
    {2, 2, -1, 0, 2354},
    {4, 0, 1, 0, -1423},
    {0, 0, 4, 0, -1117},
    {4, -1, 0, 0, -1571},
    {1, 0, -2, 0, -1739},
    {0, 0, 2, -2, -4421},
    {0, 2, 1, 0, 1165},
    {2, 0, -1, -2, 8752},
}};

double radians(double degrees) { return degrees * kPi / 180.0; }

} // namespace

namespace vespera {

double moon_distance_km(double jde) {
    const double T = (jde - 2451545.0) / 36525.0;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    // Mean elements with the integer divisors of the first edition (ch. 45).
    const double D = 297.8502042 + 445267.1115168 * T - 0.00163 * T2 + T3 / 545868.0 - T4 / 113065000.0;
    const double M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0;
    const double Mp = 134.9634114 + 477198.8676313 * T + 0.008997 * T2 + T3 / 69699.0 - T4 / 14712000.0;
    const double F = 93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - T3 / 3526000.0 + T4 / 863310000.0;
    double sum_m = 0.0;
    for (const DistanceTerm& term : kDistanceTerms) {
        const double argument = term.d * D + term.m * M + term.m_moon * Mp + term.f * F;
        sum_m += term.coefficient_m * std::cos(radians(argument));
    }
    return 385000.56 + sum_m / 1000.0;
}

} // namespace vespera

// Noon of the civil day plus one minute: the day alone decides, never the clock.
double clsCalendar::MondEntfernung() {
    return guarded("MondEntfernung", 0.0, [&] {
        const double distance_km = vespera::moon_distance_km(static_cast<double>(f_.JD) + 1.0 / 1440.0);
        return static_cast<double>(vespera::round_to_long(distance_km));
    });
}

#include "ephemeris/lunar_phases.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "ephemeris/angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/root_finding.h"
#include "ephemeris/sun.h"

namespace vespera {
namespace {

struct PhaseTerm {
    std::int8_t mp, m, f, omega; // multiples of M', M, F, Omega
    std::int8_t e_power;         // the term is multiplied by E^e_power
    double new_moon_days;
    double full_moon_days;
};

// Periodic terms of new and full moon.
constexpr std::array<PhaseTerm, 25> kPhaseTerms = {{
    {1, 0, 0, 0, 0, -0.40720, -0.40614}, {0, 1, 0, 0, 1, 0.17241, 0.17302},
    {2, 0, 0, 0, 0, 0.01608, 0.01614},   {0, 0, 2, 0, 0, 0.01039, 0.01043},
    {1, -1, 0, 0, 1, 0.00739, 0.00734},  {1, 1, 0, 0, 1, -0.00514, -0.00515},
    {0, 2, 0, 0, 2, 0.00208, 0.00209},   {1, 0, -2, 0, 0, -0.00111, -0.00111},
    {1, 0, 2, 0, 0, -0.00057, -0.00057}, {2, 1, 0, 0, 1, 0.00056, 0.00056},
    {3, 0, 0, 0, 0, -0.00042, -0.00042}, {0, 1, 2, 0, 1, 0.00042, 0.00042},
    {0, 1, -2, 0, 1, 0.00038, 0.00038},  {2, -1, 0, 0, 1, -0.00024, -0.00024},
    {0, 0, 0, 1, 0, -0.00017, -0.00017}, {1, 2, 0, 0, 0, -0.00007, -0.00007},
    {2, 0, -2, 0, 0, 0.00004, 0.00004},  {0, 3, 0, 0, 0, 0.00004, 0.00004},
    {1, 1, -2, 0, 0, 0.00003, 0.00003},  {2, 0, 2, 0, 0, 0.00003, 0.00003},
    {1, 1, 2, 0, 0, -0.00003, -0.00003}, {1, -1, 2, 0, 0, 0.00003, 0.00003},
    {1, -1, -2, 0, 0, -0.00002, -0.00002}, {3, 1, 0, 0, 0, -0.00002, -0.00002},
    {4, 0, 0, 0, 0, 0.00002, 0.00002},
}};

struct PlanetaryArgument {
    double base_deg, rate_deg_per_lunation, coefficient_days;
};

// The fourteen additional corrections (A1 also has -0.009173 T^2).
constexpr std::array<PlanetaryArgument, 14> kPlanetaryArguments = {{
    {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060}, {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
    {239.56, 25.513, 0.000035}, {331.55, 3.592518, 0.000023},
}};

} // namespace

LunarPhase lunar_phase(double k, bool full_moon) {
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double mean_jde = mean_lunar_phase_jde(k);
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double m = (2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3) * kRadPerDeg;
    const double mp = (201.5643 + 385.816935 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4) * kRadPerDeg;
    const double f = (160.7108 + 390.670502 * k - 0.0016341 * t2 - 0.00000227 * t3) * kRadPerDeg;
    const double omega = (124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3) * kRadPerDeg;

    double periodic = 0.0;
    for (const PhaseTerm& term : kPhaseTerms) {
        const double factor = term.e_power == 0 ? 1.0 : (term.e_power == 1 ? e : e * e);
        const double argument = term.mp * mp + term.m * m + term.f * f + term.omega * omega;
        periodic += (full_moon ? term.full_moon_days : term.new_moon_days) * factor * std::sin(argument);
    }
    double additional = 0.0;
    for (std::size_t i = 0; i < kPlanetaryArguments.size(); ++i) {
        const PlanetaryArgument& a = kPlanetaryArguments[i];
        double argument_deg = a.base_deg + a.rate_deg_per_lunation * k;
        if (i == 0) argument_deg -= 0.009173 * t2;
        additional += a.coefficient_days * std::sin(argument_deg * kRadPerDeg);
    }
    return {mean_jde + periodic + additional, reduce_degrees(f / kRadPerDeg)};
}

bool may_be_eclipsed(const LunarPhase& phase) {
    constexpr double kNoEclipseSinF = 0.36;
    constexpr double kTrustedCenturies = 30.0;
    if (!(std::fabs(phase.jde - 2451545.0) < kTrustedCenturies * 36525.0)) return true;
    return std::fabs(std::sin(phase.argument_of_latitude_deg * kRadPerDeg)) <= kNoEclipseSinF;
}

double nearest_lunation(double jde, bool full_moon) {
    if (!std::isfinite(jde) || std::fabs(jde) > 1e9) return std::nan("");
    constexpr double kSynodicMonth_days = 29.530588853;
    const double offset = full_moon ? 0.5 : 0.0;
    double k = std::round((jde - 2451550.09765) / kSynodicMonth_days - offset) + offset;
    // Far from the present the mean phase's polynomial in T runs away from
    // the mean lunation by days; a step or two puts it right.
    double off = jde - lunar_phase(k, full_moon).jde;
    for (int i = 0; i < 8 && std::fabs(off) > kSynodicMonth_days / 2.0; ++i) {
        k += off > 0.0 ? 1.0 : -1.0;
        off = jde - lunar_phase(k, full_moon).jde;
    }
    // Lunations differ in length by up to 13 hours (Meeus ch. 49): only
    // within that much of the middle between two phases may the neighbour
    // be the nearer one.
    double best = k;
    if (std::fabs(off) > 14.0) {
        const double neighbour = off > 0.0 ? k + 1.0 : k - 1.0;
        if (std::fabs(jde - lunar_phase(neighbour, full_moon).jde) < std::fabs(off)) best = neighbour;
    }
    return best;
}

double mean_lunar_phase_jde(double k) {
    const double t = k / 1236.85;
    const double t2 = t * t;
    return 2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.00000015 * t2 * t + 0.00000000073 * t2 * t2;
}

double lunar_quarter_jde(double quarter_k) {
    const double mean_jde = mean_lunar_phase_jde(quarter_k);
    const double target_deg = quarter_k - std::floor(quarter_k) < 0.5 ? 90.0 : 270.0;
    // The elongation past the target, within -180..180: it grows by about
    // 12 degrees a day, and the true quarter lies within a day of the mean.
    const auto past_target = [&](double jde) {
        const double moon_deg = moon_apparent(jde).longitude_deg;
        const double sun_deg = apparent_sun(jde).longitude_deg;
        return reduce_degrees(moon_deg - sun_deg - target_deg + 180.0) - 180.0;
    };
    const double a = mean_jde - kQuarterFromMean_days;
    const double b = mean_jde + kQuarterFromMean_days;
    const double fa = past_target(a);
    const double fb = past_target(b);
    if (!(fa < 0.0 && fb > 0.0)) return mean_jde;
    constexpr double kTolerance_days = 1.0 / 1440.0;
    return zero_between(past_target, a, fa, b, fb, kTolerance_days, 40);
}

} // namespace vespera

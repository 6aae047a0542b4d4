// The instants of the seasons. A season begins when the Sun's apparent
// longitude reaches a multiple of 90 degrees (Meeus, Astronomical Algorithms,
// 2nd ed., ch. 27); the instant is solved for with the VSOP87 Sun of the
// ephemeris, starting from Meeus's own estimate.
#include "sky/seasons.h"

#include <cmath>
#include <numbers>

#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

struct SeasonTerm {
    double a, b_deg, c_deg;
};

// Meeus, Astronomical Algorithms, 2nd ed., Table 27.C (periodic terms).
constexpr std::array<SeasonTerm, 24> kSeasonTerms = {{
    {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886}, {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},  {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},   {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956}, {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},  {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},  {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},   {8, 15.45, 16859.074},
}};

// Meeus, Astronomical Algorithms, 2nd ed., Table 27.B (mean instants, years +1000..+3000).
constexpr std::array<std::array<double, 5>, 4> kMeanInstant = {{
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
}};

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kTropicalYear_days = 365.2422;

// Meeus's instant (dynamical time) of a season: the mean instant with its
// periodic correction, within a minute or two of the true one over the
// table's years. Beyond them the polynomial's higher powers run away (in
// 27968 it put spring into May of the year before), so only its first two
// terms, the mean tropical year, are kept there: days off, which the solver
// below corrects.
double meeus_instant_jde(std::int64_t year, std::size_t season) {
    const double y = (static_cast<double>(year) - 2000.0) / 1000.0;
    const auto& c = kMeanInstant[season];
    const bool in_table = year >= 1000 && year <= 3000;
    const double jde0 = in_table ? c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4]))) : c[0] + y * c[1];
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w_deg = 35999.373 * t - 2.47;
    const double delta_lambda = 1.0 + 0.0334 * std::cos(w_deg * kDegToRad) + 0.0007 * std::cos(2.0 * w_deg * kDegToRad);
    double s = 0.0;
    for (const SeasonTerm& term : kSeasonTerms) s += term.a * std::cos((term.b_deg + term.c_deg * t) * kDegToRad);
    return jde0 + 0.00001 * s / delta_lambda;
}

// The instant near `guess_jde` at which the Sun's apparent longitude reaches
// `target_deg`: secant steps on the longitude, the first with the Sun's mean
// rate. The rate varies by 3 % over the year, so each step leaves a thirtieth
// of the error or less; a step under 10 s leaves a fraction of a second.
double instant_of_solar_longitude_jde(double target_deg, double guess_jde) {
    constexpr double kMeanRate_deg_per_day = 360.0 / kTropicalYear_days;
    constexpr double kLastStep_days = 10.0 / kSecondsPerDay;
    double t = guess_jde;
    double rate = kMeanRate_deg_per_day;
    double previous_t = 0.0;
    double previous_offset = 0.0;
    for (int i = 0; i < 12; ++i) {
        const double offset = std::remainder(target_deg - apparent_sun(t).longitude_deg, 360.0);
        if (i > 0 && t != previous_t) {
            const double secant = (previous_offset - offset) / (t - previous_t);
            // Far from any plausible rate only when the two points are too
            // close to tell; the mean rate is then the better guess.
            if (secant > 0.9 * kMeanRate_deg_per_day && secant < 1.1 * kMeanRate_deg_per_day) rate = secant;
        }
        const double step = offset / rate;
        previous_t = t;
        previous_offset = offset;
        t += step;
        if (!(std::fabs(step) >= kLastStep_days)) break; // also ends on NaN
    }
    return t;
}

} // namespace

std::array<double, 4> season_instants_ut(std::int64_t year) {
    std::array<double, 4> instants{};
    for (std::size_t season = 0; season < 4; ++season) {
        const double jde =
            instant_of_solar_longitude_jde(90.0 * static_cast<double>(season), meeus_instant_jde(year, season));
        instants[season] = jde - delta_t_seconds(jde) / kSecondsPerDay;
    }
    return instants;
}

} // namespace vespera

#include "ephemeris/moon.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/moon_terms.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

constexpr double kMeanDistance_km = 385000.56;
constexpr double kSemidiameterAtOneKm_arcsec = 358473400.0; // Meeus ch. 55, k = 0.272481

// The multiples of D, M, M' and F that the tables use; a wider row could not compile.
constexpr int kMaxD = 4;
constexpr int kMaxM = 2;
constexpr int kMaxMMoon = 4;
constexpr int kMaxF = 3;

template <typename Table>
constexpr bool multiples_within_range(const Table& table) {
    for (const auto& row : table) {
        if (row.d < 0 || row.d > kMaxD || row.m < -kMaxM || row.m > kMaxM || row.m_moon < -kMaxMMoon ||
            row.m_moon > kMaxMMoon || row.f < -kMaxF || row.f > kMaxF) {
            return false;
        }
    }
    return true;
}
static_assert(multiples_within_range(moon_terms::kLongitudeDistance));
static_assert(multiples_within_range(moon_terms::kLatitude));

// A point on the unit circle, cos x + i sin x: the sines and cosines of the
// 120 arguments come from products of these instead of 180 calls of sin and cos.
struct Turn {
    double c;
    double s;
};

Turn operator*(Turn a, Turn b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

// e^(i k x) for k = -max_k .. max_k, stored at k + max_k.
template <int max_k>
std::array<Turn, 2 * max_k + 1> multiples_of(double angle_deg) {
    std::array<Turn, 2 * max_k + 1> powers{};
    const Turn one{cos_deg(angle_deg), sin_deg(angle_deg)};
    powers[max_k] = {1.0, 0.0};
    for (int k = 1; k <= max_k; ++k) {
        const Turn up = powers[static_cast<std::size_t>(max_k + k - 1)] * one;
        powers[static_cast<std::size_t>(max_k + k)] = up;
        powers[static_cast<std::size_t>(max_k - k)] = {up.c, -up.s};
    }
    return powers;
}

struct ArgumentTurns {
    std::array<Turn, 2 * kMaxD + 1> d;
    std::array<Turn, 2 * kMaxM + 1> m;
    std::array<Turn, 2 * kMaxMMoon + 1> m_moon;
    std::array<Turn, 2 * kMaxF + 1> f;
    std::array<double, kMaxM + 1> e_power; // 1, E, E^2

    template <typename Row>
    Turn of(const Row& row) const {
        return d[static_cast<std::size_t>(row.d + kMaxD)] * m[static_cast<std::size_t>(row.m + kMaxM)] *
               m_moon[static_cast<std::size_t>(row.m_moon + kMaxMMoon)] * f[static_cast<std::size_t>(row.f + kMaxF)];
    }
    template <typename Row>
    double eccentricity_of(const Row& row) const {
        return e_power[static_cast<std::size_t>(row.m < 0 ? -row.m : row.m)];
    }
};

ArgumentTurns argument_turns(const MoonArguments& a) {
    const double e = a.eccentricity_factor;
    return {multiples_of<kMaxD>(a.mean_elongation_deg), multiples_of<kMaxM>(a.sun_mean_anomaly_deg),
            multiples_of<kMaxMMoon>(a.moon_mean_anomaly_deg), multiples_of<kMaxF>(a.argument_of_latitude_deg),
            {1.0, e, e * e}};
}

} // namespace

MoonArguments moon_arguments(double centuries_tt) {
    const double t = centuries_tt;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    MoonArguments a{};
    a.mean_longitude_deg =
        reduce_degrees(218.3164477 + 481267.88123421 * t - 0.0015786 * t2 + t3 / 538841.0 - t4 / 65194000.0);
    a.mean_elongation_deg =
        reduce_degrees(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 + t3 / 545868.0 - t4 / 113065000.0);
    a.sun_mean_anomaly_deg = reduce_degrees(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0);
    a.moon_mean_anomaly_deg =
        reduce_degrees(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 + t3 / 69699.0 - t4 / 14712000.0);
    a.argument_of_latitude_deg =
        reduce_degrees(93.2720950 + 483202.0175233 * t - 0.0036539 * t2 - t3 / 3526000.0 + t4 / 863310000.0);
    a.eccentricity_factor = 1.0 - 0.002516 * t - 0.0000074 * t2;
    return a;
}

MoonPosition moon_geocentric(double jde) {
    const double t = centuries_since_j2000(jde);
    const MoonArguments a = moon_arguments(t);
    const ArgumentTurns turns = argument_turns(a);

    double sigma_l = 0.0;
    double sigma_r = 0.0;
    for (const auto& row : moon_terms::kLongitudeDistance) {
        const Turn z = turns.of(row);
        const double e = turns.eccentricity_of(row);
        sigma_l += row.sigma_l * e * z.s;
        sigma_r += row.sigma_r * e * z.c;
    }
    double sigma_b = 0.0;
    for (const auto& row : moon_terms::kLatitude) sigma_b += row.sigma_b * turns.eccentricity_of(row) * turns.of(row).s;

    // Venus (A1), Jupiter (A2) and the flattening of the Earth (L' - M', L' + M').
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    const double a3 = 313.45 + 481266.484 * t;
    const double lp = a.mean_longitude_deg;
    const double f = a.argument_of_latitude_deg;
    const double mp = a.moon_mean_anomaly_deg;
    sigma_l += 3958.0 * sin_deg(a1) + 1962.0 * sin_deg(lp - f) + 318.0 * sin_deg(a2);
    sigma_b += -2235.0 * sin_deg(lp) + 382.0 * sin_deg(a3) + 175.0 * sin_deg(a1 - f) + 175.0 * sin_deg(a1 + f) +
               127.0 * sin_deg(lp - mp) - 115.0 * sin_deg(lp + mp);

    return {reduce_degrees(lp + sigma_l / 1e6), sigma_b / 1e6, kMeanDistance_km + sigma_r / 1000.0};
}

MoonApparent moon_apparent(double jde) {
    const MoonPosition geometric = moon_geocentric(jde);
    const double t = centuries_since_j2000(jde);
    const Nutation n = nutation(t);
    const double obliquity_deg = mean_obliquity_deg(t) + n.obliquity_deg;

    MoonApparent moon{};
    moon.longitude_deg = reduce_degrees(geometric.longitude_deg + n.longitude_deg);
    moon.latitude_deg = geometric.latitude_deg;
    const Equatorial equatorial = equatorial_of_ecliptic(moon.longitude_deg, moon.latitude_deg, obliquity_deg);
    moon.right_ascension_deg = equatorial.right_ascension_deg;
    moon.declination_deg = equatorial.declination_deg;
    moon.distance_km = geometric.distance_km;
    // Over the centuries the series was fitted to the distance stays between
    // 356000 and 407000 km; tens of millennia away it means nothing and may
    // even reach zero, which gives NaN here rather than a division by zero.
    if (geometric.distance_km > kEarthEquatorialRadius_km) {
        moon.horizontal_parallax_deg = std::asin(kEarthEquatorialRadius_km / geometric.distance_km) / kRadPerDeg;
        moon.semidiameter_deg = kSemidiameterAtOneKm_arcsec / geometric.distance_km * kDegPerArcsec;
    } else {
        moon.horizontal_parallax_deg = std::numeric_limits<double>::quiet_NaN();
        moon.semidiameter_deg = std::numeric_limits<double>::quiet_NaN();
    }
    moon.true_obliquity_deg = obliquity_deg;
    moon.nutation_longitude_deg = n.longitude_deg;
    return moon;
}

namespace {

// 48.4 reduced to [0, 360): from 180 at new moon down through 0 at full moon.
double phase_angle_turn_deg(double jde) {
    const MoonArguments a = moon_arguments(centuries_since_j2000(jde));
    const double d = a.mean_elongation_deg;
    const double m = a.sun_mean_anomaly_deg;
    const double mp = a.moon_mean_anomaly_deg;
    const double i_deg = 180.0 - d - 6.289 * sin_deg(mp) + 2.100 * sin_deg(m) - 1.274 * sin_deg(2.0 * d - mp) -
                         0.658 * sin_deg(2.0 * d) - 0.214 * sin_deg(2.0 * mp) - 0.110 * sin_deg(d);
    return reduce_degrees(i_deg);
}

} // namespace

double moon_phase_angle_deg(double jde) {
    // 48.4 runs from 180 down to -180 over a lunation; the phase angle is its size.
    const double reduced_deg = phase_angle_turn_deg(jde);
    return reduced_deg > 180.0 ? 360.0 - reduced_deg : reduced_deg;
}

double moon_illuminated_fraction(double jde) { return (1.0 + cos_deg(moon_phase_angle_deg(jde))) / 2.0; }

MoonHorizon moon_horizon(double jd_ut, double longitude_deg, double latitude_deg) {
    const MoonApparent m = moon_apparent(jde_of(jd_ut));
    // Apparent sidereal time, to match the apparent right ascension (ch. 12).
    const double sidereal_deg = greenwich_mean_sidereal_deg(jd_ut - kJ2000_jd) +
                                m.nutation_longitude_deg * cos_deg(m.true_obliquity_deg);
    return {altitude_deg(sidereal_deg + longitude_deg - m.right_ascension_deg, m.declination_deg, latitude_deg),
            m.horizontal_parallax_deg};
}

double moon_topocentric_altitude_deg(const MoonHorizon& moon) {
    const double h = moon.geocentric_altitude_deg * kRadPerDeg;
    return std::atan2(std::sin(h) - sin_deg(moon.horizontal_parallax_deg), std::cos(h)) / kRadPerDeg;
}

bool moon_waxing(double jde) { return phase_angle_turn_deg(jde) <= 180.0; }

} // namespace vespera

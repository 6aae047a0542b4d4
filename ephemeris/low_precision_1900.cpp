#include "ephemeris/low_precision_1900.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "ephemeris/angles.h"

namespace vespera {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Bogenmass(double deg) { return deg * kRoundedRadPerDeg; }
double Grad(double rad) { return rad * kRoundedDegPerRad; }

// One periodic term: coefficient (degrees) of sin or cos of
// d D + m M + mp M' + f F; the term is multiplied by E^|m|.
struct LunarTerm {
    double coefficient_deg;
    std::int8_t d, m, mp, f;
};

// Moon's longitude, Brown's theory abridged (Practical Astronomy, 4th ed., routine MoonLong).
constexpr std::array<LunarTerm, 50> kMoonLongitudeTerms{{
    {6.288750, 0, 0, 1, 0}, {1.274018, 2, 0, -1, 0}, {0.658309, 2, 0, 0, 0},
    {0.213616, 0, 0, 2, 0}, {-0.185596, 0, 1, 0, 0}, {-0.114336, 0, 0, 0, 2},
    {0.058793, 2, 0, -2, 0}, {0.057212, 2, -1, -1, 0}, {0.053320, 2, 0, 1, 0},
    {0.045874, 2, -1, 0, 0}, {0.041024, 0, -1, 1, 0}, {-0.034718, 1, 0, 0, 0},
    {-0.030465, 0, 1, 1, 0}, {0.015326, 2, 0, 0, -2}, {-0.012528, 0, 0, 1, 2},
    {-0.010980, 0, 0, -1, 2}, {0.010674, 4, 0, -1, 0}, {0.010034, 0, 0, 3, 0},
    {0.008548, 4, 0, -2, 0}, {-0.007910, 2, 1, -1, 0}, {-0.006783, 2, 1, 0, 0},
    {0.005162, -1, 0, 1, 0}, {0.005000, 1, 1, 0, 0}, {0.003862, 4, 0, 0, 0},
    {0.004049, 2, -1, 1, 0}, {0.003996, 2, 0, 2, 0}, {0.003665, 2, 0, -3, 0},
    {0.002695, 0, -1, 2, 0}, {0.002602, -2, 0, 1, -2}, {0.002396, 2, -1, -2, 0},
    {-0.002349, 1, 0, 1, 0}, {0.002249, 2, -2, 0, 0}, {-0.002125, 0, 1, 2, 0},
    {-0.002079, 0, 2, 0, 0}, {0.002059, 2, -2, -1, 0}, {-0.001773, 2, 0, 1, -2},
    {-0.001595, 2, 0, 0, 2}, {0.001220, 4, -1, -1, 0}, {-0.001110, 0, 0, 2, 2},
    {0.000892, -3, 0, 1, 0}, {-0.000811, 2, 1, 1, 0}, {0.000761, 4, -1, -2, 0},
    {0.000704, -2, -2, 1, 0}, {0.000693, 2, 1, -2, 0}, {0.000598, 2, -1, 0, -2},
    {0.000550, 4, 0, 1, 0}, {0.000538, 0, 0, 4, 0}, {0.000521, 4, -1, 0, 0},
    {0.000486, -1, 0, 2, 0}, {0.000717, 0, -2, 1, 0}
}};

// Moon's latitude, Brown's theory abridged (Practical Astronomy, 4th ed., routine MoonLat).
constexpr std::array<LunarTerm, 45> kMoonLatitudeTerms{{
    {5.128189, 0, 0, 0, 1}, {0.280606, 0, 0, 1, 1}, {0.277693, 0, 0, 1, -1},
    {0.173238, 2, 0, 0, -1}, {0.055413, 2, 0, -1, 1}, {0.046272, 2, 0, -1, -1},
    {0.032573, 2, 0, 0, 1}, {0.017198, 0, 0, 2, 1}, {0.009267, 2, 0, 1, -1},
    {0.008823, 0, 0, 2, -1}, {0.008247, 2, -1, 0, -1}, {0.004323, 2, 0, -2, -1},
    {0.004200, 2, 0, 1, 1}, {0.003372, -2, -1, 0, 1}, {0.002472, 2, -1, -1, 1},
    {0.002222, 2, -1, 0, 1}, {0.002072, 2, -1, -1, -1}, {0.001877, 0, -1, 1, 1},
    {0.001828, 4, 0, -1, -1}, {-0.001803, 0, 1, 0, 1}, {-0.001750, 0, 0, 0, 3},
    {0.001570, 0, -1, 1, -1}, {-0.001487, 1, 0, 0, 1}, {-0.001481, 0, 1, 1, 1},
    {0.001417, 0, -1, -1, 1}, {0.001350, 0, -1, 0, 1}, {0.001330, -1, 0, 0, 1},
    {0.001106, 0, 0, 3, 1}, {0.001020, 4, 0, 0, -1}, {0.000833, 4, 0, -1, 1},
    {0.000781, 0, 0, 1, -3}, {0.000670, 4, 0, -2, 1}, {0.000606, 2, 0, 0, -3},
    {0.000597, 2, 0, 2, -1}, {0.000492, 2, -1, 1, -1}, {0.000450, -2, 0, 2, -1},
    {0.000439, 0, 0, 3, -1}, {0.000423, 2, 0, 2, 1}, {0.000422, 2, 0, -3, -1},
    {-0.000367, 2, 1, -1, 1}, {-0.000353, 2, 1, 0, 1}, {0.000331, 4, 0, 0, 1},
    {0.000317, 2, -1, 1, 1}, {0.000306, 2, -2, 0, -1}, {-0.000283, 0, 0, 1, 3}
}};

// Moon's horizontal parallax, cosine terms (Practical Astronomy, 4th ed., routine MoonHP).
constexpr std::array<LunarTerm, 30> kMoonParallaxTerms{{
    {0.051818, 0, 0, 1, 0}, {0.009531, 2, 0, -1, 0}, {0.007843, 2, 0, 0, 0},
    {0.002824, 0, 0, 2, 0}, {0.000857, 2, 0, 1, 0}, {0.000533, 2, -1, 0, 0},
    {0.000401, 2, -1, -1, 0}, {0.000320, 0, -1, 1, 0}, {-0.000271, 1, 0, 0, 0},
    {-0.000264, 0, 1, 1, 0}, {-0.000198, 0, 0, -1, 2}, {0.000173, 0, 0, 3, 0},
    {0.000167, 4, 0, -1, 0}, {-0.000111, 0, 1, 0, 0}, {0.000103, 4, 0, -2, 0},
    {-0.000084, -2, 0, 2, 0}, {-0.000083, 2, 1, 0, 0}, {0.000079, 2, 0, 2, 0},
    {0.000072, 4, 0, 0, 0}, {0.000064, 2, -1, 1, 0}, {-0.000063, 2, 1, -1, 0},
    {0.000041, 1, 1, 0, 0}, {0.000035, 0, -1, 2, 0}, {-0.000033, -2, 0, 3, 0},
    {-0.000030, 1, 0, 1, 0}, {-0.000029, -2, 0, 0, 2}, {-0.000029, 0, 1, 2, 0},
    {0.000026, 2, -2, 0, 0}, {-0.000023, -2, 0, 1, 2}, {0.000019, 4, -1, -1, 0}
}};
constexpr double kMoonParallaxConstant_deg = 0.950724;

double frac_floor(double x) { return x - std::floor(x); }

SunPlace1900 sun_place(double days) {
    const double t = days / 36525.0;
    const double t2 = t * t;
    const double mean_lon = 279.69668 + 0.0003025 * t2 + 360.0 * frac_floor(100.0021359 * t);
    const double mean_anomaly =
        358.47583 - (0.00015 + 0.0000033 * t) * t2 + 360.0 * frac_floor(99.99736042 * t);
    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;

    // Perturbations by Venus (a, b), Jupiter (c), the Moon (d), the long-period
    // term (e1) and a second Jupiter term in the distance (h).
    const double a = Bogenmass(153.23 + 360.0 * frac_floor(62.55209472 * t));
    const double b = Bogenmass(216.57 + 360.0 * frac_floor(125.1041894 * t));
    const double c = Bogenmass(312.69 + 360.0 * frac_floor(91.56766028 * t));
    const double d = Bogenmass(350.74 - 0.00144 * t2 + 360.0 * frac_floor(1236.853095 * t));
    const double e1 = Bogenmass(231.19 + 20.2 * t);
    const double h = Bogenmass(353.4 + 360.0 * frac_floor(183.1353208 * t));
    const double dl = 0.00134 * std::cos(a) + 0.00154 * std::cos(b) + 0.002 * std::cos(c) +
                      0.00179 * std::sin(d) + 0.00178 * std::sin(e1);
    const double dr = 0.00000543 * std::sin(a) + 0.00001575 * std::sin(b) +
                      0.00001627 * std::sin(c) + 0.00003076 * std::cos(d) +
                      0.00000927 * std::sin(h);

    // Kepler's equation by Newton's method; with e < 0.02 it settles in a few
    // steps, the bound only guards against a non-finite input.
    double m = Bogenmass(mean_anomaly);
    m -= kTwoPi * std::floor(m / kTwoPi);
    double ecc_anomaly = m;
    for (int step = 0; step < 50; ++step) {
        const double residual = ecc_anomaly - e * std::sin(ecc_anomaly) - m;
        if (std::abs(residual) < 0.000001) break;
        ecc_anomaly -= residual / (1.0 - e * std::cos(ecc_anomaly));
    }
    const double true_anomaly =
        2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(ecc_anomaly / 2.0));

    double lon = true_anomaly + Bogenmass(mean_lon - mean_anomaly + dl);
    lon -= kTwoPi * std::floor(lon / kTwoPi);
    return {Grad(lon), 1.0000002 * (1.0 - e * std::cos(ecc_anomaly)) + dr};
}

struct MoonArguments {
    double mean_lon_deg; // L'
    double d_rad;        // mean elongation
    double m_rad;        // Sun's mean anomaly
    double mp_rad;       // Moon's mean anomaly
    double f_rad;        // argument of latitude
    double e;            // eccentricity factor of terms in M
    double latitude_factor;
};

MoonArguments moon_arguments(double days) {
    const double t = days / 36525.0;
    const double t2 = t * t;
    double lp = 270.434164 + 360.0 * frac_floor(days / 27.32158213) - (0.001133 - 0.0000019 * t) * t2;
    double ms = 358.475833 + 360.0 * frac_floor(days / 365.2596407) - (0.00015 + 0.0000033 * t) * t2;
    double md = 296.104608 + 360.0 * frac_floor(days / 27.55455094) + (0.009192 + 0.0000144 * t) * t2;
    double de = 350.737486 + 360.0 * frac_floor(days / 29.53058868) - (0.001436 - 0.0000019 * t) * t2;
    double f = 11.250889 + 360.0 * frac_floor(days / 27.21222039) - (0.003211 + 0.0000003 * t) * t2;
    const double node = 259.183275 - 360.0 * frac_floor(days / 6798.363307) +
                        (0.002078 + 0.0000022 * t) * t2;

    // Long-period additive corrections to the mean elements.
    const double s1 = std::sin(Bogenmass(51.2 + 20.2 * t));
    const double s2 = std::sin(Bogenmass(node));
    const double s3 = 0.003964 * std::sin(Bogenmass(346.56 + (132.87 - 0.0091731 * t) * t));
    const double c = node + 275.05 - 2.3 * t;
    const double s4 = std::sin(Bogenmass(c));
    lp += 0.000233 * s1 + s3 + 0.001964 * s2;
    ms -= 0.001778 * s1;
    md += 0.000817 * s1 + s3 + 0.002541 * s2;
    f += s3 - 0.024691 * s2 - 0.004328 * s4;
    de += 0.002011 * s1 + s3 + 0.001964 * s2;

    const double e = 1.0 - (0.002495 + 0.00000752 * t) * t;
    const double w1 = 0.0004664 * std::cos(Bogenmass(node));
    const double w2 = 0.0000754 * std::cos(Bogenmass(c));
    return {lp, Bogenmass(de), Bogenmass(ms), Bogenmass(md), Bogenmass(f), e, 1.0 - w1 - w2};
}

template <std::size_t N, class Fn>
double series(const std::array<LunarTerm, N>& terms, const MoonArguments& a, Fn trig) {
    double sum = 0.0;
    for (const LunarTerm& term : terms) {
        const double arg = term.d * a.d_rad + term.m * a.m_rad + term.mp * a.mp_rad + term.f * a.f_rad;
        const int e_power = std::abs(static_cast<int>(term.m));
        const double factor = e_power == 0 ? 1.0 : (e_power == 1 ? a.e : a.e * a.e);
        sum += term.coefficient_deg * factor * trig(arg);
    }
    return sum;
}

double sine(double x) { return std::sin(x); }
double cosine(double x) { return std::cos(x); }

} // namespace

SunPlace1900 sun_1900(double days) { return sun_place(days); }

MoonPlace1900 moon_1900(double days) {
    const MoonArguments a = moon_arguments(days);
    return {reduce_degrees(a.mean_lon_deg + series(kMoonLongitudeTerms, a, sine)),
            series(kMoonLatitudeTerms, a, sine) * a.latitude_factor,
            kMoonParallaxConstant_deg + series(kMoonParallaxTerms, a, cosine)};
}

} // namespace vespera

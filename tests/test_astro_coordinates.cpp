// Angles, obliquity, nutation, coordinate transforms and parallax of the
// eclipse module against published examples.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astro/AstroModuleDetail.h"

namespace {

using namespace AstroModule::detail;

constexpr double kPi = std::numbers::pi;

struct Atan2Case {
    double x, y, angle;
};

TEST(AstroCoordinates, Atan2CoversTheFullCircle) {
    const Atan2Case cases[] = {
        {1, 1, kPi / 4},      {-1, 1, 3 * kPi / 4}, {-1, -1, 5 * kPi / 4}, {1, -1, 7 * kPi / 4},
        {1, 0, 0},            {-1, 0, kPi},         {0, 1, kPi / 2},       {0, -1, 3 * kPi / 2},
        // On the y axis a vanishing negative x must not turn the point round.
        {-1e-25, 1, kPi / 2}, {-1e-25, -1, 3 * kPi / 2},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Atan2(c.x, c.y), c.angle, 1e-9) << c.x << ", " << c.y;
    }
}

TEST(AstroCoordinates, ArcSinStaysFiniteAtAndBeyondOne) {
    EXPECT_NEAR(ArcSin(0.5), kPi / 6, 1e-15);
    EXPECT_NEAR(ArcSin(-0.5), -kPi / 6, 1e-15);
    EXPECT_EQ(ArcSin(1.0), kPi / 2);
    EXPECT_EQ(ArcSin(-1.0), -kPi / 2);
    EXPECT_EQ(ArcSin(1.0 + 1e-15), kPi / 2);
    EXPECT_NEAR(Grad(Bogenmass(123.456)), 123.456, 1e-8);
}

struct NutationCase {
    double day, month, year;
    double nutation_lon_deg, nutation_obl_deg, obliquity_deg;
};

TEST(AstroCoordinates, NutationAndObliquity) {
    // Duffett-Smith & Zwart, 4th ed., routines NutatLong, NutatObl, Obliq; the
    // module now uses the four-term series of Meeus, ch. 22 (within 0.5").
    const NutationCase cases[] = {
        {1, 9, 2003, -0.0036836530592860004, 0.0016317734384620332, 23.440446890820947},
        {20, 3, 2015, 0.000981021808631095, -0.002358194607409643, 23.43495516660922},
        {27, 7, 1988, 0.001428110894859618, 0.0023775694899883454, 23.44315585936471},
        {1, 1, 2000, -0.0038772865055807237, -0.001599198614222813, 23.437692649403118},
    };
    for (const auto& c : cases) {
        constexpr double half_arcsec = 0.5 / 3600.0;
        EXPECT_NEAR(NutationLaenge(c.day, c.month, c.year), c.nutation_lon_deg, half_arcsec) << c.year;
        EXPECT_NEAR(NutationSchiefe(c.day, c.month, c.year), c.nutation_obl_deg, half_arcsec) << c.year;
        EXPECT_NEAR(Schiefe(c.day, c.month, c.year), c.obliquity_deg, half_arcsec) << c.year;
    }
}

TEST(AstroCoordinates, EclipticToEquatorialPublishedPositions) {
    const double arcsec = 1.0 / 3600.0;
    // The Sun on 27 July 1988 at 0h UT, longitude 124.18735155910042 deg:
    // RA 8h26m3.83s, Dec +19 deg 12' 49.72" (Duffett-Smith & Zwart, 4th ed.).
    EXPECT_NEAR(EkliptikZuRektaszension(124.18735155910042, 0, 27, 7, 1988) / 15,
                GMSZuDezimal(8, 26, 3.83), 0.01 * arcsec);
    EXPECT_NEAR(EkliptikZuDeklination(124.18735155910042, 0, 27, 7, 1988),
                GMSZuDezimal(19, 12, 49.72), 0.01 * arcsec);
    // The Moon on 1 September 2003 at 0h UT, apparent longitude and latitude:
    // RA 14h12m10.21s, Dec -11 deg 34' 57.83" (same book).
    const double moon_lon = 214.76607583999254 - 0.0036836530592860004;
    const double moon_lat = 1.6201305409210693;
    EXPECT_NEAR(EkliptikZuRektaszension(moon_lon, moon_lat, 1, 9, 2003) / 15,
                GMSZuDezimal(14, 12, 10.21), 0.01 * arcsec);
    EXPECT_NEAR(EkliptikZuDeklination(moon_lon, moon_lat, 1, 9, 2003), GMSZuDezimal(-11, 34, 57.83),
                0.01 * arcsec);
}

TEST(AstroCoordinates, EquatorialToEclipticInvertsTheForwardTransform) {
    struct Point {
        double lon, lat;
    };
    const Point points[] = {{0.0, 0.0}, {359.9, 1.2}, {0.05, -5.1}, {90, 23}, {180, -60}, {271.3, 5}};
    for (const auto& p : points) {
        const double ra = EkliptikZuRektaszension(p.lon, p.lat, 25, 10, 2022);
        const double dec = EkliptikZuDeklination(p.lon, p.lat, 25, 10, 2022);
        EXPECT_GE(ra, 0.0);
        EXPECT_LT(ra, 360.0);
        const double lon = AequatorZuEklLaenge(ra, dec, 25, 10, 2022);
        const double wrapped = std::remainder(lon - p.lon, 360.0);
        EXPECT_NEAR(wrapped, 0.0, 1e-7) << p.lon;
        EXPECT_NEAR(AequatorZuEklBreite(ra, dec, 25, 10, 2022), p.lat, 1e-7) << p.lon;
    }
}

TEST(AstroCoordinates, ParallaxOfTheWorkedExample) {
    // Duffett-Smith & Zwart, 4th ed.: true hour angle 21.8905 h, declination
    // -7 deg 41' 13", horizontal parallax 1.019167 deg, latitude 50 N, height
    // 60 m: apparent hour angle 21.867105706 h, declination -8 deg 32' 17.40".
    const double ha = 21.89050002621128;
    const double dec = GMSZuDezimal(-7, 41, 13);
    // The module now uses the IAU 1976 ellipsoid of the ephemeris, within
    // a few thousandths of an arcsecond of the book's figures.
    for (const char* flag : {"True", "true", "T"}) {
        EXPECT_NEAR(ParallaxeStundenwinkel(ha, dec, flag, 50, 60, 1.019167), 21.867105706062553, 1e-6);
        EXPECT_NEAR(ParallaxeDeklination(ha, dec, flag, 50, 60, 1.019167), -8.538165507686356, 1e-6);
    }
    EXPECT_NEAR(ParallaxeDeklination(ha, dec, "True", 50, 60, 1.019167), GMSZuDezimal(-8, 32, 17.40),
                0.01 / 3600);
    // Back from the apparent place to the true one.
    const double ha_app = 21.867105706062553;
    const double dec_app = -8.538165507686356;
    for (const char* flag : {"False", "f", ""}) {
        EXPECT_NEAR(ParallaxeStundenwinkel(ha_app, dec_app, flag, 50, 60, 1.019167), ha, 1e-6);
        EXPECT_NEAR(ParallaxeDeklination(ha_app, dec_app, flag, 50, 60, 1.019167), dec, 1e-6);
    }
    // A body at infinity keeps its place.
    EXPECT_NEAR(ParallaxeStundenwinkel(ha, dec, "True", 50, 0, 0.0), ha, 1e-8);
    EXPECT_NEAR(ParallaxeDeklination(ha, dec, "True", 50, 0, 0.0), dec, 1e-8);
}

} // namespace

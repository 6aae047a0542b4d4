// The Moon and the coordinate transformations of the ephemeris layer against
// the worked examples of Meeus, Astronomical Algorithms, 2nd ed. (1998).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>

#include "ephemeris/coordinates.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun.h"
#include "published_values.h"

namespace {

constexpr double kArcsec = 1.0 / 3600.0;
constexpr double kExample47aJde = 2448724.5; // 1992 April 12, 0h TD

TEST(EphemerisMoon, MeeusExample47a) {
    const vespera::MoonPosition geometric = vespera::moon_geocentric(kExample47aJde);
    const vespera::MoonApparent apparent = vespera::moon_apparent(kExample47aJde);
    // The book's nutation is the full series (delta psi = +16.595"); the four
    // largest terms used here leave a few tenths of an arcsecond in the
    // apparent place.
    expect_published({
        {"geometric longitude", geometric.longitude_deg, 133.162655, 1e-6},
        {"latitude", geometric.latitude_deg, -3.229126, 1e-6},
        {"distance km", geometric.distance_km, 368409.7, 0.05},
        {"parallax", apparent.horizontal_parallax_deg, 0.991990, 1e-6},
        {"apparent longitude", apparent.longitude_deg, 133.167265, 0.5 * kArcsec},
        {"right ascension", apparent.right_ascension_deg, 134.688470, 0.5 * kArcsec},
        {"declination", apparent.declination_deg, 13.768368, 0.5 * kArcsec},
        {"true obliquity", apparent.true_obliquity_deg, 23.440636, 0.1 * kArcsec},
        // Meeus ch. 55: s = 358473400" / distance in km.
        {"semidiameter arcsec", apparent.semidiameter_deg / kArcsec, 973.03, 0.005},
    });
}

TEST(EphemerisMoon, MeeusExample48aShorterPhaseAngle) {
    // 48.4 on 1992 April 12, 0h TD gives i = 68.88 and k = 0.6801; the
    // book's full method (48.2, 48.3) gives k = 0.6786, the method's error.
    expect_published({
        {"phase angle by 48.4", vespera::moon_phase_angle_deg(kExample47aJde), 68.88, 0.005},
        {"illuminated fraction by 48.4", vespera::moon_illuminated_fraction(kExample47aJde), 0.6801, 0.00005},
        {"illuminated fraction, full method", vespera::moon_illuminated_fraction(kExample47aJde), 0.6786, 0.002},
    });
}

TEST(EphemerisMoon, FractionAtPublishedNewAndFullMoons) {
    // New moon 2000 January 6, 18:14 UT and full moon 2000 January 21,
    // 4:41 UT (the lunar eclipse): the ends of the range, where a wrong fold
    // of 48.4 into 0..180 degrees would show.
    struct Case { double jd_ut; double fraction; };
    const Case cases[] = {{2451550.26, 0.0}, {2451564.695, 1.0}};
    for (const Case& c : cases) EXPECT_NEAR(vespera::moon_illuminated_fraction(c.jd_ut), c.fraction, 0.001) << c.jd_ut;
}

TEST(EphemerisCoordinates, MeeusExamples13aAnd13b) {
    // 13.a: Pollux, mean obliquity of J2000.0.
    const vespera::Ecliptic pollux = vespera::ecliptic_of_equatorial(116.328942, 28.026183, 23.4392911);
    const vespera::Equatorial back = vespera::equatorial_of_ecliptic(113.215630, 6.684170, 23.4392911);
    // 13.b: Venus from Washington; the book's azimuth 68.0337 counts from south.
    const double h = 64.352133;
    const double delta = dms(-6, 43, 11.61);
    const double phi = dms(38, 55, 17);
    expect_published({
        {"13.a longitude", pollux.longitude_deg, 113.215630, 1e-6},
        {"13.a latitude", pollux.latitude_deg, 6.684170, 1e-6},
        {"13.a back to right ascension", back.right_ascension_deg, 116.328942, 1e-6},
        {"13.a back to declination", back.declination_deg, 28.026183, 1e-6},
        {"13.b azimuth", vespera::azimuth_from_north_deg(h, delta, phi), 68.0337 + 180.0, 0.00005},
        {"13.b altitude", vespera::altitude_deg(h, delta, phi), 15.1249, 0.00005},
    });
}

TEST(EphemerisCoordinates, MeeusExamples11aAnd40a) {
    // Palomar: 33 21 22 N, 1706 m. Mars on 2003 August 28, 3h17m UT at
    // 0.37276 AU, hour angle 288.7958 degrees.
    const vespera::ObserverGeocentric palomar = vespera::observer_geocentric(dms(33, 21, 22), 1706.0);
    const vespera::TopocentricEquatorial mars = vespera::topocentric_equatorial(
        339.530208, -15.771083, 0.37276 * vespera::kAstronomicalUnit_km, 288.7958, palomar);
    expect_published({
        {"11.a rho sin phi'", palomar.rho_sin_phi, 0.546861, 5e-7},
        {"11.a rho cos phi'", palomar.rho_cos_phi, 0.836339, 5e-7},
        {"40.a right ascension", mars.right_ascension_deg, hms_deg(22, 38, 8.54), 0.1 * kArcsec},
        {"40.a declination", mars.declination_deg, dms(-15, 46, 30.0), 0.06 * kArcsec},
    });
}

TEST(EphemerisCoordinates, TopocentricMoonOverheadAndOnTheHorizon) {
    // An observer at sea level on the equator. The Moon in the zenith comes
    // one Earth radius nearer and keeps its direction. Where the topocentric
    // Moon stands on the west horizon (hour angle 90), the geocentric one
    // stands higher by exactly the horizontal parallax p, and the distance
    // shrinks by cos p.
    const vespera::ObserverGeocentric equator = vespera::observer_geocentric(0.0, 0.0);
    const double distance_km = 384400.0;
    const double p_deg = std::asin(vespera::kEarthEquatorialRadius_km / distance_km) / vespera::kRadPerDeg;
    const auto overhead = vespera::topocentric_equatorial(100.0, 0.0, distance_km, 0.0, equator);
    const auto horizon = vespera::topocentric_equatorial(100.0, 0.0, distance_km, 90.0 - p_deg, equator);
    expect_published({
        {"overhead right ascension", overhead.right_ascension_deg, 100.0, 1e-12},
        {"overhead declination", overhead.declination_deg, 0.0, 1e-12},
        {"overhead distance", overhead.distance_km, distance_km - vespera::kEarthEquatorialRadius_km, 1e-8},
        {"horizon right ascension", horizon.right_ascension_deg, 100.0 - p_deg, 1e-12},
        {"horizon declination", horizon.declination_deg, 0.0, 1e-12},
        {"horizon distance", horizon.distance_km, distance_km * std::cos(p_deg * vespera::kRadPerDeg), 1e-8},
    });
    EXPECT_TRUE(std::isnan(vespera::topocentric_equatorial(100.0, 0.0, 0.0, 0.0, equator).declination_deg));
}

TEST(EphemerisCoordinates, SeparationFromArcturusToTinyAngles) {
    // 17.a: Arcturus and Spica, 32.7930 degrees. The rest are exact by
    // construction, with inputs exact in binary; the plain arccosine of 17.1
    // is off by about 1e-8 degree at these angles, or returns 0.
    const double tiny = std::ldexp(1.0, -18); // 0.0137 arcsec
    const double relative = 1e-12;
    const double near_pole = 90.0 - std::ldexp(1.0, -14);
    const double near_360 = 360.0 - std::ldexp(1.0, -16);
    expect_published({
        {"17.a", vespera::angular_separation_deg(213.9154, 19.1825, 201.2983, -11.1614), 32.7930, 0.00005},
        {"tiny step in declination", vespera::angular_separation_deg(80.0, 45.0, 80.0, 45.0 + tiny), tiny,
         relative * tiny},
        {"tiny step of right ascension at 60 N", vespera::angular_separation_deg(80.0, 60.0, 80.0 + 2 * tiny, 60.0),
         tiny, relative * tiny},
        {"across 0h", vespera::angular_separation_deg(near_360, 0.0, std::ldexp(1.0, -16), 0.0), std::ldexp(1.0, -15),
         relative * std::ldexp(1.0, -15)},
        {"across the pole", vespera::angular_separation_deg(10.0, near_pole, 190.0, near_pole), std::ldexp(1.0, -13),
         relative * std::ldexp(1.0, -13)},
        {"antipodes", vespera::angular_separation_deg(30.0, 20.0, 210.0, -20.0), 180.0, 1e-12},
    });
}

TEST(EphemerisMoon, AnyDoubleGivesAnAngleInRangeOrNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double inputs[] = {nan, inf, -inf, 1e308, -1e308, 0.0, -0.0, 4.9e-324, 1e7, 2451545.0};
    auto in_turn = [](double x) { return std::isnan(x) || (x >= 0.0 && x < 360.0); };
    auto in_half_turn = [](double x) { return std::isnan(x) || (x >= -90.0 && x <= 90.0); };
    for (const double x : inputs) {
        const vespera::MoonApparent moon = vespera::moon_apparent(x);
        EXPECT_TRUE(in_turn(moon.longitude_deg) && in_turn(moon.right_ascension_deg)) << x;
        EXPECT_TRUE(in_half_turn(moon.declination_deg)) << x;
        const double i = vespera::moon_phase_angle_deg(x);
        EXPECT_TRUE(std::isnan(i) || (i >= 0.0 && i <= 180.0)) << x;
        for (const double y : inputs) {
            const auto topocentric =
                vespera::topocentric_equatorial(x, y, 384400.0, x, vespera::observer_geocentric(y, x));
            EXPECT_TRUE(in_turn(topocentric.right_ascension_deg) && in_half_turn(topocentric.declination_deg)) << x << " " << y;
            EXPECT_TRUE(in_half_turn(vespera::altitude_deg(x, y, x))) << x << " " << y;
            EXPECT_TRUE(in_turn(vespera::azimuth_from_north_deg(x, y, y))) << x << " " << y;
            const double d = vespera::angular_separation_deg(x, y, y, x);
            EXPECT_TRUE(std::isnan(d) || (d >= 0.0 && d <= 180.0)) << x << " " << y;
        }
        // A NaN never comes back as a valid-looking direction.
        if (std::isnan(x)) {
            EXPECT_TRUE(std::isnan(moon.longitude_deg) && std::isnan(moon.right_ascension_deg));
        }
    }
}

} // namespace

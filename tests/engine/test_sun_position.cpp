#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/date_math.h"
#include "base/number_text.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"
#include "engine_fixture.h"
#include "engine_test_access.h"

namespace {

constexpr double kArcsec = 1.0 / 3600.0;

double dms(double degrees, double minutes, double seconds) {
    const double magnitude = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
    return degrees < 0.0 ? -magnitude : magnitude;
}

std::chrono::seconds clock_at(int h, int m, int s) { return std::chrono::seconds(h * 3600 + m * 60 + s); }

// The degrees in front of a Sonne_Hoehe text ("60,9154° (Tag)").
double shown_altitude(const std::string& text) {
    std::string number = text.substr(0, text.find("°"));
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    return std::stod(number);
}

TEST(SunPosition, MeeusExample25bFromVsop87) {
    // Meeus, Astronomical Algorithms, Example 25.b: 1992 October 13.0 TD.
    const double jde = 2448908.5;
    const vespera::EarthPosition earth = vespera::earth_heliocentric(jde);
    EXPECT_NEAR(earth.longitude_rad, -43.63484796, 5e-9);
    EXPECT_NEAR(earth.latitude_rad, -0.00000312, 5e-9);
    EXPECT_NEAR(earth.radius_au, 0.99760775, 5e-9);

    // The book uses the full nutation series; the four largest terms leave
    // a few tenths of an arcsecond.
    const vespera::ApparentSun sun = vespera::apparent_sun(jde);
    EXPECT_NEAR(sun.longitude_deg, dms(199, 54, 21.818), 0.5 * kArcsec);
    EXPECT_NEAR(sun.right_ascension_deg, 15.0 * dms(13, 13, 30.749), 0.75 * kArcsec); // 0.05 s of time
    EXPECT_NEAR(sun.declination_deg, dms(-7, 47, 1.74), 0.5 * kArcsec);
    EXPECT_NEAR(sun.distance_au, 0.99760775, 5e-9);
}

TEST(SunPosition, DeltaTAgainstObservedValues) {
    // Observed TT - UT (Meeus, Astronomical Algorithms, Table 10.A, and the
    // IERS values since 1990).
    struct Case { int year; double seconds; double tolerance; };
    const Case cases[] = {
        {1700, 9.0, 2.0},    {1800, 13.7, 1.0},  {1850, 7.1, 1.0},
        {1900, -2.7, 1.0},   {1920, 21.2, 1.0},  {1950, 29.15, 1.0}, {1970, 40.18, 1.0},
        {1990, 56.86, 1.0},  {2000, 63.83, 1.0}, {2010, 66.07, 1.0},
    };
    for (const auto& c : cases) {
        const double jd = vespera::day_number(c.year, 7, 1);
        EXPECT_NEAR(vespera::delta_t_seconds(jd), c.seconds, c.tolerance) << c.year;
    }
}

TEST(SunPosition, DeltaTHasNoStepAtItsJoins) {
    // A year's change across a join lies between the changes on either side
    // (the pieces meet in value, not always in slope). The 1900-1997
    // polynomial starts 0.3 s above the 1860-1900 piece: well inside the
    // second that either fit claims.
    const int joins[] = {-500, 500, 1600, 1700, 1800, 1860, 1900, 1920, 1941, 1961, 1986, 1998, 2005, 2050, 2150};
    auto delta_t = [](int year) { return vespera::delta_t_seconds(vespera::day_number(year, 7, 1)); };
    for (const int join : joins) {
        const double before = delta_t(join - 1) - delta_t(join - 2);
        const double across = delta_t(join) - delta_t(join - 1);
        const double after = delta_t(join + 1) - delta_t(join);
        EXPECT_GE(across, std::min(before, after) - 0.75) << join;
        EXPECT_LE(across, std::max(before, after) + 0.75) << join;
    }
}

TEST(SunPosition, CulminationAltitudeAtTheSolstices) {
    // Noon altitude = 90° - latitude ± 23.44° (the obliquity) at the solstices.
    struct Case { double latitude; int month; double altitude; };
    const Case cases[] = {
        {52.5222222222222, 6, 60.916}, {52.5222222222222, 12, 14.040},
        {78.22, 6, 35.22},             {78.22, 12, -11.66},
        {-33.87, 6, 32.69},            {-33.87, 12, 79.57},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.in_berlin();
        t.cal.setLatitude(c.latitude);
        t.at(2024, c.month, 21);
        ASSERT_FALSE(t.cal.Kulmination_Sonne().empty());
        EXPECT_NEAR(EngineTestAccess::culmination_altitude(t.cal), c.altitude, 0.02)
            << c.latitude << " month " << c.month;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(SunPosition, ClockIsLocalCivilTime) {
    // 2024-06-20 is summer time: 13:09 CEST is 11:09 UT, near the Berlin transit.
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 6, 20);
    t.cal.setClock([] { return clock_at(13, 8, 30); });
    t.cal.Sonne_Position();
    EXPECT_NEAR(shown_altitude(t.cal.Sonne_Hoehe()), 60.915, 0.01);
    const double at_culmination = t.cal.Sonne_KulminationHoehe(13.0 + 8.5 / 60.0);
    EXPECT_EQ(t.cal.Sonne_Hoehe(), vespera::fixed(at_culmination, 4, ',') + "° (Tag)");

    // Local midnight: the Sun at its lowest, 90° - 52.52° - 23.44° below.
    t.cal.setClock([] { return clock_at(1, 10, 0); });
    t.cal.Sonne_Position();
    EXPECT_NEAR(shown_altitude(t.cal.Sonne_Hoehe()), -14.04, 0.02);
    EXPECT_NE(t.cal.Sonne_Hoehe().find("(Nacht)"), std::string::npos);

    // Winter: only the zone offset; 12:05 CET is near the transit of 21 December.
    t.at(2024, 12, 21);
    t.cal.setClock([] { return clock_at(12, 5, 0); });
    t.cal.Sonne_Position();
    EXPECT_NEAR(shown_altitude(t.cal.Sonne_Hoehe()), 14.04, 0.02);
    EXPECT_TRUE(t.faults.empty());
}

TEST(SunPosition, AltitudeLabelsAtTheirBoundaries) {
    struct Case { double altitude; const char* text; };
    const Case cases[] = {
        {-6.0001, "-6,0001° (Nacht)"},   {-6.0, "-6,0000° (Dämmerung)"}, {-0.8331, "-0,8331° (Dämmerung)"},
        {-0.833, "-0,8330° (Tag)"},      {0.0, "0,0000° (Tag)"},          {45.5, "45,5000° (Tag)"},
        {-90.0, "-90,0000° (Nacht)"},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        EngineTestAccess::set_sun_altitude(t.cal, c.altitude);
        EXPECT_EQ(t.cal.Sonne_Hoehe(), c.text) << c.altitude;
    }
    t.cal.setDecimalSeparator('.');
    EXPECT_EQ(t.cal.Sonne_Hoehe(), "-90.0000° (Nacht)");
}

TEST(SunPosition, DistanceAtPerihelionAndAphelion) {
    // 2024: perihelion 3 January 147 100 632 km, aphelion 5 July 152 100 527 km.
    struct Case { int month, day; double km; const char* au_text; };
    const Case cases[] = {{1, 3, 147100632.0, "0,983 AE"}, {7, 5, 152100527.0, "1,017 AE"}};
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(2024, c.month, c.day);
        const std::string text = t.cal.SonneEntfernung();
        const auto km_end = text.find(" km; ");
        ASSERT_NE(km_end, std::string::npos) << text;
        std::string km = text.substr(0, km_end);
        ASSERT_EQ(km.find_first_not_of("0123456789,"), std::string::npos) << text;
        for (char& ch : km) {
            if (ch == ',') ch = '.';
        }
        EXPECT_NEAR(std::stod(km), c.km, 2000.0) << text;
        EXPECT_EQ(text.substr(km_end + 5), c.au_text) << text;
    }
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

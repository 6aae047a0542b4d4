// Sonnenstrahlung: the eclipse flag and the Saros series of the set day's
// nearest new moon at the engine's place.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace {

struct SarosCase {
    int year, month, day;
    double longitude, latitude; // a place that saw the eclipse
    std::int32_t saros;
};

TEST(SolarEclipse, SarosSeriesOfKnownEclipses) {
    // Saros numbers as catalogued (F. Espenak & J. Meeus, Five Millennium
    // Canon of Solar Eclipses, NASA TP-2006-214141).
    const SarosCase cases[] = {
        {2024, 4, 8, -96.80, 32.78, 139},    // Dallas
        {2017, 8, 21, -123.03, 44.94, 145},  // Salem, Oregon
        {1999, 8, 11, 9.18, 48.78, 145},     // Stuttgart
        {2026, 8, 12, 13.2975, 52.5222, 126}, // Berlin
        {2022, 10, 25, 13.2975, 52.5222, 124},
        {2015, 3, 20, 13.2975, 52.5222, 120},
        {2019, 7, 2, -71.25, -29.90, 127},   // La Serena
        {2020, 6, 21, 77.20, 28.60, 137},    // Delhi
        {2020, 12, 14, -71.30, -41.10, 142}, // Bariloche
        {2021, 6, 10, 13.2975, 52.5222, 147},
        {2022, 4, 30, -70.65, -33.45, 119},  // Santiago de Chile
        {2023, 4, 20, 114.10, -21.90, 129},  // Exmouth
        {2023, 10, 14, -106.65, 35.08, 134}, // Albuquerque
        {2024, 10, 2, -109.35, -27.15, 144}, // Easter Island
        {2025, 3, 29, 13.2975, 52.5222, 149},
        {2025, 9, 21, 172.64, -43.53, 154},  // Christchurch
        {2026, 2, 17, 18.42, -33.92, 121},   // Cape Town
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, c.month, c.day);
        t.cal.setLongitude(c.longitude);
        t.cal.setLatitude(c.latitude);
        t.cal.Sonnenstrahlung();
        EXPECT_TRUE(t.cal.IstSonnenfinsternis()) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(t.cal.Saroszyklus(), c.saros) << c.day << "." << c.month << "." << c.year;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(SolarEclipse, DayNearTheEclipseFindsTheSameNewMoon) {
    // Six days before the new moon of 8 April 2024 it is still the nearest.
    EngineForTest t;
    t.at(2024, 4, 2);
    t.cal.setLongitude(-96.80);
    t.cal.setLatitude(32.78);
    t.cal.Sonnenstrahlung();
    EXPECT_TRUE(t.cal.IstSonnenfinsternis());
    EXPECT_EQ(t.cal.Saroszyklus(), 139);
}

TEST(SolarEclipse, ClearedWhenNoEclipseIsSeen) {
    EngineForTest t;
    t.at(2024, 4, 8);
    t.cal.setLongitude(-96.80);
    t.cal.setLatitude(32.78);
    t.cal.Sonnenstrahlung();
    ASSERT_TRUE(t.cal.IstSonnenfinsternis());

    // The same eclipse from Sydney: outside the penumbra.
    t.cal.setLongitude(151.21);
    t.cal.setLatitude(-33.87);
    t.cal.Sonnenstrahlung();
    EXPECT_FALSE(t.cal.IstSonnenfinsternis());
    EXPECT_EQ(t.cal.Saroszyklus(), 0);

    // A day whose nearest new moon is far from a node.
    t.in_berlin();
    t.at(2024, 7, 5);
    t.cal.Sonnenstrahlung();
    EXPECT_FALSE(t.cal.IstSonnenfinsternis());
    EXPECT_EQ(t.cal.Saroszyklus(), 0);
    EXPECT_TRUE(t.faults.empty());
}

TEST(SolarEclipse, LeavesTheDateAlone) {
    EngineForTest t;
    t.in_berlin();
    t.at(2015, 3, 20);
    t.cal.Sonnenstrahlung();
    EXPECT_TRUE(t.cal.IstSonnenfinsternis());
    EXPECT_EQ(t.cal.Tag(), 20);
    EXPECT_EQ(t.cal.Monat(), 3);
    EXPECT_EQ(t.cal.Jahr(), 2015);
    EXPECT_EQ(t.cal.JD(), 2457102.0);
}

} // namespace

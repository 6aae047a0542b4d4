#include <gtest/gtest.h>

#include <cmath>

#include "engine_fixture.h"
#include "engine_test_access.h"

namespace {

TEST(Radiation, GlobalIrradianceByAltitude) {
    // 1367 W/m² through 0.7 per air mass, air mass sin 63° / sin h.
    struct Case { double altitude; const char* text; };
    const Case cases[] = {
        {90.0, "994,8 W/m²"}, {30.0, "724,0 W/m²"}, {10.0, "219,3 W/m²"}, {1.0, "0,0 W/m²"},
        // At and below the horizon: no direct light, and no division by zero.
        {0.0, "0,0 W/m²"},    {-0.5, "0,0 W/m²"},   {-45.0, "0,0 W/m²"},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        EngineTestAccess::set_sun_altitude(t.cal, c.altitude);
        EXPECT_EQ(t.cal.GlobalStrahlung(), c.text) << c.altitude;
    }
    t.cal.setDecimalSeparator('.');
    EngineTestAccess::set_sun_altitude(t.cal, 90.0);
    EXPECT_EQ(t.cal.GlobalStrahlung(), "994.8 W/m²");
    EXPECT_TRUE(t.faults.empty());
}

TEST(Radiation, GlobalIrradianceFollowsSonnePosition) {
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 6, 20);
    t.cal.setClock([] { return std::chrono::seconds(13 * 3600 + 9 * 60); });
    t.cal.Sonne_Position();
    // 60.9° at the Berlin transit: 1367 * 0.7^(0.8910 / 0.8737).
    const std::string noon = t.cal.GlobalStrahlung();
    ASSERT_EQ(noon.substr(noon.size() - std::string(" W/m²").size()), " W/m²");
    EXPECT_NEAR(std::stod(noon.substr(0, 3)), 950.0, 1.0) << noon;
    t.cal.setClock([] { return std::chrono::seconds(1 * 3600); });
    t.cal.Sonne_Position();
    EXPECT_EQ(t.cal.GlobalStrahlung(), "0,0 W/m²");
    EXPECT_TRUE(t.faults.empty());
}

TEST(Radiation, MeanTemperatureFollowsTheSunsDistance) {
    // 5860 K (0.633/2)^(1/4) sqrt(696000 km / d): warmest at perihelion.
    struct Case { int month, day; const char* text; };
    const Case cases[] = {{1, 3, "302 K (29 °C) "}, {4, 3, "300 K (27 °C) "}, {7, 5, "297 K (24 °C) "}};
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(2024, c.month, c.day);
        const std::string text = t.cal.MittlereTemperatur();
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(text.back(), ' ');
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(Radiation, NoonEnergyIsNeverNegative) {
    // Where the noon Sun stays low or below the horizon the clear-sky formula
    // would turn negative: the answer is 0.
    struct Case { double latitude; int month, day; double low, high; };
    const Case cases[] = {
        {52.52, 6, 21, 940.0, 960.0}, // Berlin, midsummer noon
        {0.0, 3, 21, 1120.0, 1160.0}, // the equator at the equinox
        {66.0, 12, 21, 0.0, 0.0},     // the noon Sun barely above the horizon
        {80.0, 12, 21, 0.0, 0.0},     // polar night
        {-80.0, 6, 21, 0.0, 0.0},     // southern polar night
        {-52.52, 12, 21, 1000.0, 1050.0}, // nearer the Sun than in June
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.cal.setLatitude(c.latitude);
        t.at(2024, c.month, c.day);
        const double energy = t.cal.SonneMaximumEnergie();
        EXPECT_GE(energy, c.low) << c.latitude << " " << c.month;
        EXPECT_LE(energy, c.high) << c.latitude << " " << c.month;
    }
    // Every day of a leap year at every fifth degree of latitude.
    for (int latitude = -90; latitude <= 90; latitude += 5) {
        t.cal.setLatitude(latitude);
        t.at(2024, 1, 1);
        for (int day = 1; day <= 366; ++day) {
            t.cal.TagesZahl_Setzen(day);
            const double energy = t.cal.SonneMaximumEnergie();
            ASSERT_TRUE(std::isfinite(energy)) << latitude << " day " << day;
            ASSERT_GE(energy, 0.0) << latitude << " day " << day;
        }
    }
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

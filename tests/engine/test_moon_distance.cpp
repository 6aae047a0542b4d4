#include <gtest/gtest.h>

#include <cmath>

#include "ephemeris/moon.h"
#include "ephemeris/time_scales.h"
#include "engine_fixture.h"

namespace {

TEST(MoonDistance, DayValueIsNoonRounded) {
    EngineForTest t;
    t.at(1992, 4, 12);
    const double distance = t.cal.MondEntfernung();
    EXPECT_EQ(distance, std::nearbyint(vespera::moon_geocentric(vespera::jde_of(2448725.0)).distance_km));
    EXPECT_EQ(distance, std::floor(distance));
    // The Moon moves several hundred km in 12 h; 0h and noon must differ.
    EXPECT_GT(std::fabs(distance - 368409.7), 100.0);
    EXPECT_TRUE(t.faults.empty());
}

TEST(MoonDistance, TheClockDoesNotMatter) {
    EngineForTest t;
    t.at(2024, 10, 17);
    const double at_noon = t.cal.MondEntfernung();
    t.cal.setClock([] { return std::chrono::seconds(23 * 3600 + 59 * 60); });
    t.cal.setZeitzone_Offset(5.0f);
    EXPECT_EQ(t.cal.MondEntfernung(), at_noon);
    t.cal.setStunde(3);
    EXPECT_EQ(t.cal.MondEntfernung(), at_noon);
}

TEST(MoonDistance, PerigeeAndApogeeOfAYear) {
    // The Moon's distance stays between about 356 400 km and 406 700 km.
    EngineForTest t;
    t.at(2024, 1, 1);
    double nearest = 1e9;
    double farthest = 0.0;
    for (int day = 1; day <= 366; ++day) {
        t.cal.TagesZahl_Setzen(day);
        const double distance = t.cal.MondEntfernung();
        ASSERT_EQ(distance, std::floor(distance));
        nearest = std::min(nearest, distance);
        farthest = std::max(farthest, distance);
    }
    EXPECT_GT(nearest, 356300.0);
    EXPECT_LT(nearest, 360000.0);
    EXPECT_GT(farthest, 404000.0);
    EXPECT_LT(farthest, 406800.0);
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

// "Now" on a place's clock, which the window and the command line share.
#include <gtest/gtest.h>

#include "zones/place_clock.h"

namespace {

TEST(PlaceClock, AcrossTheChangesOf2024) {
    // Europe/Berlin: summer time from 31 March 01:00 UT to 27 October 01:00 UT
    // (EU directive 2000/84/EC); 2460401 is 31 March 2024.
    const std::optional<vespera::Zone> berlin = vespera::Zone::named("Europe/Berlin");
    ASSERT_TRUE(berlin);
    struct Case {
        std::int64_t unix_ms;
        std::int32_t day_number;
        int hour, minute, second;
        double offset_hours;
    };
    const Case cases[] = {
        {1711846799000, 2460401, 1, 59, 59, 1.0},  // 00:59:59 UT
        {1711846800000, 2460401, 3, 0, 0, 2.0},    // 01:00:00 UT: the hour from 02:00 is skipped
        {1729990799999, 2460611, 2, 59, 59, 2.0},  // 27 October, 00:59:59.999 UT
        {1729990800000, 2460611, 2, 0, 0, 1.0},    // 01:00 UT: 02:00 again
        {1735689599000, 2460677, 0, 59, 59, 1.0},  // 31 December 23:59:59 UT is New Year's Day there
    };
    for (const Case& c : cases) {
        const vespera::PlaceNow now = vespera::place_now(c.unix_ms, *berlin);
        EXPECT_EQ(now.day_number, c.day_number) << c.unix_ms;
        EXPECT_EQ(now.hour(), c.hour) << c.unix_ms;
        EXPECT_EQ(now.minute(), c.minute) << c.unix_ms;
        EXPECT_EQ(now.second(), c.second) << c.unix_ms;
        EXPECT_EQ(now.offset.hours, c.offset_hours) << c.unix_ms;
    }
}

} // namespace

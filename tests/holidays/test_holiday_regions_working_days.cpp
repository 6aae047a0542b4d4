// Working days, bridge days and the calendar span.
#include <gtest/gtest.h>

#include <algorithm>

#include "ephemeris/calendar.h"
#include "holidays/working_days.h"

namespace {

using namespace vespera::holidays;
using vespera::day_number;

TEST(WorkingDays, DecemberInBayern) {
    // 23 weekdays, less Christmas Day (a Friday); 26 December is a Saturday.
    const Region bayern = region_of("DE-BY");
    EXPECT_EQ(working_days(bayern, {}, day_number(2026, 12, 1), day_number(2026, 12, 31)), 22);
    EXPECT_EQ(working_days(bayern, {}, day_number(2026, 12, 31), day_number(2026, 12, 1)), 22);
    EXPECT_EQ(working_days(bayern, {}, day_number(2026, 12, 1), day_number(2026, 12, 1)), 1);
    // Across a year's end: 31 December 2026 (Thursday) to 6 January 2027 (Heilige Drei Könige).
    EXPECT_EQ(working_days(bayern, {}, day_number(2026, 12, 31), day_number(2027, 1, 6)), 3);
    // A place elsewhere has no holidays: Monday to Friday only.
    EXPECT_EQ(working_days(region_of("US-NY"), {}, day_number(2026, 12, 1), day_number(2026, 12, 31)), 23);
}

// Millennia are counted by the Gregorian cycle and Easter; the count must be
// the one a year-by-year walk gives, across the years in which laws change.
TEST(WorkingDays, LongSpansAgreeWithAYearByYearCount) {
    for (const char* code : {"DE-BE", "DE-BY", "DE-SN", "AT-9", "CH-ZH", "LI"}) {
        const Region region = region_of(code);
        const std::int64_t first = day_number(1003, 3, 7);
        const std::int64_t last = day_number(2915, 10, 30);
        std::int64_t expected = 0;
        for (std::int64_t year = 1003; year <= 2915; ++year) {
            const std::int64_t from = std::max(first, day_number(year, 1, 1));
            const std::int64_t to = std::min(last, day_number(year, 12, 31));
            expected += working_days(region, {}, from, to);
        }
        EXPECT_EQ(working_days(region, {}, first, last), expected) << code;
    }
}

TEST(WorkingDays, BridgeDays) {
    const std::vector<std::int64_t> bayern = bridge_days(region_of("DE-BY"), {}, 2026);
    // 2 January (after New Year's Thursday), the Fridays after Ascension and Corpus Christi.
    const std::vector<std::int64_t> expected = {day_number(2026, 1, 2), day_number(2026, 1, 5),
                                                day_number(2026, 5, 15), day_number(2026, 6, 5)};
    EXPECT_EQ(bayern, expected); // 5 January: between the weekend and Heilige Drei Könige (Tuesday)
    const std::vector<std::int64_t> berlin = bridge_days(region_of("DE-BE"), {}, 2026);
    EXPECT_EQ(berlin, (std::vector<std::int64_t>{day_number(2026, 1, 2), day_number(2026, 5, 15)}));
}

TEST(WorkingDays, CalendarSpan) {
    struct Case {
        int y1, m1, d1, y2, m2, d2;
        std::int64_t years, months, days;
    };
    const Case cases[] = {
        {2026, 12, 1, 2026, 12, 31, 0, 0, 30},
        {2026, 1, 31, 2026, 3, 1, 0, 1, 1}, // 31 January + 1 month is 28 February
        {2024, 2, 29, 2025, 2, 28, 0, 11, 30},
        {2024, 2, 29, 2028, 2, 29, 4, 0, 0},
        {1990, 10, 3, 2026, 12, 9, 36, 2, 6},
    };
    for (const Case& c : cases) {
        const CalendarSpan span = calendar_span(day_number(c.y1, c.m1, c.d1), day_number(c.y2, c.m2, c.d2));
        EXPECT_EQ(span.years, c.years) << c.y1 << "-" << c.m1 << "-" << c.d1;
        EXPECT_EQ(span.months, c.months) << c.y1 << "-" << c.m1 << "-" << c.d1;
        EXPECT_EQ(span.days, c.days) << c.y1 << "-" << c.m1 << "-" << c.d1;
        EXPECT_TRUE(span.earlier_first);
    }
    EXPECT_FALSE(calendar_span(day_number(2026, 2, 1), day_number(2026, 1, 1)).earlier_first);
}

} // namespace

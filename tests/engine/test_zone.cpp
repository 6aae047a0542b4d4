#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "places/city_table.h"
#include "base/date_math.h"
#include "zones/zone.h"
#include "engine_fixture.h"
#include "engine_test_access.h"

namespace {

using vespera::ClockOffset;
using vespera::SummerTimeDays;
using vespera::Zone;

// A Julian Day (UT or local) from a civil date and a time of day.
double jd(std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return static_cast<double>(vespera::day_number(year, month, day)) - 0.5 +
           (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

std::int32_t day(std::int64_t year, int month, int day) {
    return static_cast<std::int32_t>(vespera::day_number(year, month, day));
}

Zone zone(const char* name) {
    const std::optional<Zone> found = Zone::named(name);
    EXPECT_TRUE(found.has_value()) << name;
    return found.value_or(Zone::german_rules(0.0));
}

// One second either side of each published change.
struct Change {
    const char* zone;
    int year, month, day, hour_ut;
    double before_hours, after_hours;
    bool after_summer;
    const char* source;
};

TEST(Zone, PublishedChangesAtTheirInstant) {
    const Change cases[] = {
        {"Europe/Berlin", 2024, 3, 31, 1, 1.0, 2.0, true, "tz database Europe/Berlin; Sommerzeitverordnung"},
        {"Europe/Berlin", 2024, 10, 27, 1, 2.0, 1.0, false, "tz database Europe/Berlin; Sommerzeitverordnung"},
        // Double summer time (CEMT) 11 May to 29 June 1947.
        {"Europe/Berlin", 1947, 5, 11, 1, 2.0, 3.0, true, "tz database Europe/Berlin, rule Germany 1947"},
        {"Europe/Berlin", 1947, 6, 29, 0, 3.0, 2.0, true, "tz database Europe/Berlin, rule Germany 1947"},
        {"America/New_York", 2024, 3, 10, 7, -5.0, -4.0, true, "tz database America/New_York; Energy Policy Act 2005"},
        {"America/New_York", 2024, 11, 3, 6, -4.0, -5.0, false, "tz database America/New_York"},
        // AEDT ends Sunday 7 April 03:00 AEDT, starts Sunday 6 October 02:00 AEST.
        {"Australia/Sydney", 2024, 4, 6, 16, 11.0, 10.0, false, "tz database Australia/Sydney"},
        {"Australia/Sydney", 2024, 10, 5, 16, 10.0, 11.0, true, "tz database Australia/Sydney"},
        // Irish winter time is the flagged one in the data (negative summer time).
        {"Europe/Dublin", 2024, 3, 31, 1, 0.0, 1.0, true,
         "tz database Europe/Dublin; Standard Time (Amendment) Act 1971"},
        {"Europe/Dublin", 2024, 10, 27, 1, 1.0, 0.0, false, "tz database Europe/Dublin"},
        // After the data's explicit transitions (2037) the rule goes on.
        {"Europe/Berlin", 2040, 3, 25, 1, 1.0, 2.0, true, "tz database rule EU: last Sunday in March"},
        {"Europe/Berlin", 2040, 10, 28, 1, 2.0, 1.0, false, "tz database rule EU: last Sunday in October"},
        {"Europe/Berlin", 2100, 3, 28, 1, 1.0, 2.0, true, "tz database rule EU"},
        {"Europe/Berlin", 2100, 10, 31, 1, 2.0, 1.0, false, "tz database rule EU"},
        {"Australia/Sydney", 2050, 4, 2, 16, 11.0, 10.0, false, "tz database rule AN: first Sunday in April"},
        {"Australia/Sydney", 2050, 10, 1, 16, 10.0, 11.0, true, "tz database rule AN: first Sunday in October"},
        {"Europe/Dublin", 2040, 10, 28, 1, 1.0, 0.0, false, "tz database rule EU"},
        // Rules adopted within 28 years before 2037 must carry on, not the older ones.
        {"Africa/Cairo", 2040, 4, 26, 22, 2.0, 3.0, true, "tz database rule Egypt since 2023: last Friday in April"},
        {"Asia/Jerusalem", 2040, 3, 23, 0, 2.0, 3.0, true,
         "tz database rule Zion since 2013: Friday before the last Sunday in March"},
        {"America/Nuuk", 2040, 3, 25, 1, -2.0, -1.0, true, "tz database America/Nuuk: -02 with EU rule since 2024"},
    };
    for (const Change& c : cases) {
        const Zone z = zone(c.zone);
        const double change = jd(c.year, c.month, c.day, c.hour_ut);
        const ClockOffset before = z.at(change - 1.0 / 86400.0);
        const ClockOffset after = z.at(change);
        const std::string where = std::string(c.zone) + " " + std::to_string(c.year) + "-" +
                                  std::to_string(c.month) + "-" + std::to_string(c.day) + " (" + c.source + ")";
        EXPECT_DOUBLE_EQ(before.hours, c.before_hours) << where;
        EXPECT_DOUBLE_EQ(after.hours, c.after_hours) << where;
        EXPECT_EQ(after.summer, c.after_summer) << where;
        EXPECT_NEAR(z.local_jd(change), change + c.after_hours / 24.0, 1e-9) << where;
    }
}

struct YearCase {
    const char* zone;
    int year;
    SummerTimeDays days;
    std::size_t changes;
    double july_hours;
    bool july_summer;
    const char* source;
};

TEST(Zone, SummerTimeDaysAndChangesOfAYear) {
    const YearCase cases[] = {
        {"Europe/Berlin", 2024, {day(2024, 3, 31), day(2024, 10, 27)}, 2, 2.0, true, "tz database"},
        // 6 April to 5 October, with CEMT inside: four changes, one summer.
        {"Europe/Berlin", 1947, {day(1947, 4, 6), day(1947, 10, 5)}, 4, 2.0, true, "tz database"},
        {"America/New_York", 2024, {day(2024, 3, 10), day(2024, 11, 3)}, 2, -4.0, true, "tz database"},
        {"Australia/Sydney", 2024, {day(2024, 10, 6), day(2024, 4, 7)}, 2, 10.0, false, "tz database"},
        {"Europe/Moscow", 2024, {0, 0}, 0, 3.0, false, "tz database: MSK all year since 26 October 2014"},
        {"Africa/Johannesburg", 2024, {0, 0}, 0, 2.0, false, "tz database: SAST, no summer time since 1944"},
        {"Africa/Johannesburg", 2040, {0, 0}, 0, 2.0, false, "tz database"},
        {"Europe/Berlin", 2037, {day(2037, 3, 29), day(2037, 10, 25)}, 2, 2.0, true, "tz database"},
        {"Europe/Berlin", 2038, {day(2038, 3, 28), day(2038, 10, 31)}, 2, 2.0, true, "tz database rule EU"},
        {"Europe/Berlin", 2040, {day(2040, 3, 25), day(2040, 10, 28)}, 2, 2.0, true, "tz database rule EU"},
        {"Europe/Berlin", 27968, {day(27968, 3, 31), day(27968, 10, 27)}, 2, 2.0, true, "tz database rule EU"},
        {"Australia/Sydney", 2050, {day(2050, 10, 2), day(2050, 4, 3)}, 2, 10.0, false, "tz database rule AN"},
        {"Europe/Dublin", 2040, {day(2040, 3, 25), day(2040, 10, 28)}, 2, 1.0, true, "tz database rule EU"},
        // Windhoek kept CAT all year from 2017: neither winter nor summer time now.
        {"Africa/Windhoek", 2024, {0, 0}, 0, 2.0, false, "tz database Africa/Windhoek"},
        // Ireland kept +1 all year from 27 October 1968 to 31 October 1971.
        {"Europe/Dublin", 1970, {0, 0}, 0, 1.0, false, "tz database Europe/Dublin; Standard Time Act 1968"},
    };
    for (const YearCase& c : cases) {
        const Zone z = zone(c.zone);
        const std::string where = std::string(c.zone) + " " + std::to_string(c.year) + " (" + c.source + ")";
        EXPECT_EQ(z.summer_time_days(c.year), c.days) << where;
        EXPECT_EQ(z.changes_in_year(c.year).size(), c.changes) << where;
        const ClockOffset july = z.at(jd(c.year, 7, 15, 12));
        EXPECT_DOUBLE_EQ(july.hours, c.july_hours) << where;
        EXPECT_EQ(july.summer, c.july_summer) << where;
    }
}

// The kept intervals must not change an answer, whatever order the questions come in.
TEST(Zone, AnswersDoNotDependOnWhatWasAskedBefore) {
    const Zone prototype = zone("Australia/Sydney");
    Zone warm = prototype;
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k < 3000; ++k) {
            const double jd_ut = jd(1890, 1, 1) + (pass == 0 ? k : 2999 - k) * 29.3 + 0.123;
            const Zone fresh = prototype;
            EXPECT_EQ(warm.at(jd_ut), fresh.at(jd_ut)) << jd_ut;
            EXPECT_EQ(warm.ut_of_local(jd_ut), Zone(prototype).ut_of_local(jd_ut)) << jd_ut;
        }
    }
}

TEST(Zone, LocalMeanTimeBeforeTheFirstChange) {
    // tz database Europe/Berlin: LMT 0:53:28 until 1 April 1893.
    const Zone berlin = zone("Europe/Berlin");
    EXPECT_DOUBLE_EQ(berlin.at(jd(1850, 6, 1)).hours, (53 * 60 + 28) / 3600.0);
    EXPECT_DOUBLE_EQ(berlin.at(jd(-4000, 6, 1)).hours, (53 * 60 + 28) / 3600.0);
    EXPECT_DOUBLE_EQ(berlin.at(jd(1900, 6, 1)).hours, 1.0);
}

// Sommerzeitverordnung: from 02:00 CET to 03:00 CEST, back at 03:00 CEST.
// A skipped time reads with the offset before the change, a doubled time is
// its first occurrence.
TEST(Zone, WallClockTimesAroundTheChanges) {
    struct Case {
        double local;
        double ut;
        bool summer;
    };
    const Case cases[] = {
        {jd(2024, 3, 31, 1, 59), jd(2024, 3, 31, 0, 59), false},
        {jd(2024, 3, 31, 2, 30), jd(2024, 3, 31, 1, 30), false}, // skipped: 03:30 CEST
        {jd(2024, 3, 31, 3, 0), jd(2024, 3, 31, 1, 0), true},
        {jd(2024, 10, 27, 2, 30), jd(2024, 10, 27, 0, 30), true}, // twice: the first
        {jd(2024, 10, 27, 3, 0), jd(2024, 10, 27, 2, 0), false},
        {jd(2024, 7, 15, 12, 0), jd(2024, 7, 15, 10, 0), true},
        {jd(2024, 1, 1, 0, 0), jd(2023, 12, 31, 23, 0), false},
    };
    for (const Zone& z : {zone("Europe/Berlin"), Zone::german_rules(1.0)}) {
        for (const Case& c : cases) {
            EXPECT_NEAR(z.ut_of_local(c.local), c.ut, 1e-9) << z.name() << " " << c.local;
            EXPECT_EQ(z.at_local(c.local).summer, c.summer) << z.name() << " " << c.local;
        }
    }
}

TEST(Zone, GermanRulesKeepTheEngineTable) {
    const Zone german = Zone::german_rules(1.0);
    EngineForTest t;
    for (int year = 1900; year <= 2100; ++year) {
        t.at(year, 6, 1);
        const SummerTimeDays expected{t.cal.summer_time_start_day(), t.cal.summer_time_end_day()};
        ASSERT_EQ(german.summer_time_days(year), expected) << year;
        if (expected.start_day != 0) {
            // 02:00 local standard time, 01:00 UT at offset +1.
            const double start = expected.start_day - 0.5 + 1.0 / 24.0;
            EXPECT_FALSE(german.at(start - 1e-6).summer) << year;
            EXPECT_TRUE(german.at(start).summer) << year;
            EXPECT_EQ(german.changes_in_year(year).size(), 2u) << year;
        } else {
            EXPECT_TRUE(german.changes_in_year(year).empty()) << year;
        }
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(Zone, NamesTheDatabaseDoesNotHold) {
    const std::string names[] = {
        "", "Europe/Berlinn", "europe/berlin", "Europe", "Europe/", "/Europe/Berlin", "Europe//Berlin",
        "../../etc/passwd", "Europe/../Europe/Berlin", "/usr/share/zoneinfo/Europe/Berlin", "localtime",
        "posix/Europe/Berlin", "right/Europe/Berlin", "zone.tab", "tzdata.zi", "Factory",
        std::string("Europe/Berlin\0x", 15), std::string(5000, 'A'), "Europe/Berlin ",
    };
    for (const std::string& name : names) EXPECT_FALSE(Zone::named(name).has_value()) << name;
    EXPECT_EQ(zone("Europe/Berlin").name(), "Europe/Berlin");
    EXPECT_DOUBLE_EQ(zone("Etc/UTC").at(jd(2024, 7, 1)).hours, 0.0);
}

TEST(Zone, KnownNamesAreTheCanonicalZones) {
    const std::vector<std::string> names = Zone::known_names();
    ASSERT_GT(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    const auto known = [&](const std::string& name) { return std::binary_search(names.begin(), names.end(), name); };
    EXPECT_TRUE(known("America/Argentina/Buenos_Aires"));
    // Links (old names) and zones outside the areas stay out of the chooser.
    for (const char* name : {"Etc/UTC", "UTC", "CET", "US/Eastern", "Europe/Kiev", "America/Buenos_Aires"}) {
        EXPECT_FALSE(known(name)) << name;
    }
    for (const vespera::City& city : vespera::cities()) EXPECT_TRUE(known(std::string(city.zone))) << city.name;
    for (const std::string& name : names) EXPECT_TRUE(Zone::named(name).has_value()) << name;
}

TEST(Zone, HostileNumbersGetTheStandardOffset) {
    const double hostile[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), 1e300, -1e300,
                              std::numeric_limits<double>::max(), 2.0e7, -2.0e7};
    for (const Zone& z : {zone("Europe/Berlin"), zone("Australia/Sydney"), Zone::german_rules(1.0)}) {
        const double standard = z.name() == "Australia/Sydney" ? 10.0 : 1.0;
        for (const double x : hostile) {
            EXPECT_EQ(z.at(x), (ClockOffset{standard, false})) << z.name() << " " << x;
            EXPECT_EQ(z.at_local(x), (ClockOffset{standard, false})) << z.name() << " " << x;
        }
    }
    const std::int64_t years[] = {std::numeric_limits<std::int64_t>::min(), -27969, 27969,
                                  std::numeric_limits<std::int64_t>::max()};
    for (const std::int64_t year : years) {
        EXPECT_EQ(zone("Europe/Berlin").summer_time_days(year), SummerTimeDays{}) << year;
        EXPECT_TRUE(zone("Europe/Berlin").changes_in_year(year).empty()) << year;
        EXPECT_EQ(Zone::german_rules(1.0).summer_time_days(year), SummerTimeDays{}) << year;
    }
    EXPECT_EQ(Zone::german_rules(std::nan("")).at(jd(2024, 1, 1)), (ClockOffset{0.0, false}));
    EXPECT_EQ(Zone::german_rules(1e300).at(jd(2024, 7, 1)), (ClockOffset{24.0, true}));
}

} // namespace

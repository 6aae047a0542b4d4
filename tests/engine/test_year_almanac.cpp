#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/year_almanac.h"
#include "base/date_math.h"

namespace {

using vespera::bench::AlmanacDay;

std::vector<AlmanacDay> walk(clsCalendar& cal, std::int32_t year, std::vector<std::string>& faults) {
    cal.setErrorReporter([&faults](const std::string& text) { faults.push_back(text); });
    std::vector<AlmanacDay> days;
    const std::int32_t count = vespera::bench::year_almanac(cal, year, [&days](const AlmanacDay& rows) {
        days.push_back(rows);
    });
    EXPECT_EQ(count, static_cast<std::int32_t>(days.size()));
    return days;
}

// The walk must meet every civil day of the year once, in order, whatever
// date the engine was left on, in leap and common years alike.
TEST(YearAlmanac, VisitsEveryDayOfTheYearInOrder) {
    struct Case {
        std::int32_t year;
        std::int32_t left_on_month, left_on_day; // the engine's date before the walk
        std::int32_t days;
    };
    const Case cases[] = {
        {2024, 12, 31, 366}, {2023, 1, 31, 365}, {2000, 8, 31, 366}, {1900, 3, 31, 365},
    };
    for (const Case& c : cases) {
        clsCalendar cal = vespera::bench::almanac_calendar(vespera::bench::kBerlin);
        cal.setJahr(c.year - 1);
        cal.setMonat(c.left_on_month);
        cal.setTag(c.left_on_day);
        std::vector<std::string> faults;
        const std::vector<AlmanacDay> days = walk(cal, c.year, faults);
        ASSERT_EQ(static_cast<std::int32_t>(days.size()), c.days) << c.year;
        EXPECT_TRUE(faults.empty()) << c.year << ": " << (faults.empty() ? "" : faults.front());
        const std::int64_t first = vespera::day_number(c.year, 1, 1);
        for (std::size_t i = 0; i < days.size(); ++i) {
            const vespera::CivilDate date = vespera::civil_date(first + static_cast<std::int64_t>(i));
            ASSERT_EQ(days[i].day_of_year, static_cast<std::int32_t>(i) + 1) << c.year;
            ASSERT_EQ(days[i].month, date.month) << c.year << " day " << i + 1;
            ASSERT_EQ(days[i].day, date.day) << c.year << " day " << i + 1;
            ASSERT_FALSE(days[i].sunrise.empty()) << c.year << " day " << i + 1;
        }
    }
}

// Each day's rows are the engine's answers for that date: the same as from an
// engine set to the date alone, on the days where the clock changes and at
// both ends of the year, where stale year tables or offsets would show.
TEST(YearAlmanac, RowsMatchAnEngineSetToTheDate) {
    clsCalendar walker = vespera::bench::almanac_calendar(vespera::bench::kBerlin);
    std::vector<std::string> faults;
    const std::vector<AlmanacDay> days = walk(walker, 2024, faults);
    ASSERT_EQ(days.size(), 366u);
    ASSERT_TRUE(faults.empty());

    struct Case {
        std::int32_t month, day;
    };
    const Case cases[] = {{1, 1}, {2, 29}, {3, 30}, {3, 31}, {6, 21}, {10, 26}, {10, 27}, {12, 31}};
    for (const Case& c : cases) {
        clsCalendar cal = vespera::bench::almanac_calendar(vespera::bench::kBerlin);
        cal.setJahr(2024);
        cal.setMonat(c.month);
        cal.setTag(c.day);
        const std::int64_t index = vespera::day_number(2024, c.month, c.day) - vespera::day_number(2024, 1, 1);
        const AlmanacDay& rows = days[static_cast<std::size_t>(index)];
        const std::string where = std::to_string(c.day) + "." + std::to_string(c.month) + ".2024";
        EXPECT_EQ(rows.sunrise, cal.AufgangSonne()) << where;
        EXPECT_EQ(rows.sunset, cal.UntergangSonne()) << where;
        EXPECT_EQ(rows.dawn, cal.DaemmerungAnfang()) << where;
        EXPECT_EQ(rows.dusk, cal.DaemmerungEnde()) << where;
        EXPECT_EQ(rows.day_length, cal.Tageslaenge()) << where;
        EXPECT_EQ(rows.culmination, cal.Kulmination_Sonne()) << where;
        EXPECT_EQ(rows.moonrise, cal.AufgangMond()) << where;
        EXPECT_EQ(rows.moonset, cal.UntergangMond()) << where;
        EXPECT_EQ(rows.moon_phase, cal.MondPhase(false)) << where;
        EXPECT_EQ(rows.moon_distance_km, cal.MondEntfernung()) << where;
    }
}

// Berlin on 21 June 2024 (CEST) against astronomy-engine 2.1.19, an independent
// ephemeris: the low-precision search stays within two minutes of it.
TEST(YearAlmanac, BerlinMidsummerAgreesWithAnIndependentEphemeris) {
    clsCalendar cal = vespera::bench::almanac_calendar(vespera::bench::kBerlin);
    std::vector<std::string> faults;
    const std::vector<AlmanacDay> days = walk(cal, 2024, faults);
    ASSERT_EQ(days.size(), 366u);
    const AlmanacDay& midsummer = days[172];
    ASSERT_EQ(midsummer.month, 6);
    ASSERT_EQ(midsummer.day, 21);

    const auto minutes = [](const std::string& text) {
        EXPECT_GE(text.size(), 5u) << text;
        if (text.size() < 5) return -1;
        return std::stoi(text.substr(0, 2)) * 60 + std::stoi(text.substr(3, 2));
    };
    struct Case {
        const char* row;
        const std::string* ours;
        int reference_minutes;
    };
    const Case cases[] = {
        {"sunrise", &midsummer.sunrise, 4 * 60 + 44},     {"sunset", &midsummer.sunset, 21 * 60 + 34},
        {"dawn", &midsummer.dawn, 3 * 60 + 53},           {"dusk", &midsummer.dusk, 22 * 60 + 24},
        {"day length", &midsummer.day_length, 16 * 60 + 50},
        {"culmination", &midsummer.culmination, 13 * 60 + 9},
        {"moonrise", &midsummer.moonrise, 21 * 60 + 56},  {"moonset", &midsummer.moonset, 3 * 60 + 21},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(minutes(*c.ours), c.reference_minutes, 2) << c.row << ": " << *c.ours;
    }
    // astronomy-engine: 382255 km at 12:01 UT.
    EXPECT_NEAR(midsummer.moon_distance_km, 382255.0, 50.0);
}

} // namespace

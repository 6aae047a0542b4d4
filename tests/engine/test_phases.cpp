#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <vector>

#include "base/date_math.h"
#include "sky/phases.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/time_scales.h"
#include "engine_fixture.h"

namespace {

std::int32_t day_of(int year, int month, int day) {
    return static_cast<std::int32_t>(vespera::day_number(year, month, day));
}

TEST(Phases, MeeusExample49a) {
    // New moon of 1977 February: k = -283, JDE 2443192.65118.
    EXPECT_NEAR(vespera::lunar_phase(-283, false).jde, 2443192.65118, 2e-5);
    // Through the engine: the same lunation, Delta T earlier for UT, no zone.
    EngineForTest t;
    t.at(1977, 1, 1);
    bool found = false;
    for (int index = 0; index < 15; ++index) {
        const double instant = t.cal.Neumonde_Berechnen(1977, 1, 1, index);
        const double jd_ut = 2443192.65118 - vespera::delta_t_seconds(2443192.65) / vespera::kSecondsPerDay;
        if (std::fabs(instant - jd_ut) < 2e-5) found = true;
    }
    EXPECT_TRUE(found);
}

struct PublishedPhase {
    int month, day, hour, minute; // universal time
};

// The year 2024 (universal time), as published in almanacs.
constexpr PublishedPhase kNewMoons2024[] = {
    {1, 11, 11, 57}, {2, 9, 22, 59}, {3, 10, 9, 0},  {4, 8, 18, 21},  {5, 8, 3, 22},
    {6, 6, 12, 38},  {7, 5, 22, 57}, {8, 4, 11, 13}, {9, 3, 1, 55},   {10, 2, 18, 49},
    {11, 1, 12, 47}, {12, 1, 6, 21}, {12, 30, 22, 27},
};
constexpr PublishedPhase kFullMoons2024[] = {
    {1, 25, 17, 54}, {2, 24, 12, 30}, {3, 25, 7, 0},    {4, 23, 23, 49}, {5, 23, 13, 53},
    {6, 22, 1, 8},   {7, 21, 10, 17}, {8, 19, 18, 26},  {9, 18, 2, 34},  {10, 17, 11, 26},
    {11, 15, 21, 28}, {12, 15, 9, 2},
};

// German clock time of a published universal time, as the engine's lists hold it.
double german_clock_jd(int year, const PublishedPhase& p, std::int32_t summer_start, std::int32_t summer_end) {
    const double ut = day_of(year, p.month, p.day) - 0.5 + (p.hour + p.minute / 60.0) / 24.0;
    const double standard = ut + 1.0 / 24.0;
    const auto day = static_cast<std::int32_t>(std::floor(standard + 0.5));
    return day >= summer_start && day < summer_end ? standard + 1.0 / 24.0 : standard;
}

TEST(Phases, Year2024InGermanTimeWithinTwoMinutes) {
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 1, 1);
    const std::int32_t summer_start = day_of(2024, 3, 31);
    const std::int32_t summer_end = day_of(2024, 10, 27);
    double worst = 0.0;
    for (const auto& p : kNewMoons2024) {
        const double expected = german_clock_jd(2024, p, summer_start, summer_end);
        const auto day = static_cast<std::int32_t>(std::floor(expected + 0.5));
        EXPECT_TRUE(t.cal.IstNeumond(day)) << p.month << "/" << p.day;
        EXPECT_FALSE(t.cal.IstVollmond(day)) << p.month << "/" << p.day;
        double best = 1e9;
        for (int i = 0; i < 15; ++i) best = std::min(best, std::fabs(t.cal.Neumonde_Berechnen(2024, 1, 1, i) - expected));
        worst = std::max(worst, best * 1440.0);
    }
    for (const auto& p : kFullMoons2024) {
        const double expected = german_clock_jd(2024, p, summer_start, summer_end);
        const auto day = static_cast<std::int32_t>(std::floor(expected + 0.5));
        EXPECT_TRUE(t.cal.IstVollmond(day)) << p.month << "/" << p.day;
        const std::string info = t.cal.IstVollmond_Info(day);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(info, m, std::regex(R"(um (\d\d):(\d\d) Uhr)"))) << info;
        const double shown = std::stoi(m[1]) * 60 + std::stoi(m[2]);
        const double expected_minutes = std::fmod((expected + 0.5) * 1440.0, 1440.0);
        worst = std::max(worst, std::fabs(shown - expected_minutes));
    }
    EXPECT_LT(worst, 2.5) << "worst error " << worst << " minutes";
}

TEST(Phases, DayTestsSearchAllFifteenEntries) {
    // 11 January 2024, the year's first new moon, must be marked.
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 1, 1);
    EXPECT_TRUE(t.cal.IstNeumond(day_of(2024, 1, 11)));
    // 11:57 UT is 12:57 CET; the method lands within a minute.
    EXPECT_TRUE(std::regex_match(t.cal.IstNeumond_Info(day_of(2024, 1, 11)), std::regex("um 12:5[6-8] Uhr")));
    EXPECT_FALSE(t.cal.IstNeumond(day_of(2024, 1, 12)));
    EXPECT_EQ(t.cal.IstNeumond_Info(day_of(2024, 1, 12)), "");
    EXPECT_EQ(t.cal.IstVollmond_Info(day_of(2024, 1, 12)), "");
}

TEST(Phases, ListsCoverEveryYearFromItsFirstMonth) {
    // Entry 0 is the last phase before 1 January, entry 1 the first of the
    // year within its first 30 days, and the entries in the year run on
    // without a gap past 31 December: every seventh year of the engine, the
    // ends of the range and the first years of the era (27968 once listed
    // full moons from June only).
    std::vector<std::int64_t> years = {-27968, -1, 0, 1, 2, 12, 1582, 1583, 2024, 27968};
    for (std::int64_t year = -27968; year <= 27968; year += 7) years.push_back(year);
    EngineForTest t;
    for (const std::int64_t year : years) {
        t.at(static_cast<int>(year), 1, 1);
        const auto new_year = static_cast<std::int32_t>(vespera::day_number(year, 1, 1));
        const auto last_day = static_cast<std::int32_t>(vespera::day_number(year, 12, 31));
        for (const bool full : {true, false}) {
            const auto day = [&](int i) { return full ? t.cal.full_moon_day(i) : t.cal.new_moon_day(i); };
            ASSERT_LE(day(0), new_year) << year << (full ? " full" : " new");
            ASSERT_GE(day(1), new_year) << year;
            ASSERT_LT(day(1) - new_year, 30) << year;
            ASSERT_GT(day(clsCalendar::kPhaseCount - 1), last_day) << year;
            for (int i = 1; i < clsCalendar::kPhaseCount; ++i) ASSERT_GT(day(i), day(i - 1)) << year;
        }
    }
    EXPECT_TRUE(t.faults.empty());
    EXPECT_EQ(t.cal.full_moon_day(15), 0);
    EXPECT_EQ(t.faults.size(), 1u); // beyond the list: Error 9
}

TEST(Phases, BlueMoonsInGermanTime) {
    struct Case { int year, month, first_day, blue_day; };
    const Case cases[] = {{2012, 8, 2, 31}, {2015, 7, 2, 31}, {2018, 1, 2, 31}, {2018, 3, 2, 31},
                          {2020, 10, 1, 31}, {2023, 8, 1, 31}};
    EngineForTest t;
    t.in_berlin();
    for (const auto& c : cases) {
        t.at(c.year, c.month, 15);
        EXPECT_TRUE(t.cal.IstBluemoon(day_of(c.year, c.month, c.blue_day))) << c.year << "/" << c.month;
        EXPECT_TRUE(t.cal.IstVollmond(day_of(c.year, c.month, c.first_day))) << c.year << "/" << c.month;
        EXPECT_FALSE(t.cal.IstBluemoon(day_of(c.year, c.month, c.first_day))) << c.year << "/" << c.month;
    }
    // No Blue Moon in 2024, and none at all for the list's first entry.
    t.at(2024, 1, 1);
    for (std::int32_t d = day_of(2023, 12, 1); d <= day_of(2025, 2, 28); ++d) EXPECT_FALSE(t.cal.IstBluemoon(d));
}

TEST(Phases, MidnightBelongsToTheNextDay) {
    // 2024 full moon of 23 April at 23:49 UT is 01:49 on 24 April in Berlin
    // (summer time), but still 23 April in London.
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 4, 1);
    EXPECT_TRUE(t.cal.IstVollmond(day_of(2024, 4, 24)));
    EXPECT_FALSE(t.cal.IstVollmond(day_of(2024, 4, 23)));
    t.cal.setZeitzone_Offset(-1); // 22:49 standard, 23:49 with the summer hour
    t.cal.setJahr(2024);
    EXPECT_TRUE(t.cal.IstVollmond(day_of(2024, 4, 23)));
    const std::string info = t.cal.IstVollmond_Info(day_of(2024, 4, 23));
    EXPECT_TRUE(std::regex_match(info, std::regex(R"(um 23:(4[7-9]|5[0-2]) Uhr)"))) << info;
}

TEST(Phases, FirstReadAfterAnOffsetChangeKeepsTheYearsZone) {
    // Until the year is rebuilt, its phases stay on the clock of its other
    // tables, however late they are first read.
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 4, 1);
    t.cal.setZeitzone_Offset(-1);
    EXPECT_TRUE(t.cal.IstVollmond(day_of(2024, 4, 24)));
}

TEST(Phases, ListTextsLeaveTheDateAlone) {
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 5, 3);
    int in_year = 0;
    for (int i = 0; i < 15; ++i) {
        const std::string date = t.cal.Vollmond_Datum(i);
        EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d{1,2}\.\d{1,2}\.\d{4}, (Mo|Di|Mi|Do|Fr|Sa|So))"))) << date;
        if (date.find("2024") != std::string::npos) ++in_year;
        EXPECT_TRUE(std::regex_match(t.cal.Vollmond_Info(i), std::regex(R"(um \d\d:\d\d Uhr)")));
        EXPECT_TRUE(std::regex_match(t.cal.Neumond_Datum(i), std::regex(R"(\d{1,2}\.\d{1,2}\.\d{4}, \w\w)")));
    }
    EXPECT_EQ(in_year, 12);
    EXPECT_EQ(t.cal.Vollmond_Datum(3), "25.3.2024, Mo");
    EXPECT_EQ(t.cal.Format_Datum(0), "3.5.2024");
    EXPECT_EQ(t.cal.Vollmond_Datum(15), "");
    EXPECT_EQ(t.faults.size(), 1u);
}

TEST(Phases, EclipseMarkOnNewMoons) {
    struct Case { int year, month, day; bool eclipse; };
    const Case cases[] = {
        {2015, 3, 20, true},   // partial in Berlin
        {2022, 10, 25, true},  // partial in Berlin
        {2024, 4, 8, false},   // total in North America, not seen in Germany
        {2024, 5, 8, false},   // no eclipse at all
    };
    EngineForTest t;
    t.in_berlin();
    for (const auto& c : cases) {
        t.at(c.year, c.month, 1);
        int found = -1;
        for (int i = 0; i < 15; ++i) {
            if (t.cal.Neumond_Datum(i).rfind(std::to_string(c.day) + "." + std::to_string(c.month) + ".", 0) == 0) found = i;
        }
        ASSERT_GE(found, 0) << c.year << "/" << c.month;
        const std::string info = t.cal.Neumond_Info(found);
        EXPECT_EQ(info.find(" Sonnenfinsternis") != std::string::npos, c.eclipse) << info;
        EXPECT_EQ(t.cal.Format_Datum(0), "1." + std::to_string(c.month) + "." + std::to_string(c.year));
    }
}

TEST(MoonPhase, Thresholds) {
    EXPECT_EQ(vespera::moon_phase_text(0.2, 0.3, false, ','), "Neumond");
    EXPECT_EQ(vespera::moon_phase_text(0.2000001, 0.3, false, ','), "0,2 %, zunehmend");
    EXPECT_EQ(vespera::moon_phase_text(99.8, 99.7, false, ','), "Vollmond");
    EXPECT_EQ(vespera::moon_phase_text(99.79, 99.7, false, ','), "99,8 %, abnehmend");
    EXPECT_EQ(vespera::moon_phase_text(45.123456, 45.2, true, ','), "45,12346 %, zunehmend");
    EXPECT_EQ(vespera::moon_phase_text(45.123456, 45.2, false, '.'), "45.1 %, zunehmend");
}

TEST(MoonPhase, FromTheFieldsOrTheClock) {
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 4, 24);
    // 01:49 CEST is the full moon (23:49 UT on 23 April).
    t.cal.setStunde(1);
    t.cal.setMinute(49);
    t.cal.setSekunde(0);
    EXPECT_EQ(t.cal.MondPhase(false), "Vollmond");
    // A week later, one decimal from the fields and five from the clock.
    t.at(2024, 5, 1);
    t.cal.setStunde(12);
    t.cal.setMinute(0);
    const std::string fields = t.cal.MondPhase(false);
    EXPECT_TRUE(std::regex_match(fields, std::regex(R"(\d{1,2},\d %, abnehmend)"))) << fields;
    t.cal.setClock([] { return std::chrono::seconds(12 * 3600); });
    const std::string clock = t.cal.MondPhase(true);
    EXPECT_TRUE(std::regex_match(clock, std::regex(R"(\d{1,2},\d{5} %, abnehmend)"))) << clock;
    auto percent_of = [](std::string text) { return std::stod(text.replace(text.find(','), 1, ".")); };
    EXPECT_NEAR(percent_of(clock), percent_of(fields), 0.05);
    // Summer time: the clock's 12:00 CEST is 10:00 UT.
    const double jd_ut = day_of(2024, 5, 1) - 0.5 + 10.0 / 24.0;
    EXPECT_EQ(fields, vespera::moon_phase_text(vespera::moon_illuminated_percent(jd_ut),
                                               vespera::moon_illuminated_percent(jd_ut + 0.5 / 24), false, ','));
}

} // namespace

namespace {

TEST(LocalInstant, MidnightBoundary) {
    // Day number n runs from local midnight at n - 0.5 to the next at n + 0.5.
    const std::int32_t n = 2460434; // 3 May 2024
    struct Case { double minutes_after_midnight; std::int32_t day; int minute; };
    const Case cases[] = {
        {-1, n - 1, 1439},        // 23:59 the day before
        {1, n, 1},                // 00:01
        {-20.0 / 60.0, n, 0},     // 23:59:40 rounds into 00:00 of the next day
        {0, n, 0},
        {1439, n, 1439},
        {1439.5, n + 1, 0},
    };
    for (const auto& c : cases) {
        const vespera::LocalInstant local = vespera::split_local_instant(n - 0.5 + c.minutes_after_midnight / 1440.0);
        EXPECT_EQ(local.day_number, c.day) << c.minutes_after_midnight;
        EXPECT_EQ(local.minute_of_day, c.minute) << c.minutes_after_midnight;
    }
    EXPECT_THROW(vespera::split_local_instant(std::nan("")), vespera::EngineFault);
}

} // namespace

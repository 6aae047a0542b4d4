#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cmath>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "engine_test_access.h"
#include "sky/rise_set_search.h"
#include "ephemeris/angles.h"
#include "ephemeris/time_scales.h"

namespace {

// Minutes after midnight of "hh:mm Uhr" / "hh:mm Stunden"; -1 for anything else.
int minutes_of(const std::string& text) {
    const std::string unit = text.size() > 5 ? text.substr(5) : "";
    const bool digits = text.size() > 5 && std::isdigit(static_cast<unsigned char>(text[0])) &&
                        std::isdigit(static_cast<unsigned char>(text[1])) && text[2] == ':' &&
                        std::isdigit(static_cast<unsigned char>(text[3])) &&
                        std::isdigit(static_cast<unsigned char>(text[4]));
    if (!digits || (unit != " Uhr" && unit != " Stunden")) return -1;
    return std::stoi(text.substr(0, 2)) * 60 + std::stoi(text.substr(3, 2));
}

double minutes_of_reference(const char* hh_mm_ss) {
    int h = 0, m = 0, s = 0;
    std::sscanf(hh_mm_ss, "%d:%d:%d", &h, &m, &s);
    return h * 60.0 + m + s / 60.0;
}

void place(EngineForTest& t, double longitude, double latitude, float zone) {
    t.cal.setLongitude(longitude);
    t.cal.setLatitude(latitude);
    t.cal.setZeitzone_Offset(zone);
}

struct AlmanacRow {
    const char* place;
    double longitude, latitude;
    float zone;
    int year, month, day;
    const char* sunrise;
    const char* sunset;
    const char* civil_dawn;
    const char* civil_dusk;
    const char* transit;
    const char* moonrise;
    const char* moonset;
};

TEST(RiseSet, AlmanacTimesOfGermanPlaces) {
    // Local clock times (zone plus the summer-time hour of the day) from an
    // accurate ephemeris (Astronomy Engine 2.1.19).
    const AlmanacRow rows[] = {
        {"Hamburg", 9.99194444444444, 53.5491666666667, 1, 2023, 5, 1, "05:46:00", "20:49:33", "05:05:21",
         "21:30:28", "13:17:10", "15:42:07", "04:49:11"},
        {"Hamburg", 9.99194444444444, 53.5491666666667, 1, 2023, 8, 15, "05:58:42", "20:49:17", "05:18:36",
         "21:29:07", "13:24:35", "04:12:50", "21:05:55"},
        {"Frankfurt/Main", 8.68194444444444, 50.1122222222222, 1, 2021, 3, 28, "07:10:25", "19:51:08",
         "06:37:50", "20:23:50", "13:30:17", "19:29:43", "07:29:57"},
        // The reference reads the whole changeover day with one offset; its
        // moonrise at 00:00:27 UT came before the change and the clocks then
        // showed 02:00:27 summer time.
        {"Frankfurt/Main", 8.68194444444444, 50.1122222222222, 1, 2021, 10, 31, "07:13:43", "17:03:19",
         "06:39:44", "17:37:16", "12:08:52", "02:00:27", "15:42:36"},
        {"Dresden", 13.7388888888889, 51.0541666666667, 1, 2022, 1, 15, "08:02:07", "16:27:09", "07:24:06",
         "17:05:10", "12:14:25", "13:51:38", "06:26:21"},
        {"Dresden", 13.7388888888889, 51.0541666666667, 1, 2022, 7, 15, "05:07:33", "21:13:51", "04:23:39",
         "21:57:32", "13:11:04", "22:58:30", "06:40:59"},
        {"Konstanz", 9.17583333333333, 47.6597222222222, 1, 2019, 12, 24, "08:10:03", "16:35:21", "07:33:56",
         "17:11:29", "12:22:41", "06:05:30", "15:22:07"},
        {"Konstanz", 9.17583333333333, 47.6597222222222, 1, 2019, 6, 1, "05:29:47", "21:12:57", "04:50:30",
         "21:52:22", "13:21:06", "04:41:32", "18:56:43"},
        {"Kiel", 10.145, 54.3261111111111, 1, 2018, 6, 21, "04:44:40", "21:57:45", "03:48:57", "22:53:27",
         "13:21:12", "14:22:45", "02:01:34"},
        {"Kiel", 10.145, 54.3261111111111, 1, 2018, 12, 21, "08:38:15", "15:56:39", "07:53:49", "16:41:06",
         "12:17:28", "15:18:47", "06:37:40"},
    };
    EngineForTest t;
    double worst_sun = 0.0;
    double worst_moon = 0.0;
    for (const auto& r : rows) {
        place(t, r.longitude, r.latitude, r.zone);
        t.at(r.year, r.month, r.day);
        const std::string where = std::string(r.place) + " " + std::to_string(r.year) + "-" +
                                  std::to_string(r.month) + "-" + std::to_string(r.day);
        const std::pair<std::string, const char*> sun[] = {
            {t.cal.AufgangSonne(), r.sunrise},        {t.cal.UntergangSonne(), r.sunset},
            {t.cal.DaemmerungAnfang(), r.civil_dawn}, {t.cal.DaemmerungEnde(), r.civil_dusk},
            {t.cal.Kulmination_Sonne(), r.transit},
        };
        for (const auto& [shown, expected] : sun) {
            ASSERT_GE(minutes_of(shown), 0) << where << ": " << shown;
            const double error = std::fabs(minutes_of(shown) - minutes_of_reference(expected));
            worst_sun = std::max(worst_sun, error);
            EXPECT_LE(error, 2.0) << where << ": " << shown << " vs " << expected;
        }
        const std::pair<std::string, const char*> moon[] = {{t.cal.AufgangMond(), r.moonrise},
                                                             {t.cal.UntergangMond(), r.moonset}};
        for (const auto& [shown, expected] : moon) {
            ASSERT_GE(minutes_of(shown), 0) << where << ": " << shown;
            const double error = std::fabs(minutes_of(shown) - minutes_of_reference(expected));
            worst_moon = std::max(worst_moon, error);
            EXPECT_LE(error, 3.0) << where << ": " << shown << " vs " << expected;
        }
    }
    // Shown minutes against the reference seconds, so the display's rounding counts.
    std::cout << "[ almanac ] worst error: Sun " << worst_sun << " min, Moon " << worst_moon << " min\n";
    RecordProperty("worst_sun_minutes", std::to_string(worst_sun));
    RecordProperty("worst_moon_minutes", std::to_string(worst_moon));
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, BerlinAtTheSolstices) {
    // Published Berlin times (CEST in June, CET in December).
    struct Case { int month; const char* sunrise; const char* sunset; };
    const Case cases[] = {{6, "04:43:00", "21:33:00"}, {12, "08:15:00", "15:54:00"}};
    EngineForTest t;
    for (const auto& c : cases) {
        t.in_berlin();
        t.at(2024, c.month, 21);
        EXPECT_NEAR(minutes_of(t.cal.AufgangSonne()), minutes_of_reference(c.sunrise), 2.0) << c.month;
        EXPECT_NEAR(minutes_of(t.cal.UntergangSonne()), minutes_of_reference(c.sunset), 2.0) << c.month;
        const int length = minutes_of(t.cal.Tageslaenge());
        EXPECT_NEAR(length, minutes_of(t.cal.UntergangSonne()) - minutes_of(t.cal.AufgangSonne()), 1)
            << c.month;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, PolarDayAndPolarNight) {
    // Longyearbyen, 78.2° N: the Sun stays above the horizon (and above -6°)
    // all day in June and below -6° all day in December.
    struct Case {
        int month;
        const char* all_events;
        const char* day_length;
        double culmination_altitude;
    };
    const Case cases[] = {{6, "****", "24:00 Stunden", 35.22}, {12, "....", "00:00 Stunden", -11.66}};
    EngineForTest t;
    for (const auto& c : cases) {
        place(t, 15.63, 78.22, 1.0f);
        t.at(2024, c.month, 21);
        EXPECT_EQ(t.cal.AufgangSonne(), c.all_events);
        EXPECT_EQ(t.cal.UntergangSonne(), c.all_events);
        EXPECT_EQ(t.cal.DaemmerungAnfang(), c.all_events);
        EXPECT_EQ(t.cal.DaemmerungEnde(), c.all_events);
        EXPECT_EQ(t.cal.Tageslaenge(), c.day_length);
        // Still a culmination: the highest point of the day, near local noon.
        const int noon = minutes_of(t.cal.Kulmination_Sonne());
        const int mean_noon = 12 * 60 + (c.month == 6 ? 60 : 0) + static_cast<int>((15.0 - 15.63) * 4.0);
        EXPECT_NEAR(noon, mean_noon, 4) << c.month;
        EXPECT_NEAR(EngineTestAccess::culmination_altitude(t.cal), c.culmination_altitude, 0.02);
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, WhiteNights) {
    // Trondheim-like 62° N at the June solstice: the Sun sets, but goes no
    // lower than 90° - 62° - 23.44° = -5.4°, so civil twilight lasts all night.
    EngineForTest t;
    place(t, 10.4, 62.0, 1.0f);
    t.at(2024, 6, 21);
    EXPECT_EQ(t.cal.DaemmerungAnfang(), "****");
    EXPECT_EQ(t.cal.DaemmerungEnde(), "****");
    EXPECT_NEAR(minutes_of(t.cal.AufgangSonne()), 3 * 60 + 30, 10);
    EXPECT_NEAR(minutes_of(t.cal.UntergangSonne()), 23 * 60 + 15, 10);

    // At 60° N the Sun still reaches -6.6° around local midnight: civil dusk
    // falls after midnight and dawn follows about an hour and a half later.
    t.cal.setLatitude(60.0);
    const int dusk = minutes_of(t.cal.DaemmerungEnde());
    const int dawn = minutes_of(t.cal.DaemmerungAnfang());
    EXPECT_GE(dusk, 0);
    EXPECT_LT(dusk, dawn);
    EXPECT_LT(dawn, 3 * 60);
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, SunGrazingTheHorizonRisesAndSetsInOneWindow) {
    // Tromsø, the first sunrise after the polar night: the Sun is above the
    // horizon for a quarter of an hour around noon, inside one two-hour parabola.
    EngineForTest t;
    place(t, 18.96, 69.65, 1.0f);
    t.at(2024, 1, 14);
    EXPECT_EQ(t.cal.AufgangSonne(), "....");
    t.at(2024, 1, 15);
    const int rise = minutes_of(t.cal.AufgangSonne());
    const int set = minutes_of(t.cal.UntergangSonne());
    EXPECT_GE(rise, 11 * 60);
    EXPECT_LT(rise, set);
    EXPECT_LE(set, 13 * 60);
    EXPECT_NEAR(minutes_of(t.cal.Tageslaenge()), set - rise, 1);
    const int culmination = minutes_of(t.cal.Kulmination_Sonne());
    EXPECT_GE(culmination, rise);
    EXPECT_LE(culmination, set);
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, SetBeforeRiseNearThePolarCircle) {
    // 65.8° N, 10° W in June: the Sun sets shortly after midnight and rises an
    // hour later; the day length is the time above the horizon, never negative,
    // and the culmination stays at local noon (14:40 with summer time).
    EngineForTest t;
    place(t, -10.0, 65.8, 1.0f);
    t.at(2024, 6, 10);
    const int set = minutes_of(t.cal.UntergangSonne());
    const int rise = minutes_of(t.cal.AufgangSonne());
    ASSERT_GE(set, 0);
    ASSERT_GT(rise, set);
    EXPECT_NEAR(minutes_of(t.cal.Tageslaenge()), 24 * 60 - (rise - set), 1);
    EXPECT_NEAR(minutes_of(t.cal.Kulmination_Sonne()), 14 * 60 + 40, 3);
    EXPECT_GT(EngineTestAccess::culmination_altitude(t.cal), 47.0);
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, MoonRisesWithoutSettingAndTheReverse) {
    // Berlin, January 2024. Near first quarter the Moon sets after midnight,
    // so one day has no moonset; near last quarter one day has no moonrise.
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 1, 17);
    EXPECT_GE(minutes_of(t.cal.AufgangMond()), 0);
    EXPECT_EQ(t.cal.UntergangMond(), "----");
    t.at(2024, 1, 16);
    EXPECT_GE(minutes_of(t.cal.UntergangMond()), 22 * 60);
    t.at(2024, 1, 18);
    EXPECT_LE(minutes_of(t.cal.UntergangMond()), 2 * 60);
    EXPECT_GE(minutes_of(t.cal.UntergangMond()), 0);

    t.at(2024, 1, 3);
    EXPECT_EQ(t.cal.AufgangMond(), "----");
    EXPECT_GE(minutes_of(t.cal.UntergangMond()), 0);
    t.at(2024, 1, 2);
    EXPECT_GE(minutes_of(t.cal.AufgangMond()), 22 * 60);
    t.at(2024, 1, 4);
    EXPECT_LE(minutes_of(t.cal.AufgangMond()), 2 * 60);
    EXPECT_GE(minutes_of(t.cal.AufgangMond()), 0);
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, BriefMoonNearThePoleIsFound) {
    // Tromsø (18.96 E, 69.65 N), 15 January 2010: the Moon is up for 23
    // minutes, rising 10:55:48 and setting 11:18:49 UT by Astronomy Engine
    // 2.1.19 (an accurate modern ephemeris), 11:56 and 12:19 CET. The hourly
    // samples stay below the threshold; the accurate Moon at the extremum
    // finds both crossings within its grazing precision.
    EngineForTest t;
    t.cal.setLongitude(18.96);
    t.cal.setLatitude(69.65);
    t.cal.setZeitzone("Europe/Oslo");
    t.at(2010, 1, 15);
    EXPECT_NEAR(minutes_of(t.cal.AufgangMond()), 11 * 60 + 56, 2);
    EXPECT_NEAR(minutes_of(t.cal.UntergangMond()), 12 * 60 + 19, 2);
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, NoTimeOfDayReads2400) {
    // Every clock text of every day of 2024 at twenty places from pole to
    // pole. Events from 23:59:30 on read 23:59 on their own day.
    struct Place { double latitude, longitude; const char* zone; };
    const Place places[] = {
        {52.52, 13.30, "Europe/Berlin"},         {54.78, 9.44, "Europe/Berlin"},
        {48.14, 11.58, "Europe/Berlin"},         {69.65, 18.96, "Europe/Oslo"},
        {78.22, 15.65, "Arctic/Longyearbyen"},   {64.15, -21.94, "Atlantic/Reykjavik"},
        {60.17, 24.94, "Europe/Helsinki"},       {51.51, -0.13, "Europe/London"},
        {40.42, -3.70, "Europe/Madrid"},         {40.71, -74.01, "America/New_York"},
        {61.22, -149.90, "America/Anchorage"},   {-0.18, -78.47, "America/Guayaquil"},
        {-54.80, -68.30, "America/Argentina/Ushuaia"}, {-33.92, 18.42, "Africa/Johannesburg"},
        {-1.29, 36.82, "Africa/Nairobi"},        {19.08, 72.88, "Asia/Kolkata"},
        {35.68, 139.69, "Asia/Tokyo"},           {-33.87, 151.21, "Australia/Sydney"},
        {-36.85, 174.76, "Pacific/Auckland"},    {-77.85, 166.67, "Antarctica/McMurdo"},
    };
    int last_minute = 0;
    for (const Place& p : places) {
        EngineForTest t;
        t.cal.setLongitude(p.longitude);
        t.cal.setLatitude(p.latitude);
        t.cal.setZeitzone(p.zone);
        t.at(2024, 1, 1);
        std::vector<std::string> texts;
        for (std::int32_t code = 51; code <= 54; ++code) texts.push_back(t.cal.Jahreszeit_Datum(code));
        for (int day = 1; day <= 366; ++day) {
            t.cal.TagesZahl_Setzen(day);
            const auto jd = static_cast<std::int32_t>(t.cal.JD());
            for (std::string text : {t.cal.AufgangSonne(), t.cal.UntergangSonne(), t.cal.DaemmerungAnfang(),
                                     t.cal.DaemmerungEnde(), t.cal.Kulmination_Sonne(), t.cal.AufgangMond(),
                                     t.cal.UntergangMond(), t.cal.IstVollmond_Info(jd), t.cal.IstNeumond_Info(jd)}) {
                texts.push_back(std::move(text));
            }
        }
        for (const std::string& text : texts) {
            ASSERT_EQ(text.find("24:00 Uhr"), std::string::npos) << p.zone << ": " << text;
            if (text.find("23:59 Uhr") != std::string::npos) ++last_minute;
        }
        EXPECT_TRUE(t.faults.empty()) << p.zone;
    }
    // The case is met at these places in 2024, so the test does test it.
    EXPECT_GT(last_minute, 0);
    RecordProperty("texts_at_23_59", last_minute);
}

TEST(RiseSet, ChangeoverDayUsesThatDaysSummerTime) {
    // The clock change applies to the whole day from its midnight: sunrise in
    // Berlin jumps by an hour less the day's own drift of one to three minutes.
    struct Case { int month, day_before, day; int min_jump, max_jump; };
    const Case cases[] = {{3, 30, 31, 56, 59}, {10, 26, 27, -59, -56}};
    EngineForTest t;
    t.in_berlin();
    for (const auto& c : cases) {
        t.at(2024, c.month, c.day_before);
        const int before = minutes_of(t.cal.AufgangSonne());
        t.at(2024, c.month, c.day);
        const int after = minutes_of(t.cal.AufgangSonne());
        EXPECT_GE(after - before, c.min_jump) << c.month;
        EXPECT_LE(after - before, c.max_jump) << c.month;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, MeanNoonFollowsLongitudeEastPositive) {
    // 25 December: the equation of time is near zero, so the Sun culminates at
    // mean noon, 12:00 wherever the zone matches the meridian.
    struct Case { double longitude; float zone; };
    const Case cases[] = {{15.0, 1.0f}, {-15.0, -1.0f}, {0.0, 0.0f}, {-75.0, -5.0f}, {135.0, 9.0f}};
    EngineForTest t;
    for (const auto& c : cases) {
        place(t, c.longitude, 45.0, c.zone);
        t.at(2023, 12, 25);
        EXPECT_NEAR(minutes_of(t.cal.Kulmination_Sonne()), 12 * 60, 1) << c.longitude;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, HoursAndMinutesText) {
    struct Case { double hours; bool clock; const char* text; };
    const Case cases[] = {
        {6.5, true, "06:30 Uhr"},        {15.25, false, "15:15 Stunden"}, {6.9999, true, "07:00 Uhr"},
        {0.0, true, "00:00 Uhr"},        {23.9999, true, "23:59 Uhr"},    {0.0083, true, "00:00 Uhr"},
        {0.00834, true, "00:01 Uhr"},    {24.0, false, "24:00 Stunden"},  {-0.5, false, "-00:30 Stunden"},
        {-0.001, false, "00:00 Stunden"}, {123.75, false, "123:45 Stunden"},
    };
    EngineForTest t;
    for (const auto& c : cases) EXPECT_EQ(EngineTestAccess::hrsmin(t.cal, c.hours, c.clock), c.text) << c.hours;
    EXPECT_THROW(EngineTestAccess::hrsmin(t.cal, std::numeric_limits<double>::quiet_NaN(), true),
                 vespera::EngineFault);
}

TEST(RiseSet, ParabolaThroughThreeSamples) {
    struct Case { double ym, yz, yp; int nz; double z1, z2, xe, ye; };
    const Case cases[] = {
        {-1.0, 1.0, -1.0, 2, -std::sqrt(0.5), std::sqrt(0.5), 0.0, 1.0}, // up and down again
        {1.0, -1.0, 1.0, 2, -std::sqrt(0.5), std::sqrt(0.5), 0.0, -1.0}, // down and up again
        {-2.0, -1.0, 2.0, 1, std::sqrt(2.0) - 1.0, std::sqrt(2.0) - 1.0, -1.0, -2.0},
        {1.0, 2.0, 1.0, 0, std::sqrt(2.0), std::sqrt(2.0), 0.0, 2.0},    // crossings outside [-1, 1]
        {1.0, 0.5, 1.0, 0, 0.0, 0.0, 0.0, 0.5},                          // no real crossing
        {-1.0, 0.0, 1.0, 1, 0.0, 0.0, 0.0, 0.0},                         // a straight line
        {1.0, 1.0, 1.0, 0, 0.0, 0.0, 0.0, 1.0},                          // flat
    };
    for (const auto& c : cases) {
        const vespera::Parabola q = vespera::quad(c.ym, c.yz, c.yp);
        EXPECT_EQ(q.nz, c.nz) << c.ym << " " << c.yz << " " << c.yp;
        EXPECT_NEAR(q.z1, c.z1, 1e-12) << c.ym << " " << c.yz << " " << c.yp;
        EXPECT_NEAR(q.z2, c.z2, 1e-12) << c.ym << " " << c.yz << " " << c.yp;
        EXPECT_NEAR(q.xe, c.xe, 1e-12) << c.ym << " " << c.yz << " " << c.yp;
        EXPECT_NEAR(q.ye, c.ye, 1e-12) << c.ym << " " << c.yz << " " << c.yp;
    }
}

TEST(RiseSet, SiderealTime) {
    // Meeus, Astronomical Algorithms, Examples 12.a and 12.b (1987 April 10,
    // 0h and 19h21m UT): 13h10m46.3668s and 128.7378734 degrees.
    const double days = 2446895.5 - vespera::kJ2000_jd;
    EXPECT_NEAR(vespera::greenwich_mean_sidereal_deg(days) / 15.0, 13.0 + 10.0 / 60.0 + 46.3668 / 3600.0, 1e-6);
    EXPECT_NEAR(vespera::greenwich_mean_sidereal_deg(days + 19.35 / 24.0), 128.7378734, 1e-5);

    struct RangeCase { double x, reduced; };
    const RangeCase ranges[] = {{-30.0, 330.0}, {725.0, 5.0}, {360.0, 0.0}, {-720.0, 0.0}, {0.0, 0.0},
                                {-1e-15, 0.0}};
    for (const auto& c : ranges) {
        EXPECT_NEAR(vespera::reduce_degrees(c.x), c.reduced, 1e-9) << c.x;
        EXPECT_LT(vespera::reduce_degrees(c.x), 360.0);
    }
}

TEST(RiseSet, EquationOfTime) {
    // Meeus, Example 28.b (1992 October 13.0): 13m42.7s, the Sun culminating
    // before mean noon; and the extremes of 2024 (11 February, 3 November).
    struct Case { double jd; double minutes; double tolerance; };
    const Case cases[] = {{2448908.5, -13.7117, 0.01}, {2460352.5, 14.22, 0.1}, {2460617.5, -16.43, 0.1}};
    EngineForTest t;
    for (const auto& c : cases) EXPECT_NEAR(t.cal.ZGL(c.jd), c.minutes, c.tolerance) << c.jd;
    EXPECT_TRUE(t.faults.empty());
}

TEST(RiseSet, FaultsAreReportedOnce) {
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 6, 21);
    // Event codes outside the threshold table.
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, 13.3, 52.5, 5), "");
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, 13.3, 52.5, 0), "");
    EXPECT_EQ(t.cal.moonevent(2024, 6, 21, 2.0, 13.3, 52.5, 10), "");
    ASSERT_EQ(t.faults.size(), 3u);
    EXPECT_EQ(t.faults[2].rfind("Error 9 (Subscript out of range), line ", 0), 0u) << t.faults[2];
    EXPECT_NE(t.faults[2].find("  in procedure moonevent of Klassenmodul clsCalendar"), std::string::npos);

    // A day beyond a 16-bit Integer cannot be handed on.
    t.faults.clear();
    t.cal.setTag(40000);
    EXPECT_EQ(t.cal.AufgangSonne(), "");
    ASSERT_EQ(t.faults.size(), 1u);
    EXPECT_EQ(t.faults[0].rfind("Error 6 (Overflow)", 0), 0u) << t.faults[0];
    EXPECT_NE(t.faults[0].find("procedure AufgangSonne"), std::string::npos);

    // A place that is not a number.
    t.faults.clear();
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, 13.3, std::numeric_limits<double>::quiet_NaN(), 1), "");
    ASSERT_EQ(t.faults.size(), 1u);
    EXPECT_EQ(t.faults[0].rfind("Error 5 ", 0), 0u) << t.faults[0];
}

TEST(RiseSet, EventCodesOfTheSunAndMoon) {
    // The public routines answer the same as the wrappers for the same day.
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 6, 21);
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, t.cal.Longitude(), t.cal.Latitude(), 1), t.cal.AufgangSonne());
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, t.cal.Longitude(), t.cal.Latitude(), -2), t.cal.DaemmerungEnde());
    EXPECT_EQ(t.cal.moonevent(2024, 6, 21, 2.0, t.cal.Longitude(), t.cal.Latitude(), -1), t.cal.UntergangMond());
    // Nautical and astronomical twilight: at 52.5° N in June the Sun stays
    // above -18° all night and dips below -12° only briefly.
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, t.cal.Longitude(), t.cal.Latitude(), 4), "****");
    EXPECT_EQ(t.cal.sunevent(2024, 6, 21, 2.0, t.cal.Longitude(), t.cal.Latitude(), -4), "****");
    EXPECT_GE(minutes_of(t.cal.sunevent(2024, 6, 21, 2.0, t.cal.Longitude(), t.cal.Latitude(), 3)), 0);
    EXPECT_EQ(t.cal.KulminationHoehe_Sonne(), "0,00 °") << "nothing computed yet";
    t.cal.Kulmination_Sonne();
    EXPECT_EQ(t.cal.KulminationHoehe_Sonne(), "60,91 °"); // 90° - 52.52° + 23.44°
    t.cal.setDecimalSeparator('.');
    EXPECT_EQ(t.cal.KulminationHoehe_Sonne(), "60.91 °");
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

namespace {

TEST(RiseSet, JulianDatesAreHandedOverAsTheSameGregorianDay) {
    // 1 March 1500 (Julian) is 11 March 1500 in the Gregorian reckoning that
    // the hourly search counts in; 15 October 1582 is the same in both.
    struct Case { int year, month, day, gregorian_month, gregorian_day; };
    const Case cases[] = {{1500, 3, 1, 3, 11}, {1582, 10, 4, 10, 14}, {1582, 10, 15, 10, 15}, {1000, 12, 31, 1, 6}};
    for (const auto& c : cases) {
        EngineForTest t;
        t.in_berlin();
        t.at(c.year, c.month, c.day);
        const int gregorian_year = c.gregorian_month < c.month ? c.year + 1 : c.year;
        const auto y = static_cast<std::int16_t>(gregorian_year);
        const auto m = static_cast<std::int16_t>(c.gregorian_month);
        const auto d = static_cast<std::int16_t>(c.gregorian_day);
        EXPECT_EQ(t.cal.AufgangSonne(), t.cal.sunevent(y, m, d, 1.0, 13.2975, 52.5222222222222, 1)) << c.year;
        EXPECT_EQ(t.cal.AufgangMond(), t.cal.moonevent(y, m, d, 1.0, 13.2975, 52.5222222222222, 1)) << c.year;
        EXPECT_EQ(t.cal.UntergangMond(), t.cal.moonevent(y, m, d, 1.0, 13.2975, 52.5222222222222, -1)) << c.year;
    }
}

} // namespace

TEST(RiseSet, APlaceOffTheGlobeIsRefused) {
    // Latitude 91 once gave a plausible-looking "02:48 Uhr".
    struct Case { bool latitude; double value_deg; };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {{true, 91.0},       {true, -90.0001}, {true, 1e300},  {true, nan},
                          {false, 180.0001}, {false, -181.0},  {false, -inf}, {false, nan}};
    for (const Case& c : cases) {
        EngineForTest t;
        t.in_berlin();
        t.at(2024, 6, 21);
        const std::string sunrise = t.cal.AufgangSonne();
        if (c.latitude) {
            t.cal.setLatitude(c.value_deg);
        } else {
            t.cal.setLongitude(c.value_deg);
        }
        ASSERT_EQ(t.faults.size(), 1u) << c.value_deg;
        EXPECT_EQ(t.faults[0].rfind("Error 5 (Invalid procedure call or argument)", 0), 0u) << t.faults[0];
        EXPECT_DOUBLE_EQ(t.cal.Latitude(), 52.5222222222222);
        EXPECT_DOUBLE_EQ(t.cal.Longitude(), 13.2975);
        EXPECT_EQ(t.cal.AufgangSonne(), sunrise);
    }
    // The poles and the date line are places.
    EngineForTest t;
    for (const double latitude_deg : {90.0, -90.0}) {
        t.cal.setLatitude(latitude_deg);
        EXPECT_EQ(t.cal.Latitude(), latitude_deg);
    }
    for (const double longitude_deg : {180.0, -180.0}) {
        t.cal.setLongitude(longitude_deg);
        EXPECT_EQ(t.cal.Longitude(), longitude_deg);
    }
    EXPECT_TRUE(t.faults.empty());
}

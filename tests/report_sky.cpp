// The sky of a day and the month grid's moon discs and week numbers, against
// published values.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/clsCalendar.h"
#include "ephemeris/calendar.h"
#include "report/clock_change.h"
#include "report/day_report.h"
#include "report/month_grid.h"
#include "report/sky_event_list.h"
#include "report/sky_samples.h"
#include "report/sun_table.h"
#include "engine_fixture.h"

namespace {

// Berlin's row of the city table on its tz zone; no engine call may fault.
struct Berlin : EngineForTest {
    vespera::Zone zone = *vespera::Zone::named("Europe/Berlin");
    Berlin(int year, int month, int day) {
        in_berlin();
        cal.setZeitzone("Europe/Berlin");
        at(year, month, day);
    }
    ~Berlin() { EXPECT_TRUE(faults.empty()) << faults.front(); }
};

// Berlin at the solstices (timeanddate.com, 2025): the Sun's highest
// altitude and the hours between sunrise and sunset.
TEST(ReportSky, BerlinAtTheSolstices) {
    struct Case {
        int month, day;
        double highest_deg;
        double noon_hours; // clock time of the highest point
        double day_length_hours;
    };
    const Case cases[] = {
        {6, 21, 60.9, 13.0 + 8.0 / 60.0, 16.0 + 50.0 / 60.0},
        {12, 21, 14.0, 12.0 + 5.0 / 60.0, 7.0 + 39.0 / 60.0},
    };
    for (const Case& c : cases) {
        Berlin berlin(2025, c.month, c.day);
        clsCalendar& cal = berlin.cal;
        const vespera::report::SkyDay sky = vespera::report::sky_of_day(cal, 49);
        EXPECT_NEAR(sky.sun_highest.altitude_deg, c.highest_deg, 0.15) << c.month;
        EXPECT_NEAR(sky.sun_highest.clock_hours, c.noon_hours, 1.0 / 60.0) << c.month;
        EXPECT_EQ(sky.sun_altitude_deg.size(), 49u);
        // Midnight and noon bracket the samples: the Sun is down at midnight.
        EXPECT_LT(sky.sun_altitude_deg.front(), 0.0);
        const std::vector<double> year = vespera::report::day_lengths_of_year(cal);
        ASSERT_EQ(year.size(), 365u);
        const auto index = vespera::day_number(2025, c.month, c.day) - vespera::day_number(2025, 1, 1);
        EXPECT_NEAR(year[static_cast<std::size_t>(index)], c.day_length_hours, 2.0 / 60.0) << c.month;
    }
    // The longest day of the year is the solstice's, give or take a day.
    Berlin berlin(2024, 1, 1);
    clsCalendar& cal = berlin.cal;
    const std::vector<double> leap = vespera::report::day_lengths_of_year(cal);
    ASSERT_EQ(leap.size(), 366u);
    const auto longest = std::max_element(leap.begin(), leap.end()) - leap.begin();
    EXPECT_NEAR(static_cast<double>(longest), 172.0, 1.0); // 21 June 2024 is day 173
}

// The year's curve counts every fourth day and draws a line between: it must
// stay within a minute of every day's own count, also where the Sun stops
// setting (Tromsø, 69.65° N) and where a day has a clock change.
TEST(ReportSky, YearCurveStaysWithinAMinuteOfEveryDay) {
    for (const double latitude_deg : {52.52, 69.65, -33.92}) {
        Berlin berlin(2025, 1, 1);
        clsCalendar& cal = berlin.cal;
        cal.setLatitude(latitude_deg);
        const std::vector<double> curve = vespera::report::day_lengths_of_year(cal);
        const std::int32_t first = static_cast<std::int32_t>(vespera::day_number(2025, 1, 1));
        for (std::size_t i = 0; i < curve.size(); ++i) {
            const double exact = cal.day_length_hours(first + static_cast<std::int32_t>(i));
            ASSERT_NEAR(curve[i], exact, 1.0 / 60.0) << latitude_deg << " day " << i;
        }
    }
}

// The days of the clock changes: 23 and 25 hours, the hours labelled as the
// clock shows them (02:00 skipped in March, 02:00 twice in October).
TEST(ReportSky, ClockChangeDaysKeepTheClocksHours) {
    struct Case {
        int month, day;
        double span_hours;
        std::vector<int> first_labels;
    };
    const Case cases[] = {
        {3, 30, 23.0, {0, 1, 3, 4}},
        {10, 26, 25.0, {0, 1, 2, 2, 3}},
        {6, 21, 24.0, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        Berlin berlin(2025, c.month, c.day);
        clsCalendar& cal = berlin.cal;
        const vespera::report::SkyDay sky = vespera::report::sky_of_day(cal, 25);
        EXPECT_DOUBLE_EQ(sky.span_hours, c.span_hours) << c.month;
        ASSERT_EQ(sky.clock_hour_labels.size(), static_cast<std::size_t>(c.span_hours) + 1) << c.month;
        EXPECT_TRUE(std::equal(c.first_labels.begin(), c.first_labels.end(), sky.clock_hour_labels.begin())) << c.month;
        EXPECT_EQ(sky.clock_hour_labels.back(), 24) << c.month;
    }
}

// July 2025 (USNO phases of the Moon, UT): first quarter 2 Jul 19:30, full
// 10 Jul 20:37, last quarter 18 Jul 00:37, new 24 Jul 19:11; in Berlin the
// same days. The disc at local noon is lit about half at the quarters.
TEST(ReportSky, MoonPhasesOfJuly2025) {
    using vespera::report::MoonPhase;
    Berlin berlin(2025, 7, 15);
    clsCalendar& cal = berlin.cal;
    const vespera::report::MonthGrid grid = vespera::report::month_grid(cal);
    std::vector<std::pair<int, MoonPhase>> found;
    for (std::size_t i = 0; i < grid.days.size(); ++i) {
        if (grid.days[i].moon_phase != MoonPhase::None) {
            found.emplace_back(static_cast<int>(i) + 1, grid.days[i].moon_phase);
        }
    }
    const std::vector<std::pair<int, MoonPhase>> expected = {
        {2, MoonPhase::FirstQuarter}, {10, MoonPhase::Full}, {18, MoonPhase::LastQuarter}, {24, MoonPhase::New}};
    EXPECT_EQ(found, expected);
    const auto& first_quarter = grid.days[1];
    EXPECT_NEAR(first_quarter.moon_lit_fraction, 0.45, 0.05); // nine and a half hours before the quarter
    EXPECT_TRUE(first_quarter.moon_waxing);
    EXPECT_NEAR(grid.days[17].moon_lit_fraction, 0.45, 0.05); // nine and a half hours after
    EXPECT_FALSE(grid.days[17].moon_waxing);
    EXPECT_GT(grid.days[9].moon_lit_fraction, 0.98);
    EXPECT_LT(grid.days[23].moon_lit_fraction, 0.02);
    EXPECT_EQ(cal.Tag(), 15);
}

TEST(ReportSky, IsoWeeksAtTheTurnOfTheYear) {
    struct Case {
        int year, month, day, week;
    };
    const Case cases[] = {
        {2021, 1, 1, 53},  {2021, 1, 4, 1},   {2020, 12, 31, 53}, {2024, 12, 30, 1},
        {2026, 1, 1, 1},   {2010, 1, 3, 53},  {2025, 7, 15, 29},  {2027, 1, 3, 53},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vespera::report::iso_week(vespera::day_number(c.year, c.month, c.day)), c.week)
            << c.year << '-' << c.month << '-' << c.day;
    }
}

// The day report says in words what a day does not have: polar day and night
// at Longyearbyen (78.2 N), no astronomical night at Berlin in June.
TEST(ReportSky, DaysWithoutTwilightOrSunsetInWords) {
    struct Case {
        double latitude_deg, longitude_deg;
        int month;
        const char* label;
        const char* value;
    };
    const Case cases[] = {
        {78.2, 15.6, 6, "Sonne", "Polartag: die Sonne geht nicht unter (Mitternachtssonne)"},
        {78.2, 15.6, 12, "Sonne", "Polarnacht: die Sonne geht nicht auf"},
        {78.2, 15.6, 6, "Dämmerung", "keine: es wird nicht dunkel (die Sonne bleibt weniger als 6° unter dem Horizont)"},
        {78.2, 15.6, 12, "Goldene Stunde", "keine: die Sonne bleibt mehr als 4° unter dem Horizont"},
        {52.52, 13.405, 6, "Astronomische Dämmerung",
         "keine: es wird nicht dunkel (die Sonne bleibt weniger als 18° unter dem Horizont)"},
        // 70 N: the Sun's noon altitude in December is 90 - 70 - 23.4 = -3.4°.
        {70.0, 19.0, 6, "Sonne", "Polartag: die Sonne geht nicht unter (Mitternachtssonne)"},
        {70.0, 19.0, 6, "Astronomische Dämmerung",
         "keine: es wird nicht dunkel (die Sonne bleibt weniger als 18° unter dem Horizont)"},
        {70.0, 19.0, 12, "Sonne", "Polarnacht: die Sonne geht nicht auf"},
        {84.0, 19.0, 12, "Dämmerung", "keine: es wird nicht hell (die Sonne bleibt mehr als 6° unter dem Horizont)"},
    };
    for (const Case& c : cases) {
        Berlin place(2025, c.month, 21);
        place.cal.setLatitude(c.latitude_deg);
        place.cal.setLongitude(c.longitude_deg);
        const vespera::report::Report report =
            vespera::report::day_report(place.cal, place.zone, "", vespera::report::ClockTime{12, 0, 0});
        const auto row = std::find_if(report.rows.begin(), report.rows.end(),
                                      [&](const vespera::report::Row& r) { return r.label == c.label; });
        ASSERT_NE(row, report.rows.end()) << c.label;
        EXPECT_EQ(row->value, c.value) << c.label << " " << c.month;
        if (std::string_view(c.label) == "Dämmerung") {
            EXPECT_NE(row->tooltip.find("Bürgerliche"), std::string::npos);
        }
    }
}

// The Moon up or down all day at 70 N (the engine's "****" and "....").
TEST(ReportSky, MoonUpOrDownAllDayInWords) {
    struct Case {
        int month, day;
        const char* value;
    };
    const Case cases[] = {
        {5, 26, "der Mond geht nicht unter (den ganzen Tag über dem Horizont)"},
        {12, 21, "der Mond geht nicht auf (den ganzen Tag unter dem Horizont)"},
    };
    for (const Case& c : cases) {
        Berlin place(2025, c.month, c.day);
        place.cal.setLatitude(70.0);
        place.cal.setLongitude(19.0);
        const vespera::report::Report report =
            vespera::report::day_report(place.cal, place.zone, "", vespera::report::ClockTime{12, 0, 0});
        const auto row = std::find_if(report.rows.begin(), report.rows.end(),
                                      [](const vespera::report::Row& r) { return r.label == "Mond"; });
        ASSERT_NE(row, report.rows.end());
        EXPECT_EQ(row->value, c.value) << c.month;
    }
}

// The sun table reads the Moon's lit share at local noon and says so; the
// day report names its own instant, and at noon the two agree.
TEST(ReportSky, MoonShareNamesItsInstant) {
    Berlin berlin(2026, 3, 29);
    const vespera::report::SunTable table = vespera::report::sun_table(berlin.cal, "");
    EXPECT_STREQ(vespera::report::kSunTablePhaseHeading, "Mondphase (Anteil um 12:00 Uhr)");
    const auto day = std::find_if(table.days.begin(), table.days.end(),
                                  [](const vespera::report::SunTableDay& d) { return d.iso_date == "2026-03-29"; });
    ASSERT_NE(day, table.days.end());
    ASSERT_TRUE(day->lit_percent.has_value());
    for (const int hour : {12, 15}) {
        const vespera::report::Report report =
            vespera::report::day_report(berlin.cal, berlin.zone, "", vespera::report::ClockTime{hour, 0, 0});
        const auto row = std::find_if(report.rows.begin(), report.rows.end(),
                                      [](const vespera::report::Row& r) { return r.label == "Mondphase"; });
        ASSERT_NE(row, report.rows.end());
        EXPECT_TRUE(row->value.ends_with("(um " + std::to_string(hour) + ":00 Uhr)")) << row->value;
        ASSERT_TRUE(row->typed.quantity.has_value());
        if (hour == 12) {
            EXPECT_DOUBLE_EQ(row->typed.quantity->number, *day->lit_percent);
        } else {
            EXPECT_GT(row->typed.quantity->number, *day->lit_percent); // waxing
        }
    }
}

// Summer time in the EU from the last Sunday of March to the last of
// October, at 01:00 UT (Directive 2000/84/EC; Switzerland alike), in the US
// from the second Sunday of March at 02:00 local (Energy Policy Act 2005);
// Berlin's mean time +0:53:28 gave way to MEZ on 1 April 1893 (tz database).
TEST(ReportSky, ClockChangeRowsSayFromWhatToWhat) {
    struct Case {
        const char* zone; // empty: the German rules on +1
        int year, month, day;
        const char* text; // empty: no row
    };
    const Case cases[] = {
        {"Europe/Berlin", 2026, 3, 29, "02:00 MEZ \u2192 03:00 MESZ (Sommerzeit beginnt, der Tag hat 23 Stunden)"},
        {"Europe/Berlin", 2026, 10, 25, "03:00 MESZ \u2192 02:00 MEZ (Sommerzeit endet, der Tag hat 25 Stunden)"},
        {"Europe/Berlin", 2026, 3, 28, ""},
        {"Europe/Zurich", 2026, 3, 29, "02:00 MEZ \u2192 03:00 MESZ (Sommerzeit beginnt, der Tag hat 23 Stunden)"},
        {"Europe/Zurich", 2026, 10, 25, "03:00 MESZ \u2192 02:00 MEZ (Sommerzeit endet, der Tag hat 25 Stunden)"},
        {"Europe/Helsinki", 2026, 3, 29, "03:00 OEZ \u2192 04:00 OESZ (Sommerzeit beginnt, der Tag hat 23 Stunden)"},
        {"America/New_York", 2026, 3, 8,
         "02:00 UTC\u22125 \u2192 03:00 UTC\u22124 (Sommerzeit beginnt, der Tag hat 23 Stunden)"},
        {"Europe/Berlin", 1893, 4, 1,
         "00:00 UTC+0:53:28 \u2192 00:06:32 UTC+1 (neue Zonenzeit, der Tag hat 23 Stunden 53 Minuten 28 Sekunden)"},
        {"", 2026, 10, 25, "03:00 MESZ \u2192 02:00 MEZ (Sommerzeit endet, der Tag hat 25 Stunden)"},
    };
    for (const Case& c : cases) {
        const vespera::Zone zone =
            *c.zone == '\0' ? vespera::Zone::german_rules(1.0) : *vespera::Zone::named(c.zone);
        const auto day = static_cast<std::int32_t>(vespera::day_number(c.year, c.month, c.day));
        const std::optional<vespera::report::ClockChangeRow> row = vespera::report::clock_change_row(zone, day);
        EXPECT_EQ(row ? row->text : std::string(), c.text) << c.zone << " " << c.year << "-" << c.month;
    }
    // The day report carries it, with the instant on the new clock.
    Berlin berlin(2026, 3, 29);
    const vespera::report::Report report =
        vespera::report::day_report(berlin.cal, berlin.zone, "", vespera::report::ClockTime{12, 0, 0});
    const auto row = std::find_if(report.rows.begin(), report.rows.end(),
                                  [](const vespera::report::Row& r) { return r.label == "Zeitumstellung"; });
    ASSERT_NE(row, report.rows.end());
    ASSERT_TRUE(row->typed.event.has_value());
    EXPECT_EQ(row->typed.event->at.minute_of_day, 3 * 60);
    EXPECT_EQ(row->typed.event->at.offset_seconds, 7200);
}

// The Mars opposition of 2025 January 16, 02:38 UT (USNO, Astronomical
// Phenomena for 2025), in the list with its ids and both clocks.
TEST(ReportSky, SkyEventListCarriesIdsAndBothClocks) {
    Berlin berlin(2025, 1, 1);
    const vespera::report::SkyEventTable table = vespera::report::sky_event_table(berlin.cal, berlin.zone);
    const auto mars = std::find_if(table.lines.begin(), table.lines.end(), [](const auto& line) {
        return line.koerper == "Mars" && line.ereignis == "opposition";
    });
    ASSERT_NE(mars, table.lines.end());
    EXPECT_EQ(mars->zeit_utc.substr(0, 16), "2025-01-16T02:38");
    EXPECT_EQ(mars->zeit_lokal.substr(0, 16), "2025-01-16T03:38");
    EXPECT_EQ(table.lines.size(), table.report.rows.size());
    for (const auto& line : table.lines) EXPECT_TRUE(line.zeit_utc.ends_with("Z")) << line.text;
}

} // namespace

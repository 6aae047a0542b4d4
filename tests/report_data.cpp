// The report layer on its own: ISO dates, place headings, lists that keep to
// their year, a report that stops at a failing engine call, the sunrise table.
#include <gtest/gtest.h>

#include <limits>

#include "engine/clsCalendar.h"
#include "zones/zone.h"
#include "ephemeris/calendar.h"
#include "report/date_difference.h"
#include "report/day_report.h"
#include "report/holiday_list.h"
#include "report/number_display.h"
#include "report/report.h"
#include "report/sun_table.h"
#include "report/year_lists.h"

namespace {

using vespera::report::Report;
using vespera::report::YearList;

struct Calendar {
    clsCalendar cal;
    std::vector<std::string> faults;
    vespera::Zone zone = *vespera::Zone::named("Europe/Berlin");

    explicit Calendar(int year, int month = 1, int day = 1) {
        cal.setClock([] { return std::chrono::seconds(12 * 3600); });
        cal.setErrorReporter([this](const std::string& text) { faults.push_back(text); });
        cal.setLongitude(13.2975);
        cal.setLatitude(52.5222222222222);
        cal.setZeitzone_Offset(1.0f);
        cal.setZeitzone("Europe/Berlin");
        cal.setKalender(1);
        cal.setJahr(year);
        cal.setMonat(month);
        cal.setTag(day);
    }
};

TEST(ReportData, IsoDatesAreGregorianWithExpandedYears) {
    struct Case {
        std::int64_t day_number;
        const char* iso;
    };
    const Case cases[] = {
        {2460409, "2024-04-08"},
        {2451545, "2000-01-01"},
        {2299161, "1582-10-15"}, // the first Gregorian day
        {2299160, "1582-10-14"}, // 4 October 1582 (Julian) in ISO 8601's proleptic Gregorian calendar
        {1705061, "-0044-03-13"}, // 15 March -44 (Julian)
        {1721060, "0000-01-01"},
        {6228998, "+12342-04-26"},
    };
    for (const Case& c : cases) EXPECT_EQ(vespera::report::iso_date(c.day_number), c.iso) << c.day_number;
}

// Year 0 of the astronomical count is 1 BC; the engine's -44 is 45 BC.
TEST(ReportData, YearsBeforeOneAreCountedBeforeChrist) {
    struct Case {
        std::int64_t year;
        const char* text;
        const char* heading;
    };
    const Case cases[] = {
        {-44, "45 v. Chr.", "45 v. Chr. (astronomisches Jahr -44)"},
        {0, "1 v. Chr.", "1 v. Chr. (astronomisches Jahr 0)"},
        {-1, "2 v. Chr.", "2 v. Chr. (astronomisches Jahr -1)"},
        {1, "1", "1"},
        {2024, "2024", "2024"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vespera::report::year_text(c.year), c.text) << c.year;
        EXPECT_EQ(vespera::report::year_heading_text(c.year), c.heading) << c.year;
    }
}

// A year of one or two digits is read as written (years before 100 are
// valid), and the note names the year taken; four digits, a sign or the ISO
// form are deliberate and get none.
TEST(ReportData, ShortYearOfATypedDateIsNamed) {
    struct Case {
        const char* typed;
        std::int32_t day_number;
        const char* note;
    };
    const Case cases[] = {
        {"24.12.26", 1730912, "24.12.26 als 24. Dezember 26 n. Chr. gelesen"},
        {" 1.1.5 ", 1722885, "1.1.5 als 1. Januar 5 n. Chr. gelesen"},
        {"01.03.00", 1721118, "01.03.00 als 1. M\u00e4rz 1 v. Chr. (astronomisches Jahr 0) gelesen"},
        {"24.12.0026", 1730912, ""},
        {"24.12.2026", 2461399, ""},
        {"15.3.-44", 1705061, ""},
        {"0026-12-22", 1730912, ""},
    };
    for (const Case& c : cases) {
        const vespera::report::TypedDate date = vespera::report::read_typed_date(c.typed);
        EXPECT_EQ(date.day.value_or(0), c.day_number) << c.typed;
        EXPECT_EQ(date.note, c.note) << c.typed;
    }
    EXPECT_EQ(vespera::report::read_typed_date("31.2.26").note, "");
    EXPECT_EQ(vespera::report::typed_date_notes("1.1.26", "1.1.26"), "1.1.26 als 1. Januar 26 n. Chr. gelesen\n");
}

// Numbers as the reports show them: grouped, with one number of decimals
// per kind, the degree sign against the number.
TEST(ReportData, NumbersAreGroupedAndRoundedAlike) {
    using vespera::report::angle_text;
    using vespera::report::grouped;
    EXPECT_EQ(grouped(152054253.6, 1, ','), "152.054.253,6");
    EXPECT_EQ(grouped(152054253.6, 1, '.'), "152,054,253.6");
    EXPECT_EQ(grouped(999.96, 1, ','), "1.000,0"); // the carry makes a new group
    EXPECT_EQ(grouped(-1234567.0, 0, ','), "-1.234.567");
    EXPECT_EQ(angle_text(-0.4999, ','), "-0,50\u00b0");
}

// Instants as RFC 3339 texts: UTC crosses midnight and the year, a local
// mean time keeps its seconds, years before 1 are signed as ISO 8601 counts.
TEST(ReportData, InstantsOnTheClockAndInUtc) {
    using vespera::report::Instant;
    struct Case {
        Instant at;
        const char* local;
        const char* utc;
    };
    const std::int64_t new_year_2025 = 2460677; // 1 January 2025
    const Case cases[] = {
        {{new_year_2025, 26, 7200}, "2025-01-01T00:26:00+02:00", "2024-12-31T22:26:00Z"},
        {{new_year_2025 - 1, 23 * 60 + 30, -5 * 3600}, "2024-12-31T23:30:00-05:00", "2025-01-01T04:30:00Z"},
        {{2415021, 12 * 60, 3208}, "1900-01-01T12:00:00+00:53:28", "1900-01-01T11:06:32Z"},
        {{1705061, 6 * 60, 3600}, "-0044-03-13T06:00:00+01:00", "-0044-03-13T05:00:00Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vespera::report::local_text(c.at), c.local);
        EXPECT_EQ(vespera::report::utc_text(c.at), c.utc);
    }
}

TEST(ReportData, MoonRiseAndSetInTheOrderOfTheDay) {
    struct Case {
        const char* rise;
        const char* set;
        const char* shown;
    };
    const Case cases[] = {
        {"15:45 Uhr", "00:16 Uhr", "Untergang 00:16 Uhr, Aufgang 15:45 Uhr"},
        {"05:03 Uhr", "21:23 Uhr", "Aufgang 05:03 Uhr, Untergang 21:23 Uhr"},
        {"----", "08:41 Uhr", "Untergang 08:41 Uhr, kein Aufgang"},
        {"23:58 Uhr", "----", "Aufgang 23:58 Uhr, kein Untergang"},
        {"----", "----", "kein Aufgang, kein Untergang"},
    };
    for (const Case& c : cases) EXPECT_EQ(vespera::report::moon_events_text(c.rise, c.set), c.shown) << c.rise;
}

// Full moon on 15 November 2024 at 22:29 CET: one row with the time of the
// phase and, in the morning, the still waxing lit share.
TEST(ReportData, FullMoonDayHasOneMoonPhaseRow) {
    Calendar t(2024, 11, 15);
    const Report day = vespera::report::day_report(t.cal, t.zone, "", {8, 0, 0});
    std::vector<std::string> phases;
    for (const auto& row : day.rows) {
        if (row.label == "Mondphase") phases.push_back(row.value);
    }
    ASSERT_EQ(phases.size(), 1u);
    EXPECT_TRUE(phases[0].starts_with("Vollmond um 22:29 Uhr; 99,")) << phases[0];
    EXPECT_TRUE(phases[0].ends_with(" %, zunehmend (um 08:00 Uhr)")) << phases[0];
    EXPECT_TRUE(t.faults.empty());
}

TEST(ReportData, PlaceHeadingNamesTheRegionOnlyWhereItAddsSomething) {
    struct Case {
        const char* name;
        const char* region;
        const char* heading;
    };
    const Case cases[] = {
        {"Berlin", "DE-BE", "Berlin"},
        {"Augsburg", "DE-BY", "Augsburg (Bayern)"},
        {"Landshut", "DE-BY", "Landshut (Bayern)"},
        {"Wien (A)", "AT-9", "Wien (A)"},
        {"Wien", "AT-9", "Wien"},
        {"Madrid (E) ", "", "Madrid (E)"},
        {"Sydney", "", "Sydney"},
        {"Atlantis", "XX-YY", "Atlantis"},
        {"", "DE-BY", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(vespera::report::place_heading(c.name, c.region), c.heading) << c.name;
    EXPECT_EQ(vespera::report::with_place("8. April 2024", "Landshut (Bayern)"), "8. April 2024 \u00b7 Landshut (Bayern)");
    EXPECT_EQ(vespera::report::with_place("8. April 2024", ""), "8. April 2024");
}

// The engine's 15 phases reach into the neighbouring years; a list keeps
// its own. Year 1 once listed 30.11.0 and 17.1.2, year 2 listed 19.12.1.
TEST(ReportData, PhaseListsHoldOnlyTheirYear) {
    struct Case {
        int year;
        YearList list;
        std::size_t rows;
    };
    const Case cases[] = {
        {1, YearList::FullMoons, 12},    {1, YearList::NewMoons, 12},    {2, YearList::FullMoons, 12},
        {2, YearList::NewMoons, 13},     {2023, YearList::FullMoons, 13}, {2023, YearList::NewMoons, 12},
        {-100, YearList::FullMoons, 13},
    };
    for (const Case& c : cases) {
        Calendar t(c.year);
        const Report report = vespera::report::year_list(t.cal, c.list);
        EXPECT_EQ(report.rows.size(), c.rows) << c.year;
        for (const auto& row : report.rows) {
            ASSERT_FALSE(row.iso_date.empty());
            const std::int64_t day = vespera::day_number_in(vespera::Calendar::Gregorian,
                                                            std::stoll(row.iso_date.substr(0, row.iso_date.size() - 6)),
                                                            std::stoi(row.iso_date.substr(row.iso_date.size() - 5, 2)),
                                                            std::stoi(row.iso_date.substr(row.iso_date.size() - 2)));
            EXPECT_EQ(vespera::civil_date(day).year, c.year) << c.year << " " << row.label;
        }
        EXPECT_EQ(t.cal.Jahr(), c.year);
        EXPECT_TRUE(t.faults.empty());
    }
}

TEST(ReportData, HolidayAndSeasonRowsCarryTheirDay) {
    Calendar t(2025, 6, 15);
    const Report holidays = vespera::report::holiday_list(t.cal, vespera::report::kAllNamedDays);
    ASSERT_EQ(holidays.rows.size(), 73u);
    EXPECT_EQ(holidays.rows.front().label, "1.1.2025");
    EXPECT_EQ(holidays.rows.front().iso_date, "2025-01-01");
    const Report seasons = vespera::report::year_list(t.cal, YearList::Seasons);
    ASSERT_EQ(seasons.rows.size(), 12u);
    EXPECT_EQ(seasons.rows[1].iso_date, "2025-06-21"); // Meeus ch. 27: 2025 June 21, 02:42 UT
    EXPECT_TRUE(seasons.rows[5].iso_date.empty());     // a season's length is no day
    EXPECT_EQ(seasons.rows[10].iso_date, "2025-03-30");
    EXPECT_EQ(seasons.rows[11].iso_date, "2025-10-26");
    EXPECT_EQ(t.cal.Format_Datum(0), "15.6.2025");
}

// An engine call that fails ends the report at its row: the rows before it
// stay, the failing one and all after it are left out, one message.
TEST(ReportData, AFailingEngineCallEndsTheReportAtItsRow) {
    Calendar t(2024, 4, 8);
    t.cal.setTag(40000); // the rise and set rows hand the day on as a 16-bit number
    const Report report =
        vespera::report::day_report(t.cal, t.zone, "Berlin", vespera::report::ClockTime{12, 0, 0});
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(t.faults.size(), 1u);
    EXPECT_EQ(report.heading, "40000. April 2024 \u00b7 Berlin");
    ASSERT_FALSE(report.rows.empty());
    EXPECT_EQ(report.rows.back().label, "Sternzeichen"); // the twilight row is the first rise/set row
    EXPECT_NE(t.faults.front().find("in procedure DaemmerungAnfang"), std::string::npos);
}

TEST(ReportData, SunTableHasEveryDayOfTheYearOnce) {
    struct Case {
        int year;
        std::size_t days;
    };
    const Case cases[] = {{2025, 365}, {2024, 366}, {1582, 355}};
    for (const Case& c : cases) {
        Calendar t(c.year, 7, 4);
        const vespera::report::SunTable table = vespera::report::sun_table(t.cal, "Berlin");
        ASSERT_EQ(table.days.size(), c.days) << c.year;
        for (std::size_t i = 1; i < table.days.size(); ++i) {
            EXPECT_EQ(table.days[i].day_number, table.days[i - 1].day_number + 1);
        }
        EXPECT_FALSE(table.stopped);
        EXPECT_EQ(t.cal.Format_Datum(0), "4.7." + std::to_string(c.year));
    }
    // Each row reads as the day report does: 8 April 2024, Berlin.
    Calendar t(2024);
    const vespera::report::SunTable table = vespera::report::sun_table(t.cal, "Berlin");
    const vespera::report::SunTableDay& day = table.days[98];
    EXPECT_EQ(day.iso_date, "2024-04-08");
    EXPECT_EQ(day.weekday, "Mo");
    t.cal.setMonat(4);
    t.cal.setTag(8);
    EXPECT_EQ(day.sunrise + " Uhr - " + day.sunset + " Uhr", t.cal.AufgangSonne() + " - " + t.cal.UntergangSonne());
    EXPECT_EQ(day.moon_phase.substr(0, 8), "Neumond ");
    EXPECT_EQ(table.heading, "Sonne und Mond 2024 \u00b7 Berlin");
}

} // namespace

namespace {

TEST(ReportData, EclipsesOfAYearWithTheirLocalVisibility) {
    // 2025 (NASA eclipse pages): total lunar 14 March (Berlin: the Moon set
    // during it), partial solar 29 March (seen in Berlin, 15.3 % of the Sun's
    // area: Wilhelm-Foerster-Sternwarte, Planetarium Berlin), total lunar
    // 7 September (risen during it), partial solar 21 September (southern sky only).
    Calendar t(2025);
    const Report report = vespera::report::year_list(t.cal, YearList::Eclipses);
    EXPECT_EQ(report.heading, "Finsternisse im Jahr 2025");
    ASSERT_EQ(report.rows.size(), 4u);
    const char* expected[][2] = {
        {"14.3.2025, Fr", "totale Mondfinsternis, am Ort teilweise sichtbar"},
        {"29.3.2025, Sa", "partielle Sonnenfinsternis, am Ort sichtbar (15,"},
        {"7.9.2025, So", "totale Mondfinsternis, am Ort "},
        {"21.9.2025, So", "partielle Sonnenfinsternis, am Ort nicht sichtbar"},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(report.rows[i].label, expected[i][0]);
        EXPECT_EQ(report.rows[i].value.rfind(expected[i][1], 0), 0u) << report.rows[i].value;
    }
    EXPECT_EQ(report.rows[2].iso_date, "2025-09-07");
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

// School holidays from the state files and from an imported .ics.
#include <gtest/gtest.h>

#include <string>

#include "base/date_math.h"
#include "holidays/ical_import.h"
#include "holidays/region_school_holidays.h"
#include "holidays/school_holidays.h"
#include "zones/zone.h"

namespace {

std::int64_t day(int year, int month, int d) { return vespera::day_number(year, month, d); }

vespera::SchoolHolidayTable load(const char* state) {
    vespera::SchoolHolidayLoad load = vespera::load_school_holidays(state);
    EXPECT_TRUE(load.table.has_value()) << state << ": " << load.error;
    return load.table.value_or(vespera::SchoolHolidayTable{});
}

struct DayName {
    int year, month, day;
    const char* name;
};

void expect_names(const char* state, std::initializer_list<DayName> cases) {
    const vespera::SchoolHolidayTable table = load(state);
    for (const DayName& c : cases) {
        EXPECT_EQ(vespera::school_holiday_name(table, day(c.year, c.month, c.day)), c.name)
            << state << " " << c.year << "-" << c.month << "-" << c.day;
    }
}

// Bayerisches Staatsministerium für Unterricht und Kultus, Ferientermine
// 2024/25 and 2025/26 as the KMK lists them; first and last days and the days
// just outside.
TEST(SchoolHolidays, Bayern2025) {
    expect_names("DE-BY", {{2025, 1, 3, "Weihnachtsferien"}, {2025, 1, 7, ""},
                           {2025, 3, 2, ""}, {2025, 3, 3, "Winterferien"}, {2025, 3, 7, "Winterferien"},
                           {2025, 4, 14, "Osterferien"}, {2025, 4, 25, "Osterferien"}, {2025, 4, 28, ""},
                           {2025, 6, 10, "Pfingstferien"}, {2025, 6, 20, "Pfingstferien"},
                           {2025, 7, 31, ""}, {2025, 8, 1, "Sommerferien"}, {2025, 9, 15, "Sommerferien"},
                           {2025, 9, 16, ""}, {2025, 11, 3, "Herbstferien"}, {2025, 11, 7, "Herbstferien"},
                           {2025, 11, 19, "Bu\u00df- und Bettag"}, {2025, 12, 22, "Weihnachtsferien"},
                           {2025, 12, 31, "Weihnachtsferien"}});
}

// Ministerium für Schule und Bildung NRW, as the KMK lists it.
TEST(SchoolHolidays, NordrheinWestfalen2025) {
    expect_names("DE-NW", {{2025, 1, 6, "Weihnachtsferien"}, {2025, 1, 7, ""}, {2025, 4, 11, ""},
                           {2025, 4, 14, "Osterferien"}, {2025, 4, 26, "Osterferien"},
                           {2025, 6, 10, "Pfingstferien"}, {2025, 6, 11, ""}, {2025, 7, 11, ""},
                           {2025, 7, 14, "Sommerferien"}, {2025, 8, 26, "Sommerferien"}, {2025, 8, 27, ""},
                           {2025, 10, 13, "Herbstferien"}, {2025, 10, 25, "Herbstferien"},
                           {2025, 12, 22, "Weihnachtsferien"}});
}

TEST(SchoolHolidays, EveryShippedFileIsCleanAndHonestAboutItsEnd) {
    for (const std::string_view code : vespera::school_holiday_files()) {
        const std::string region(code);
        const vespera::SchoolHolidayTable table = load(region.c_str());
        EXPECT_EQ(table.skipped_rows, 0u) << region;
        // A year without data: the caller says "keine Ferientermine für 2031 hinterlegt".
        EXPECT_FALSE(vespera::covers_year(table, 2031)) << region;
        EXPECT_EQ(vespera::school_holiday_name(table, day(2031, 8, 1)), "") << region;
        for (std::size_t i = 1; i < table.periods.size(); ++i) {
            EXPECT_GT(table.periods[i].first_day, table.periods[i - 1].last_day) << region << " overlapping periods";
        }
        if (!region.starts_with("DE-")) continue;
        EXPECT_FALSE(vespera::covers_year(table, 2024)) << region;
        EXPECT_TRUE(vespera::covers_year(table, 2025)) << region;
        EXPECT_TRUE(vespera::covers_year(table, 2026)) << region;
        // Seen from 9 December 2026: complete through the school year 2027/28,
        // except where the sources disagree (Mecklenburg-Vorpommern's
        // Osterferien 2027); then only the KMK's Sommerferien 2029 and 2030.
        const vespera::SchoolHolidayCoverage coverage = vespera::school_holiday_coverage(region, day(2026, 12, 9));
        ASSERT_TRUE(coverage.complete_until && coverage.last_known_day) << region;
        if (region == "DE-MV") {
            EXPECT_EQ(*coverage.complete_until, day(2027, 3, 21));
        } else {
            EXPECT_GE(*coverage.complete_until, day(2028, 8, 4)) << region;
        }
        EXPECT_EQ(vespera::school_holiday_coverage(region, day(2029, 4, 15)).complete_until, std::nullopt) << region;
        EXPECT_TRUE(day(2030, 8, 6) <= *coverage.last_known_day && *coverage.last_known_day <= day(2030, 9, 9))
            << region;
    }
}

struct StatePeriod {
    const char* state;
    int first_month, first_day, last_year, last_month, last_day;
};

void expect_periods(int first_year, const char* name, std::initializer_list<StatePeriod> periods) {
    for (const StatePeriod& p : periods) {
        const vespera::SchoolHolidayTable table = load(p.state);
        const std::int64_t first = day(first_year, p.first_month, p.first_day);
        const std::int64_t last = day(p.last_year, p.last_month, p.last_day);
        const std::string where = std::string(p.state) + " " + name + " " + std::to_string(first_year);
        EXPECT_EQ(vespera::school_holiday_name(table, first), name) << where;
        EXPECT_EQ(vespera::school_holiday_name(table, last), name) << where;
        EXPECT_NE(vespera::school_holiday_name(table, first - 1), name) << where;
        EXPECT_NE(vespera::school_holiday_name(table, last + 1), name) << where;
    }
}

// kalenderpedia.de, "Weihnachtsferien 2026/27" (all states), as the states
// report them to the KMK.
TEST(SchoolHolidays, Weihnachtsferien2026Of16States) {
    expect_periods(2026, "Weihnachtsferien",
                   {{"DE-BW", 12, 23, 2027, 1, 9},  {"DE-BY", 12, 24, 2027, 1, 8},  {"DE-BE", 12, 23, 2027, 1, 2},
                    {"DE-BB", 12, 23, 2027, 1, 2},  {"DE-HB", 12, 23, 2027, 1, 9},  {"DE-HH", 12, 21, 2027, 1, 1},
                    {"DE-HE", 12, 23, 2027, 1, 12}, {"DE-MV", 12, 19, 2027, 1, 2},  {"DE-NI", 12, 23, 2027, 1, 9},
                    {"DE-NW", 12, 23, 2027, 1, 6},  {"DE-RP", 12, 23, 2027, 1, 8},  {"DE-SL", 12, 21, 2026, 12, 31},
                    {"DE-SN", 12, 23, 2027, 1, 2},  {"DE-ST", 12, 21, 2027, 1, 2},  {"DE-SH", 12, 21, 2027, 1, 6},
                    {"DE-TH", 12, 23, 2027, 1, 2}});
}

// KMK, "Langfristige Sommerferienregelungen bis 2030" (09.12.2021).
// Schleswig-Holstein's decree counts the Saturday before: 3 July 2027.
TEST(SchoolHolidays, Sommerferien2027And2030Of16States) {
    expect_periods(2027, "Sommerferien",
                   {{"DE-BW", 7, 29, 2027, 9, 11}, {"DE-BY", 8, 2, 2027, 9, 13},  {"DE-BE", 7, 1, 2027, 8, 14},
                    {"DE-BB", 7, 1, 2027, 8, 14},  {"DE-HB", 7, 8, 2027, 8, 18},  {"DE-HH", 7, 1, 2027, 8, 11},
                    {"DE-HE", 6, 28, 2027, 8, 6},  {"DE-MV", 7, 5, 2027, 8, 14},  {"DE-NI", 7, 8, 2027, 8, 18},
                    {"DE-NW", 7, 19, 2027, 8, 31}, {"DE-RP", 6, 28, 2027, 8, 6},  {"DE-SL", 6, 28, 2027, 8, 6},
                    {"DE-SN", 7, 10, 2027, 8, 20}, {"DE-ST", 7, 10, 2027, 8, 20}, {"DE-SH", 7, 3, 2027, 8, 14},
                    {"DE-TH", 7, 10, 2027, 8, 20}});
    expect_periods(2030, "Sommerferien",
                   {{"DE-BW", 7, 25, 2030, 9, 7},  {"DE-BY", 7, 29, 2030, 9, 9},  {"DE-BE", 7, 4, 2030, 8, 17},
                    {"DE-BB", 7, 4, 2030, 8, 17},  {"DE-HB", 7, 11, 2030, 8, 21}, {"DE-HH", 7, 4, 2030, 8, 14},
                    {"DE-HE", 7, 22, 2030, 8, 30}, {"DE-MV", 7, 1, 2030, 8, 10},  {"DE-NI", 7, 11, 2030, 8, 21},
                    {"DE-NW", 6, 24, 2030, 8, 6},  {"DE-RP", 7, 22, 2030, 8, 30}, {"DE-SL", 7, 22, 2030, 8, 30},
                    {"DE-SN", 7, 13, 2030, 8, 23}, {"DE-ST", 7, 13, 2030, 8, 23}, {"DE-SH", 7, 8, 2030, 8, 17},
                    {"DE-TH", 7, 13, 2030, 8, 23}});
}

// The neighbours, where OpenHolidays and the EDK's list agree (Basel-Landschaft
// also the Primarschule Reigoldswil). Bern: the EDK starts the Winterferien on
// 24 December, OpenHolidays and the city's week calendar after it. Zürich's
// Sportferien: the city's weeks 7 and 8.
TEST(SchoolHolidays, NeighboursWhereTwoSourcesAgree) {
    expect_periods(2027, "Fasnachtsferien", {{"CH-BL", 2, 6, 2027, 2, 21}});
    expect_periods(2026, "Winterferien", {{"CH-BE", 12, 25, 2027, 1, 10}});
    expect_periods(2027, "Sportferien", {{"CH-ZH", 2, 13, 2027, 2, 28}});
    expect_periods(2026, "Herbstferien", {{"LI", 10, 3, 2026, 10, 18}});
    // Sechseläuten 2027 rests on one source: the stretch ends the day before.
    EXPECT_EQ(vespera::school_holiday_coverage("CH-ZH", day(2027, 1, 4)).complete_until, day(2027, 4, 18));
    // No second source: Solothurn's Volksschule, Luxembourg, South Tyrol.
    for (const char* region : {"CH-SO", "LU", "IT-32-BZ"}) {
        EXPECT_EQ(vespera::school_holiday_coverage(region, day(2027, 1, 1)).last_known_day, std::nullopt) << region;
    }
}

TEST(SchoolHolidays, UnknownStateAndBrokenFilesGiveGermanErrors) {
    EXPECT_EQ(vespera::load_school_holidays("../etc/passwd").error,
              "Für diese Region gibt es keine Schulferien-Datei.");
    EXPECT_EQ(vespera::parse_school_holidays("2025-01-01\t2025-01-02\tWinterferien\n").error,
              "Die Ferientermine-Datei nennt keinen Zeitraum, für den sie gilt.");
    const vespera::SchoolHolidayLoad load = vespera::parse_school_holidays(
        "\xEF\xBB\xBFZeitraum\t2025-01-01\t2025-12-31\r\n"
        "2025-02-30\t2025-03-01\tWinterferien\n"      // no such date
        "2025-04-10\t2025-04-01\tOsterferien\n"       // ends before it starts
        "2025-01-01\t2026-06-01\tSommerferien\n"      // longer than any holiday
        "2025-05-01\t2025-05-02\t\x01Steuerzeichen\n" // control character
        "2025-05-01\t2025-05-02\n"                    // no name
        "2025-10-27\t2025-10-31\tHerbstferien\n");
    ASSERT_TRUE(load.table.has_value()) << load.error;
    EXPECT_EQ(load.table->skipped_rows, 5u);
    ASSERT_EQ(load.table->periods.size(), 1u);
    EXPECT_TRUE(vespera::covers_year(*load.table, 2025));
}

// An .ics as schools publish it, read on 9 December 2026 for a place in
// Berlin's zone: folded lines and escapes, whole days, UTC-encoded local
// midnights in winter and in summer, a TZID with a duration, a yearly rule
// (Buß- und Bettag: the Wednesday of 16..22 November), an RDATE, an alarm,
// and a cancelled event.
constexpr std::string_view kSchoolIcs =
    "BEGIN:VCALENDAR\r\n"
    "VERSION:2.0\r\n"
    "PRODID:-//Gymnasium//Ferien//DE\r\n"
    "BEGIN:VEVENT\r\nUID:1@schule\r\n"
    "DTSTART;VALUE=DATE:20261102\r\nDTEND;VALUE=DATE:20261107\r\n"
    "SUMMARY:Herbst\r\n ferien\\, Bayern\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P1D\r\nDESCRIPTION:Ferien\r\nEND:VALARM\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:2@schule\r\n"
    "DTSTART:20261223T230000Z\r\nDTEND:20270108T230000Z\r\n"
    "SUMMARY:Weihnachtsferien\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:3@schule\r\n"
    "DTSTART;TZID=Europe/Berlin:20270208T080000\r\nDURATION:P4DT10H\r\n"
    "SUMMARY:Frühjahrsferien\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:4@schule\r\n"
    "DTSTART:20270801T220000Z\r\nDTEND:20270913T220000Z\r\n"
    "SUMMARY:Sommerferien\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:5@schule\r\n"
    "DTSTART;VALUE=DATE:20181121\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=WE;BYMONTHDAY=16,17,18,19,20,21,22\r\n"
    "SUMMARY:Buß- und Bettag\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:6@schule\r\n"
    "DTSTART;VALUE=DATE:20270507\r\nRDATE;VALUE=DATE:20280526\r\n"
    "SUMMARY:Beweglicher Ferientag\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:7@schule\r\nDTSTART;VALUE=DATE:20270301\r\nSTATUS:CANCELLED\r\n"
    "SUMMARY:Abgesagt\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

vespera::IcsImportFrame berlin_frame() {
    const vespera::Zone zone = *vespera::Zone::named("Europe/Berlin");
    return {vespera::import_days_around(day(2026, 12, 9)), [zone](double jd_ut) { return zone.local_jd(jd_ut); }};
}

vespera::IcsImport import(std::string_view text) { return vespera::import_school_holidays_ics(text, berlin_frame()); }

TEST(IcsImport, EveryFormLandsOnThePlacesLocalDays) {
    const vespera::IcsImport result = import(kSchoolIcs);
    ASSERT_TRUE(result.ok) << result.message;
    // The rule from 2018 counts in the years around today: 2024 to 2036.
    EXPECT_EQ(result.message, "19 Ferienzeiträume gelesen, 1 Termin übersprungen "
                              "(„Abgesagt“: Der Termin ist abgesagt (STATUS:CANCELLED))");
    struct Expected {
        std::size_t index;
        std::int64_t first, last;
        const char* name;
    };
    const Expected cases[] = {
        {0, day(2026, 11, 2), day(2026, 11, 6), "Herbstferien, Bayern"}, // DTEND is exclusive
        {1, day(2026, 12, 24), day(2027, 1, 8), "Weihnachtsferien"},     // 23:00 UTC is midnight in Berlin
        {2, day(2027, 2, 8), day(2027, 2, 12), "Frühjahrsferien"},       // 08:00 + 4 days 10 hours
        {3, day(2027, 8, 2), day(2027, 9, 13), "Sommerferien"},          // 22:00 UTC in summer time
        {4, day(2024, 11, 20), day(2024, 11, 20), "Buß- und Bettag"},
        {6, day(2026, 11, 18), day(2026, 11, 18), "Buß- und Bettag"},
        {7, day(2027, 11, 17), day(2027, 11, 17), "Buß- und Bettag"},
        {16, day(2036, 11, 19), day(2036, 11, 19), "Buß- und Bettag"},
        {17, day(2027, 5, 7), day(2027, 5, 7), "Beweglicher Ferientag"},
        {18, day(2028, 5, 26), day(2028, 5, 26), "Beweglicher Ferientag"},
    };
    ASSERT_EQ(result.periods.size(), 19u);
    for (const Expected& c : cases) {
        const vespera::SchoolHolidayPeriod& p = result.periods[c.index];
        EXPECT_EQ(p.first_day, c.first) << c.index;
        EXPECT_EQ(p.last_day, c.last) << c.index;
        EXPECT_EQ(p.name, c.name) << c.index;
    }
}

TEST(IcsImport, ImportedPeriodsTakePrecedenceWithinTheirSpan) {
    vespera::SchoolHolidayTable table = load("DE-BY");
    const vespera::IcsImport result = import(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20251027\r\nDTEND;VALUE=DATE:20251101\r\n"
        "SUMMARY:Herbst\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART:20251221T230000Z\r\nDTEND:20260106T230000Z\r\n"
        "SUMMARY:Weihnachtsferien\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    vespera::merge_imported(table, result.periods);
    EXPECT_EQ(vespera::school_holiday_name(table, day(2025, 10, 27)), "Herbst");
    EXPECT_EQ(vespera::school_holiday_name(table, day(2025, 11, 3)), ""); // the file's week is replaced
    EXPECT_EQ(vespera::school_holiday_name(table, day(2026, 1, 6)), "Weihnachtsferien");
    EXPECT_EQ(vespera::school_holiday_name(table, day(2026, 1, 7)), "");
    // Outside the imported span the file still answers.
    EXPECT_EQ(vespera::school_holiday_name(table, day(2025, 8, 1)), "Sommerferien");
    EXPECT_EQ(vespera::school_holiday_name(table, day(2026, 3, 30)), "Osterferien");
    EXPECT_TRUE(vespera::covers_year(table, 2025));
    // A yearly rule stands for its own days only: the shipped years around it
    // stay, and the years it repeats over are not thereby known.
    vespera::SchoolHolidayTable yearly = load("DE-BY");
    vespera::merge_imported(yearly, import("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20241120\r\n"
                                           "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=WE;BYMONTHDAY=16,17,18,19,20,21,22\r\n"
                                           "SUMMARY:Schulfrei\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
                                        .periods);
    EXPECT_EQ(vespera::school_holiday_name(yearly, day(2026, 11, 18)), "Schulfrei");
    EXPECT_EQ(vespera::school_holiday_name(yearly, day(2026, 8, 3)), "Sommerferien");
    EXPECT_FALSE(vespera::covers_year(yearly, 2031));
}

TEST(IcsImport, RefusesWhatIsNoCalendarOfHolidaysInGerman) {
    struct Case {
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"Ferien: 27.10.-31.10.", "Die Datei ist kein lesbares iCalendar (BEGIN:VCALENDAR … END:VCALENDAR fehlt)."},
        {std::string(vespera::kMaxIcsBytes + 1, ' '), "Die Datei ist größer als 2 MB und wird nicht gelesen."},
        // libical would search this rule for a 30 February until the year 20000.
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:20250101\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\n"
         "SUMMARY:Nie\nEND:VEVENT\nEND:VCALENDAR\n",
         "Die Datei enthält keine lesbaren Ferientermine (1 Termin übersprungen; „Nie“: Die Wiederholungsregel ergibt "
         "keinen Tag)."},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:20250101\nDTEND;VALUE=DATE:20260205\nSUMMARY:Lang\n"
         "END:VEVENT\nEND:VCALENDAR\n",
         "Die Datei enthält keine lesbaren Ferientermine (1 Termin übersprungen; „Lang“: Der Termin dauert länger als "
         "ein Jahr)."},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:Ostern\nSUMMARY:Kaputt\nEND:VEVENT\nEND:VCALENDAR\n",
         "Die Datei enthält keine lesbaren Ferientermine (1 Termin übersprungen; „Kaputt“: Die Angabe DTSTART ist "
         "nicht lesbar)."},
    };
    for (const Case& c : cases) {
        const vespera::IcsImport result = import(c.text);
        EXPECT_FALSE(result.ok) << c.message;
        EXPECT_EQ(result.message, c.message);
    }
}

TEST(IcsImport, BrokenTextBecomesSafeNames) {
    const vespera::IcsImport result =
        import("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:20250101\nSUMMARY:Ferien\\n\xC3\x28\x07" "Ende\n"
               "END:VEVENT\nEND:VCALENDAR\n");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.periods[0].name, "Ferien \xEF\xBF\xBD( Ende");
    EXPECT_EQ(result.periods[0].last_day, day(2025, 1, 1));
}

} // namespace

// Austria, Switzerland, Liechtenstein, Luxembourg and South Tyrol: the
// statutory days of 2026 and 2027 as each country's laws list them, one
// table per country, and the days that must not cross a border.
#include <gtest/gtest.h>

#include <algorithm>

#include "holiday_regions_support.h"

namespace {

using namespace vespera::holidays;
using holiday_regions_test::days_with;
using holiday_regions_test::statutory;
using Lines = std::vector<std::string>;

bool lists(const std::string& region, int year, std::string_view name) {
    const std::vector<NamedDay> days = year_days(region, {}, year);
    return std::any_of(days.begin(), days.end(), [&](const NamedDay& d) { return d.name == name; });
}

// Feiertagsruhegesetz 1957 § 1: the same thirteen days in every state.
TEST(HolidayRegionsAT, FederalDaysInEveryState) {
    const Lines y2026 = {"01-01 Neujahr", "01-06 Heilige Drei Könige", "04-06 Ostermontag", "05-01 Staatsfeiertag",
                         "05-14 Christi Himmelfahrt", "05-25 Pfingstmontag", "06-04 Fronleichnam",
                         "08-15 Mariä Himmelfahrt", "10-26 Nationalfeiertag", "11-01 Allerheiligen",
                         "12-08 Mariä Empfängnis", "12-25 Christtag", "12-26 Stephanstag"};
    const Lines y2027 = {"01-01 Neujahr", "01-06 Heilige Drei Könige", "03-29 Ostermontag", "05-01 Staatsfeiertag",
                         "05-06 Christi Himmelfahrt", "05-17 Pfingstmontag", "05-27 Fronleichnam",
                         "08-15 Mariä Himmelfahrt", "10-26 Nationalfeiertag", "11-01 Allerheiligen",
                         "12-08 Mariä Empfängnis", "12-25 Christtag", "12-26 Stephanstag"};
    for (const char* region : {"AT", "AT-1", "AT-2", "AT-3", "AT-4", "AT-5", "AT-6", "AT-7", "AT-8", "AT-9"}) {
        EXPECT_EQ(statutory(region, 2026), y2026) << region;
        EXPECT_EQ(statutory(region, 2027), y2027) << region;
    }
    EXPECT_EQ(statutory("AT", 1966).size(), 12u); // the Nationalfeiertag a day of rest from 1967
}

// The patron days (the Bildungsministerium's list): school-free in their
// state, no day off elsewhere; Allerseelen school-free everywhere.
TEST(HolidayRegionsAT, PatronDays) {
    const std::pair<const char*, Lines> cases[] = {
        {"AT-1", {"11-02 Allerseelen", "11-11 Martini"}},
        {"AT-2", {"03-19 Josefitag", "10-10 Tag der Volksabstimmung", "11-02 Allerseelen"}},
        {"AT-3", {"11-02 Allerseelen", "11-15 Leopolditag"}},
        {"AT-4", {"05-04 Florianitag", "11-02 Allerseelen"}},
        {"AT-5", {"09-24 Rupertitag", "11-02 Allerseelen"}},
        {"AT-6", {"03-19 Josefitag", "11-02 Allerseelen"}},
        {"AT-7", {"03-19 Josefitag", "11-02 Allerseelen"}},
        {"AT-8", {"03-19 Josefitag", "11-02 Allerseelen"}},
        {"AT-9", {"11-02 Allerseelen", "11-15 Leopolditag"}},
        {"AT", {"11-02 Allerseelen"}},
    };
    for (const auto& [region, expected] : cases) {
        EXPECT_EQ(days_with(Status::SchoolFree, region, 2026), expected) << region;
    }
}

TEST(HolidayRegionsAT, NoGermanDaysInAustria) {
    for (const char* name : {"Tag der Deutschen Einheit", "Volkstrauertag", "Totensonntag", "Buß-und Bettag",
                             "Rosenmontag", "Weiberfastnacht", "Tag der Arbeit", "2. Weihnachtstag",
                             "Reformationstag"}) {
        EXPECT_FALSE(lists("AT-9", 2026, name)) << name;
    }
    for (const char* name : {"Krampus", "Nikolo", "Martini", "Imbolc", "Muttertag"}) {
        EXPECT_TRUE(lists("AT-9", 2026, name)) << name;
    }
}

// The cantons' public holidays of 2026 (besides the Sundays), from the
// cantonal laws; 2027 differs only by its dates.
TEST(HolidayRegionsCH, EveryCanton2026) {
    const std::map<std::string, std::string> expected = {
        {"CH-AG", "01-01 04-03 05-01 05-14 08-01 12-25"},
        {"CH-AI", "01-01 04-03 04-06 05-14 05-25 06-04 08-01 08-15 11-01 12-08 12-25"},
        {"CH-AR", "01-01 04-03 04-06 05-14 05-25 08-01 12-25"},
        {"CH-BE", "01-01 01-02 04-03 04-06 05-14 05-25 08-01 12-25 12-26"},
        {"CH-BL", "01-01 04-03 04-06 05-01 05-14 05-25 08-01 12-25 12-26"},
        {"CH-BS", "01-01 04-03 04-06 05-01 05-14 05-25 08-01 12-25 12-26"},
        {"CH-FR", "01-01 04-03 05-14 08-01 12-25"}, // the rest by commune, below
        {"CH-GE", "01-01 04-03 04-06 05-14 05-25 08-01 09-10 12-25 12-31"},
        {"CH-GL", "01-01 04-03 04-06 04-09 05-14 05-25 08-01 11-01 12-25 12-26"},
        {"CH-GR", "01-01 04-03 04-06 05-14 05-25 08-01 11-01 12-25 12-26"},
        {"CH-JU", "01-01 01-02 04-03 04-06 05-01 05-14 05-25 06-04 06-23 08-01 08-15 11-01 12-25"},
        {"CH-LU", "01-01 04-03 04-06 05-14 05-25 06-04 08-01 08-15 11-01 12-08 12-25 12-26"},
        {"CH-NE", "01-01 03-01 04-03 05-01 05-14 08-01 12-25"},
        {"CH-NW", "01-01 03-19 04-03 05-14 06-04 08-01 08-15 11-01 12-08 12-25"},
        {"CH-OW", "01-01 04-03 05-14 06-04 08-01 08-15 09-25 11-01 12-08 12-25"},
        {"CH-SG", "01-01 04-03 04-06 05-14 05-25 08-01 11-01 12-25 12-26"},
        {"CH-SH", "01-01 04-03 04-06 05-01 05-14 05-25 08-01 12-25 12-26"},
        {"CH-SO", "01-01 01-02 04-03 04-06 05-14 05-25 08-01 12-25 12-26"},
        {"CH-SZ", "01-01 01-06 03-19 04-03 04-06 05-14 05-25 06-04 08-01 08-15 11-01 12-08 12-25 12-26"},
        {"CH-TG", "01-01 01-02 04-03 04-06 05-01 05-14 05-25 08-01 12-25 12-26"},
        {"CH-TI", "01-01 01-06 03-19 04-06 05-01 05-14 05-25 06-04 06-29 08-01 08-15 11-01 12-08 12-25 12-26"},
        {"CH-UR", "01-01 01-06 03-19 04-03 04-06 05-14 05-25 06-04 08-01 08-15 11-01 12-08 12-25 12-26"},
        {"CH-VD", "01-01 01-02 04-03 04-06 05-14 05-25 08-01 09-21 12-25"},
        {"CH-VS", "01-01 03-19 05-14 06-04 08-01 08-15 11-01 12-08 12-25"},
        {"CH-ZG", "01-01 04-03 05-14 06-04 08-01 08-15 11-01 12-08 12-25"},
        {"CH-ZH", "01-01 04-03 04-06 05-01 05-14 05-25 08-01 12-25 12-26"},
        {"CH", "01-01 05-14 08-01 12-25"},
    };
    for (const auto& [canton, dates] : expected) {
        std::string got;
        for (const std::string& line : statutory(canton, 2026)) got += (got.empty() ? "" : " ") + line.substr(0, 5);
        EXPECT_EQ(got, dates) << canton;
    }
}

// Freiburg's catholic and reformed parts (the canton's list of 2024), by the
// place's commune: by its number, by its name, or only in some localities.
TEST(HolidayRegionsCH, FribourgByCommune) {
    const std::string catholic = "01-01 04-03 05-14 06-04 08-01 08-15 11-01 12-08 12-25";
    const std::string reformed = "01-01 01-02 04-03 04-06 05-14 05-25 08-01 12-25 12-26";
    const std::pair<Locality, std::string> cases[] = {
        {{"", "Freiburg"}, catholic},
        {{"2196", "Fribourg"}, catholic},
        {{"2275", "Murten"}, reformed},
        {{"", "Kerzers"}, reformed},
        {{"2999", "Greng"}, reformed}, // a number the list lacks: met by the name it lists
        {{"2309", "Wünnewil-Flamatt"}, "01-01 04-03 05-14 08-01 12-25"},
    };
    for (const auto& [place, dates] : cases) {
        std::string got;
        for (const std::string& line : statutory("CH-FR", 2026, place)) got += (got.empty() ? "" : " ") + line.substr(0, 5);
        EXPECT_EQ(got, dates) << place.name;
    }
    EXPECT_EQ(days_with(Status::Regional, "CH-FR", 2026, {"2309", "Wünnewil-Flamatt"}).size(), 8u);
}

TEST(HolidayRegionsCH, DatesOf2027AndMovableRules) {
    EXPECT_EQ(statutory("CH-BS", 2026),
              (Lines{"01-01 Neujahr", "04-03 Karfreitag", "04-06 Ostermontag", "05-01 Tag der Arbeit",
                     "05-14 Auffahrt", "05-25 Pfingstmontag", "08-01 Bundesfeier", "12-25 Weihnachtstag",
                     "12-26 Stephanstag"}));
    EXPECT_EQ(statutory("CH-ZH", 2027),
              (Lines{"01-01 Neujahr", "03-26 Karfreitag", "03-29 Ostermontag", "05-01 Tag der Arbeit",
                     "05-06 Auffahrt", "05-17 Pfingstmontag", "08-01 Bundesfeier", "12-25 Weihnachtstag",
                     "12-26 Stephanstag"}));
    // Appenzell: 26 December 2026 is a Saturday (three days of rest in a row), 2027 a Sunday.
    EXPECT_EQ(statutory("CH-AI", 2027).back(), "12-26 Stephanstag");
    struct Case {
        const char* region;
        int year;
        const char* line; // the day and name that must be listed
    };
    const Case cases[] = {
        {"CH-GL", 2026, "04-09 Näfelser Fahrt"}, // first Thursday is Maundy Thursday
        {"CH-GL", 2027, "04-01 Näfelser Fahrt"},
        {"CH-ZH", 2025, "04-28 Sechseläuten"},   // third Monday is Easter Monday
        {"CH-ZH", 2026, "04-20 Sechseläuten"},
        {"CH-ZH", 2030, "04-29 Sechseläuten"},   // third Monday in Holy Week, then Easter Monday
        {"CH-ZH", 2026, "09-14 Knabenschiessen"},
        {"CH-BS", 2026, "02-23 Basler Fasnacht"},
        {"CH-GE", 2027, "09-09 Genfer Bettag"},
        {"CH-VD", 2027, "09-20 Bettagsmontag"},
        {"CH-BE", 2026, "09-20 Eidgenössischer Dank-, Buss- und Bettag"},
        {"CH-NE", 2023, "01-02 Berchtoldstag"}, // after a Sunday New Year
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (const NamedDay& d : year_days(c.region, {}, c.year)) {
            lines.push_back(holiday_regions_test::month_day(d.day_number) + " " + std::string(d.name));
        }
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.region << " " << c.line;
    }
    EXPECT_EQ(days_with(Status::Regional, "CH-AG", 2026).size(), 8u); // by district
    EXPECT_FALSE(lists("CH-BS", 2026, "Sechseläuten"));
    for (const char* name : {"Tag der Deutschen Einheit", "Volkstrauertag", "Totensonntag", "Buß-und Bettag",
                             "Himmelfahrt", "1. Weihnachtstag"}) {
        EXPECT_FALSE(lists("CH-LU", 2026, name)) << name;
    }
}

// Arbeitsgesetz Art. 18 Abs. 2.
TEST(HolidayRegionsLI, Statutory) {
    EXPECT_EQ(statutory("LI", 2026),
              (Lines{"01-01 Neujahr", "01-06 Heilige Drei Könige", "04-06 Ostermontag", "05-01 Tag der Arbeit",
                     "05-14 Auffahrt", "05-25 Pfingstmontag", "06-04 Fronleichnam", "08-15 Staatsfeiertag",
                     "09-08 Mariä Geburt", "11-01 Allerheiligen", "12-08 Mariä Empfängnis", "12-25 Weihnachten",
                     "12-26 Stephanstag"}));
    EXPECT_EQ(statutory("LI", 2027).size(), 13u);
    EXPECT_EQ(statutory("LI", 1980).size(), 12u); // Mariä Geburt again from 1987
}

// Code du travail Art. L.232-2.
TEST(HolidayRegionsLU, Statutory) {
    EXPECT_EQ(statutory("LU", 2027),
              (Lines{"01-01 Neujahr", "03-29 Ostermontag", "05-01 Tag der Arbeit", "05-06 Christi Himmelfahrt",
                     "05-09 Europatag", "05-17 Pfingstmontag", "06-23 Nationalfeiertag", "08-15 Mariä Himmelfahrt",
                     "11-01 Allerheiligen", "12-25 1. Weihnachtstag", "12-26 2. Weihnachtstag"}));
    EXPECT_EQ(statutory("LU", 2026).size(), 11u);
    EXPECT_EQ(statutory("LU", 2018).size(), 10u); // Europatag from 2019
}

// Legge 260/1949 (with 151/2025: 4 October from 2026) and South Tyrol's Pfingstmontag.
TEST(HolidayRegionsBZ, Statutory) {
    EXPECT_EQ(statutory("IT-32-BZ", 2026),
              (Lines{"01-01 Neujahr", "01-06 Heilige Drei Könige", "04-05 Ostersonntag", "04-06 Ostermontag",
                     "04-25 Tag der Befreiung", "05-01 Tag der Arbeit", "05-25 Pfingstmontag", "06-02 Tag der Republik",
                     "08-15 Mariä Himmelfahrt", "10-04 Hl. Franz von Assisi", "11-01 Allerheiligen",
                     "12-08 Mariä Empfängnis", "12-25 Christtag", "12-26 Stephanstag"}));
    EXPECT_EQ(statutory("IT-32-BZ", 2027).size(), 14u);
    EXPECT_EQ(statutory("IT-32-BZ", 2025).size(), 13u);
    EXPECT_TRUE(statutory("IT", 2026).empty()); // the rest of Italy is not kept
}

} // namespace

// The other calendars in the reports: every calendar row with its date as
// numbers, the festivals as categories of the holiday list, their eve in the
// day report, their events in the export.
#include <gtest/gtest.h>

#include "engine/clsCalendar.h"
#include "report/day_report.h"
#include "report/holiday_categories.h"
#include "report/holiday_list.h"
#include "report/ical.h"
#include "report/month_grid.h"
#include "zones/zone.h"

namespace {

using vespera::report::CategorySet;
using vespera::report::HolidayCategory;
using vespera::report::Report;
using vespera::report::Row;

struct Place {
    clsCalendar cal;
    vespera::Zone zone = *vespera::Zone::named("Europe/Berlin");

    Place(int year, int month, int day, double latitude = 52.5222222222222, double longitude = 13.2975) {
        cal.setClock([] { return std::chrono::seconds(12 * 3600); });
        cal.setErrorReporter([](const std::string& text) { ADD_FAILURE() << text; });
        cal.setLongitude(longitude);
        cal.setLatitude(latitude);
        cal.setZeitzone_Offset(1.0f);
        cal.setZeitzone("Europe/Berlin");
        cal.setKalender(1);
        cal.setJahr(year);
        cal.setMonat(month);
        cal.setTag(day);
    }
};

const Row* row_of(const Report& report, std::string_view label) {
    for (const Row& row : report.rows) {
        if (row.label == label) return &row;
    }
    return nullptr;
}

std::optional<std::int64_t> part(const Row& row, std::string_view key) {
    for (const vespera::report::CalendarPart& p : row.calendar->parts) {
        if (p.key == key) return p.value;
    }
    return std::nullopt;
}

TEST(CalendarParts, EveryCalendarRowCarriesItsDateAsNumbers) {
    struct Case {
        int year, month, day;
        const char* label;
        std::string_view id;
        std::int64_t jahr, monat, tag;
        std::optional<bool> leap_month;
    };
    // Hebrew: hebcal.com; Umm al-Qura: ummulqura.org.sa; Persian: time.ir;
    // Chinese: Hong Kong Observatory, Gregorian-Lunar Calendar Conversion Table.
    const Case cases[] = {
        {2026, 12, 9, "Jüdischer Kalender", "hebraeisch", 5787, 9, 29, false},         // 29 Kislew
        {2024, 3, 24, "Jüdischer Kalender", "hebraeisch", 5784, 13, 14, true},         // Purim in Adar II
        {2026, 12, 9, "Islamischer Kalender (Umm al-Qura)", "islamisch-umm-al-qura", 1448, 6, 29, std::nullopt},
        {2025, 3, 21, "Persischer Kalender", "persisch", 1404, 1, 1, std::nullopt},
        {2026, 12, 9, "Chinesischer Kalender", "chinesisch", 2026, 11, 1, false},
        {2034, 1, 1, "Chinesischer Kalender", "chinesisch", 2033, 11, 11, true}, // the leap 11th month
        {2000, 1, 1, "Julianischer Kalender (a.u.c.)", "julianisch-auc", 2752, 12, 19, std::nullopt},
        {2025, 9, 11, "Koptischer Kalender", "koptisch", 1742, 1, 1, std::nullopt},
        {2025, 9, 11, "Äthiopischer Kalender", "aethiopisch", 2018, 1, 1, std::nullopt},
        {2025, 3, 22, "Indischer Nationalkalender", "indisch", 1947, 1, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        Place t(c.year, c.month, c.day);
        const Report report = vespera::report::other_calendars_report(t.cal, "Berlin", {12, 0, 0});
        for (const Row& row : report.rows) {
            if (!row.is_heading()) {
                EXPECT_TRUE(row.calendar.has_value()) << row.label;
            }
        }
        const Row* row = row_of(report, c.label);
        ASSERT_NE(row, nullptr) << c.label;
        SCOPED_TRACE(row->value);
        EXPECT_EQ(row->calendar->id, c.id);
        EXPECT_EQ(part(*row, "jahr"), c.jahr);
        EXPECT_EQ(part(*row, "monat"), c.monat);
        EXPECT_EQ(part(*row, "tag"), c.tag);
        EXPECT_EQ(row->calendar->leap_month, c.leap_month);
    }
}

TEST(CalendarParts, OutsideTheUmmAlQuraTableTheRowSaysSo) {
    Place t(2090, 1, 1);
    const Report report = vespera::report::other_calendars_report(t.cal, "Berlin", {12, 0, 0});
    const Row* row = row_of(report, "Islamischer Kalender (Umm al-Qura)");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->value, "nicht abgedeckt: die Umm-al-Qura-Tafel reicht vom 28.10.1981 bis zum 16.11.2077");
    EXPECT_TRUE(row->calendar->parts.empty());
}

TEST(FestivalCategories, ChosenByNameAndListedWithTheirDays) {
    EXPECT_EQ(vespera::report::parse_categories("jüdisch, Islamisch,orthodox,chinesisch,persisch"),
              vespera::report::kFestivalCategories);
    EXPECT_EQ(vespera::report::parse_categories("juedisch"), vespera::report::category_bit(HolidayCategory::Juedisch));
    // "alle" keeps the named days of the year's table.
    EXPECT_EQ(*vespera::report::parse_categories("alle") & vespera::report::kFestivalCategories, 0);
    // ... with the school-free, Jahreskreis and bridge days, without Ferien.
    EXPECT_EQ(vespera::report::parse_categories("alle"), vespera::report::parse_categories(
                  "gesetzlich,regional,kirchlich,Gedenktag,Brauchtum,astronomisch,schulfrei,Jahreskreisfest,Brückentag"));
    // A stored choice keeps its bits: Ferien 6, the festivals 7 to 11, the later categories after them.
    EXPECT_EQ(vespera::report::parse_categories("Ferien,persisch,Brueckentag"),
              static_cast<vespera::report::CategorySet>((1u << 6) | (1u << 11) | (1u << 14)));

    Place t(2027, 6, 1);
    const Report list = vespera::report::holiday_list(t.cal, vespera::report::kFestivalCategories);
    struct Expected {
        const char* iso;
        const char* value;
        const char* category;
    };
    // hebcal.com, ummulqura.org.sa, the Orthodox Paschalion, Hong Kong Observatory, time.ir.
    const Expected expected[] = {
        {"2027-01-07", "Donnerstag, Weihnachten", "orthodox"},
        {"2027-02-06", "Samstag, Chinesisches Neujahr", "chinesisch"},
        {"2027-03-09", "Dienstag, Fest des Fastenbrechens", "islamisch"},
        {"2027-03-21", "Sonntag, Nouruz", "persisch"},
        {"2027-04-22", "Donnerstag, Pessach", "jüdisch"},
        {"2027-05-02", "Sonntag, Ostersonntag", "orthodox"},
        {"2027-10-02", "Samstag, Rosch ha-Schana", "jüdisch"},
    };
    for (const Expected& e : expected) {
        const auto found = std::find_if(list.rows.begin(), list.rows.end(),
                                        [&](const Row& row) { return row.iso_date == e.iso && row.value == e.value; });
        ASSERT_NE(found, list.rows.end()) << e.iso << " " << e.value;
        EXPECT_EQ(found->category, e.category);
    }
    // The Islamic dates name their convention.
    EXPECT_EQ(list.rows.front().label, "Islamische Feste");
    EXPECT_TRUE(list.rows.front().value.starts_with("nach dem Umm-al-Qura-Kalender"));
}

TEST(FestivalCategories, NoneBeforeTheirCalendarsRules) {
    Place t(1582, 6, 1);
    const Report list = vespera::report::holiday_list(
        t.cal, vespera::report::category_bit(HolidayCategory::Chinesisch) |
                   vespera::report::category_bit(HolidayCategory::Orthodox));
    ASSERT_FALSE(list.rows.empty());
    EXPECT_EQ(list.rows.front().label, "Chinesisches Neujahr");
    EXPECT_EQ(list.rows.front().value, "für 1582 nicht berechnet: die Regeln des Kalenders gelten erst seit 1929");
    for (const Row& row : list.rows) {
        if (row.category == "chinesisch") {
            EXPECT_TRUE(row.iso_date.empty()) << row.value;
        }
    }
    // The Julian computus, like the Western Easter, for every year.
    EXPECT_TRUE(std::any_of(list.rows.begin(), list.rows.end(),
                            [](const Row& row) { return row.value.ends_with("Ostersonntag"); }));
}

TEST(FestivalCategories, TheMonthMarksThemOnlyWhenShown) {
    Place t(2027, 4, 1);
    const auto pessach = [](const vespera::report::MonthGrid& grid) { return grid.days[21].festival_texts; };
    EXPECT_TRUE(pessach(vespera::report::month_grid(t.cal)).empty());
    EXPECT_EQ(pessach(vespera::report::month_grid(t.cal, vespera::report::kFestivalCategories)),
              std::vector<std::string>{"Pessach \u2013 jüdisches Fest, beginnt am Vorabend"});
    EXPECT_TRUE(pessach(vespera::report::month_grid(t.cal, vespera::report::category_bit(HolidayCategory::Orthodox)))
                    .empty());
}

TEST(FestivalCategories, AJewishDayBeginsAtTheSunsetBefore) {
    Place berlin(2025, 9, 22);
    const std::string eve = berlin.cal.UntergangSonne(); // Rosch ha-Schana 5786 begins that evening
    berlin.cal.setTag(23);
    const Report day = vespera::report::day_report(berlin.cal, berlin.zone, "Berlin", {12, 0, 0});
    const Row* row = row_of(day, "Rosch ha-Schana");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->value, "jüdisches Fest, beginnt am Vorabend um " + eve);
    EXPECT_EQ(row->category, "jüdisch");

    // Longyearbyen in the polar night: the eve of Chanukka 5786 has no sunset.
    Place north(2025, 12, 15, 78.22, 15.65);
    const Report polar = vespera::report::day_report(north.cal, north.zone, "Longyearbyen", {12, 0, 0});
    const Row* chanukka = row_of(polar, "Chanukka");
    ASSERT_NE(chanukka, nullptr);
    EXPECT_EQ(chanukka->value, "jüdisches Fest, beginnt am Vorabend");
}

TEST(FestivalCategories, TwoEastersOnOneDayAreTwoEventsOfTheExport) {
    Place t(2025, 1, 1); // Western and Orthodox Easter both on 20 April 2025
    const CategorySet categories = vespera::report::category_bit(HolidayCategory::Kirchlich) |
                                   vespera::report::category_bit(HolidayCategory::Orthodox);
    const std::string document =
        vespera::report::ical_document(vespera::report::holiday_calendar(t.cal, categories), "20250101T000000Z");
    std::vector<std::string> easter_uids;
    for (std::size_t at = document.find("UID:20250420-ostersonntag"); at != std::string::npos;
         at = document.find("UID:20250420-ostersonntag", at + 1)) {
        easter_uids.push_back(document.substr(at, document.find('\r', at) - at));
    }
    ASSERT_EQ(easter_uids.size(), 2u) << document;
    EXPECT_NE(easter_uids[0], easter_uids[1]);
    EXPECT_NE(document.find("CATEGORIES:orthodox"), std::string::npos);
}

} // namespace

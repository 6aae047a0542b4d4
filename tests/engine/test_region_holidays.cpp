// The engine's holiday table with a region: the described entries stay as
// they are, the region adds its own days after them, every entry knows
// whether it is statutory there, and the school holidays are the state's.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "places/city_table.h"
#include "base/date_math.h"
#include "holidays/ical_import.h"
#include "holidays/region.h"
#include "engine_fixture.h"

namespace {

using vespera::StatutoryStatus;

std::int32_t day_of(int year, int month, int day) {
    return static_cast<std::int32_t>(vespera::day_number(year, month, day));
}

struct Entry {
    std::string name;
    std::int32_t day;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> entries(clsCalendar& cal) {
    std::vector<Entry> all;
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        const vespera::NamedDayEntry entry = cal.named_day(i);
        all.push_back({std::string(entry.name), entry.day_number});
    }
    return all;
}

// The described entries keep their names, days and order whatever a German
// region adds; with no region the table is exactly the described one.
TEST(RegionTable, DescribedEntriesUnchangedByARegion) {
    for (const int year : {1950, 2017, 2025}) {
        EngineForTest plain;
        plain.in_berlin();
        plain.at(year, 6, 1);
        ASSERT_EQ(plain.cal.Feiertage_Anzahl(), 72);
        const std::vector<Entry> described = entries(plain.cal);
        for (const char* region : {"DE-BY", "DE-BE", "DE-SN"}) {
            EngineForTest t;
            t.in_berlin();
            t.at(year, 6, 1);
            t.cal.setRegion(region);
            t.cal.setPlaceName("Augsburg");
            std::vector<Entry> kept;
            for (const Entry& entry : entries(t.cal)) {
                if (std::find(described.begin(), described.end(), entry) != described.end()) kept.push_back(entry);
            }
            EXPECT_EQ(kept, described) << region << " " << year;
            EXPECT_GE(t.cal.Feiertage_Anzahl(), 72) << region;
            t.cal.setRegion("");
            EXPECT_EQ(entries(t.cal), described) << "back to no region, " << region << " " << year;
            EXPECT_TRUE(t.faults.empty()) << region;
        }
    }
}

TEST(RegionTable, TheRegionsOwnDaysFollowTheDescribedOnes) {
    struct Case {
        const char* region;
        const char* place;
        int year;
        std::int32_t last_index;
        std::vector<std::string> added;
    };
    // Rows beyond the described 73 that each German region lists
    // (observances everywhere, statutory-only days where they hold), by day.
    // `own` goes in after the first `before` of them.
    const auto with = [](std::string own = {}, std::size_t before = 0) {
        std::vector<std::string> all = {"Valentinstag", "Internationaler Frauentag", "Muttertag", "Johannistag",
                                        "Weltkindertag", "Erntedankfest", "Martinstag", "Mariä Empfängnis"};
        if (!own.empty()) all.insert(all.begin() + static_cast<std::ptrdiff_t>(before), own);
        return all;
    };
    const Case cases[] = {
        {"", "", 2025, 72, {}},
        {"DE-BY", "München", 2025, 80, with()},
        {"DE-BY", "Augsburg", 2025, 81, with("Augsburger Friedensfest", 4)},
        {"DE-BE", "", 2025, 81, with("80. Jahrestag der Befreiung vom Nationalsozialismus", 2)},
        {"DE-BE", "", 2024, 80, with()},
        {"DE-NW", "", 1975, 81, with("Tag der deutschen Einheit", 3)},
    };
    for (const Case& c : cases) {
        EngineForTest t;
        t.at(c.year, 1, 1);
        t.cal.setRegion(c.region);
        t.cal.setPlaceName(c.place);
        EXPECT_EQ(t.cal.Feiertage_Anzahl(), c.last_index) << c.region << " " << c.place;
        std::vector<std::string> added;
        for (std::int32_t i = 0; i <= t.cal.Feiertage_Anzahl(); ++i) {
            const std::string name = t.cal.Feiertag_NurName(i);
            bool described = false;
            for (std::size_t row = 0; row < vespera::kDescribedDayCount; ++row) {
                described = described || vespera::holidays::law_de().days[row].name == name;
            }
            if (!described) added.push_back(name);
        }
        EXPECT_EQ(added, c.added) << c.region << " " << c.place << " " << c.year;
    }
}

TEST(RegionTable, EachEntryKnowsItsStatusThere) {
    struct Case {
        const char* region;
        const char* place;
        int month, day;
        const char* name;
        StatutoryStatus status;
        bool one_place;
    };
    const Case cases[] = {
        {"DE-BY", "", 6, 19, "Fronleichnam", StatutoryStatus::Yes, false},
        {"DE-BE", "", 6, 19, "Fronleichnam", StatutoryStatus::No, false},
        {"DE-SN", "", 6, 19, "Fronleichnam", StatutoryStatus::Regional, false},
        {"DE-BY", "", 8, 15, "Mariä Himmelfahrt", StatutoryStatus::Regional, false},
        {"DE-SL", "", 8, 15, "Mariä Himmelfahrt", StatutoryStatus::Yes, false},
        {"DE-BY", "Augsburg", 8, 8, "Augsburger Friedensfest", StatutoryStatus::Yes, true},
        {"DE-BE", "", 3, 8, "Internationaler Frauentag", StatutoryStatus::Yes, false},
        {"DE-BY", "", 3, 8, "Internationaler Frauentag", StatutoryStatus::No, false},
        {"AT", "", 5, 1, "Staatsfeiertag", StatutoryStatus::Yes, false},
        {"AT-9", "Wien", 12, 26, "Stephanstag", StatutoryStatus::Yes, false},
        {"AT-3", "", 11, 15, "Leopolditag", StatutoryStatus::SchoolFree, false},
        {"CH-BS", "Basel", 5, 29, "Auffahrt", StatutoryStatus::Yes, false},
        {"DE-BY", "Nürnberg", 8, 15, "Mariä Himmelfahrt", StatutoryStatus::SchoolFree, false},
        {"DE", "", 5, 1, "Tag der Arbeit", StatutoryStatus::Yes, false},
        {"", "", 12, 25, "1. Weihnachtstag", StatutoryStatus::No, false},
    };
    for (const Case& c : cases) {
        EngineForTest t;
        t.at(2025, 1, 1);
        t.cal.setRegion(c.region);
        t.cal.setPlaceName(c.place);
        bool found = false;
        for (const vespera::NamedDayEntry& entry : t.cal.named_days_on(day_of(2025, c.month, c.day))) {
            if (entry.name != c.name) continue;
            found = true;
            EXPECT_EQ(entry.status, c.status) << c.region << " " << c.name;
            EXPECT_EQ(entry.one_place, c.one_place) << c.region << " " << c.name;
        }
        EXPECT_TRUE(found) << c.region << " " << c.name;
    }
}

// The commune key decides where the name alone would not (the list keys
// Bavaria's communes by AGS; "München" is also a name elsewhere).
TEST(RegionTable, TheCommuneKeyDecidesMariaeHimmelfahrt) {
    EngineForTest t;
    t.at(2026, 1, 1);
    t.cal.setRegion("DE-BY");
    t.cal.setPlaceName("Irgendwo");
    t.cal.setCommuneKey("09162000"); // München
    const auto assumption = [&] {
        for (const vespera::NamedDayEntry& entry : t.cal.named_days_on(day_of(2026, 8, 15))) {
            if (entry.name == "Mariä Himmelfahrt") return entry;
        }
        return vespera::NamedDayEntry{};
    };
    EXPECT_EQ(assumption().status, StatutoryStatus::Yes);
    EXPECT_TRUE(assumption().one_place);
    t.cal.setCommuneKey("09564000"); // Nürnberg
    EXPECT_EQ(assumption().status, StatutoryStatus::SchoolFree);
    t.cal.setCommuneKey("");
    EXPECT_EQ(assumption().status, StatutoryStatus::Regional);
    EXPECT_FALSE(assumption().note.empty()) << "a regional answer says why";
}

// New York's row of the city table has no region: no day is statutory,
// while the church days, observances and seasons stay.
TEST(RegionTable, APlaceInNewYorkGetsNoStatutoryHolidays) {
    const vespera::City* new_york = vespera::find_city("New York (USA)");
    ASSERT_NE(new_york, nullptr);
    EngineForTest t;
    t.at(2025, 1, 1);
    t.cal.setZeitzone(std::string(new_york->zone));
    t.cal.setRegion(std::string(new_york->region));
    ASSERT_EQ(t.cal.Feiertage_Anzahl(), 72);
    for (std::int32_t i = 0; i <= t.cal.Feiertage_Anzahl(); ++i) {
        EXPECT_EQ(t.cal.named_day(i).status, StatutoryStatus::No) << t.cal.Feiertag_NurName(i);
    }
    // An unknown code is refused and changes nothing.
    t.cal.setRegion("DE-BY");
    t.cal.setRegion("US-NY");
    ASSERT_EQ(t.faults.size(), 1u);
    EXPECT_EQ(t.faults[0].rfind("Error 5 (Invalid procedure call or argument), line ", 0), 0u) << t.faults[0];
    EXPECT_NE(t.faults[0].find("in procedure setRegion of Klassenmodul clsCalendar"), std::string::npos);
    EXPECT_EQ(t.cal.Region(), "DE-BY");
}

// An imported .ics takes precedence within its span and goes with its region.
TEST(RegionTable, ImportedSchoolHolidaysAnswerFerienName) {
    const vespera::IcsImport import = vespera::import_school_holidays_ics(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20310414\r\nDTEND;VALUE=DATE:20310426\r\n"
        "SUMMARY:Osterferien 2031\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
        {vespera::import_days_around(day_of(2031, 1, 1)), {}});
    ASSERT_TRUE(import.ok) << import.message;
    EngineForTest t;
    t.at(2031, 1, 1);
    t.cal.setRegion("DE-NW");
    ASSERT_NE(t.cal.school_holiday_table(), nullptr);
    EXPECT_FALSE(vespera::covers_year(*t.cal.school_holiday_table(), 2031));
    const std::int32_t april_14 = day_of(2031, 4, 14) - day_of(2031, 1, 1) + 1;
    EXPECT_EQ(t.cal.FerienName(april_14), "");
    t.cal.setImportedSchoolHolidays(import.periods);
    EXPECT_EQ(t.cal.FerienName(april_14), "Osterferien 2031");
    EXPECT_EQ(t.cal.FerienName(april_14 + 11), "Osterferien 2031");
    EXPECT_EQ(t.cal.FerienName(april_14 + 12), "");
    t.cal.setRegion("DE-BY");
    EXPECT_EQ(t.cal.FerienName(april_14), "");
    t.cal.setRegion("AT");
    EXPECT_EQ(t.cal.school_holiday_table(), nullptr);
    EXPECT_TRUE(t.cal.school_holiday_problem().empty());
}

} // namespace

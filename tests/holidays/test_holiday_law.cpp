// Statutory holidays per region, checked against the holiday laws: each
// state's list is written here from its Feiertagsgesetz, and the dates are
// worked out apart from the rule table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/date_math.h"
#include "holidays/easter.h"
#include "holidays/named_days.h"
#include "holidays/region_days.h"

namespace {

using StatutoryStatus = vespera::holidays::Status;

enum class Day {
    Neujahr, DreiKoenige, Frauentag, Karfreitag, Ostersonntag, Ostermontag, ErsterMai, Befreiung,
    Himmelfahrt, Pfingstsonntag, Pfingstmontag, Fronleichnam, MariaeHimmelfahrt, Weltkindertag,
    DeutscheEinheit, Reformationstag, Allerheiligen, BussUndBettag, Weihnachtstag1, Weihnachtstag2,
};

std::int64_t easter_plus(int year, int days) {
    const vespera::MonthDay easter = vespera::easter_sunday(year);
    return vespera::day_number(year, easter.month, easter.day) + days;
}

std::int64_t date_of(Day day, int year) {
    using vespera::day_number;
    switch (day) {
    case Day::Neujahr: return day_number(year, 1, 1);
    case Day::DreiKoenige: return day_number(year, 1, 6);
    case Day::Frauentag: return day_number(year, 3, 8);
    case Day::Karfreitag: return easter_plus(year, -2);
    case Day::Ostersonntag: return easter_plus(year, 0);
    case Day::Ostermontag: return easter_plus(year, 1);
    case Day::ErsterMai: return day_number(year, 5, 1);
    case Day::Befreiung: return day_number(year, 5, 8);
    case Day::Himmelfahrt: return easter_plus(year, 39);
    case Day::Pfingstsonntag: return easter_plus(year, 49);
    case Day::Pfingstmontag: return easter_plus(year, 50);
    case Day::Fronleichnam: return easter_plus(year, 60);
    case Day::MariaeHimmelfahrt: return day_number(year, 8, 15);
    case Day::Weltkindertag: return day_number(year, 9, 20);
    case Day::DeutscheEinheit: return day_number(year, 10, 3);
    case Day::Reformationstag: return day_number(year, 10, 31);
    case Day::Allerheiligen: return day_number(year, 11, 1);
    case Day::BussUndBettag: {
        // The Wednesday before 23 November.
        std::int64_t d = day_number(year, 11, 22);
        while (vespera::weekday_index(d) != 2) --d;
        return d;
    }
    case Day::Weihnachtstag1: return day_number(year, 12, 25);
    case Day::Weihnachtstag2: return day_number(year, 12, 26);
    }
    return 0;
}

struct LawDay {
    Day day;
    int from = 0;
    int to = 9999;
};

// Beyond the nine days of every state (Neujahr, Karfreitag, Ostermontag,
// 1. Mai, Himmelfahrt, Pfingstmontag, 3. Oktober, 1. und 2. Weihnachtstag),
// and the Reformationstag 2017 everywhere.
const std::map<std::string, std::vector<LawDay>> kStateLaws = {
    // Baden-Württemberg, Feiertagsgesetz § 1
    {"DE-BW", {{Day::DreiKoenige}, {Day::Fronleichnam}, {Day::Allerheiligen}}},
    // Bayern, Feiertagsgesetz Art. 1 (Mariä Himmelfahrt: regional, below)
    {"DE-BY", {{Day::DreiKoenige}, {Day::Fronleichnam}, {Day::Allerheiligen}}},
    // Berlin, Gesetz über die Sonn- und Feiertage § 1
    {"DE-BE", {{Day::Frauentag, 2019}, {Day::Befreiung, 2020, 2020}, {Day::Befreiung, 2025, 2025}}},
    // Brandenburg, Feiertagsgesetz § 2
    {"DE-BB", {{Day::Ostersonntag}, {Day::Pfingstsonntag}, {Day::Reformationstag}}},
    // Bremen, Hamburg, Niedersachsen, Schleswig-Holstein: Reformationstag from 2018
    {"DE-HB", {{Day::Reformationstag, 2018}}},
    {"DE-HH", {{Day::Reformationstag, 2018}}},
    {"DE-NI", {{Day::Reformationstag, 2018}}},
    {"DE-SH", {{Day::Reformationstag, 2018}}},
    // Hessen, Hessisches Feiertagsgesetz § 1
    {"DE-HE", {{Day::Fronleichnam}}},
    // Mecklenburg-Vorpommern, Feiertagsgesetz M-V § 2 (Frauentag from 2023)
    {"DE-MV", {{Day::Reformationstag}, {Day::Frauentag, 2023}}},
    // Nordrhein-Westfalen § 2, Rheinland-Pfalz § 2
    {"DE-NW", {{Day::Fronleichnam}, {Day::Allerheiligen}}},
    {"DE-RP", {{Day::Fronleichnam}, {Day::Allerheiligen}}},
    // Saarland, Feiertagsgesetz § 2
    {"DE-SL", {{Day::Fronleichnam}, {Day::MariaeHimmelfahrt}, {Day::Allerheiligen}}},
    // Sachsen § 1 (Fronleichnam: regional, below)
    {"DE-SN", {{Day::Reformationstag}, {Day::BussUndBettag}}},
    // Sachsen-Anhalt § 2
    {"DE-ST", {{Day::DreiKoenige}, {Day::Reformationstag}}},
    // Thüringen, Feier- und Gedenktagsgesetz § 2 (Fronleichnam: regional, below)
    {"DE-TH", {{Day::Reformationstag}, {Day::Weltkindertag, 2019}}},
};

const std::map<std::string, Day> kRegionalDays = {
    {"DE-BY", Day::MariaeHimmelfahrt}, {"DE-SN", Day::Fronleichnam}, {"DE-TH", Day::Fronleichnam}};

std::vector<std::int64_t> expected_days(const std::string& state, int year) {
    std::vector<std::int64_t> days;
    for (const Day d : {Day::Neujahr, Day::Karfreitag, Day::Ostermontag, Day::ErsterMai, Day::Himmelfahrt,
                        Day::Pfingstmontag, Day::DeutscheEinheit, Day::Weihnachtstag1, Day::Weihnachtstag2}) {
        days.push_back(date_of(d, year));
    }
    bool reformation = year == 2017;
    for (const LawDay& law : kStateLaws.at(state)) {
        if (year < law.from || year > law.to) continue;
        if (law.day == Day::Reformationstag) reformation = true;
        else days.push_back(date_of(law.day, year));
    }
    if (reformation) days.push_back(date_of(Day::Reformationstag, year));
    std::sort(days.begin(), days.end());
    return days;
}

std::vector<vespera::holidays::NamedDay> named_days(const std::string& region, int year,
                                                    const std::string& place = "") {
    return vespera::holidays::year_days(region, {"", place}, year);
}

std::vector<std::int64_t> days_with(StatutoryStatus wanted, const std::string& region, int year,
                                    const std::string& place = "") {
    std::vector<std::int64_t> days;
    for (const vespera::holidays::NamedDay& day : named_days(region, year, place)) {
        if (day.status == wanted) days.push_back(day.day_number);
    }
    std::sort(days.begin(), days.end());
    return days;
}

// By day.
std::vector<std::string> names_with(StatutoryStatus wanted, const std::string& region, int year) {
    std::vector<std::string> names;
    for (const vespera::holidays::NamedDay& day : named_days(region, year)) {
        if (day.status == wanted) names.emplace_back(day.name);
    }
    return names;
}

std::optional<StatutoryStatus> status_of(std::string_view name, const std::string& region, int year) {
    for (const vespera::holidays::NamedDay& day : named_days(region, year)) {
        if (day.name == name) return day.status;
    }
    return std::nullopt;
}

TEST(HolidayLaw, EveryGermanStateInTheCheckedYears) {
    for (const auto& [state, laws] : kStateLaws) {
        for (const int year : {2016, 2017, 2018, 2019, 2023, 2024, 2025}) {
            EXPECT_EQ(days_with(StatutoryStatus::Statutory, state, year), expected_days(state, year)) << state << " " << year;
            std::vector<std::int64_t> regional;
            if (kRegionalDays.count(state)) regional.push_back(date_of(kRegionalDays.at(state), year));
            // The Augsburger Friedensfest holds in one city of Bayern (FTG Art. 1 Abs. 2).
            if (state == "DE-BY") regional.insert(regional.begin(), vespera::day_number(year, 8, 8));
            EXPECT_EQ(days_with(StatutoryStatus::Regional, state, year), regional) << state << " " << year;
        }
    }
}

TEST(HolidayLaw, BussUndBettagEverywhereUpTo1994ThenSachsenOnly) {
    const std::vector<std::int64_t> saxony_1994 = days_with(StatutoryStatus::Statutory, "DE-SN", 1994);
    EXPECT_EQ(std::count(saxony_1994.begin(), saxony_1994.end(), vespera::day_number(1994, 11, 16)), 1);
    for (const auto& [state, laws] : kStateLaws) {
        EXPECT_EQ(status_of("Buß-und Bettag", state, 1994), StatutoryStatus::Statutory) << state;
        // Bavarian schools stay closed (FTG Art. 4 Nr. 3).
        const StatutoryStatus after = state == "DE-SN"   ? StatutoryStatus::Statutory
                                      : state == "DE-BY" ? StatutoryStatus::SchoolFree
                                                         : StatutoryStatus::None;
        EXPECT_EQ(status_of("Buß-und Bettag", state, 1995), after) << state;
    }
}

TEST(HolidayLaw, SeventeenthOfJuneInTheWesternStatesUpTo1990) {
    const auto june17 = [](const std::string& region, int year) {
        const std::vector<std::int64_t> days = days_with(StatutoryStatus::Statutory, region, year);
        return std::count(days.begin(), days.end(), vespera::day_number(year, 6, 17)) == 1;
    };
    EXPECT_TRUE(june17("DE-NW", 1990));
    EXPECT_TRUE(june17("DE-BE", 1954));
    EXPECT_FALSE(june17("DE-NW", 1953));
    EXPECT_FALSE(june17("DE-NW", 1991));
    EXPECT_FALSE(june17("DE-SN", 1990));
}

TEST(HolidayLaw, AugsburgerFriedensfestOnlyInAugsburg) {
    const auto peace = [](const std::string& region, const std::string& place) {
        const std::vector<std::int64_t> days = days_with(StatutoryStatus::Statutory, region, 2025, place);
        return std::count(days.begin(), days.end(), vespera::day_number(2025, 8, 8)) == 1;
    };
    EXPECT_TRUE(peace("DE-BY", "Augsburg"));
    EXPECT_TRUE(peace("DE-BY", " augsburg "));
    EXPECT_FALSE(peace("DE-BY", "München"));
    EXPECT_FALSE(peace("DE-BW", "Augsburg"));
}

// Feiertagsruhegesetz 1957 § 1 / Arbeitsruhegesetz § 7: the 13 days of 2025.
TEST(HolidayLaw, Austria2025) {
    const std::vector<std::string> expected = {
        "Neujahr", "Heilige Drei Könige", "Ostermontag", "Staatsfeiertag", "Christi Himmelfahrt", "Pfingstmontag",
        "Fronleichnam", "Mariä Himmelfahrt", "Nationalfeiertag", "Allerheiligen", "Mariä Empfängnis", "Christtag",
        "Stephanstag"};
    EXPECT_EQ(names_with(StatutoryStatus::Statutory, "AT", 2025), expected);
    using vespera::day_number;
    EXPECT_EQ(days_with(StatutoryStatus::Statutory, "AT", 2025),
              (std::vector<std::int64_t>{day_number(2025, 1, 1), day_number(2025, 1, 6), day_number(2025, 4, 21),
                                         day_number(2025, 5, 1), day_number(2025, 5, 29), day_number(2025, 6, 9),
                                         day_number(2025, 6, 19), day_number(2025, 8, 15), day_number(2025, 10, 26),
                                         day_number(2025, 11, 1), day_number(2025, 12, 8), day_number(2025, 12, 25),
                                         day_number(2025, 12, 26)}));
    EXPECT_EQ(days_with(StatutoryStatus::Statutory, "AT-7", 2025), days_with(StatutoryStatus::Statutory, "AT", 2025));
    // The Nationalfeiertag became a day of rest with the 1967 amendment.
    EXPECT_EQ(names_with(StatutoryStatus::Statutory, "AT", 1966).size(), 12u);
}

// Ruhetags- und Ladenöffnungsgesetz § 1 with the Bundesfeier (BV Art. 110).
TEST(HolidayLaw, Zuerich2025) {
    using vespera::day_number;
    EXPECT_EQ(days_with(StatutoryStatus::Statutory, "CH-ZH", 2025),
              (std::vector<std::int64_t>{day_number(2025, 1, 1), day_number(2025, 4, 18), day_number(2025, 4, 21),
                                         day_number(2025, 5, 1), day_number(2025, 5, 29), day_number(2025, 6, 9),
                                         day_number(2025, 8, 1), day_number(2025, 12, 25), day_number(2025, 12, 26)}));
}

TEST(HolidayLaw, NoStatutoryDaysElsewhere) {
    for (const char* region : {"", "FR", "FR-75", "PL-MZ", "US-CA", "DE-XX", "AT-0", "CH-XY", "DEBY", "DE-"}) {
        EXPECT_TRUE(names_with(StatutoryStatus::Statutory, region, 2025).empty()) << region;
        EXPECT_TRUE(names_with(StatutoryStatus::Regional, region, 2025).empty()) << region;
    }
}

TEST(HolidayLaw, GermanyAsAWholeHasTheNineDaysOfEveryState) {
    EXPECT_EQ(names_with(StatutoryStatus::Statutory, "DE", 2025).size(), 9u);
    EXPECT_EQ(names_with(StatutoryStatus::Statutory, "DE", 2017).size(), 10u);
}

TEST(HolidayLaw, RegionOnlyRowsAreListedWhereTheyHold) {
    EXPECT_TRUE(status_of("Staatsfeiertag", "AT", 2025));
    EXPECT_FALSE(status_of("Staatsfeiertag", "DE-BY", 2025));
    EXPECT_FALSE(status_of("Tag der Arbeit", "AT", 2025)); // the Staatsfeiertag is that day there
    EXPECT_FALSE(status_of("Tag der Deutschen Einheit", "AT-9", 2025));
    EXPECT_TRUE(status_of("Internationaler Frauentag", "DE-BY", 2025));
    EXPECT_FALSE(status_of("80. Jahrestag der Befreiung vom Nationalsozialismus", "DE-BE", 2024));
}

TEST(HolidayLaw, DescribedRowsKeepTheirSlots) {
    const auto rows = vespera::holidays::law_de().days;
    ASSERT_GT(rows.size(), vespera::kDescribedDayCount);
    EXPECT_EQ(rows.front().name, "Neujahr");
    EXPECT_EQ(rows[vespera::kDescribedDayCount - 1].name, "Tag der Deutschen Einheit");
    EXPECT_EQ(rows[51].name, "Frühlingsanfang");
    EXPECT_EQ(rows[51].date.kind, vespera::holidays::DateKind::Season);
}

} // namespace

// Germany in the region model: every state's statutory days as the laws
// list them (the same table the engine's tests pin), their history, the
// communes that decide Mariä Himmelfahrt and Fronleichnam, and the
// engine's described slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "holidays/easter.h"
#include "holidays/named_days.h"
#include "holiday_regions_support.h"
#include "holidays/communes.h"
#include "holidays/region.h"

namespace {

using namespace vespera::holidays;
using holiday_regions_test::statutory;

std::int64_t easter_plus(int year, int days) {
    const vespera::MonthDay e = vespera::easter_sunday(year);
    return vespera::day_number(year, e.month, e.day) + days;
}

std::set<std::int64_t> statutory_set(const std::string& region, int year, Locality place = {}) {
    std::set<std::int64_t> days;
    for (const NamedDay& d : year_days(region, place, year)) {
        if (d.status == Status::Statutory) days.insert(d.day_number);
    }
    return days;
}

// Beyond the nine days of every state (Neujahr, Karfreitag, Ostermontag, 1. Mai,
// Himmelfahrt, Pfingstmontag, 3. Oktober, 1. und 2. Weihnachtstag) and the
// Reformationstag 2017, from each state's Feiertagsgesetz; dates as month/day or
// Easter offsets.
struct LawDay {
    int month; // 0: Easter + day
    int day;
    int from = 0;
    int to = 9999;
};
const std::map<std::string, std::vector<LawDay>> kStateLaws = {
    {"DE-BW", {{1, 6}, {0, 60}, {11, 1}}},
    {"DE-BY", {{1, 6}, {0, 60}, {11, 1}}},
    {"DE-BE", {{3, 8, 2019}, {5, 8, 2020, 2020}, {5, 8, 2025, 2025}, {6, 17, 2028, 2028}}},
    {"DE-BB", {{0, 0}, {0, 49}, {10, 31}}},
    {"DE-HB", {{10, 31, 2018}}},
    {"DE-HH", {{10, 31, 2018}}},
    {"DE-HE", {{0, 60}}},
    {"DE-MV", {{10, 31}, {3, 8, 2023}}},
    {"DE-NI", {{10, 31, 2018}}},
    {"DE-NW", {{0, 60}, {11, 1}}},
    {"DE-RP", {{0, 60}, {11, 1}}},
    {"DE-SL", {{0, 60}, {8, 15}, {11, 1}}},
    {"DE-SN", {{10, 31}, {0, -1}}}, // -1: Buß- und Bettag, the Wednesday before 23 November
    {"DE-ST", {{1, 6}, {10, 31}}},
    {"DE-SH", {{10, 31, 2018}}},
    {"DE-TH", {{10, 31}, {9, 20, 2019}}},
};

std::int64_t law_day(const LawDay& d, int year) {
    if (d.month == 0 && d.day == -1) {
        std::int64_t day = vespera::day_number(year, 11, 22);
        while (vespera::weekday_index(day) != 2) --day;
        return day;
    }
    return d.month == 0 ? easter_plus(year, d.day) : vespera::day_number(year, d.month, d.day);
}

TEST(HolidayRegionsDE, EveryStateInTheCheckedYears) {
    for (const auto& [state, laws] : kStateLaws) {
        for (const int year : {2016, 2017, 2018, 2019, 2023, 2024, 2025, 2026, 2027, 2028}) {
            std::set<std::int64_t> expected = {
                vespera::day_number(year, 1, 1),   easter_plus(year, -2), easter_plus(year, 1),
                vespera::day_number(year, 5, 1),   easter_plus(year, 39), easter_plus(year, 50),
                vespera::day_number(year, 10, 3),  vespera::day_number(year, 12, 25),
                vespera::day_number(year, 12, 26)};
            if (year == 2017) expected.insert(vespera::day_number(year, 10, 31));
            for (const LawDay& d : laws) {
                if (year >= d.from && year <= d.to) expected.insert(law_day(d, year));
            }
            EXPECT_EQ(statutory_set(state, year), expected) << state << " " << year;
        }
    }
}

TEST(HolidayRegionsDE, History) {
    struct Case {
        const char* region;
        int year, month, day;
        Status status;
    };
    const Case cases[] = {
        {"DE-NW", 1994, 11, 16, Status::Statutory}, // Buß- und Bettag everywhere up to 1994
        {"DE-NW", 1995, 11, 22, Status::None},
        {"DE-SN", 1995, 11, 22, Status::Statutory},
        {"DE-BY", 2026, 11, 18, Status::SchoolFree}, // Bavarian schools stay closed
        {"DE-NW", 1990, 6, 17, Status::Statutory},  // 17 June in the western states, 1954-1990
        {"DE-BE", 1954, 6, 17, Status::Statutory},
        {"DE-NW", 1953, 6, 17, Status::None},
        {"DE-NW", 1991, 6, 17, Status::None},
        {"DE-SN", 1990, 6, 17, Status::None},
        {"DE-SL", 1956, 6, 17, Status::None}, // the Saarland from 1957
        {"DE-SL", 1957, 6, 17, Status::Statutory},
        {"DE-NW", 1989, 10, 3, Status::None},
        {"DE-ST", 1990, 1, 6, Status::None}, // Sachsen-Anhalt from 1991
        {"DE-ST", 1991, 1, 6, Status::Statutory},
        {"DE-BE", 2024, 5, 8, Status::None},
        {"DE-BE", 2018, 3, 8, Status::None},
        {"DE-MV", 2022, 3, 8, Status::None},
        {"DE-TH", 2018, 9, 20, Status::None},
    };
    for (const Case& c : cases) {
        const std::int64_t day = vespera::day_number(c.year, c.month, c.day);
        Status status = Status::None;
        for (const NamedDay& d : year_days(c.region, {}, c.year)) {
            if (d.day_number == day && d.status != Status::None) status = d.status;
        }
        EXPECT_EQ(status, c.status) << c.region << " " << c.year << "-" << c.month << "-" << c.day;
    }
}

// The place's commune decides where the law names communes.
TEST(HolidayRegionsDE, Communes) {
    struct Case {
        const char* region;
        Locality place;
        int month, day;
        Status status;
    };
    const Case cases[] = {
        {"DE-BY", {"09162000", "München"}, 8, 15, Status::Statutory},
        {"DE-BY", {"", "München"}, 8, 15, Status::Statutory},
        // Evangelical majority (Zensus 2022): no holiday, but the schools close (FTG Art. 4).
        {"DE-BY", {"09564000", "Nürnberg"}, 8, 15, Status::SchoolFree},
        {"DE-BY", {"", "Nürnberg"}, 8, 15, Status::SchoolFree},
        {"DE-BY", {"09476183", "Marktrodach"}, 8, 15, Status::Statutory}, // gained in 2025
        {"DE-BY", {"09473165", "Seßlach"}, 8, 15, Status::SchoolFree},    // lost in 2025
        {"DE-BY", {"09779197", ""}, 8, 15, Status::Statutory},            // Oettingen, gained in 2025
        {"DE-BY", {"09779194", ""}, 8, 15, Status::SchoolFree},           // Nördlingen
        {"DE-BY", {"09374140", ""}, 8, 15, Status::SchoolFree},           // Neustadt am Kulm, Oberpfalz
        {"DE-BY", {"", "Pegnitz"}, 8, 15, Status::Statutory},             // Landkreis Bayreuth
        {"DE-BY", {"09462000", "Bayreuth"}, 8, 15, Status::SchoolFree},
        {"DE-BY", {"09561000", "Ansbach"}, 8, 15, Status::Regional},      // not decided by the sources here
        {"DE-BY", {"09163000", ""}, 8, 15, Status::Statutory}, // Rosenheim: every commune of Oberbayern
        {"DE-BY", {"", "Dinkelsbühl"}, 8, 15, Status::Regional},          // not in the list kept here
        {"DE-BY", {}, 8, 15, Status::Regional},
        {"DE-BY", {"", " augsburg "}, 8, 8, Status::Statutory},
        {"DE-BY", {"09761000", ""}, 8, 8, Status::Statutory},
        {"DE-BY", {"09162000", "München"}, 8, 8, Status::None},
        {"DE-SN", {"14625080", "Crostwitz"}, 6, 4, Status::Statutory},
        {"DE-SN", {"", "Bautzen"}, 6, 4, Status::Regional}, // only two of its parts
        {"DE-SN", {"14612000", "Dresden"}, 6, 4, Status::None},
        {"DE-SN", {}, 6, 4, Status::Regional},
        {"DE-TH", {"16061115", "Leinefelde-Worbis"}, 6, 4, Status::Statutory}, // Landkreis Eichsfeld
        {"DE-TH", {"16063032", "Geisa"}, 6, 4, Status::Statutory},
        {"DE-TH", {"16051000", "Erfurt"}, 6, 4, Status::None},
        {"DE-TH", {"16064046", "Mühlhausen"}, 6, 4, Status::Regional}, // Unstrut-Hainich-Kreis: no list
    };
    for (const Case& c : cases) {
        const std::int64_t day = vespera::day_number(2026, c.month, c.day);
        Status status = Status::None;
        std::string_view note;
        for (const NamedDay& d : year_days(c.region, c.place, 2026)) {
            if (d.day_number == day && d.status != Status::None) {
                status = d.status;
                note = d.note;
            }
        }
        EXPECT_EQ(status, c.status) << c.region << " " << c.place.commune_key << " " << c.place.name;
        if (status == Status::Regional) {
            EXPECT_FALSE(note.empty()) << c.place.name; // the tooltip says why
        }
    }
}

// Every Bavarian commune is in the list, and no more of them keep or lose
// the day than the Landesamt counts (1 708 and 348 of 2 056, Zensus 2022).
TEST(HolidayRegionsDE, BavarianCommunesWithinThePublishedCounts) {
    std::size_t with = 0, without = 0, open = 0;
    for (const Commune& commune : kBavariaAssumption.communes) {
        ASSERT_EQ(commune.key.size(), 8u) << commune.name.view();
        if (!commune.holds) ++without;
        else if (commune.note == 0) ++with;
        else ++open;
    }
    EXPECT_EQ(with + without + open, 2056u);
    EXPECT_LE(with, 1708u);
    EXPECT_LE(without, 348u);
}

TEST(HolidayRegionsDE, GermanyAsAWholeAndPlacesElsewhere) {
    EXPECT_EQ(statutory("DE", 2026).size(), 9u);
    EXPECT_EQ(statutory("DE", 2017).size(), 10u);
    for (const char* elsewhere : {"", "FR", "US-NY", "DE-XX", "AT-0", "CH-XY", "IT", "DEBY"}) {
        const std::vector<NamedDay> days = year_days(elsewhere, {}, 2026);
        EXPECT_EQ(days.size(), year_days("DE-BE", {}, 2024).size()) << elsewhere; // the German list
        EXPECT_TRUE(std::all_of(days.begin(), days.end(), [](const NamedDay& d) { return d.status == Status::None; }))
            << elsewhere;
    }
}

} // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "places/gazetteer.h"
#include "places/name_folding.h"
#include "places/place_search.h"
#include "base/regions.h"

namespace {

using vespera::Place;

constexpr const char* kCapeTownQuery = "Kapstadt";

std::shared_ptr<const vespera::Gazetteer> real_gazetteer() {
    static const std::shared_ptr<const vespera::Gazetteer> gazetteer = [] {
        vespera::GazetteerLoad load = vespera::load_gazetteer();
        EXPECT_TRUE(load.gazetteer.has_value()) << load.error;
        return load.gazetteer ? std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer)) : nullptr;
    }();
    return gazetteer;
}

const vespera::PlaceSearch& real_search() {
    static const vespera::PlaceSearch search(real_gazetteer());
    return search;
}

bool zone_exists(const std::string& zone) {
    return !zone.empty() && std::filesystem::is_regular_file("/usr/share/zoneinfo/" + zone);
}

bool home_country(const std::string& country) { return country == "DE" || country == "AT" || country == "CH"; }

TEST(PlaceSearch, FindsPlacesWithTheirGeoNamesFacts) {
    struct Case {
        const char* query;
        const char* name;
        const char* region; // or the country where the place has no holiday region
        double latitude_deg, longitude_deg; // GeoNames, to 0.02°
        const char* commune_key; // AGS, Gemeindekennziffer, BFS, ISTAT, NIS; nullptr: not checked
    };
    const Case cases[] = {
        {"Landshut", "Landshut", "DE-BY", 48.54, 12.15, "09261000"},
        {"Görlitz", "Görlitz", "DE-SN", 51.16, 14.99, "14626110"},
        {"goerlitz", "Görlitz", "DE-SN", 51.16, 14.99, "14626110"},
        {"Innsbruck", "Innsbruck", "AT-7", 47.26, 11.39, "70101"},
        {"Zermatt", "Zermatt", "CH-VS", 46.02, 7.75, "6300"},
        {"Kues", "Bernkastel-Kues", "DE-RP", 49.92, 7.08, nullptr},
        {"St. Gallen", "Sankt Gallen", "CH-SG", 47.42, 9.37, "3203"},
        {"Neustadt an der W", "Neustadt an der Weinstraße", "DE-RP", 49.35, 8.14, "07316000"},
        {"Sydney", "Sydney", "AU", -33.87, 151.21, ""},
        {"tokyo", "Tokio", "JP", 35.69, 139.69, ""},
        {kCapeTownQuery, "Kapstadt (SA)", "ZA", -33.92, 18.42, ""},
        // Liechtenstein, Luxembourg, South Tyrol, East Belgium; German names.
        {"Vaduz", "Vaduz", "LI", 47.14, 9.52, ""},
        {"Schaan", "Schaan", "LI", 47.16, 9.51, ""},
        {"Planken", "Planken", "LI", 47.19, 9.54, ""},
        {"Luxemburg", "Luxemburg", "LU", 49.61, 6.13, ""},
        {"Bozen", "Bozen", "IT-32-BZ", 46.49, 11.34, "021008"},
        {"Bolzano", "Bozen", "IT-32-BZ", 46.49, 11.34, "021008"},
        {"Meran", "Meran", "IT-32-BZ", 46.67, 11.16, "021051"},
        {"Brixen", "Brixen", "IT-32-BZ", 46.72, 11.66, "021011"},
        {"Eupen", "Eupen", "BE", 50.63, 6.04, "63023"},
        {"Saint-Vith", "Sankt Vith", "BE", 50.28, 6.13, "63067"},
        {"Genf", "Genf", "CH-GE", 46.20, 6.15, "6621"},
        {"Genève", "Genf", "CH-GE", 46.20, 6.15, "6621"},
        {"Mailand", "Mailand", "IT", 45.46, 9.19, ""},
        {"Brussels", "Brüssel", "BE", 50.85, 4.35, ""},
        {"Lisboa", "Lissabon", "PT", 38.72, -9.13, ""},
        // An exact German name beats a village of that name and a longer one.
        {"Straßburg", "Straßburg", "FR", 48.58, 7.75, ""},
        {"Krakau", "Krakau", "PL", 50.06, 19.94, ""},
        {"Neuenburg", "Neuenburg", "CH-NE", 46.99, 6.93, "6458"},
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = real_search().search(c.query, 10);
        ASSERT_FALSE(found.empty()) << c.query;
        const Place& first = found.front();
        EXPECT_EQ(first.name, c.name) << c.query;
        EXPECT_EQ(first.region.empty() ? first.country : first.region, c.region) << c.query;
        EXPECT_NEAR(first.latitude_deg, c.latitude_deg, 0.02) << c.query;
        EXPECT_NEAR(first.longitude_deg, c.longitude_deg, 0.02) << c.query;
        if (c.commune_key) {
            EXPECT_EQ(first.commune_key, c.commune_key) << c.query;
        }
    }
}

// The generator fails without them; a file made otherwise shows here.
TEST(PlaceSearch, EveryCommuneOfTheSmallGermanSpeakingAreas) {
    const auto gazetteer = real_gazetteer();
    ASSERT_TRUE(gazetteer);
    std::set<std::string_view> south_tyrol_keys;
    std::size_t liechtenstein = 0, luxembourg = 0;
    for (std::size_t i = 0; i < gazetteer->size(); ++i) {
        const vespera::GazetteerEntry entry = gazetteer->entry(i);
        if (entry.region == "IT-32-BZ") south_tyrol_keys.insert(entry.commune_key);
        liechtenstein += entry.region == "LI";
        luxembourg += entry.region == "LU";
    }
    EXPECT_EQ(south_tyrol_keys.size(), 116u); // ISTAT: the province's 116 communes
    EXPECT_GE(liechtenstein, 11u);
    EXPECT_GE(luxembourg, 100u);
    for (const char* commune : {"Käerjeng", "Groussbus-Wal", "Bous-Waldbredimus", "Vintl", "Burg-Reuland", "Kelmis"}) {
        const std::vector<Place> found = real_search().search(commune, 1);
        ASSERT_EQ(found.size(), 1u) << commune;
        EXPECT_EQ(found[0].name, commune);
    }
}

TEST(PlaceSearch, CaseDiacriticsAndTranscriptionsDoNotMatter) {
    for (const char* query : {"München", "münchen", "MÜNCHEN", "muenchen", "Munchen", "Muenchen "}) {
        const std::vector<Place> found = real_search().search(query, 5);
        ASSERT_FALSE(found.empty()) << query;
        EXPECT_EQ(found.front().name, "München") << query;
        EXPECT_TRUE(found.front().built_in) << query;
    }
    for (const char* query : {"Gießen", "Giessen", "GIESSEN"}) {
        const std::vector<Place> found = real_search().search(query, 5);
        ASSERT_FALSE(found.empty()) << query;
        EXPECT_EQ(found.front().name, "Giessen") << query;
    }
}

// A typo one edit away is guessed, after every real match; two edits away
// or a wrong first letter is no match at all.
TEST(PlaceSearch, TyposOneEditAwayAreGuessedLast) {
    struct Case { const char* query; const char* first; bool guessed; };
    const Case cases[] = {
        {"Muenchn", "München", true},   // a letter missing
        {"Muenchen ", "München", false},
        {"Munchen", "München", false},
        {"Mnuchen", "München", true},   // two letters swapped
        {"Muenchenn", "München", true}, // a letter extra
        {"Hamburk", "Hamburg", true},   // a letter wrong
        {"Ulmm", "Ulm", true},
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = real_search().search(c.query, 20);
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found.front().name, c.first) << c.query;
        EXPECT_EQ(found.front().guessed, c.guessed) << c.query;
    }
    // Real matches first: "Ulmen" is a prefix match of "Ulme", Ulm a guess.
    const std::vector<Place> ulme = real_search().search("Ulme", 20);
    ASSERT_GE(ulme.size(), 2U);
    EXPECT_FALSE(ulme.front().guessed);
    EXPECT_TRUE(std::is_partitioned(ulme.begin(), ulme.end(), [](const Place& p) { return !p.guessed; }));
    for (const char* far : {"Mnchnn", "Mücnhne", "Xünchen"}) {
        for (const Place& place : real_search().search(far, 20)) EXPECT_NE(place.name, "München") << far;
    }
    EXPECT_TRUE(real_search().search("Qwertzuiop", 20).empty());
}

TEST(PlaceSearch, EveryHomeBuiltInCityLiesWhereGeoNamesPutsIt) {
    // Its gazetteer row of the same name and region is then the same place
    // and is not shown a second time. München (at the airport) and Zwickau
    // (19 km west) failed this.
    for (const vespera::City& city : vespera::cities()) {
        if (city.region.empty()) continue;
        const std::string folded = vespera::fold_name(city.name);
        for (const Place& place : real_search().search(city.name, 50)) {
            EXPECT_FALSE(!place.built_in && place.region == city.region && vespera::fold_name(place.name) == folded)
                << city.name << " also as " << place.label;
        }
    }
}

TEST(PlaceSearch, BothFrankfurtsToldApartByLabel) {
    const std::vector<Place> found = real_search().search("Frankfurt", 10);
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].label, "Frankfurt/Main, Hessen");
    EXPECT_EQ(found[1].label, "Frankfurt/Oder, Brandenburg");
    // The gazetteer's rows of the same two towns are not shown again.
    for (const Place& place : found) {
        EXPECT_TRUE(place.built_in || (place.name != "Frankfurt am Main" && place.name != "Frankfurt (Oder)"));
    }

    struct Case { const char* query; const char* label; };
    const Case cases[] = {
        {"Frankfurt am", "Frankfurt am Main, Hessen"},
        {"Frankfurt (Oder)", "Frankfurt/Oder, Brandenburg"},
        {"Sydney", "Sydney, Australien"},
        {"Berlin", "Berlin"},
        {"Innsbruck", "Innsbruck, Tirol"},
    };
    for (const Case& c : cases) {
        const std::vector<Place> first = real_search().search(c.query, 1);
        ASSERT_EQ(first.size(), 1u) << c.query;
        EXPECT_EQ(first[0].label, c.label) << c.query;
    }
}

TEST(PlaceSearch, ABuiltInCityHidesOnlyItsOwnGazetteerRow) {
    const std::vector<Place> found = real_search().search("Paris", 10);
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found[0].name, "Paris (Fr)");
    int french_paris = 0, texan_paris = 0;
    for (const Place& place : found) {
        french_paris += place.name == "Paris" && place.country == "FR";
        texan_paris += place.name == "Paris" && place.country == "US";
    }
    EXPECT_EQ(french_paris, 0);
    EXPECT_EQ(texan_paris, 1);
}

TEST(PlaceSearch, EveryResultHasAKnownZoneAndAHomeRegion) {
    std::set<std::string> seen;
    for (const char* query : {"Neustadt", "San", "Sankt", "Frankfurt", "Wien", "a", "Zürich", kCapeTownQuery, "Vaduz"}) {
        for (const Place& place : real_search().search(query, 50)) {
            EXPECT_TRUE(zone_exists(place.zone)) << place.label << ": " << place.zone;
            if (home_country(place.country) || place.country == "LI" || place.country == "LU") {
                EXPECT_FALSE(vespera::region_name(place.region).empty()) << place.label;
            }
        }
    }
    // And every zone of every row.
    const auto gazetteer = real_gazetteer();
    ASSERT_TRUE(gazetteer);
    std::set<std::string_view> zones, regions;
    for (std::size_t i = 0; i < gazetteer->size(); ++i) {
        zones.insert(gazetteer->entry(i).zone);
        regions.insert(gazetteer->entry(i).region);
    }
    for (std::string_view zone : zones) EXPECT_TRUE(zone_exists(std::string(zone))) << zone;
    // Every state and canton has places: a wrong admin1 mapping leaves one empty.
    for (const vespera::Region& region : vespera::regions()) EXPECT_TRUE(regions.count(region.code)) << region.code;
    EXPECT_GT(gazetteer->size(), 30000u);
    EXPECT_EQ(gazetteer->skipped_lines(), 0u);
}

// A small gazetteer in the file's first format, which still loads.
std::string small_file(const std::string& rows) {
    return "# vespera-gazetteer 1\n@land\tDE\tDeutschland\n@land\tUS\tVereinigte Staaten\n"
           "@zone\tEurope/Berlin\n@zone\tAmerica/Chicago\n" + rows;
}

// The same in the present format: commune code and further names.
std::string small_file_2(const std::string& rows) {
    return "# vespera-gazetteer 2\n@land\tCH\tSchweiz\n@land\tUS\tVereinigte Staaten\n"
           "@zone\tEurope/Zurich\n@zone\tAmerica/Chicago\n" + rows;
}

TEST(PlaceSearch, AFurtherNameFindsThePlaceAfterOneWhoseOwnNameMatches) {
    vespera::GazetteerLoad load = vespera::parse_gazetteer(small_file_2(
        "Genf\tCH\tCH-GE\t183981\t46.2022\t6.1457\t0\t6621\tGenève|Geneva\n"
        "Geneva\tUS\t\t21806\t41.8875\t-88.3054\t1\t\t\n"), "Test");
    ASSERT_TRUE(load.gazetteer) << load.error;
    EXPECT_EQ(load.gazetteer->skipped_lines(), 0u);
    EXPECT_EQ(load.gazetteer->entry(0).commune_key, "6621");
    const vespera::PlaceSearch search(std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer)));
    struct Case { const char* query; std::vector<std::string> labels; const char* found_as; };
    const Case cases[] = {
        {"geneva", {"Geneva, Vereinigte Staaten", "Genf, Schweiz"}, ""},
        {"Geneve", {"Genf, Schweiz", "Geneva, Vereinigte Staaten"}, "Genève"}, // the latter a typo's guess
        // An own name's prefix beats a further name's; Genf comes once.
        {"genev", {"Geneva, Vereinigte Staaten", "Genf, Schweiz"}, ""},
    };
    for (const Case& c : cases) {
        const std::vector<Place> found = search.search(c.query, 10);
        std::vector<std::string> labels;
        for (const Place& place : found) labels.push_back(place.label);
        EXPECT_EQ(labels, c.labels) << c.query;
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found[0].found_as, c.found_as) << c.query;
    }
}

TEST(PlaceSearch, RanksExactBeforePrefixBeforeWordThenLargerPlaces) {
    vespera::GazetteerLoad load = vespera::parse_gazetteer(small_file(
        "Bergheim\tDE\tDE-NW\t60000\t50.95\t6.64\t0\n"
        "Berg\tDE\tDE-BY\t300\t47.97\t11.36\t0\n"
        "Alt Berg\tUS\t\t900000\t40.0\t-90.0\t1\n"
        "Berg\tDE\tDE-BY\t8000\t49.3\t11.2\t0\n"
        "Heidelberg\tDE\tDE-BW\t160000\t49.41\t8.69\t0\n"), "Test");
    ASSERT_TRUE(load.gazetteer) << load.error;
    const vespera::PlaceSearch search(std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer)));
    std::vector<Place> found = search.search("berg", 10);
    // Bern (CH), one letter off, is guessed after them.
    ASSERT_EQ(found.size(), 5u);
    EXPECT_TRUE(found[4].guessed && found[4].built_in) << found[4].label;
    found.pop_back();
    EXPECT_EQ(found[0].label, "Berg, Bayern (49,30° N, 11,20° O)");
    EXPECT_EQ(found[1].label, "Berg, Bayern (47,97° N, 11,36° O)");
    EXPECT_EQ(found[2].label, "Bergheim, Nordrhein-Westfalen");
    EXPECT_EQ(found[3].label, "Alt Berg, Vereinigte Staaten");
    EXPECT_EQ(found[3].zone, "America/Chicago");
    EXPECT_EQ(search.search("berg", 2).size(), 2u);
}

TEST(PlaceSearch, HostileFilesLoadTheirGoodRowsOrFailInGerman) {
    const std::string good = "Gut\tDE\tDE-BY\t100\t48.5\t12.1\t0\n";
    struct Case {
        const char* what;
        std::string content;
        std::size_t rows; // 0: no gazetteer, a German message instead
        std::size_t skipped;
        std::size_t aliases = 0; // further names kept: the good rows' only
    };
    // The present format: the commune code is digits, each further name is
    // printable UTF-8 and not empty.
    const std::string good_2 = "Gut\tCH\tCH-ZH\t100\t47.4\t8.5\t0\t261\tZurigo|Zurich\n";
    const Case cases[] = {
        {"good rows only", small_file(good), 1, 0},
        {"CRLF line ends", small_file("Gut\tDE\tDE-BY\t100\t48.5\t12.1\t0\r\n"), 1, 0},
        {"truncated in a row", small_file(good + "Halb\tDE\tDE-B"), 1, 1},
        {"NUL byte in a name", small_file(good + std::string("Nu\0ll\tDE\tDE-BY\t1\t48\t12\t0\n", 25)), 1, 1},
        {"broken UTF-8", small_file(good + "Bad\xC3\tDE\tDE-BY\t1\t48\t12\t0\n"), 1, 1},
        {"huge population", small_file(good + "Big\tDE\tDE-BY\t99999999999\t48\t12\t0\n"), 1, 1},
        {"latitude beyond the pole", small_file(good + "Far\tDE\tDE-BY\t1\t1e308\t12\t0\n"), 1, 1},
        {"longitude not a number", small_file(good + "Nan\tDE\tDE-BY\t1\t48\tnan\t0\n"), 1, 1},
        {"zone number out of range", small_file(good + "Zone\tDE\tDE-BY\t1\t48\t12\t70000\n"), 1, 1},
        {"missing columns", small_file(good + "Short\tDE\tDE-BY\t1\n"), 1, 1},
        {"extra column", small_file(good + "Long\tDE\tDE-BY\t1\t48\t12\t0\tx\n"), 1, 1},
        {"German place without region", small_file(good + "Nowhere\tDE\t\t1\t48\t12\t0\n"), 1, 1},
        {"region of another country", small_file(good + "Wrong\tDE\tAT-7\t1\t48\t12\t0\n"), 1, 1},
        {"zone leaving the zone folder",
         small_file("@zone\t../../etc/passwd\n" + good + "Evil\tDE\tDE-BY\t1\t48\t12\t2\n"), 1, 2},
        {"unknown table", small_file("@was\tx\n" + good), 1, 1},
        {"region that is not the country's", small_file(good + "Wrong\tDE\tLI\t1\t48\t12\t0\n"), 1, 1},
        {"unknown region abroad", small_file(good + "Far\tUS\tUS-TX\t1\t30\t-97\t1\n"), 1, 1},
        {"present format in a first-format file", small_file(good + "Neu\tDE\tDE-BY\t1\t48\t12\t0\t1\t\n"), 1, 1},
        {"present format", small_file_2(good_2), 1, 0, 2},
        {"no commune code or further name", small_file_2(good_2 + "Ohne\tCH\tCH-ZH\t1\t47\t8\t0\t\t\n"), 2, 0, 2},
        {"commune code with letters", small_file_2(good_2 + "Key\tCH\tCH-ZH\t1\t47\t8\t0\t26a\t\n"), 1, 1, 2},
        {"commune code too long", small_file_2(good_2 + "Key\tCH\tCH-ZH\t1\t47\t8\t0\t123456789\t\n"), 1, 1, 2},
        {"empty further name", small_file_2(good_2 + "Bar\tCH\tCH-ZH\t1\t47\t8\t0\t\ta||b\n"), 1, 1, 2},
        {"broken further name", small_file_2(good_2 + "Bad\tCH\tCH-ZH\t1\t47\t8\t0\t\tx\xC3\n"), 1, 1, 2},
        {"first-format row", small_file_2(good_2 + "Alt\tCH\tCH-ZH\t1\t47\t8\t0\n"), 1, 1, 2},
        {"extra column", small_file_2(good_2 + "Long\tCH\tCH-ZH\t1\t47\t8\t0\t\t\tx\n"), 1, 1, 2},
        {"no header", good, 0, 0},
        {"empty file", "", 0, 0},
        {"header only", small_file(""), 0, 0},
        {"binary noise", std::string("\x00\xFF\x7F\n\t\t\t", 7), 0, 0},
    };
    for (const Case& c : cases) {
        const vespera::GazetteerLoad load = vespera::parse_gazetteer(c.content, "test.tsv");
        if (c.rows == 0) {
            EXPECT_FALSE(load.gazetteer) << c.what;
            EXPECT_NE(load.error.find("Das Ortsverzeichnis „test.tsv“"), std::string::npos) << c.what << ": " << load.error;
            continue;
        }
        ASSERT_TRUE(load.gazetteer) << c.what << ": " << load.error;
        EXPECT_EQ(load.gazetteer->size(), c.rows) << c.what;
        EXPECT_EQ(load.gazetteer->skipped_lines(), c.skipped) << c.what;
        EXPECT_EQ(load.gazetteer->entry(0).name, "Gut") << c.what;
        EXPECT_EQ(load.gazetteer->alias_count(), c.aliases) << c.what;
    }
    const vespera::GazetteerLoad missing = vespera::load_gazetteer("/nonexistent/gazetteer.tsv");
    EXPECT_FALSE(missing.gazetteer);
    EXPECT_NE(missing.error.find("lässt sich nicht lesen"), std::string::npos) << missing.error;
}

TEST(NameFolding, FoldsAndLoosens) {
    struct Case { const char* name; const char* folded; const char* loose; };
    const Case cases[] = {
        {"München", "munchen", "munchen"},
        {"Muenchen", "muenchen", "munchen"},
        {"Gießen", "giessen", "giessen"},
        {"Frankfurt (Oder)", "frankfurt oder", "frankfurt oder"},
        {"St. Pölten", "st polten", "sankt polten"},
        {"Bernkastel-Kues", "bernkastel kues", "bernkastel kus"},
        {"Łódź", "lodz", "lodz"},
        {"Hà Nội", "ha noi", "ha noi"},
        {"  Biel/Bienne ", "biel bienne", "biel bienne"},
    };
    for (const Case& c : cases) {
        const std::string folded = vespera::fold_name(c.name);
        EXPECT_EQ(folded, c.folded) << c.name;
        EXPECT_EQ(vespera::loosen_folded_name(folded), c.loose) << c.name;
    }
}

TEST(Regions, CodesAndGermanNames) {
    EXPECT_EQ(vespera::regions().size(), 16u + 9u + 26u + 1u);
    struct Case { const char* code; const char* name; };
    const Case cases[] = {
        {"DE-BY", "Bayern"}, {"DE-NW", "Nordrhein-Westfalen"}, {"DE-TH", "Thüringen"}, {"AT-7", "Tirol"},
        {"AT-9", "Wien"},    {"CH-ZH", "Zürich"},              {"CH-VS", "Wallis"},    {"AT", "Österreich"},
        {"IT-32-BZ", "Südtirol"}, {"LI", "Liechtenstein"},     {"LU", "Luxemburg"},    {"IT", ""},
        {"DE-XX", ""},       {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(vespera::region_name(c.code), c.name) << c.code;
}

} // namespace

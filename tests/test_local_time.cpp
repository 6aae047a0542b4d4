// Local civil time of real places: every instant is shown with the offset in
// force at that instant, from the tz database (the zones of the city list).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/city_table.h"
#include "engine/date_math.h"
#include "engine_fixture.h"

namespace {

// Minutes after midnight of "hh:mm Uhr", -1 for anything else.
int minutes_of(const std::string& text) {
    if (text.size() < 5 || text[2] != ':') return -1;
    return std::stoi(text.substr(0, 2)) * 60 + std::stoi(text.substr(3, 2));
}

std::int32_t day_of(int year, int month, int day) {
    return static_cast<std::int32_t>(vespera::day_number(year, month, day));
}

struct PlaceDay {
    const char* place;
    const char* zone;
    double longitude_deg, latitude_deg;
    int year, month, day;
    const char* sunrise; // published local clock time
    const char* sunset;  // or nullptr
};

TEST(LocalTime, SunriseAndSunsetOnTheClocksOfRealZones) {
    // US Naval Observatory, rise and set tables (local zone time), ±2 min.
    const PlaceDay rows[] = {
        // New York the day before and the day of its clock change (EST, EDT).
        {"New York", "America/New_York", -74.0071182250977, 40.7145500183105, 2024, 3, 9, "06:16", "17:57"},
        {"New York", "America/New_York", -74.0071182250977, 40.7145500183105, 2024, 3, 10, "07:15", "18:58"},
        // Cape Town keeps UTC+2 all year.
        {"Kapstadt", "Africa/Johannesburg", 18.421989440918, -33.9190902709961, 2024, 1, 15, "05:50", "20:00"},
        // Moscow keeps UTC+3 since 2014.
        {"Moskau", "Europe/Moscow", 37.6149711608887, 55.756950378418, 2024, 7, 15, "04:07", nullptr},
        // Sydney the day after its change back to AEST (7 April 2024).
        {"Sydney", "Australia/Sydney", 151.2093, -33.8688, 2024, 4, 8, "06:12", nullptr},
    };
    for (const PlaceDay& r : rows) {
        EngineForTest t;
        t.cal.setLongitude(r.longitude_deg);
        t.cal.setLatitude(r.latitude_deg);
        t.cal.setZeitzone(r.zone);
        t.at(r.year, r.month, r.day);
        EXPECT_NEAR(minutes_of(t.cal.AufgangSonne()), minutes_of(r.sunrise), 2) << r.place << " " << r.day;
        if (r.sunset) {
            EXPECT_NEAR(minutes_of(t.cal.UntergangSonne()), minutes_of(r.sunset), 2) << r.place;
        }
        EXPECT_TRUE(t.faults.empty()) << r.place;
    }
}

TEST(LocalTime, PhasesShowTheOffsetOfTheirOwnInstant) {
    // Full moon of 29 September 1985 at 00:09 UT: the clocks in Berlin still
    // read summer time (it ended at 01:00 UT), so 02:09 MESZ, with the
    // German rules and with the tz database alike.
    for (const char* zone : {"", "Europe/Berlin"}) {
        EngineForTest t;
        t.in_berlin();
        t.cal.setZeitzone(zone);
        t.at(1985, 9, 29);
        ASSERT_TRUE(t.cal.IstVollmond(day_of(1985, 9, 29))) << zone;
        EXPECT_NEAR(minutes_of(t.cal.IstVollmond_Info(day_of(1985, 9, 29)).substr(3)), 2 * 60 + 9, 1) << zone;
    }
    // Full moon of 25 March 2024, 07:00 UT: 03:00 EDT in New York, two weeks
    // after the American change and a week before the German one.
    EngineForTest t;
    t.cal.setZeitzone("America/New_York");
    t.at(2024, 3, 25);
    ASSERT_TRUE(t.cal.IstVollmond(day_of(2024, 3, 25)));
    EXPECT_NEAR(minutes_of(t.cal.IstVollmond_Info(day_of(2024, 3, 25)).substr(3)), 3 * 60, 1);
}

TEST(LocalTime, MoonriseInTheHourThatOccursTwice) {
    // On the night summer time ends (01:00 UT), the local hour 02:00-03:00
    // occurs twice: a moonrise before 01:00 UT reads UT + 2 h, one after it
    // UT + 1 h. A UTC engine gives the instant.
    EngineForTest utc;
    utc.cal.setLongitude(13.2975);
    utc.cal.setLatitude(52.5222222222222);
    utc.cal.setZeitzone("Etc/UTC");
    EngineForTest berlin;
    berlin.in_berlin();
    berlin.cal.setZeitzone("Europe/Berlin");
    int checked = 0;
    // Every fall-back day of 2000..2040 whose moonrise falls between 00:00
    // and 02:00 UT: both occurrences of the local hour 02:00-03:00.
    for (int year = 2000; year <= 2040; ++year) {
        berlin.at(year, 1, 1);
        std::int32_t end_day = 0;
        for (int d = 24; d <= 31; ++d) {
            if (berlin.cal.IstWinterzeitDatum(day_of(year, 10, d))) end_day = d;
        }
        ASSERT_NE(end_day, 0) << year;
        utc.at(year, 10, end_day);
        const int rise_ut = minutes_of(utc.cal.AufgangMond());
        if (rise_ut < 0 || rise_ut >= 120) continue;
        berlin.at(year, 10, end_day);
        const int expected = rise_ut < 60 ? rise_ut + 120 : rise_ut + 60;
        EXPECT_NEAR(minutes_of(berlin.cal.AufgangMond()), expected, 1) << year;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(LocalTime, ZonesWithoutSummerTimeHaveNoClockChanges) {
    for (const char* zone : {"Africa/Johannesburg", "Europe/Moscow", "Asia/Tokyo"}) {
        EngineForTest t;
        t.cal.setZeitzone(zone);
        t.at(2024, 6, 1);
        EXPECT_EQ(t.cal.Sommerzeit_Datum(), "keine Zeitumstellung") << zone;
        EXPECT_EQ(t.cal.Winterzeit_Datum(), "keine Zeitumstellung") << zone;
        EXPECT_FALSE(t.cal.IstSommerzeit()) << zone;
    }
    // New York changes on its own Sundays, not on the German ones.
    EngineForTest ny;
    ny.cal.setZeitzone("America/New_York");
    ny.at(2024, 6, 1);
    EXPECT_EQ(ny.cal.Sommerzeit_Datum(), "10.3.2024, So (für 238 Tage)");
    EXPECT_EQ(ny.cal.Winterzeit_Datum(), "3.11.2024, So");
    // Sydney's summer spans the turn of the year.
    EngineForTest sydney;
    sydney.cal.setZeitzone("Australia/Sydney");
    sydney.at(2024, 1, 15);
    EXPECT_TRUE(sydney.cal.IstSommerzeit());
    sydney.cal.setMonat(6);
    EXPECT_FALSE(sydney.cal.IstSommerzeit());
    EXPECT_EQ(sydney.cal.Sommerzeit_Datum(), "6.10.2024, So (für 182 Tage)");
}

TEST(LocalTime, SummerTimeAtAnInstant) {
    EngineForTest t;
    t.cal.setZeitzone("Europe/Berlin");
    const double change = vespera::day_number(2024, 3, 31) - 0.5 + 1.0 / 24.0; // 01:00 UT
    EXPECT_FALSE(t.cal.IstSommerzeitUm(change - 1e-4));
    EXPECT_TRUE(t.cal.IstSommerzeitUm(change + 1e-4));
}

TEST(LocalTime, AnUnknownZoneIsRefusedAndChangesNothing) {
    EngineForTest t;
    t.cal.setZeitzone("Europe/Berlin");
    t.at(2024, 3, 31);
    const std::string before = t.cal.AufgangMond();
    t.cal.setZeitzone("Europe/Atlantis");
    ASSERT_EQ(t.faults.size(), 1u);
    EXPECT_EQ(t.faults[0].rfind("Error 5 (Invalid procedure call or argument)", 0), 0u) << t.faults[0];
    EXPECT_NE(t.faults[0].find("procedure setZeitzone"), std::string::npos);
    EXPECT_EQ(t.cal.Zeitzone(), "Europe/Berlin");
    EXPECT_EQ(t.cal.AufgangMond(), before);
}

// FNV-1a of the eight rise and set texts of every day of 2024 but the two
// changeover days, per German city of the list, as the engine gave them with
// the German rules before the tz database came in (79 rows). The changeover
// days changed on purpose: an event before the change takes the offset in
// force then.
struct CityHash {
    const char* name;
    std::uint64_t hash;
};
constexpr CityHash kGermanCities2024[] = {
    {"Aachen", 0x26760bc56bae5719ull},
    {"Augsburg", 0xbfc26debfcf87079ull},
    {"Bamberg", 0x5197101b89dee9b2ull},
    {"Bayreuth", 0xab573919e896f0f4ull},
    {"Berlin", 0x69cdbe4e69c83ea1ull},
    {"Bielefeld", 0xee861bca3d4187d5ull},
    {"Bochum", 0xc7680bd87b12ba68ull},
    {"Bonn", 0x462486147bd94b27ull},
    {"Braunschweig", 0x6d9c578fb713f749ull},
    {"Bremen", 0x670dcc14e968f985ull},
    {"Chemnitz", 0x1e4f38f9ef7fca91ull},
    {"Clausthal-Zellerfeld", 0x76cc0e9e599aa011ull},
    {"Cottbus", 0x8148cecbe624064eull},
    {"Darmstadt", 0xe1cdb26a5748b96dull},
    {"Dortmund", 0x1707a084a43e8883ull},
    {"Dresden", 0xc071083158cff676ull},
    {"Düsseldorf", 0xa5d95d7440a1cb61ull},
    {"Duisburg", 0x57d0a97578b68de7ull},
    {"Eichstätt", 0xb3e30efddea25c00ull},
    {"Erfurt", 0x830eea8268be59ffull},
    {"Ergolding", 0x6ccc0c1b5d815ed6ull},
    {"Essen", 0x28240e65774476acull},
    {"Flensburg", 0x5f39153e5a746fb6ull},
    {"Frankfurt/Main", 0x0c63f3c3a2dd8393ull},
    {"Frankfurt/Oder", 0xafc318cf07ed9674ull},
    {"Freiburg", 0x7491935375d036f0ull},
    {"Gera", 0xcf28acbad07ee217ull},
    {"Giessen", 0xd1f411d27f431e96ull},
    {"Göttingen", 0x78d8b3f5cefaf71cull},
    {"Hagen", 0x20f85c2eed16518bull},
    {"Halle", 0x27d2b34309bfe46eull},
    {"Hamburg", 0xf10cdc376147d0a4ull},
    {"Hannover", 0x241186084ba9baadull},
    {"Heidelberg", 0x4b93d37243b66b79ull},
    {"Heilbronn", 0x742a31e390516efeull},
    {"Hildesheim", 0xcfe1ef33416ac99cull},
    {"Ilmenau", 0xfd79f716e78bd27dull},
    {"Jena", 0x81a438a803a22fe0ull},
    {"Jülich", 0xf1464f86969b0b0cull},
    {"Kaiserslautern", 0xea0cf1c28ef7f437ull},
    {"Karlsruhe", 0x95bfe2e9c89ec99dull},
    {"Kassel", 0x0a30fa0abaaed8d7ull},
    {"Kiel", 0x7afb958170a732bfull},
    {"Koblenz", 0xd8b643dcdd42ca73ull},
    {"Köln", 0xe68fa19d33cfe95aull},
    {"Konstanz", 0xe8037fe740a5dfa6ull},
    {"Landau/Pfalz", 0x9518ede1663df9bcull},
    {"Leipzig", 0x96f7d3239946f8ffull},
    {"Ludwigsburg", 0xa30032aec738225dull},
    {"Ludwigshafen", 0x339fbeb978612c31ull},
    {"Lübeck", 0xb87a023e5c07ee4eull},
    {"Lüneburg", 0x403c29da53c4031bull},
    {"Magdeburg", 0x75db629ff61e21fdull},
    {"Mainz", 0xda0aabe64cf52e54ull},
    {"Mannheim", 0x7be8098127ee2526ull},
    {"München", 0xcf4585751dafae2eull},
    {"Nürnberg", 0x2bbd407a7528c5a2ull},
    {"Oldenburg", 0xcfd180d6a097cea6ull},
    {"Osnabrück", 0xe4cf17a71f09d493ull},
    {"Paderborn", 0x75412f71f4d09708ull},
    {"Passau", 0x816ff8141c2f2d74ull},
    {"Pforzheim", 0x5a4d0c5e06a6f9d1ull},
    {"Regensburg", 0x8da47f757f375412ull},
    {"Reutlingen", 0x4713590398a9c5f6ull},
    {"Rostock", 0xe0f90ef4f4e281f4ull},
    {"Saarbrücken", 0x6cde0698e2707c43ull},
    {"Siegen", 0x0651f6005fb0d7c5ull},
    {"Stuttgart", 0x3be3628e9a45308eull},
    {"Trier", 0x42d3e09cd7314086ull},
    {"Tübingen", 0x1609587eb8dd6062ull},
    {"Ulm", 0xbd3a652900b36bb8ull},
    {"Weimar", 0x3ac2329828dca3f1ull},
    {"Wiesbaden", 0xe4b14b45f79969b4ull},
    {"Wilhelmshaven", 0x3d14fc301a76e9a6ull},
    {"Wolfenbüttel", 0xefbfaab2eb777d3eull},
    {"Worms", 0x95277ddcddedb652ull},
    {"Würzburg", 0x10b4da7f59883796ull},
    {"Wuppertal", 0x76a18d605ed503ebull},
    {"Zwickau", 0xe2bab1fc14c300b0ull},
};

TEST(LocalTime, GermanCitiesKeepTheirTimesOf2024) {
    for (const CityHash& expected : kGermanCities2024) {
        const vespera::City* city = vespera::find_city(expected.name);
        ASSERT_NE(city, nullptr) << expected.name;
        EngineForTest t;
        t.cal.setLongitude(city->longitude_deg);
        t.cal.setLatitude(city->latitude_deg);
        t.cal.setZeitzone(std::string(city->zone));
        t.at(2024, 1, 1);
        std::uint64_t hash = 0xcbf29ce484222325ull;
        for (int day = 1; day <= 366; ++day) {
            if (day == 91 || day == 301) continue; // 31 March and 27 October
            t.cal.TagesZahl_Setzen(day);
            const std::string line = t.cal.AufgangSonne() + "\t" + t.cal.UntergangSonne() + "\t" +
                                     t.cal.DaemmerungAnfang() + "\t" + t.cal.DaemmerungEnde() + "\t" +
                                     t.cal.Kulmination_Sonne() + "\t" + t.cal.Tageslaenge() + "\t" +
                                     t.cal.AufgangMond() + "\t" + t.cal.UntergangMond() + "\n";
            for (const char c : line) {
                hash ^= static_cast<unsigned char>(c);
                hash *= 0x100000001b3ull;
            }
        }
        EXPECT_EQ(hash, expected.hash) << expected.name;
        EXPECT_TRUE(t.faults.empty()) << expected.name;
    }
}

} // namespace

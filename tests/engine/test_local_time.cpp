// Local civil time of real places: every instant is shown with the offset in
// force at that instant, from the tz database (the zones of the city list).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "places/city_table.h"
#include "base/date_math.h"
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
// the German rules before the tz database came in (79 rows, with the
// coordinates they had then). The changeover
// days changed on purpose: an event before the change takes the offset in
// force then. So did 21 moonrise and moonset texts between 23:59:30 and
// midnight, which read "24:00 Uhr" and now read "23:59 Uhr" (day of the year):
// Braunschweig 227, Bremen 227 285, Clausthal-Zellerfeld 193, Dresden 343,
// Frankfurt/Main 89, Gera 146, Halle 117 227, Heidelberg 117, Lüneburg 193,
// Magdeburg 45, Pforzheim 146 160, Reutlingen 45, Rostock 194, Siegen 256,
// Wilhelmshaven 285, Würzburg 256 298, Zwickau 285.
struct CityHash {
    const char* name;
    double longitude_deg, latitude_deg; // the rows as they were then
    std::uint64_t hash;
};
constexpr CityHash kGermanCities2024[] = {
    {"Aachen", 6.08444444444444, 50.7761111111111, 0x26760bc56bae5719ull},
    {"Augsburg", 10.9, 48.3722222222222, 0xbfc26debfcf87079ull},
    {"Bamberg", 10.8888888888889, 49.8916666666667, 0x5197101b89dee9b2ull},
    {"Bayreuth", 11.5777777777778, 49.9444444444444, 0xab573919e896f0f4ull},
    {"Berlin", 13.2975, 52.5222222222222, 0x69cdbe4e69c83ea1ull},
    {"Bielefeld", 8.53305555555556, 52.0225, 0xee861bca3d4187d5ull},
    {"Bochum", 7.22138888888889, 51.4836111111111, 0xc7680bd87b12ba68ull},
    {"Bonn", 7.10055555555556, 50.7347222222222, 0x462486147bd94b27ull},
    {"Braunschweig", 10.5211111111111, 52.2691666666667, 0x752e2445e454d21aull},
    {"Bremen", 8.80972222222222, 53.0769444444445, 0x33d7c4fa9849dc75ull},
    {"Chemnitz", 12.9222222222222, 50.8361111111111, 0x1e4f38f9ef7fca91ull},
    {"Clausthal-Zellerfeld", 10.335, 51.8055555555556, 0xf662e40f89abffd6ull},
    {"Cottbus", 14.3352777777778, 51.7591666666667, 0x8148cecbe624064eull},
    {"Darmstadt", 8.65416666666667, 49.8719444444444, 0xe1cdb26a5748b96dull},
    {"Dortmund", 7.46833333333333, 51.5161111111111, 0x1707a084a43e8883ull},
    {"Dresden", 13.7388888888889, 51.0541666666667, 0x84914830be33559dull},
    {"Düsseldorf", 6.78305555555556, 51.2255555555556, 0xa5d95d7440a1cb61ull},
    {"Duisburg", 6.76194444444444, 51.4380555555556, 0x57d0a97578b68de7ull},
    {"Eichstätt", 11.1916666666667, 48.8916666666667, 0xb3e30efddea25c00ull},
    {"Erfurt", 11.025, 50.9772222222222, 0x830eea8268be59ffull},
    {"Ergolding", 12.15, 48.55, 0x6ccc0c1b5d815ed6ull},
    {"Essen", 7.01055555555556, 51.4569444444444, 0x28240e65774476acull},
    {"Flensburg", 9.43666666666667, 54.7847222222222, 0x5f39153e5a746fb6ull},
    {"Frankfurt/Main", 8.68194444444444, 50.1122222222222, 0x8423999c0093046eull},
    {"Frankfurt/Oder", 14.5561111111111, 52.3444444444444, 0xafc318cf07ed9674ull},
    {"Freiburg", 7.85305555555555, 47.9966666666667, 0x7491935375d036f0ull},
    {"Gera", 12.0827777777778, 50.8822222222222, 0xa1e77dd5ef083b02ull},
    {"Giessen", 8.67527777777778, 50.5886111111111, 0xd1f411d27f431e96ull},
    {"Göttingen", 9.94416666666667, 51.53, 0x78d8b3f5cefaf71cull},
    {"Hagen", 7.465, 51.3636111111111, 0x20f85c2eed16518bull},
    {"Halle", 11.9711111111111, 51.4841666666667, 0x1c3f5635627cc0b8ull},
    {"Hamburg", 9.99194444444444, 53.5491666666667, 0xf10cdc376147d0a4ull},
    {"Hannover", 9.74027777777778, 52.3708333333333, 0x241186084ba9baadull},
    {"Heidelberg", 8.70277777777778, 49.4119444444444, 0x193b948ef69e21a0ull},
    {"Heilbronn", 9.22, 49.1427777777778, 0x742a31e390516efeull},
    {"Hildesheim", 9.945, 52.1541666666667, 0xcfe1ef33416ac99cull},
    {"Ilmenau", 10.9163888888889, 50.6969444444444, 0xfd79f716e78bd27dull},
    {"Jena", 11.5891666666667, 50.9302777777778, 0x81a438a803a22fe0ull},
    {"Jülich", 6.35944444444444, 50.9230555555556, 0xf1464f86969b0b0cull},
    {"Kaiserslautern", 7.77222222222222, 49.4444444444444, 0xea0cf1c28ef7f437ull},
    {"Karlsruhe", 8.40555555555556, 49.0055555555556, 0x95bfe2e9c89ec99dull},
    {"Kassel", 9.50222222222222, 51.3183333333333, 0x0a30fa0abaaed8d7ull},
    {"Kiel", 10.145, 54.3261111111111, 0x7afb958170a732bfull},
    {"Koblenz", 7.59666666666667, 50.3619444444444, 0xd8b643dcdd42ca73ull},
    {"Köln", 6.9583, 50.9413, 0xe68fa19d33cfe95aull},
    {"Konstanz", 9.17583333333333, 47.6597222222222, 0xe8037fe740a5dfa6ull},
    {"Landau/Pfalz", 8.11666666666667, 49.1972222222222, 0x9518ede1663df9bcull},
    {"Leipzig", 12.3738888888889, 51.3377777777778, 0x96f7d3239946f8ffull},
    {"Ludwigsburg", 9.19194444444445, 48.8986111111111, 0xa30032aec738225dull},
    {"Ludwigshafen", 8.44444444444444, 49.4805555555556, 0x339fbeb978612c31ull},
    {"Lübeck", 10.6861111111111, 53.8694444444444, 0xb87a023e5c07ee4eull},
    {"Lüneburg", 10.4138888888889, 53.2491666666667, 0x9d90f7502516c800ull},
    {"Magdeburg", 11.6355555555556, 52.1263888888889, 0xe246765042879a3eull},
    {"Mainz", 8.26944444444445, 49.9966666666667, 0xda0aabe64cf52e54ull},
    {"Mannheim", 8.46722222222222, 49.4830555555556, 0x7be8098127ee2526ull},
    {"München", 11.7875, 48.3547222222222, 0xcf4585751dafae2eull},
    {"Nürnberg", 11.0830555555556, 49.45, 0x2bbd407a7528c5a2ull},
    {"Oldenburg", 8.2175, 53.1391666666667, 0xcfd180d6a097cea6ull},
    {"Osnabrück", 8.04555555555556, 52.2788888888889, 0xe4cf17a71f09d493ull},
    {"Paderborn", 8.75638888888889, 51.7202777777778, 0x75412f71f4d09708ull},
    {"Passau", 13.4694444444444, 48.575, 0x816ff8141c2f2d74ull},
    {"Pforzheim", 8.70416666666667, 48.8933333333333, 0x10b8559029c2bf4bull},
    {"Regensburg", 12.1, 49.0194444444444, 0x8da47f757f375412ull},
    {"Reutlingen", 9.21444444444444, 48.4922222222222, 0x64f0a4358bc88429ull},
    {"Rostock", 12.1336111111111, 54.0897222222222, 0xa9a03921fd22b257ull},
    {"Saarbrücken", 6.99222222222222, 49.2322222222222, 0x6cde0698e2707c43ull},
    {"Siegen", 8.02722222222222, 50.8761111111111, 0xf0cb793ef57abe92ull},
    {"Stuttgart", 9.17888888888889, 48.7775, 0x3be3628e9a45308eull},
    {"Trier", 6.64388888888889, 49.7572222222222, 0x42d3e09cd7314086ull},
    {"Tübingen", 9.05666666666667, 48.5208333333333, 0x1609587eb8dd6062ull},
    {"Ulm", 9.99305555555556, 48.3994444444444, 0xbd3a652900b36bb8ull},
    {"Weimar", 11.3333333333333, 50.9813888888889, 0x3ac2329828dca3f1ull},
    {"Wiesbaden", 8.24583333333333, 50.0402777777778, 0xe4b14b45f79969b4ull},
    {"Wilhelmshaven", 8.12222222222222, 53.5188888888889, 0xc57d2a374ae0d009ull},
    {"Wolfenbüttel", 10.5383333333333, 52.1633333333333, 0xefbfaab2eb777d3eull},
    {"Worms", 8.3625, 49.6313888888889, 0x95277ddcddedb652ull},
    {"Würzburg", 9.93333333333333, 49.7944444444444, 0xce43a8b7e29cf6c8ull},
    {"Wuppertal", 7.14305555555556, 51.2638888888889, 0x76a18d605ed503ebull},
    {"Zwickau", 12.2130555555556, 50.7191666666667, 0xafacf6440b538dd7ull},
};

TEST(LocalTime, GermanCitiesKeepTheirTimesOf2024) {
    for (const CityHash& expected : kGermanCities2024) {
        const vespera::City* city = vespera::find_city(expected.name);
        ASSERT_NE(city, nullptr) << expected.name;
        EngineForTest t;
        t.cal.setLongitude(expected.longitude_deg);
        t.cal.setLatitude(expected.latitude_deg);
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

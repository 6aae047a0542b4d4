#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "places/city_table.h"
#include "places/custom_place.h"

namespace {

using vespera::CoordinateAxis;

TEST(CustomPlace, CoordinatesAsPeopleTypeThem) {
    constexpr auto lat = CoordinateAxis::latitude;
    constexpr auto lon = CoordinateAxis::longitude;
    struct Case { const char* text; CoordinateAxis axis; std::optional<double> degrees; };
    const Case cases[] = {
        {"48,5372", lat, 48.5372},   {"48.5372", lat, 48.5372},    {"  -33,92 ", lat, -33.92},
        {"+7", lon, 7.0},            {",5", lon, 0.5},             {"12.", lon, 12.0},
        {"48,54° N", lat, 48.54},    {"33,92 s", lat, -33.92},     {"12,15 O", lon, 12.15},
        {"12.15E", lon, 12.15},      {"3,7 W", lon, -3.7},         {"90", lat, 90.0},
        {"-180", lon, -180.0},       {"180,0", lon, 180.0},
        // As the settings store writes a small value: leading zeros are no digits of precision.
        {"0,000005000053570456", lat, 0.000005000053570456},
        // Refused: beyond the globe, not decimal degrees, or saying it twice.
        {"90,0001", lat, std::nullopt}, {"-180.5", lon, std::nullopt}, {"1e300", lat, std::nullopt},
        {"1e2", lon, std::nullopt},     {"inf", lat, std::nullopt},    {"nan", lat, std::nullopt},
        {"0x10", lon, std::nullopt},    {"48,5,3", lat, std::nullopt}, {"48 30", lat, std::nullopt},
        {"-48 S", lat, std::nullopt},   {"12 O", lat, std::nullopt},   {"48 N", lon, std::nullopt},
        {"", lat, std::nullopt},        {" ", lon, std::nullopt},      {"-", lat, std::nullopt},
        {",", lat, std::nullopt},       {"°", lat, std::nullopt},      {"N", lat, std::nullopt},
        {"1234567890123456789", lon, std::nullopt},
    };
    for (const Case& c : cases) {
        const vespera::CoordinateRead read = vespera::read_coordinate(c.text, c.axis);
        if (c.degrees) {
            ASSERT_TRUE(read.degrees.has_value()) << c.text << ": " << read.error;
            EXPECT_DOUBLE_EQ(*read.degrees, *c.degrees) << c.text;
            EXPECT_TRUE(read.error.empty()) << c.text;
        } else {
            EXPECT_FALSE(read.degrees.has_value()) << c.text;
            EXPECT_FALSE(read.error.empty()) << c.text;
        }
    }
}

TEST(CustomPlace, SoundPlaceOrTheFirstFault) {
    const vespera::CustomPlaceCheck sound =
        vespera::check_custom_place({"  Hütte am Hang ", "-33.9", "18,4 O", "Africa/Johannesburg"});
    ASSERT_TRUE(sound.place.has_value()) << sound.error;
    EXPECT_EQ(sound.place->name, "Hütte am Hang");
    EXPECT_DOUBLE_EQ(sound.place->latitude_deg, -33.9);
    EXPECT_DOUBLE_EQ(sound.place->longitude_deg, 18.4);
    EXPECT_EQ(sound.place->zone, "Africa/Johannesburg");
    EXPECT_TRUE(sound.place->region.empty());
    EXPECT_FALSE(sound.place->built_in);

    struct Case { const char* name; const char* latitude; const char* longitude; const char* zone; const char* fault; };
    const Case cases[] = {
        {"", "48", "12", "Europe/Berlin", "Bitte einen Namen für den Ort eingeben."},
        // A list text, now or before, would give the list's row at the next start.
        {"Berlin", "48", "12", "Europe/Berlin", "„Berlin“ ist ein Ort der Liste; bitte einen anderen Namen wählen."},
        {"Cape Town (SA)", "48", "12", "Europe/Berlin",
         "„Cape Town (SA)“ ist ein Ort der Liste; bitte einen anderen Namen wählen."},
        {"Tab\there", "48", "12", "Europe/Berlin", "Der Name enthält Steuerzeichen oder ungültige Zeichen."},
        {"\xC3", "48", "12", "Europe/Berlin", "Der Name enthält Steuerzeichen oder ungültige Zeichen."},
        {"x", "95", "12", "Europe/Berlin", "Die Breite muss zwischen -90 und 90 Grad liegen (Süden negativ)."},
        {"x", "48", "", "Europe/Berlin", "Bitte die geographische Länge eingeben."},
        {"x", "48", "12", "", "Bitte eine Zeitzone wählen."},
        {"x", "48", "12", "Europe/Atlantis", "Die Zeitzone „Europe/Atlantis“ steht nicht in der Zeitzonen-Datenbank."},
    };
    for (const Case& c : cases) {
        const vespera::CustomPlaceCheck check = vespera::check_custom_place({c.name, c.latitude, c.longitude, c.zone});
        EXPECT_FALSE(check.place.has_value()) << c.name;
        EXPECT_EQ(check.error, c.fault) << c.name;
    }
    const std::string long_name(vespera::kMaxPlaceNameCharacters + 1, 'a');
    EXPECT_FALSE(vespera::check_custom_place({long_name, "1", "1", "Europe/Berlin"}).place);
    // Counted in characters, not bytes: 60 times "ü" is a name.
    std::string umlauts;
    for (std::size_t i = 0; i < vespera::kMaxPlaceNameCharacters; ++i) umlauts += "ü";
    EXPECT_TRUE(vespera::check_custom_place({umlauts, "1", "1", "Europe/Berlin"}).place);
}

TEST(CityTable, RenamedEntriesStillFoundByTheirStoredNames) {
    struct Case { const char* stored; const char* city; };
    const Case cases[] = {
        {"Prag (Cs)", "Prag (Cz)"}, {"Cape Town (SA)", "Kapstadt (SA)"}, {"Madrid (E) ", "Madrid (E)"},
        {"Kapstadt (SA)", "Kapstadt (SA)"}, {"Wien", "Wien"}, {"Wien (A)", "Wien (A)"},
    };
    for (const Case& c : cases) {
        const vespera::City* city = vespera::find_stored_city(c.stored);
        ASSERT_NE(city, nullptr) << c.stored;
        EXPECT_EQ(city->name, c.city);
    }
    // The list shows only the present names, and no name with outer blanks.
    for (const vespera::City& city : vespera::cities()) {
        EXPECT_NE(city.name.front(), ' ');
        EXPECT_NE(city.name.back(), ' ') << city.name;
    }
    EXPECT_EQ(vespera::find_city("Cape Town (SA)"), nullptr);
    EXPECT_EQ(vespera::find_stored_city("Madrid (E)  "), nullptr);
    EXPECT_EQ(vespera::find_stored_city("prag (cs)"), nullptr);
}

} // namespace

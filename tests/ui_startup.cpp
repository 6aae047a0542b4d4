#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "window_fixture.h"

namespace {

TEST(Startup, EmptyStoreSelectsBerlinWithTheTableRow) {
    WindowForTest t;
    frmKalender& w = t.start();
    EXPECT_EQ(t.find<QComboBox>("cmbOrt")->currentText(), "Berlin");
    // The 101 cities, a separator and "Eigener Ort …".
    EXPECT_EQ(t.find<QComboBox>("cmbOrt")->count(), 103);
    EXPECT_EQ(t.find<QComboBox>("cmbOrt")->itemText(102), QString::fromUtf8("Eigener Ort …"));
    EXPECT_DOUBLE_EQ(w.engine().Longitude(), 13.2975);
    EXPECT_DOUBLE_EQ(w.engine().Latitude(), 52.5222222222222);
    EXPECT_EQ(w.engine().Zeitzone_Offset(), 1.0f);
    EXPECT_EQ(w.engine().Kalender(), 1);
    EXPECT_EQ(w.engine().Format_Datum(0), "3.5.2024");
    EXPECT_EQ(t.find<QLabel>("lblMonat")->text(), "Mai");
    EXPECT_EQ(t.find<QLineEdit>("txtJahr")->text(), "2024");
    EXPECT_EQ(w.windowTitle(), "Vespera 1.0");
    EXPECT_EQ(t.find<QLabel>("Label6")->text(), "Version: 1.0.0");
    EXPECT_FALSE(t.find<QLabel>("Label5")->text().isEmpty());
    EXPECT_TRUE(w.isLoaded());
    // Starting never writes the store.
    EXPECT_FALSE(QFile::exists(t.settingsPath()));
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(Startup, CityTableNamesAndMendedRows) {
    WindowForTest t;
    t.start();
    auto* list = t.find<QComboBox>("cmbOrt");
    EXPECT_EQ(list->itemText(0), "Aachen");
    EXPECT_EQ(list->itemText(77), "Wien");
    EXPECT_EQ(list->itemText(85), "Wien (A)");
    EXPECT_EQ(list->itemText(91), "Madrid (E)");
    EXPECT_EQ(list->itemText(99), "Prag (Cz)");
    EXPECT_EQ(list->itemText(100), "Kapstadt (SA)");
    EXPECT_EQ(list->itemText(16), QString::fromUtf8("Düsseldorf"));
}

TEST(Startup, ChoosingACityStoresPlaceButNotTheOffset) {
    WindowForTest t;
    frmKalender& w = t.start();
    auto* list = t.find<QComboBox>("cmbOrt");
    list->setCurrentIndex(list->findText("London (GB)"));
    EXPECT_DOUBLE_EQ(w.engine().Longitude(), -0.127140000462532);
    EXPECT_EQ(w.engine().Zeitzone_Offset(), 0.0f);
    QSettings stored(t.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Settings/ort").toString(), "London (GB)");
    EXPECT_EQ(stored.value("Settings/lon").toString(), "-0,127140000462532");
    EXPECT_EQ(stored.value("Settings/lat").toString(), "51,5063209533691");
    EXPECT_FALSE(stored.contains("Settings/zz"));

    // After a restart the offset comes from the table row again.
    t.window.reset();
    frmKalender& again = t.start();
    EXPECT_EQ(t.find<QComboBox>("cmbOrt")->currentText(), "London (GB)");
    EXPECT_EQ(again.engine().Zeitzone_Offset(), 0.0f);
    EXPECT_DOUBLE_EQ(again.engine().Latitude(), 51.5063209533691);
}

TEST(Startup, SouthernCitySurvivesARestart) {
    WindowForTest t;
    t.start();
    auto* list = t.find<QComboBox>("cmbOrt");
    list->setCurrentIndex(list->findText("Kapstadt (SA)"));
    EXPECT_DOUBLE_EQ(t.window->engine().Latitude(), -33.9190902709961);
    EXPECT_EQ(t.window->engine().Zeitzone_Offset(), 1.0f);
    t.window.reset();
    t.start();
    EXPECT_EQ(t.find<QComboBox>("cmbOrt")->currentText(), "Kapstadt (SA)");
    EXPECT_DOUBLE_EQ(t.window->engine().Latitude(), -33.9190902709961);
}

struct DamagedStoreCase {
    const char* what;
    const char* lon;
    const char* lat;
    const char* zz;
    const char* ort;
    double expected_lon, expected_lat;
    float expected_offset;
};

TEST(Startup, DamagedOrForeignStoreNeverStopsTheProgram) {
    const DamagedStoreCase cases[] = {
        // A listed city wins over stored coordinates.
        {"listed city", "1,5", "2,5", "7", "Köln", 6.9583, 50.9413, 1.0f},
        // An unknown city keeps the stored place, with comma or point.
        {"unknown city", "10,25", "50.5", "2", "Atlantis", 10.25, 50.5, 2.0f},
        // Values that are not numbers fall back to the key's default.
        {"not numbers", "abc", "", "x", "Atlantis", 13.3769798278809, 52.5160713195801, 1.0f},
        // Numbers beyond a longitude, a latitude or a day's offset are as
        // damaged; 1e300 hours once overflowed the year's tables at start.
        {"beyond range", "1e300", "-90,5", "1e300", "Atlantis", 13.3769798278809, 52.5160713195801, 1.0f},
        {"range limits", "-180", "90", "-24", "Atlantis", -180.0, 90.0, -24.0f},
    };
    for (const auto& c : cases) {
        WindowForTest t;
        t.store("lon", QString::fromUtf8(c.lon));
        t.store("lat", QString::fromUtf8(c.lat));
        t.store("zz", QString::fromUtf8(c.zz));
        t.store("ort", QString::fromUtf8(c.ort));
        frmKalender& w = t.start();
        EXPECT_DOUBLE_EQ(w.engine().Longitude(), c.expected_lon) << c.what;
        EXPECT_DOUBLE_EQ(w.engine().Latitude(), c.expected_lat) << c.what;
        EXPECT_EQ(w.engine().Zeitzone_Offset(), c.expected_offset) << c.what;
        EXPECT_TRUE(t.messages.isEmpty()) << c.what;
    }
}

TEST(Startup, BinaryGarbageInTheStore) {
    WindowForTest t;
    QDir().mkpath(t.config.path() + "/VesperaApp");
    QFile file(t.settingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 131 + 7) % 256));
    file.write(garbage);
    file.close();
    frmKalender& w = t.start();
    EXPECT_TRUE(w.isLoaded());
    EXPECT_EQ(t.find<QComboBox>("cmbOrt")->currentText(), "Berlin");
    EXPECT_DOUBLE_EQ(w.engine().Longitude(), 13.2975);
}

} // namespace

namespace {

TEST(Startup, EngineFaultsReachTheUserAsOneMessage) {
    WindowForTest t;
    frmKalender& w = t.start();
    w.engine().setTag(2147483647);
    ASSERT_EQ(t.messages.size(), 1);
    EXPECT_TRUE(t.messages[0].startsWith("Error 6 (Overflow), line "));
    EXPECT_TRUE(t.messages[0].endsWith("  in procedure Tag of Klassenmodul clsCalendar"));
    EXPECT_EQ(w.engine().Format_Datum(0), "3.5.2024");
}

} // namespace

// The window shows "now" on the chosen place's clock and keeps the place's
// zone with it.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <gtest/gtest.h>

#include "base/date_math.h"
#include "ephemeris/sun.h"
#include "window_fixture.h"

namespace {

void choose(WindowForTest& t, const char* city) {
    auto* list = t.find<QComboBox>("cmbOrt");
    list->setCurrentIndex(list->findText(QString::fromUtf8(city)));
}

double altitude_of(const QString& text) {
    return QString(text).section(QChar(0xB0), 0, 0).replace(',', '.').toDouble();
}

TEST(PlaceTime, NowIsAnInstantShownOnThePlacesClock) {
    WindowForTest t;
    // 14:15:02 in Berlin is 08:15:02 in New York (both on summer time).
    t.start();
    choose(t, "New York (USA)");
    t.window->Timer1_Timer();
    EXPECT_EQ(t.find<QLabel>("lblZeit")->text(), "08:15:02");
    EXPECT_TRUE(t.find<QLabel>("lblZeit")->toolTip().contains("Ortszeit New York"));

    // The live altitude is New York's Sun at that instant, not Berlin's.
    t.find<QCheckBox>("Check1")->setChecked(true);
    t.window->Timer1_Timer();
    const double jd_ut = t.now.toMSecsSinceEpoch() / 86400000.0 + 2440587.5;
    const double expected = vespera::sun_altitude_deg(jd_ut, t.window->engine().Longitude(),
                                                      t.window->engine().Latitude());
    EXPECT_NEAR(altitude_of(t.valueOf(QString::fromUtf8("Sonnenhöhe"))), expected, 1e-3);

    // At 01:30 in Berlin it is still yesterday in New York: "Heute" follows the place.
    t.now = berlin_time(QDate(2024, 5, 4), QTime(1, 30));
    t.window.reset();
    frmKalender& w = t.start();
    EXPECT_EQ(w.placeZone(), "America/New_York");
    EXPECT_EQ(w.selectedDay(), 3);
}

TEST(PlaceTime, TheZoneGoesWithThePlaceAndOldFilesStillLoad) {
    // A file from before zones: the listed city brings its zone.
    WindowForTest t;
    t.store("ort", "Moskau (Rus)");
    frmKalender& w = t.start();
    EXPECT_EQ(w.placeZone(), "Europe/Moscow");
    EXPECT_EQ(w.engine().Zeitzone(), "Europe/Moscow");

    // Choosing a city stores its zone beside the described keys.
    choose(t, "Kapstadt (SA)");
    QSettings stored(t.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Settings/zone").toString(), "Africa/Johannesburg");

    // A place not in the list keeps its coordinates and the German rules.
    WindowForTest other;
    other.store("ort", "Atlantis");
    other.store("lon", "10,5");
    other.store("lat", "50,25");
    frmKalender& atlantis = other.start();
    EXPECT_EQ(atlantis.engine().Zeitzone(), "");
    EXPECT_DOUBLE_EQ(atlantis.engine().Longitude(), 10.5);
}

TEST(PlaceTime, SameOffsetOtherZoneRebuildsTheYear) {
    // Berlin and Cape Town are both stored as +1; only Berlin changes clocks.
    WindowForTest t;
    t.start();
    clsCalendar& cal = t.window->engine();
    const auto start_2024 = static_cast<std::int32_t>(vespera::day_number(2024, 3, 31));
    EXPECT_TRUE(cal.IstSommerzeitDatum(start_2024));
    choose(t, "Kapstadt (SA)");
    EXPECT_FALSE(cal.IstSommerzeitDatum(start_2024));
    EXPECT_EQ(cal.Sommerzeit_Datum(), "keine Zeitumstellung");
}

} // namespace

// The stored place: old files load, new keys go beside the described ones,
// a failed save is said, and no file can stop or exhaust the start.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <thread>

#include "ui/settings_ini.h"
#include "ui/settings_store.h"
#include "window_fixture.h"

namespace {

QString status_of(const WindowForTest& t) { return t.find<QLabel>("lblStatus")->text(); }

void write_file(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray content_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsStore, OldFilesOfEachKindLoad) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> keys; // written by QSettings, as older versions did
        const char* city;
        double latitude_deg;
        const char* zone;
        const char* region;
        float offset_hours;
    };
    const Case cases[] = {
        {"list name of before", {{"lon", "18,42"}, {"lat", "-33,92"}, {"ort", "Cape Town (SA)"}},
         "Kapstadt (SA)", -33.9190902709961, "Africa/Johannesburg", "", 1.0f},
        {"country code of before", {{"ort", "Prag (Cs)"}}, "Prag (Cz)", 50.0790786743164, "Europe/Prague", "", 1.0f},
        {"trailing blank of before", {{"ort", "Madrid (E) "}}, "Madrid (E)", 40.4202995300293, "Europe/Madrid", "", 1.0f},
        {"described keys, unlisted place", {{"lon", "10,25"}, {"lat", "50,5"}, {"zz", "2"}, {"ort", "Gartenhaus"}},
         "Gartenhaus", 50.5, "", "", 2.0f},
        {"zone but no region", {{"ort", "München"}, {"zone", "Europe/Berlin"}}, "München", 48.13743, "Europe/Berlin",
         "DE-BY", 1.0f},
        {"unlisted place with zone", {{"lon", "-73,9"}, {"lat", "40,7"}, {"ort", "Brooklyn"}, {"zone", "America/New_York"}},
         "Brooklyn", 40.7, "America/New_York", "", -5.0f},
        {"whole place", {{"lon", "12,1618"}, {"lat", "48,5296"}, {"ort", "Landshut"}, {"zone", "Europe/Berlin"},
                         {"region", "DE-BY"}},
         "Landshut", 48.5296, "Europe/Berlin", "DE-BY", 1.0f},
    };
    for (const Case& c : cases) {
        WindowForTest t;
        for (const auto& [key, value] : c.keys) t.store(key, QString::fromUtf8(value));
        const QByteArray before = content_of(t.settingsPath());
        frmKalender& w = t.start();
        EXPECT_EQ(w.placeName(), QString::fromUtf8(c.city)) << c.what;
        EXPECT_EQ(t.find<QComboBox>("cmbOrt")->currentText(), QString::fromUtf8(c.city)) << c.what;
        EXPECT_DOUBLE_EQ(w.engine().Latitude(), c.latitude_deg) << c.what;
        EXPECT_EQ(w.engine().Zeitzone(), c.zone) << c.what;
        EXPECT_EQ(w.placeRegion(), c.region) << c.what;
        EXPECT_EQ(w.engine().Zeitzone_Offset(), c.offset_hours) << c.what;
        EXPECT_TRUE(status_of(t).isEmpty()) << c.what << ": " << status_of(t).toStdString();
        EXPECT_TRUE(t.messages.isEmpty()) << c.what;
        EXPECT_EQ(content_of(t.settingsPath()), before) << c.what;
    }
}

// The region of the holidays defaults from the place; a choice beside it is
// stored and survives a restart, a new place brings its own region again,
// and a place outside DE, AT and CH keeps its church days and observances.
TEST(SettingsStore, HolidayRegionFollowsThePlaceUnlessChosen) {
    WindowForTest t;
    t.start();
    auto* region = t.find<QComboBox>("cmbRegion");
    EXPECT_EQ(t.window->holidayRegion(), "DE-BE");
    EXPECT_EQ(region->currentData().toString(), "DE-BE");
    region->setCurrentIndex(region->findData("DE-BY"));
    emit region->activated(region->currentIndex());
    EXPECT_EQ(t.window->engine().Region(), "DE-BY");
    EXPECT_EQ(QSettings(t.settingsPath(), QSettings::IniFormat).value("Settings/feiertagsregion").toString(), "DE-BY");

    t.window.reset();
    t.start();
    EXPECT_EQ(t.window->placeRegion(), "DE-BE");
    EXPECT_EQ(t.window->holidayRegion(), "DE-BY");
    EXPECT_EQ(t.find<QComboBox>("cmbRegion")->currentText(), "Bayern");

    auto* list = t.find<QComboBox>("cmbOrt");
    list->setCurrentIndex(list->findText("Wien"));
    EXPECT_EQ(t.window->holidayRegion(), "AT-9");
    EXPECT_EQ(t.find<QComboBox>("cmbRegion")->currentText(), "Wien");
    EXPECT_EQ(QSettings(t.settingsPath(), QSettings::IniFormat).value("Settings/feiertagsregion").toString(), "");
    list->setCurrentIndex(list->findText("New York (USA)"));
    EXPECT_EQ(t.window->holidayRegion(), "");
    EXPECT_EQ(t.window->engine().Feiertage_Anzahl(), 72);
    EXPECT_EQ(t.find<QComboBox>("cmbRegion")->currentText(), "keine Region");

    // "keine" for a German place, and a damaged value that counts as none chosen.
    list->setCurrentIndex(list->findText("Berlin"));
    t.window->chooseHolidayRegion("");
    EXPECT_EQ(QSettings(t.settingsPath(), QSettings::IniFormat).value("Settings/feiertagsregion").toString(), "keine");
    t.window.reset();
    t.start();
    EXPECT_EQ(t.window->holidayRegion(), "");
    EXPECT_EQ(t.window->engine().Feiertage_Anzahl(), 72);
    t.window.reset();
    t.store("feiertagsregion", "DE-XX");
    t.start();
    EXPECT_EQ(t.window->holidayRegion(), "DE-BE");
    EXPECT_TRUE(status_of(t).contains("feiertagsregion")) << status_of(t).toStdString();
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(SettingsStore, TextsSurviveTheWayBothToAndFromQSettings) {
    const char* const texts[] = {"Görlitz",       "Frankfurt (Oder)", " Blank vorn und hinten ", "Komma, Semikolon; Gleich=",
                                 "\"Zitat\" \\ Rückstrich", "@Klammeraffe", "Zeilen\numbruch\tTab", "東京"};
    for (const char* text : texts) {
        WindowForTest t;
        const QString name = QString::fromUtf8(text);
        ASSERT_EQ(vespera::ui::write_stored_place({12.5, -33.25, name, "Asia/Tokyo", ""}, ','), "");
        QSettings stored(t.settingsPath(), QSettings::IniFormat);
        EXPECT_EQ(stored.value("Settings/ort").toString(), name) << text;
        EXPECT_EQ(stored.value("Settings/lat").toString(), "-33,25") << text;

        WindowForTest other;
        other.store("ort", name);
        other.store("zone", "Asia/Tokyo");
        const vespera::ui::StoredPlace read = vespera::ui::read_stored_place();
        EXPECT_EQ(read.city, name) << text;
        EXPECT_EQ(read.zone, "Asia/Tokyo") << text;
    }
    // Other sections and keys stay as they were.
    WindowForTest t;
    write_file(t.settingsPath(), "; a comment\n[Fenster]\ngeometry=@ByteArray(\\x1\\xd9)\nbreite=800\n\n"
                                 "[Settings]\nort=Bonn\nfarbe=\"blau, hell\"\n");
    ASSERT_EQ(vespera::ui::write_stored_place({7.1, 50.73, "Bonn", "Europe/Berlin", "DE-NW"}, ','), "");
    QSettings stored(t.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Fenster/geometry").toByteArray(), QByteArray("\x01\xd9"));
    EXPECT_EQ(stored.value("Fenster/breite").toInt(), 800);
    EXPECT_EQ(stored.value("Settings/farbe").toString(), "blau, hell");
    EXPECT_EQ(stored.value("Settings/region").toString(), "DE-NW");
    EXPECT_EQ(stored.value("Settings/lon").toString(), "7,1");

    // A quote left open runs to the file's end; written back before the
    // place, it would swallow the place.
    WindowForTest open_quote;
    write_file(open_quote.settingsPath(), "[Andere]\nk=\"offen\n");
    ASSERT_EQ(vespera::ui::write_stored_place({7.1, 50.73, "Bonn", "Europe/Berlin", "DE-NW"}, ','), "");
    EXPECT_EQ(vespera::ui::read_stored_place().city, "Bonn");
    EXPECT_EQ(QSettings(open_quote.settingsPath(), QSettings::IniFormat).value("Settings/ort").toString(), "Bonn");
}

TEST(SettingsStore, AFailedSaveIsSaidInTheStatusLine) {
    struct Case {
        const char* what;
        void (*prepare)(const WindowForTest&);
        const char* reason;
    };
    const Case cases[] = {
        {"INI path is a folder", [](const WindowForTest& t) { QDir().mkpath(t.settingsPath()); },
         "keine gewöhnliche Datei"},
        {"folder blocked by a file",
         [](const WindowForTest& t) { write_file(t.config.path() + "/VesperaApp", "x"); }, "lässt sich nicht anlegen"},
        {"unreadable INI (a link to itself)",
         [](const WindowForTest& t) {
             QDir().mkpath(t.config.path() + "/VesperaApp");
             ASSERT_EQ(::symlink("VesperaApp.ini", QFile::encodeName(t.settingsPath()).constData()), 0);
         },
         "lässt sich nicht lesen"},
        // root may write anywhere: this row tests only for other users.
        {"read-only folder",
         [](const WindowForTest& t) {
             QDir().mkpath(t.config.path() + "/VesperaApp");
             ::chmod(QFile::encodeName(t.config.path() + "/VesperaApp").constData(), 0555);
         },
         "lässt sich nicht schreiben"},
    };
    for (const Case& c : cases) {
        if (std::string(c.what) == "read-only folder" && ::geteuid() == 0) continue;
        WindowForTest t;
        c.prepare(t);
        frmKalender& w = t.start();
        ASSERT_TRUE(w.isLoaded()) << c.what;
        auto* list = t.find<QComboBox>("cmbOrt");
        list->setCurrentIndex(list->findText("London (GB)"));
        // The choice holds for this run, and the user learns why not beyond.
        EXPECT_EQ(w.placeName(), "London (GB)") << c.what;
        EXPECT_DOUBLE_EQ(w.engine().Latitude(), 51.5063209533691) << c.what;
        const QString status = status_of(t);
        EXPECT_TRUE(status.startsWith("Der Ort wurde nicht gespeichert: ")) << c.what << ": " << status.toStdString();
        EXPECT_TRUE(status.contains(QString::fromUtf8(c.reason))) << c.what << ": " << status.toStdString();
        EXPECT_TRUE(status.contains(t.config.path() + "/VesperaApp")) << c.what;
        EXPECT_TRUE(t.messages.isEmpty()) << c.what;
        ::chmod(QFile::encodeName(t.config.path() + "/VesperaApp").constData(), 0755);
    }
}

TEST(SettingsStore, AFifoOrAHostileFileStartsCleanlyWithTheDefaults) {
    struct Case {
        const char* what;
        void (*prepare)(const WindowForTest&);
        const char* says;
    };
    const Case cases[] = {
        {"FIFO",
         [](const WindowForTest& t) {
             QDir().mkpath(t.config.path() + "/VesperaApp");
             ASSERT_EQ(::mkfifo(QFile::encodeName(t.settingsPath()).constData(), 0600), 0);
         },
         "keine gewöhnliche Datei"},
        // A few bytes once made QSettings ask for about 100 GB.
        {"@Variant claiming a huge size",
         [](const WindowForTest& t) {
             static const char kClaim[] = "[Settings]\nlat=@Variant(\0\0\0\v\xff\xff\xff\xfe)";
             write_file(t.settingsPath(), QByteArray(kClaim, sizeof kClaim - 1));
         },
         "unbrauchbar (lat)"},
        {"@ByteArray as the city",
         [](const WindowForTest& t) { write_file(t.settingsPath(), "[Settings]\nort=@ByteArray(Bonn)\nlon=7\n"); },
         "unbrauchbar (ort)"},
        {"larger than any settings file",
         [](const WindowForTest& t) { write_file(t.settingsPath(), "[Settings]\nort=Bonn\n" + QByteArray(300000, ';')); },
         "größer als 256 KB"},
    };
    for (const Case& c : cases) {
        WindowForTest t;
        c.prepare(t);
        ::alarm(60); // a start that waits for ever ends the test run
        frmKalender& w = t.start();
        ::alarm(0);
        EXPECT_TRUE(w.isLoaded()) << c.what;
        EXPECT_EQ(w.placeName(), "Berlin") << c.what;
        EXPECT_DOUBLE_EQ(w.engine().Latitude(), 52.5222222222222) << c.what;
        EXPECT_TRUE(status_of(t).contains(QString::fromUtf8(c.says))) << c.what << ": " << status_of(t).toStdString();
        EXPECT_TRUE(status_of(t).contains(t.settingsPath())) << c.what;
        EXPECT_TRUE(t.messages.isEmpty()) << c.what;
    }
}

// The disk fills: the place and the window's size are not saved, the file
// keeps every byte, and the status line says why.
TEST(SettingsStore, AFullDiskKeepsTheFileAndSaysSo) {
    WindowForTest t;
    t.store("ort", QString::fromUtf8("München"));
    const QByteArray before = content_of(t.settingsPath());
    t.start();
    vespera::WriteSeams full;
    full.write_error = [](std::size_t) { return ENOSPC; };
    t.window->setFileWriteSeams(full);
    auto* list = t.find<QComboBox>("cmbOrt");
    list->setCurrentIndex(list->findText("London (GB)"));
    EXPECT_TRUE(status_of(t).startsWith("Der Ort wurde nicht gespeichert: ")) << status_of(t).toStdString();
    EXPECT_TRUE(status_of(t).contains(QString::fromUtf8("kein Platz auf dem Datenträger"))) << status_of(t).toStdString();
    t.window->close();
    EXPECT_EQ(content_of(t.settingsPath()), before);
    EXPECT_EQ(QDir(t.config.path() + "/VesperaApp").entryList(QDir::Files | QDir::Hidden),
              QStringList({"VesperaApp.ini"}));
    t.window.reset();
    EXPECT_EQ(t.start().placeName(), QString::fromUtf8("München"));
}

// Two windows save at once, one its place, one its size: the lock between
// reading and writing keeps both. Each checks before its next save that its
// last one is still there; without the lock the other's write of what it
// had read before puts the older value back.
TEST(SettingsStore, TwoStoresSavingAtOnceKeepBoth) {
    WindowForTest t;
    constexpr int kSaves = 60;
    std::atomic<int> lost{0};
    std::thread places([&lost] {
        for (int i = 0; i < kSaves; ++i) {
            if (i > 0 && vespera::ui::read_stored_place().city != QStringLiteral("Ort %1").arg(i - 1)) ++lost;
            ASSERT_EQ(vespera::ui::write_stored_place({7.1, 50.73, QStringLiteral("Ort %1").arg(i), "Europe/Berlin", ""},
                                                      ','),
                      "");
        }
    });
    std::thread windows([&lost] {
        for (int i = 0; i < kSaves; ++i) {
            if (i > 0 && vespera::ui::read_stored_window().geometry != QByteArray::number(i - 1)) ++lost;
            ASSERT_EQ(vespera::ui::write_stored_window({QByteArray::number(i), QByteArray("teilung"), i % 8}), "");
        }
    });
    places.join();
    windows.join();
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(vespera::ui::read_stored_place().city, QStringLiteral("Ort %1").arg(kSaves - 1));
    EXPECT_EQ(vespera::ui::read_stored_window().geometry, QByteArray::number(kSaves - 1));
}

// 28,000 sections (200 KB) of other programs: read in linear time, noted at
// the start, and the next save keeps the first 32 of them.
TEST(SettingsStore, ManySectionsLoadQuicklyAndGoAtTheNextSave) {
    WindowForTest t;
    QByteArray file = "[Settings]\nort=Bonn\n";
    for (int i = 0; i < 28000; ++i) file += '[' + QByteArray::number(i, 36) + "]\n" + (i % 4 == 0 ? "a=1\n" : "");
    ASSERT_LT(file.size(), static_cast<qsizetype>(vespera::ui::kMaxSettingsBytes));
    write_file(t.settingsPath(), file);
    // The processor time of this thread: the machine may be busy with others.
    // A quadratic reader takes seconds here; the sanitizer build alone takes
    // some 50 ms, so the bound leaves room for it.
    const auto cpu_ms = [] {
        timespec now{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    };
    const double start_ms = cpu_ms();
    const vespera::ui::StoredPlace stored = vespera::ui::read_stored_place();
    EXPECT_LT(cpu_ms() - start_ms, 500.0);
    EXPECT_EQ(stored.city, "Bonn");
    EXPECT_TRUE(stored.note.contains("7000 Abschnitte anderer Programme")) << stored.note.toStdString();
    ASSERT_EQ(vespera::ui::write_stored_place({7.1, 50.73, "Bonn", "Europe/Berlin", "DE-NW"}, ','), "");
    const vespera::ui::IniFile saved = vespera::ui::IniFile::parse(content_of(t.settingsPath()));
    EXPECT_EQ(saved.foreignSections("Settings"), vespera::ui::kMaxForeignSections);
    EXPECT_EQ(saved.value("0", "a").text, "1");
    EXPECT_TRUE(vespera::ui::read_stored_place().note.isEmpty());
}

} // namespace

// A damaged settings file: the input is written as the INI file of the store
// and read back. The place must come out as finite numbers within their
// ranges, and the file must stay as it was. The whole window starts on it:
// it must load at a size that fits the screen, take the table's row for a
// listed city and the stored numbers otherwise, and show no message box.
// Then a place is saved into it: for one input in four on a disk that fills
// during the save, which must fail, say so and leave the file as it was;
// otherwise the save must succeed, read back as saved and keep no more
// sections of other programs than allowed.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cerrno>
#include <cmath>
#include <memory>

#include "fuzz/fuzz_input.h"
#include "fuzz/offscreen_application.h"
#include "places/city_table.h"
#include "base/regions.h"
#include "ui/frmKalender.h"
#include "ui/settings_ini.h"
#include "ui/settings_store.h"
#include "ui/window_geometry.h"

namespace {

QTemporaryDir* root = nullptr;
std::uint64_t input_number = 0;

// FNV-1a: picks the inputs whose save meets a full disk, and where it fills,
// the same on every run.
std::uint64_t hash_of(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

bool all_finite(std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

void start_window(const vespera::ui::StoredPlace& stored) {
    QStringList messages;
    const QDateTime now(QDate(2024, 5, 3), QTime(14, 15, 2), QTimeZone(QByteArrayLiteral("Europe/Berlin")));
    frmKalender form([now] { return now; }, [&messages](const QString& text) { messages << text; });
    fuzz::check(form.isLoaded(), "the window did not finish loading");
    fuzz::check(messages.isEmpty(), "the window showed a message at start: " + messages.value(0).toStdString());
    clsCalendar& engine = form.engine();
    fuzz::check(all_finite({engine.Longitude(), engine.Latitude(), static_cast<double>(engine.Zeitzone_Offset())}),
                "the engine got a place that is not finite");
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    fuzz::check(form.width() <= vespera::ui::kLargestFrameInScreens * screen.width() &&
                    form.height() <= vespera::ui::kLargestFrameInScreens * screen.height(),
                "the window opened larger than the screens allow");
    const vespera::City* city = vespera::find_stored_city(stored.city.toStdString());
    const double longitude = city ? city->longitude_deg : stored.longitude_deg;
    const double latitude = city ? city->latitude_deg : stored.latitude_deg;
    fuzz::check(form.placeLongitude() == longitude && form.placeLatitude() == latitude,
                "the window's place is neither the table's row nor the stored one");
    const QString region = form.holidayRegion();
    fuzz::check(region.toStdString() == engine.Region(), "the engine has another region than the window");
    fuzz::check(region.isEmpty() || !vespera::region_name(region.toStdString()).empty(),
                "the window took an unknown region: " + region.toStdString());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static char name[] = "fuzz_settings";
    fuzz::start_offscreen_application(name);
    root = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A folder of its own for every input: QSettings caches files by path.
    const QString folder = root->path() + "/" + QString::number(input_number++);
    QDir().mkpath(folder + "/VesperaApp");
    const QString path = folder + "/VesperaApp/VesperaApp.ini";
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) fuzz::fail("cannot write " + path.toStdString());
    }
    qputenv("VESPERA_CONFIG_DIR", folder.toLocal8Bit());

    const vespera::ui::StoredPlace stored = vespera::ui::read_stored_place();
    fuzz::check(!stored.holiday_region || stored.holiday_region->isEmpty() ||
                    !vespera::region_name(stored.holiday_region->toStdString()).empty(),
                "read_stored_place gave an unknown region of holidays");
    fuzz::check(all_finite({stored.longitude_deg, stored.latitude_deg, stored.zone_offset_hours}),
                "read_stored_place gave a place that is not finite");
    fuzz::check(std::fabs(stored.longitude_deg) <= 180 && std::fabs(stored.latitude_deg) <= 90 &&
                    std::fabs(stored.zone_offset_hours) <= 24,
                "read_stored_place gave a place off the globe");
    start_window(stored);
    {
        QFile file(path);
        fuzz::check(file.open(QIODevice::ReadOnly) && file.readAll() == content, "the settings file was changed");
    }

    const vespera::ui::PlaceToStore saved{-3.25, 47.5, QStringLiteral("Hütte, am \"Hang\""),
                                          QStringLiteral("Europe/Vienna"), QStringLiteral("AT-7")};
    // The disk fills at once, or after the first piece the writer writes
    // (64 KiB): a large file then fails half-way.
    const std::uint64_t hash = hash_of(data, size);
    vespera::WriteSeams seams;
    bool disk_filled = false;
    if (hash % 4 == 0) {
        const std::size_t full_after = (hash >> 2) % 2 == 0 ? 0 : 64 * 1024;
        seams.write_error = [full_after, &disk_filled](std::size_t written) {
            disk_filled = disk_filled || written >= full_after;
            return written >= full_after ? ENOSPC : 0;
        };
    }
    const QString failure = vespera::ui::write_stored_place(saved, ',', seams);
    if (size > vespera::ui::kMaxSettingsBytes || disk_filled) {
        fuzz::check(!failure.isEmpty(), "a file beyond the bound or on a full disk was overwritten");
        QFile file(path);
        fuzz::check(file.open(QIODevice::ReadOnly) && file.readAll() == content, "a failed save changed the file");
        fuzz::check(QDir(folder + "/VesperaApp").entryList(QDir::Files | QDir::Hidden).size() == 1,
                    "a failed save left a file behind");
        QDir(folder).removeRecursively();
        return 0;
    }
    fuzz::check(failure.isEmpty(), "saving into the file failed: " + failure.toStdString());
    const vespera::ui::StoredPlace again = vespera::ui::read_stored_place();
    fuzz::check(again.city == saved.city && again.longitude_deg == saved.longitude_deg &&
                    again.latitude_deg == saved.latitude_deg && again.zone == saved.zone &&
                    again.region == saved.region,
                "the saved place did not read back: " + again.city.toStdString());
    {
        QFile file(path);
        fuzz::check(file.open(QIODevice::ReadOnly), "the saved file cannot be read");
        const vespera::ui::IniFile ini = vespera::ui::IniFile::parse(file.readAll());
        fuzz::check(ini.foreignSections(QStringLiteral("Settings")) <= vespera::ui::kMaxForeignSections,
                    "the save kept too many sections of other programs");
    }
    fuzz::check(vespera::ui::write_stored_holiday_region(QStringLiteral("CH-BE")).isEmpty() &&
                    vespera::ui::read_stored_place().holiday_region == QStringLiteral("CH-BE"),
                "the region of the holidays did not read back");
    QDir(folder).removeRecursively();
    return 0;
}

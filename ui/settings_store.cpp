#include "ui/settings_store.h"

#include <QSettings>
#include <cmath>
#include <memory>

#include "engine/zone.h"
#include "ui/locale_numbers.h"

namespace vespera::ui {
namespace {

const QString kApplication = QStringLiteral("VesperaApp");
const QString kSection = QStringLiteral("Settings");

// Where QSettings keeps a per-user INI file; VESPERA_CONFIG_DIR moves it.
std::unique_ptr<QSettings> open_store() {
    const QByteArray dir = qgetenv("VESPERA_CONFIG_DIR");
    if (!dir.isEmpty()) {
        const QString path = QString::fromLocal8Bit(dir) + "/" + kApplication + "/" + kApplication + ".ini";
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
}

// An unquoted "13,37" in the INI file reads back as a list of two strings.
QString read_text(QSettings& store, const QString& key) {
    const QVariant raw = store.value(key);
    if (raw.typeId() == QMetaType::QStringList) return raw.toStringList().join(u',');
    return raw.toString();
}

// A number beyond its kind's range is as damaged as text that is no number:
// an offset of 1e300 hours would overflow every instant of the year.
double read_number(QSettings& store, const QString& key, double fallback, double limit) {
    if (!store.contains(key)) return fallback;
    const std::optional<double> value = parse_decimal(read_text(store, key));
    return value && std::fabs(*value) <= limit ? *value : fallback;
}

} // namespace

StoredPlace read_stored_place() {
    auto store = open_store();
    store->beginGroup(kSection);
    StoredPlace place{};
    place.longitude_deg = read_number(*store, "lon", 13.3769798278809, 180.0);
    place.latitude_deg = read_number(*store, "lat", 52.5160713195801, 90.0);
    place.zone_offset_hours = read_number(*store, "zz", 1.0, 24.0);
    place.city = store->contains("ort") ? read_text(*store, "ort") : QStringLiteral("Berlin");
    // A zone the tz database does not know counts as none.
    const QString zone = read_text(*store, "zone");
    if (!zone.isEmpty() && Zone::named(zone.toStdString())) place.zone = zone;
    store->endGroup();
    return place;
}

void write_stored_place(double longitude_deg, double latitude_deg, const QString& city, const QString& zone,
                        char separator) {
    auto store = open_store();
    store->beginGroup(kSection);
    store->setValue("lon", decimal_text(longitude_deg, separator));
    store->setValue("lat", decimal_text(latitude_deg, separator));
    store->setValue("ort", city);
    store->setValue("zone", zone);
    store->endGroup();
    store->sync();
}

} // namespace vespera::ui

#include "ui/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "places/city_table.h"
#include "base/data_files.h"
#include "base/regions.h"
#include "zones/zone.h"
#include "ui/locale_numbers.h"
#include "ui/safe_save.h"
#include "ui/settings_ini.h"

namespace vespera::ui {
namespace {

const QString kApplication = QStringLiteral("VesperaApp");
const QString kSection = QStringLiteral("Settings");
const QString kUntilTheEnd = QStringLiteral(" Bis dahin gilt die Wahl nur bis zum Programmende.");
const QString kHolidayRegionKey = QStringLiteral("feiertagsregion");
const QString kNoRegion = QStringLiteral("keine");
const QString kGeometryKey = QStringLiteral("geometry");
const QString kSplitKey = QStringLiteral("teilung");
const QString kReportKey = QStringLiteral("bericht");
const QString kLeapDayKey = QStringLiteral("29februar");
const QString kLeapDayMarch1 = QStringLiteral("1.3.");
const QString kLeapDayFebruary28 = QStringLiteral("28.2.");
// A save takes milliseconds; a lock held longer than this is left by a
// program that ended without removing it (QLockFile also checks its PID).
constexpr int kStaleLock_ms = 10'000;
constexpr int kLockWait_ms = 3'000;
constexpr int kMostLinks = 8;

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

FileRead read_settings_file(const QString& path) {
    return read_regular_file_checked(std::filesystem::path(QFile::encodeName(path).toStdString()), kMaxSettingsBytes);
}

// Only a regular file of sane size is parsed; otherwise why it was not.
QString unreadable_file_note(FileReadStatus status, const QString& path) {
    switch (status) {
    case FileReadStatus::not_regular:
        return QStringLiteral("Die Einstellungsdatei %1 ist keine gewöhnliche Datei und wurde nicht gelesen; es gilt "
                              "der voreingestellte Ort. Bitte entfernen Sie sie oder benennen Sie sie um.")
            .arg(native(path));
    case FileReadStatus::too_large:
        return QStringLiteral("Die Einstellungsdatei %1 ist größer als %2 KB und wurde nicht gelesen; es gilt der "
                              "voreingestellte Ort. Bitte entfernen Sie sie oder benennen Sie sie um.")
            .arg(native(path))
            .arg(kMaxSettingsBytes / 1024);
    case FileReadStatus::unreadable:
        return QStringLiteral("Die Einstellungsdatei %1 lässt sich nicht lesen; es gilt der voreingestellte Ort. "
                              "Bitte prüfen Sie ihre Zugriffsrechte (Lesen und Schreiben für Sie).")
            .arg(native(path));
    case FileReadStatus::read:
    case FileReadStatus::missing: break;
    }
    return {};
}

// What a key holds: nothing, a text, or something unusable.
struct KeyText {
    bool present = false;
    std::optional<QString> text; // nullopt when present but refused
};

KeyText key_text(const IniFile& file, const QString& key) {
    const IniValue value = file.value(kSection, key);
    switch (value.kind) {
    case IniValue::Kind::absent: return {};
    case IniValue::Kind::text: return {true, value.text};
    case IniValue::Kind::refused: return {true, std::nullopt};
    }
    return {};
}

// A number beyond its kind's range is as damaged as text that is no number:
// an offset of 1e300 hours would overflow every instant of the year.
std::optional<double> number(const KeyText& key, double limit) {
    if (!key.text) return std::nullopt;
    const std::optional<double> value = parse_decimal(*key.text);
    if (value && std::fabs(*value) <= limit) return value;
    return std::nullopt;
}

} // namespace

QString settings_folder() { return QFileInfo(settings_file_path()).absolutePath(); }

QString settings_file_path() {
    const QByteArray dir = qgetenv("VESPERA_CONFIG_DIR");
    const QString root = !dir.isEmpty() ? QFile::decodeName(dir)
                                        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return root + "/" + kApplication + "/" + kApplication + ".ini";
}

StoredPlace read_stored_place() {
    StoredPlace place{13.3769798278809, 52.5160713195801, 1.0, QStringLiteral("Berlin"), {}, {}, std::nullopt, {}};
    const QString path = settings_file_path();
    const FileRead file = read_settings_file(path);
    if (file.status != FileReadStatus::read) {
        place.note = unreadable_file_note(file.status, path);
        return place;
    }
    const IniFile ini = IniFile::parse(QByteArray::fromStdString(file.content));
    QStringList damaged;

    const KeyText city = key_text(ini, QStringLiteral("ort"));
    if (city.text) {
        place.city = *city.text;
    } else if (city.present) {
        damaged << QStringLiteral("ort");
    }
    // A stored list text names the city; "Prag (Cs)" is now "Prag (Cz)".
    const City* listed = find_stored_city(place.city.toStdString());
    if (listed) place.city = QString::fromUtf8(listed->name.data(), static_cast<qsizetype>(listed->name.size()));

    const auto read_number = [&](const char* key, double& field, double limit) {
        const KeyText text = key_text(ini, QLatin1String(key));
        if (!text.present) return;
        if (const std::optional<double> value = number(text, limit)) {
            field = *value;
        } else {
            damaged << QLatin1String(key);
        }
    };
    read_number("lon", place.longitude_deg, 180.0);
    read_number("lat", place.latitude_deg, 90.0);
    read_number("zz", place.zone_offset_hours, 24.0);

    // A zone the tz database does not know counts as none, a region code
    // that is none of DE, AT, CH or their states as none.
    const KeyText zone = key_text(ini, QStringLiteral("zone"));
    if (zone.text && !zone.text->isEmpty() && Zone::named(zone.text->toStdString())) {
        place.zone = *zone.text;
    } else if (zone.present && (!zone.text || !zone.text->isEmpty())) {
        damaged << QStringLiteral("zone");
    }
    const KeyText region = key_text(ini, QStringLiteral("region"));
    if (region.text && !region.text->isEmpty() && !region_name(region.text->toStdString()).empty()) {
        place.region = *region.text;
    } else if (region.present && (!region.text || !region.text->isEmpty())) {
        damaged << QStringLiteral("region");
    }

    const KeyText holiday_region = key_text(ini, kHolidayRegionKey);
    if (holiday_region.text && *holiday_region.text == kNoRegion) {
        place.holiday_region = QString();
    } else if (holiday_region.text && !holiday_region.text->isEmpty() &&
               !region_name(holiday_region.text->toStdString()).empty()) {
        place.holiday_region = *holiday_region.text;
    } else if (holiday_region.present && (!holiday_region.text || !holiday_region.text->isEmpty())) {
        damaged << kHolidayRegionKey;
    }

    QStringList notes;
    if (!damaged.isEmpty()) {
        notes << QStringLiteral("In der Einstellungsdatei %1 waren Einträge unbrauchbar (%2); für sie gelten die "
                                "Voreinstellungen. Die nächste Wahl eines Ortes schreibt sie neu.")
                     .arg(native(path), damaged.join(QStringLiteral(", ")));
    }
    if (const std::size_t foreign = ini.foreignSections(kSection); foreign > kMaxForeignSections) {
        notes << QStringLiteral("Die Einstellungsdatei %1 hat %2 Abschnitte anderer Programme; beim nächsten Speichern "
                                "bleiben nur die ersten %3.")
                     .arg(native(path))
                     .arg(foreign)
                     .arg(kMaxForeignSections);
    }
    place.note = notes.join(u' ');
    return place;
}

namespace {

QByteArray base64_value(const IniFile& file, const QString& key) {
    const KeyText text = key_text(file, key);
    if (!text.text) return {};
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text.text->toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

} // namespace

StoredWindow read_stored_window() {
    StoredWindow window;
    const FileRead file = read_settings_file(settings_file_path());
    if (file.status != FileReadStatus::read) return window;
    const IniFile ini = IniFile::parse(QByteArray::fromStdString(file.content));
    window.geometry = base64_value(ini, kGeometryKey);
    window.split = base64_value(ini, kSplitKey);
    const KeyText report = key_text(ini, kReportKey);
    bool number = false;
    const int index = report.text ? report.text->trimmed().toInt(&number) : -1;
    if (number && index >= 0 && index < 100) window.report = index;
    return window;
}

vespera::own_dates::LeapDayRule read_stored_leap_day_rule() {
    using vespera::own_dates::LeapDayRule;
    const FileRead file = read_settings_file(settings_file_path());
    if (file.status != FileReadStatus::read) return LeapDayRule::february_28;
    const KeyText rule = key_text(IniFile::parse(QByteArray::fromStdString(file.content)), kLeapDayKey);
    return rule.text && rule.text->trimmed() == kLeapDayMarch1 ? LeapDayRule::march_1 : LeapDayRule::february_28;
}

namespace {

// The file a symbolic link at the settings' name leads to (a dotfile
// manager links it): the link stays and its file is replaced.
QString followed_links(const QString& path) {
    QString target = path;
    for (int hop = 0; hop < kMostLinks && QFileInfo(target).isSymLink(); ++hop) target = QFileInfo(target).symLinkTarget();
    return target;
}

QString lock_failure(const QLockFile& lock, const QString& path, const QString& folder) {
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("%1 wird gerade von einem anderen Vespera-Fenster geschrieben. Bitte versuchen Sie es "
                              "gleich noch einmal.")
            .arg(native(path));
    case QLockFile::PermissionError:
        return QStringLiteral("%1 lässt sich nicht schreiben: im Ordner %2 fehlt das Schreibrecht. Bitte prüfen Sie "
                              "Ihre Schreibrechte für den Ordner (chmod u+w).")
            .arg(native(path), native(folder));
    case QLockFile::NoError:
    case QLockFile::UnknownError: break;
    }
    return QStringLiteral("%1 lässt sich nicht schreiben: die Sperrdatei %2 lässt sich nicht anlegen. Bitte prüfen Sie "
                          "den freien Platz und Ihre Schreibrechte für den Ordner %3.")
        .arg(native(path), native(path + ".lock"), native(folder));
}

QString write_failure(const SaveResult& saved, const QString& path, const QString& folder) {
    QString text = QStringLiteral("%1 lässt sich nicht schreiben: %2; sie blieb, wie sie war.").arg(native(path), save_reason(saved));
    switch (saved.problem) {
    case SaveProblem::DiskFull: text += QStringLiteral(" Bitte schaffen Sie Platz auf dem Datenträger."); break;
    case SaveProblem::NoPermission:
    case SaveProblem::NoFolder:
        text += QStringLiteral(" Bitte prüfen Sie Ihre Schreibrechte für die Datei und den Ordner %1 (chmod u+w).")
                    .arg(native(folder));
        break;
    default: text += QStringLiteral(" Bitte entfernen Sie sie oder benennen Sie sie um."); break;
    }
    return text;
}

// Sets `entries` in the section and writes the file in one step, keeping
// every other entry; an empty text on success, else the German reason
// opened by `failed`.
QString write_entries(const std::vector<std::pair<QString, QString>>& entries, const QString& failed,
                      const vespera::WriteSeams& seams) {
    const QString path = settings_file_path();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return failed +
               QStringLiteral("Der Ordner %1 lässt sich nicht anlegen. Bitte prüfen Sie den Pfad und Ihre Schreibrechte.")
                   .arg(native(folder)) +
               kUntilTheEnd;
    }
    // From reading to replacing the file, no other window may write it:
    // each would write back what the other had changed.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLock_ms);
    if (!lock.tryLock(kLockWait_ms)) return failed + lock_failure(lock, path, folder) + kUntilTheEnd;
    // The rest of the file is kept, so it must be read first; one that
    // cannot be read is not overwritten.
    const FileRead existing = read_settings_file(path);
    switch (existing.status) {
    case FileReadStatus::read:
    case FileReadStatus::missing: break;
    case FileReadStatus::not_regular:
        return failed +
               QStringLiteral("%1 ist keine gewöhnliche Datei (etwa ein Ordner). Bitte entfernen Sie sie oder benennen "
                              "Sie sie um.")
                   .arg(native(path)) +
               kUntilTheEnd;
    case FileReadStatus::too_large:
        return failed +
               QStringLiteral("%1 ist größer als %2 KB. Bitte entfernen Sie die Datei oder benennen Sie sie um.")
                   .arg(native(path))
                   .arg(kMaxSettingsBytes / 1024) +
               kUntilTheEnd;
    case FileReadStatus::unreadable:
        return failed +
               QStringLiteral("%1 lässt sich nicht lesen, und Überschreiben verlöre ihre übrigen Einträge. Bitte geben "
                              "Sie sich Lese- und Schreibrecht darauf (chmod u+rw).")
                   .arg(native(path)) +
               kUntilTheEnd;
    }
    IniFile ini = IniFile::parse(QByteArray::fromStdString(existing.content));
    for (const auto& [key, text] : entries) ini.setText(kSection, key, text);
    ini.dropForeignSectionsBeyond(kMaxForeignSections, kSection);

    const SaveResult saved = save_file(followed_links(path), ini.serialize(), SaveMode::Replace, seams);
    if (!saved.ok()) return failed + write_failure(saved, path, folder) + kUntilTheEnd;
    return {};
}

} // namespace

QString write_stored_place(const PlaceToStore& place, char separator, const vespera::WriteSeams& seams) {
    return write_entries({{QStringLiteral("lon"), decimal_text(place.longitude_deg, separator)},
                          {QStringLiteral("lat"), decimal_text(place.latitude_deg, separator)},
                          {QStringLiteral("ort"), place.city},
                          {QStringLiteral("zone"), place.zone},
                          {QStringLiteral("region"), place.region}},
                         QStringLiteral("Der Ort wurde nicht gespeichert: "), seams);
}

QString write_stored_holiday_region(const std::optional<QString>& region, const vespera::WriteSeams& seams) {
    const QString text = !region ? QString() : region->isEmpty() ? kNoRegion : *region;
    return write_entries({{kHolidayRegionKey, text}}, QStringLiteral("Die Region wurde nicht gespeichert: "), seams);
}

QString write_stored_window(const StoredWindow& window, const vespera::WriteSeams& seams) {
    std::vector<std::pair<QString, QString>> entries{
        {kGeometryKey, QString::fromLatin1(window.geometry.toBase64())},
        {kSplitKey, QString::fromLatin1(window.split.toBase64())}};
    if (window.report) entries.emplace_back(kReportKey, QString::number(*window.report));
    return write_entries(entries, QStringLiteral("Fenstergröße und Bericht wurden nicht gespeichert: "), seams);
}

QString write_stored_leap_day_rule(vespera::own_dates::LeapDayRule rule, const vespera::WriteSeams& seams) {
    const QString text = rule == vespera::own_dates::LeapDayRule::march_1 ? kLeapDayMarch1 : kLeapDayFebruary28;
    return write_entries({{kLeapDayKey, text}}, QStringLiteral("Die Wahl für den 29. Februar wurde nicht gespeichert: "),
                         seams);
}

} // namespace vespera::ui

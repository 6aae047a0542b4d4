// The one stored setting group: the chosen place, in the INI file that
// QSettings uses for organisation and application VesperaApp, section
// "Settings" (~/.config/VesperaApp/VesperaApp.ini; VESPERA_CONFIG_DIR moves it).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>

#include "base/safe_file.h"
#include "own_dates/occurrences.h"

namespace vespera::ui {

struct StoredPlace {
    double longitude_deg;
    double latitude_deg;
    double zone_offset_hours;
    QString city;   // a list text a former version used is the city's present one
    QString zone;   // IANA name; empty when the file has none (older files) or a damaged one
    QString region; // ISO 3166-2 ("DE-BY") or "DE", "AT", "CH"; empty when none or damaged
    // The region of the holidays when the user chose one apart from the
    // place's: a code, or empty for none; nullopt when it follows the place.
    std::optional<QString> holiday_region;
    // For the status line: what was wrong with the file, in German, naming
    // it; empty when nothing was (a missing file is no fault).
    QString note;
};

// Reads "lon", "lat", "zz", "ort", "zone", "region" and "feiertagsregion"
// (a code, "keine", or empty for the place's region). A missing key, a
// value that is not a number or a number beyond its range (longitude 180,
// latitude 90, offset 24 hours either way) gives that key's default, so a
// damaged store never stops the program. Only a regular file of at most
// kMaxSettingsBytes is read, without ever waiting (a FIFO would).
StoredPlace read_stored_place();

struct PlaceToStore {
    double longitude_deg;
    double latitude_deg;
    QString city;
    QString zone;
    QString region;
};

// Writes "lon", "lat", "ort", "zone" and "region" (never "zz") with the given
// decimal separator, keeping every other entry of the file. Returns an empty
// text on success, otherwise the German reason naming the file and what to
// do; the file is then left as it was.
//
// Every write holds a lock (the file's name with ".lock") from reading the
// file to replacing it, so that two windows writing at once both keep their
// keys; it replaces the file only when the new one is complete on the disk.
// Beyond kMaxForeignSections sections of other programs the rest go.
// `seams` lets tests fail the disk.
QString write_stored_place(const PlaceToStore& place, char separator, const vespera::WriteSeams& seams = {});

// Writes "feiertagsregion" alone, keeping every other entry: the code,
// "keine" for an empty one, or an empty value when the holidays follow the
// place again. Returns as write_stored_place.
QString write_stored_holiday_region(const std::optional<QString>& region, const vespera::WriteSeams& seams = {});

// The window as the user left it: its frame ("geometry", as
// QWidget::saveGeometry gives it), the split between month and report
// ("teilung", QSplitter::saveState), both as Base64 text, and the report
// shown ("bericht", the index of its button).
struct StoredWindow {
    QByteArray geometry; // empty when absent or damaged
    QByteArray split;    // empty when absent or damaged
    std::optional<int> report; // nullopt when absent or no index from 0 to 99
};

// Reads the three keys; an unreadable file or key leaves its part empty, so
// the window opens as it would the first time.
StoredWindow read_stored_window();

// Writes the three keys (the report only when it has one), keeping every
// other entry. Returns as write_stored_place.
QString write_stored_window(const StoredWindow& window, const vespera::WriteSeams& seams = {});

// Where yearly own dates of 29 February fall in common years: "29februar"
// holds "28.2." or "1.3."; a missing or any other value reads as 28 February.
vespera::own_dates::LeapDayRule read_stored_leap_day_rule();

// Writes "29februar" alone, keeping every other entry. Returns as
// write_stored_place.
QString write_stored_leap_day_rule(vespera::own_dates::LeapDayRule rule, const vespera::WriteSeams& seams = {});

// Where the settings live.
QString settings_file_path();

// The folder of the settings file, which also keeps imported school holidays.
QString settings_folder();

// A settings file is a few hundred bytes; this bound only stops a hostile one.
inline constexpr std::size_t kMaxSettingsBytes = 256 * 1024;

// Sections Vespera does not know ("Settings" is its own) stay in the file up
// to this many; the start says so when there are more.
inline constexpr std::size_t kMaxForeignSections = 32;

} // namespace vespera::ui

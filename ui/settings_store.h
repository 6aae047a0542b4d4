// The one stored setting group: the chosen place.
#pragma once

#include <QString>

namespace vespera::ui {

struct StoredPlace {
    double longitude_deg;
    double latitude_deg;
    double zone_offset_hours;
    QString city;
    QString zone; // IANA name; empty when the file has none (older files) or a damaged one
};

// Reads "lon", "lat", "zz", "ort" and "zone" of application VesperaApp,
// section "Settings". A missing key, a value that is not a number or a number beyond
// its range (longitude 180, latitude 90, offset 24 hours either way) gives
// that key's default, so a damaged store never stops the program.
StoredPlace read_stored_place();

// Writes "lon", "lat", "ort" and "zone" (never "zz") with the given decimal separator.
void write_stored_place(double longitude_deg, double latitude_deg, const QString& city, const QString& zone,
                        char separator);

} // namespace vespera::ui

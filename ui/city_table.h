// The built-in places: 101 cities in the order the list shows them.
#pragma once

#include <QString>
#include <span>

namespace vespera::ui {

struct City {
    const char* name; // UTF-8, exactly as listed ("Madrid (E) " keeps its blank)
    double longitude_deg; // east positive
    double latitude_deg;  // north positive
    double zone_offset_hours;
};

std::span<const City> cities();

// Exact, case-sensitive lookup by the list's text; nullptr when absent.
const City* find_city(const QString& name);

} // namespace vespera::ui

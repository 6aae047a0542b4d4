// The built-in places: 101 cities in the order the list shows them, each with
// its standard offset, its tz database zone and, in Germany, Austria and
// Switzerland, its ISO 3166-2 region.
#pragma once

#include <span>
#include <string_view>

namespace vespera {

struct City {
    std::string_view name;     // UTF-8, exactly as listed
    double longitude_deg;      // east positive
    double latitude_deg;       // north positive
    double zone_offset_hours;  // standard time, as stored by older settings
    std::string_view zone;     // IANA name
    std::string_view region;   // "DE-BY", "AT-9", "CH-ZH"; empty elsewhere
    std::string_view commune_key; // official commune code ("09162000"); empty elsewhere
};

std::span<const City> cities();

// Exact, case-sensitive lookup by the list's text; nullptr when absent.
const City* find_city(std::string_view name);

// The same, and a name the list gave a city before ("Prag (Cs)", "Cape Town
// (SA)", "Madrid (E) " with its blank) finds the renamed city: stored
// settings name them.
const City* find_stored_city(std::string_view name);

} // namespace vespera

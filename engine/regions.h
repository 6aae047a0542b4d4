// The states of Germany and Austria, the cantons of Switzerland and South
// Tyrol: their ISO 3166-2 codes, which holiday rules and the gazetteer key on,
// and their German names.
#pragma once

#include <span>
#include <string_view>

namespace vespera {

struct Region {
    std::string_view code; // "DE-BY", "AT-9", "CH-ZH"
    std::string_view name; // "Bayern", "Wien", "Zürich"
};

// The 16 German states, the 9 Austrian states, the 26 cantons and South
// Tyrol (IT-32-BZ), in that order, each country's alphabetically by code.
std::span<const Region> regions();

// The regions whose holiday laws are kept, in the order a choice lists them:
// the 16 German states, Austria, Switzerland (federal days only) and the
// cantons Bern and Zürich.
std::span<const std::string_view> holiday_region_codes();

// The German name of a region code, or of the country codes "DE", "AT",
// "CH", "LI" and "LU" themselves; empty for any other text.
std::string_view region_name(std::string_view code);

} // namespace vespera

// The states of Germany and Austria, the cantons of Switzerland and South
// Tyrol: their ISO 3166-2 codes, which holiday rules and the gazetteer key
// on, and their German names.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vespera {

struct Region {
    std::string_view code; // "DE-BY", "AT-9", "CH-ZH"
    std::string_view name; // "Bayern", "Wien", "Zürich"
};

// The 16 German states, the 9 Austrian states, the 26 cantons and South
// Tyrol (IT-32-BZ), in that order, each country's alphabetically by code. The gazetteer's file counts
// its regions in this order.
// Codes from ISO 3166-2:DE, ISO 3166-2:AT and ISO 3166-2:CH; for the cantons
// the German names the Swiss federal administration uses (Genf, Waadt, Tessin).
// South Tyrol, the autonomous province of Bozen in Trentino-Südtirol (IT-32),
// is "IT-32-BZ".
inline constexpr std::array<Region, 52> kRegions = {{
    {"DE-BB", "Brandenburg"},
    {"DE-BE", "Berlin"},
    {"DE-BW", "Baden-Württemberg"},
    {"DE-BY", "Bayern"},
    {"DE-HB", "Bremen"},
    {"DE-HE", "Hessen"},
    {"DE-HH", "Hamburg"},
    {"DE-MV", "Mecklenburg-Vorpommern"},
    {"DE-NI", "Niedersachsen"},
    {"DE-NW", "Nordrhein-Westfalen"},
    {"DE-RP", "Rheinland-Pfalz"},
    {"DE-SH", "Schleswig-Holstein"},
    {"DE-SL", "Saarland"},
    {"DE-SN", "Sachsen"},
    {"DE-ST", "Sachsen-Anhalt"},
    {"DE-TH", "Thüringen"},
    {"AT-1", "Burgenland"},
    {"AT-2", "Kärnten"},
    {"AT-3", "Niederösterreich"},
    {"AT-4", "Oberösterreich"},
    {"AT-5", "Salzburg"},
    {"AT-6", "Steiermark"},
    {"AT-7", "Tirol"},
    {"AT-8", "Vorarlberg"},
    {"AT-9", "Wien"},
    {"CH-AG", "Aargau"},
    {"CH-AI", "Appenzell Innerrhoden"},
    {"CH-AR", "Appenzell Ausserrhoden"},
    {"CH-BE", "Bern"},
    {"CH-BL", "Basel-Landschaft"},
    {"CH-BS", "Basel-Stadt"},
    {"CH-FR", "Freiburg"},
    {"CH-GE", "Genf"},
    {"CH-GL", "Glarus"},
    {"CH-GR", "Graubünden"},
    {"CH-JU", "Jura"},
    {"CH-LU", "Luzern"},
    {"CH-NE", "Neuenburg"},
    {"CH-NW", "Nidwalden"},
    {"CH-OW", "Obwalden"},
    {"CH-SG", "St. Gallen"},
    {"CH-SH", "Schaffhausen"},
    {"CH-SO", "Solothurn"},
    {"CH-SZ", "Schwyz"},
    {"CH-TG", "Thurgau"},
    {"CH-TI", "Tessin"},
    {"CH-UR", "Uri"},
    {"CH-VD", "Waadt"},
    {"CH-VS", "Wallis"},
    {"CH-ZG", "Zug"},
    {"CH-ZH", "Zürich"},
    {"IT-32-BZ", "Südtirol"},
}};

std::span<const Region> regions();

inline constexpr std::size_t kGermanStateCount = 16;
constexpr std::span<const Region> german_states() { return std::span<const Region>(kRegions).first(kGermanStateCount); }
bool is_german_state(std::string_view code);

// The regions whose holiday laws are kept, in the order a choice lists them:
// the 16 German states and Germany, Austria and its 9 states, Switzerland and
// its 26 cantons, Liechtenstein, Luxemburg and South Tyrol.
std::span<const std::string_view> holiday_region_codes();

// The German name of a region code, or of the country codes "DE", "AT",
// "CH", "LI" and "LU" themselves; empty for any other text.
std::string_view region_name(std::string_view code);

} // namespace vespera

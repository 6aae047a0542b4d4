#include "engine/regions.h"

#include <array>

namespace vespera {
namespace {

// Codes from ISO 3166-2:DE, ISO 3166-2:AT and ISO 3166-2:CH; for the cantons
// the German names the Swiss federal administration uses (Genf, Waadt, Tessin).
// South Tyrol, the autonomous province of Bozen in Trentino-Südtirol (IT-32),
// is "IT-32-BZ".
constexpr std::array<Region, 52> kRegions = {{
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

constexpr std::array<Region, 5> kCountries = {{
    {"DE", "Deutschland"},
    {"AT", "Österreich"},
    {"CH", "Schweiz"},
    {"LI", "Liechtenstein"},
    {"LU", "Luxemburg"},
}};

constexpr std::array<std::string_view, 20> kHolidayRegionCodes = {
    "DE-BW", "DE-BY", "DE-BE", "DE-BB", "DE-HB", "DE-HH", "DE-HE", "DE-MV", "DE-NI", "DE-NW",
    "DE-RP", "DE-SL", "DE-SN", "DE-ST", "DE-SH", "DE-TH", "AT",    "CH",    "CH-BE", "CH-ZH",
};

} // namespace

std::span<const Region> regions() { return kRegions; }

std::span<const std::string_view> holiday_region_codes() { return kHolidayRegionCodes; }

std::string_view region_name(std::string_view code) {
    for (const Region& region : kRegions) {
        if (region.code == code) return region.name;
    }
    for (const Region& country : kCountries) {
        if (country.code == code) return country.name;
    }
    return {};
}

} // namespace vespera

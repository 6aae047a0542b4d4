#include "base/regions.h"

#include <algorithm>
#include <array>

namespace vespera {
namespace {

constexpr std::array<Region, 5> kCountries = {{
    {"DE", "Deutschland"},
    {"AT", "Österreich"},
    {"CH", "Schweiz"},
    {"LI", "Liechtenstein"},
    {"LU", "Luxemburg"},
}};

// Each country, then its subdivisions by name: the German states
// ("Baden-Württemberg" .. "Thüringen"), Austria and its states, Switzerland
// (federal days) and its cantons, then Liechtenstein, Luxemburg and South
// Tyrol. Germany as a whole comes last among its states, as before.
constexpr std::size_t kHolidayRegionCount = kRegions.size() + 5;

constexpr std::array<std::string_view, kHolidayRegionCount> holiday_region_order() {
    std::array<std::string_view, kHolidayRegionCount> codes{};
    std::size_t at = 0;
    const auto add_subdivisions = [&](std::string_view prefix) {
        std::array<Region, kRegions.size()> part{};
        std::size_t count = 0;
        for (const Region& region : kRegions) {
            if (region.code.starts_with(prefix)) part[count++] = region;
        }
        std::sort(part.begin(), part.begin() + static_cast<std::ptrdiff_t>(count),
                  [](const Region& a, const Region& b) { return a.name < b.name; });
        for (std::size_t i = 0; i < count; ++i) codes[at++] = part[i].code;
    };
    add_subdivisions("DE-");
    codes[at++] = "DE";
    codes[at++] = "AT";
    add_subdivisions("AT-");
    codes[at++] = "CH";
    add_subdivisions("CH-");
    codes[at++] = "LI";
    codes[at++] = "LU";
    codes[at++] = "IT-32-BZ";
    if (at != codes.size()) throw "a region is missing from the choice"; // not constant: a compile error
    return codes;
}

constexpr auto kHolidayRegionCodes = holiday_region_order();

} // namespace

std::span<const Region> regions() { return kRegions; }

std::span<const std::string_view> holiday_region_codes() { return kHolidayRegionCodes; }

bool is_german_state(std::string_view code) {
    const auto states = german_states();
    return std::any_of(states.begin(), states.end(), [code](const Region& state) { return state.code == code; });
}

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

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

// The German states by name ("Baden-Württemberg" .. "Thüringen"), then
// Austria, Switzerland and its two cantons.
constexpr std::array<std::string_view, kGermanStateCount + 4> holiday_region_order() {
    std::array<Region, kGermanStateCount> states{};
    std::copy(german_states().begin(), german_states().end(), states.begin());
    std::sort(states.begin(), states.end(), [](const Region& a, const Region& b) { return a.name < b.name; });
    std::array<std::string_view, kGermanStateCount + 4> codes{};
    for (std::size_t i = 0; i < kGermanStateCount; ++i) codes[i] = states[i].code;
    codes[kGermanStateCount] = "AT";
    codes[kGermanStateCount + 1] = "CH";
    codes[kGermanStateCount + 2] = "CH-BE";
    codes[kGermanStateCount + 3] = "CH-ZH";
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

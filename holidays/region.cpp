#include "holidays/region.h"

#include <array>

namespace vespera::holidays {
namespace {

char upper_ascii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper_ascii(a[i]) != upper_ascii(b[i])) return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

} // namespace

std::span<const CountryLaw* const> country_laws() {
    static const std::array<const CountryLaw*, 6> laws{&law_de(), &law_at(), &law_ch(),
                                                       &law_li(), &law_lu(), &law_it_bz()};
    return laws;
}

Region region_of(std::string_view code) {
    const std::string_view wanted = trimmed(code);
    for (const CountryLaw* law : country_laws()) {
        if (equal_ignoring_ascii_case(wanted, law->code)) {
            // South Tyrol is a law of its own with one subdivision: the province.
            return {law, law->subdivisions.size() == 1 ? 0 : -1};
        }
        for (std::size_t i = 0; i < law->subdivisions.size(); ++i) {
            if (equal_ignoring_ascii_case(wanted, law->subdivisions[i].code)) return {law, static_cast<int>(i)};
        }
    }
    return {};
}

bool is_holiday_region(std::string_view code) { return region_of(code).law != nullptr; }

} // namespace vespera::holidays

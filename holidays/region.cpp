#include "holidays/region.h"

#include <array>

#include "base/text.h"

namespace vespera::holidays {

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

// A holiday region: a country, optionally one of its subdivisions (ISO
// 3166-2). The commune or place inside it comes with each question
// (communes.h: Locality).
#pragma once

#include <span>
#include <string_view>

#include "holidays/region_law.h"

namespace vespera::holidays {

// The countries whose laws are kept, each in its own unit.
const CountryLaw& law_de();    // law_de.cpp
const CountryLaw& law_at();    // law_at.cpp
const CountryLaw& law_ch();    // law_ch.cpp
const CountryLaw& law_li();    // law_li.cpp
const CountryLaw& law_lu();    // law_lu.cpp
const CountryLaw& law_it_bz(); // law_it_bz.cpp: South Tyrol
std::span<const CountryLaw* const> country_laws();

struct Region {
    // Null for a place elsewhere: it keeps the German list as its home
    // calendar, with no day statutory.
    const CountryLaw* law = nullptr;
    int subdivision = -1; // index into law->subdivisions; -1 for the country as a whole

    Parts parts() const {
        return subdivision < 0 ? Parts{} : Parts{1u << static_cast<unsigned>(subdivision)};
    }
};

// "DE", "DE-BY", "AT", "AT-1".."AT-9", "CH", "CH-ZH", "LI", "LU", "IT-32-BZ";
// case and surrounding blanks ignored. Any other text (empty, "FR",
// "US-NY", "DE-XX") is a place elsewhere.
Region region_of(std::string_view code);

// Whether `code` names one of the regions above.
bool is_holiday_region(std::string_view code);

} // namespace vespera::holidays

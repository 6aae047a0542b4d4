// What a named day is in a region, as the engine hands it on: its status
// there (from holidays/region_days.h) beside its category.
#pragma once

#include <cstdint>
#include <string_view>

#include "holidays/named_days.h"

namespace vespera {

enum class StatutoryStatus : std::uint8_t {
    No,
    Yes,
    Regional,   // in some communes of the region only
    SchoolFree, // schools closed or a state day, without a general day off
};

// One entry of a year's table of named days, with what it is in a region.
struct NamedDayEntry {
    std::int32_t day_number = 0;
    std::string_view name; // a literal of the rule table
    DayCategory category = DayCategory::Kirchlich; // the row's own
    StatutoryStatus status = StatutoryStatus::No;  // in the region, year and place
    bool one_place = false; // statutory by the place's commune (Augsburg, München), not the whole region
    bool has_statutes = false; // statutory somewhere, some time: "kein gesetzlicher Feiertag" says something
    std::string_view note;     // German: where it holds, or why the place stays regional
    std::string_view law;      // the law behind the status
};

} // namespace vespera

// Whether a named day is a statutory holiday in a region, from the statutes
// beside each rule in named_days.h. Pure functions: no engine state.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "holidays/named_days.h"

namespace vespera {

enum class StatutoryStatus : std::uint8_t {
    No,
    Yes,
    Regional,   // in some communes of the region only
    SchoolFree, // schools closed or a state day, without a general day off
};

// The statute bits a region code stands for: "DE-BY" its state, "AT" and
// "AT-1".."AT-9" Austria, "CH" the federal days, "CH-ZH" federal and Zürich's.
// "DE" alone is marked by `germany_as_a_whole` (only days of every state
// count). Unknown codes and places elsewhere yield no bits: no statutory days.
struct RegionStatutes {
    std::uint32_t bits = 0;
    bool germany_as_a_whole = false;
};
RegionStatutes region_statutes(std::string_view region_code);

// Is `row` a statutory holiday in `region_code` in `year`? `place` decides the
// days of one city (Augsburger Friedensfest: "Augsburg", case ignored).
StatutoryStatus statutory_status(const NamedDayRule& row, std::string_view region_code, std::int64_t year,
                                 std::string_view place);

// Whether the row belongs in the region's list of days at all: every row
// except the statutory-only ones (Gesetzlich) where they do not hold.
bool is_listed(const NamedDayRule& row, std::string_view region_code, std::int64_t year, std::string_view place);

// The days of a year that the movable rows count from.
struct YearAnchors {
    std::int64_t easter_day;
    std::int64_t fourth_advent_day;
};
YearAnchors year_anchors(std::int64_t year);

// The row's day number in `year` (Julian day at noon). Empty for the
// seasons, whose local day depends on the place's clock.
std::optional<std::int64_t> rule_day_number(const NamedDayRule& row, std::int64_t year);
std::optional<std::int64_t> rule_day_number(const NamedDayRule& row, std::int64_t year, const YearAnchors& anchors);

// One entry of a year's table of named days, with what it is in a region.
struct NamedDayEntry {
    std::int32_t day_number = 0;
    std::string_view name; // a literal of the rule table
    DayCategory category = DayCategory::Kirchlich; // the row's own
    StatutoryStatus status = StatutoryStatus::No;  // in the region, year and place
    bool one_place = false; // statutory in the named place only (Augsburg), not the region
    bool has_statutes = false; // statutory somewhere, some time: "kein gesetzlicher Feiertag" says something
    std::string_view note;     // German: where it holds, or why the place stays regional
    std::string_view law;      // the law behind the status
};

} // namespace vespera

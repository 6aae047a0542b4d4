// Austria's school holidays as the law sets them: § 2 Schulzeitgesetz 1985
// (BGBl. Nr. 77/1985 as amended; Herbstferien since the school year 2020/21).
//
// - The school year begins on the first Monday in September in Burgenland,
//   Niederösterreich and Wien, on the second Monday elsewhere (§ 2 Abs. 1).
// - Semesterferien: one week from the first Monday in February in
//   Niederösterreich and Wien, the second in Burgenland, Kärnten, Salzburg,
//   Tirol and Vorarlberg, the third in Oberösterreich and Steiermark
//   (§ 2 Abs. 2 Z 1 lit. b). The ministry may move a state's week by
//   regulation (§ 2 Abs. 2a); such years come from data/ferien/AT-<n>.tsv.
// - Hauptferien: from the Saturday on 28 June .. 4 July (Burgenland,
//   Niederösterreich, Wien) or 5 .. 11 July (the others) to the start of the
//   next school year (§ 2 Abs. 2 Z 2).
// - School-free: 24 December .. 6 January and 23 December when it is a
//   Monday; the Saturday before Palm Sunday .. Easter Monday; the Saturday
//   before Whit Sunday .. Whit Monday; 27 .. 31 October; All Souls' Day; the
//   state patron's day and Kärnten's Landesfeiertag (10 October).
// Days each school chooses for itself ("schulautonom") are not included.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vespera {

struct SchoolBreak {
    std::int64_t first_day; // inclusive; the engine's day numbers
    std::int64_t last_day;  // inclusive
    std::string_view name;
};

struct AustrianSchoolYear {
    std::int64_t first_day; // first day of the school year, a Monday in September
    std::int64_t last_day;  // last day of the Hauptferien, the day before the next school year
    std::vector<SchoolBreak> breaks; // by first day, not overlapping
};

// The law in this form holds from the school year 2020/21, the first with Herbstferien.
inline constexpr std::int64_t kFirstAustrianRuleSchoolYear = 2020;

// The school year `first_year`/`first_year + 1` of the state AT-`state`
// (ISO 3166-2:AT, 1 Burgenland .. 9 Wien). No value for another state number
// or a school year before 2020/21.
std::optional<AustrianSchoolYear> austrian_school_year(int state, std::int64_t first_year);

} // namespace vespera

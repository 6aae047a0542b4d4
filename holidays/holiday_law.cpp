#include "holidays/holiday_law.h"

#include <array>

#include "base/date_math.h"
#include "base/text.h"
#include "holidays/easter.h"

namespace vespera {
namespace {

// ISO 3166-2:CH cantons; the two whose laws are kept carry their own bit.
constexpr std::array<std::string_view, 26> kCantons{"AG", "AI", "AR", "BE", "BL", "BS", "FR", "GE", "GL",
                                                    "GR", "JU", "LU", "NE", "NW", "OW", "SG", "SH", "SO",
                                                    "SZ", "TG", "TI", "UR", "VD", "VS", "ZG", "ZH"};

bool statute_holds(const Statute& statute, const RegionStatutes& region, std::int64_t year) {
    if (year < statute.from_year || year > statute.to_year) return false;
    if (region.germany_as_a_whole) return (statute.regions & region_bits::kGermany) == region_bits::kGermany;
    return (statute.regions & region.bits) != 0;
}

} // namespace

RegionStatutes region_statutes(std::string_view region_code) {
    const std::string_view code = trimmed(region_code);
    if (equal_ignoring_ascii_case(code, "DE")) return {0, true};
    if (equal_ignoring_ascii_case(code, "AT")) return {region_bits::AT, false};
    if (equal_ignoring_ascii_case(code, "CH")) return {region_bits::CH, false};
    if (code.size() < 4 || code[2] != '-') return {};
    const std::string_view country = code.substr(0, 2);
    const std::string_view part = code.substr(3);
    if (equal_ignoring_ascii_case(country, "DE")) {
        for (const Region& state : german_states()) {
            if (!equal_ignoring_ascii_case(part, state.code.substr(3))) continue;
            return {region_bits::german_state(state.code), false};
        }
        return {};
    }
    if (equal_ignoring_ascii_case(country, "AT")) {
        // The nine Bundesländer, AT-1 .. AT-9: their own days are not statutory.
        if (part.size() == 1 && part[0] >= '1' && part[0] <= '9') return {region_bits::AT, false};
        return {};
    }
    if (equal_ignoring_ascii_case(country, "CH")) {
        if (equal_ignoring_ascii_case(part, "ZH")) return {region_bits::CH | region_bits::CH_ZH, false};
        if (equal_ignoring_ascii_case(part, "BE")) return {region_bits::CH | region_bits::CH_BE, false};
        for (const std::string_view canton : kCantons) {
            if (equal_ignoring_ascii_case(part, canton)) return {region_bits::CH, false};
        }
    }
    return {};
}

StatutoryStatus statutory_status(const NamedDayRule& row, std::string_view region_code, std::int64_t year,
                                 std::string_view place) {
    const RegionStatutes region = region_statutes(region_code);
    if (region.bits == 0 && !region.germany_as_a_whole) return StatutoryStatus::No;
    StatutoryStatus status = StatutoryStatus::No;
    for (const Statute& statute : row.statutes) {
        if (!statute_holds(statute, region, year)) continue;
        switch (statute.extent) {
        case StatuteExtent::Whole: return StatutoryStatus::Yes;
        case StatuteExtent::Regional:
            // Germany as a whole has no communes to point at.
            if (!region.germany_as_a_whole) status = StatutoryStatus::Regional;
            break;
        case StatuteExtent::OnePlace:
            if (!region.germany_as_a_whole && equal_ignoring_ascii_case(trimmed(place), statute.place)) {
                return StatutoryStatus::Yes;
            }
            break;
        }
    }
    return status;
}

bool is_listed(const NamedDayRule& row, std::string_view region_code, std::int64_t year, std::string_view place) {
    return row.category != DayCategory::Gesetzlich ||
           statutory_status(row, region_code, year, place) != StatutoryStatus::No;
}

YearAnchors year_anchors(std::int64_t year) {
    const MonthDay easter = easter_sunday(year);
    return {day_number(year, easter.month, easter.day), fourth_advent_sunday(year)};
}

std::optional<std::int64_t> rule_day_number(const NamedDayRule& row, std::int64_t year) {
    return rule_day_number(row, year, year_anchors(year));
}

std::optional<std::int64_t> rule_day_number(const NamedDayRule& row, std::int64_t year, const YearAnchors& anchors) {
    switch (row.rule) {
    case DayRule::Fixed: return day_number(year, row.month, row.days);
    case DayRule::EasterOffset: return anchors.easter_day + row.days;
    case DayRule::AdventOffset: return anchors.fourth_advent_day + row.days;
    case DayRule::Season: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace vespera

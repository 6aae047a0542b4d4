#include "engine/holiday_law.h"

#include <array>

#include "engine/date_math.h"

namespace vespera {
namespace {

constexpr int kSunday = 6;

struct Subdivision {
    std::string_view code;
    std::uint32_t bits;
};

constexpr std::array<Subdivision, 16> kGermanStates{{
    {"BW", region_bits::BW}, {"BY", region_bits::BY}, {"BE", region_bits::BE}, {"BB", region_bits::BB},
    {"HB", region_bits::HB}, {"HH", region_bits::HH}, {"HE", region_bits::HE}, {"MV", region_bits::MV},
    {"NI", region_bits::NI}, {"NW", region_bits::NW}, {"RP", region_bits::RP}, {"SL", region_bits::SL},
    {"SN", region_bits::SN}, {"ST", region_bits::ST}, {"SH", region_bits::SH}, {"TH", region_bits::TH},
}};

// ISO 3166-2:CH cantons; the two whose laws are kept carry their own bit.
constexpr std::array<std::string_view, 26> kCantons{"AG", "AI", "AR", "BE", "BL", "BS", "FR", "GE", "GL",
                                                    "GR", "JU", "LU", "NE", "NW", "OW", "SG", "SH", "SO",
                                                    "SZ", "TG", "TI", "UR", "VD", "VS", "ZG", "ZH"};

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

bool statute_holds(const Statute& statute, const RegionStatutes& region, std::int64_t year) {
    if (year < statute.from_year || year > statute.to_year) return false;
    if (region.germany_as_a_whole) return (statute.regions & region_bits::kGermany) == region_bits::kGermany;
    return (statute.regions & region.bits) != 0;
}

// The last Sunday before Christmas Day.
std::int64_t fourth_advent(std::int64_t year) {
    return weekday_on_or_before(day_number(year, 12, 24), kSunday, 9);
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
        for (const Subdivision& state : kGermanStates) {
            if (equal_ignoring_ascii_case(part, state.code)) return {state.bits, false};
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

std::optional<std::int64_t> rule_day_number(const NamedDayRule& row, std::int64_t year) {
    switch (row.rule) {
    case DayRule::Fixed: return day_number(year, row.month, row.days);
    case DayRule::EasterOffset: {
        const MonthDay easter = easter_sunday(year);
        return day_number(year, easter.month, easter.day) + row.days;
    }
    case DayRule::AdventOffset: return fourth_advent(year) + row.days;
    case DayRule::Season: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace vespera

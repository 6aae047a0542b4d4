// The shape of a country's holiday law as data: each named day with its
// date rule, what it is (its category) and where and when the law makes it
// a public holiday, a school-free day or nothing more than its category.
// Each country keeps its rows in its own unit (law_de.cpp, law_at.cpp ...)
// with its sources in the unit's header.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "holidays/date_rule.h"

namespace vespera::holidays {

struct CommuneList;

// What a day is wherever the law says nothing of it.
enum class Category : std::uint8_t {
    Gesetzlich,      // exists only as a public holiday: listed only where and when it is one
    Kirchlich,
    Gedenktag,       // observance
    Brauchtum,       // custom
    Astronomisch,
    Jahreskreisfest, // the Celtic year festivals: listed, never marked in the month view
};

// What the region's law makes of a day in a year.
enum class Status : std::uint8_t {
    None,       // its category only
    Statutory,  // a public holiday in the whole region (or in the given commune)
    Regional,   // a public holiday in parts of the region only
    SchoolFree, // schools closed or a state day, without a general day off
};

// Years in force, both included.
struct Years {
    std::int16_t first = -32768;
    std::int16_t last = 32767;
    constexpr bool contain(std::int64_t year) const { return year >= first && year <= last; }
};

// A set of one country's subdivisions (bit i: subdivision i of its table).
struct Parts {
    std::uint32_t bits = 0;
    constexpr bool empty() const { return bits == 0; }
    constexpr bool meets(Parts other) const { return (bits & other.bits) != 0; }
    constexpr bool covers(Parts other) const { return (bits & other.bits) == other.bits; }
};
inline constexpr Parts kEverywhere{0xFFFFFFFFu};
inline constexpr std::uint8_t kAnyWeekday = 0x7F;
constexpr std::uint8_t weekday_bit(int weekday) { return static_cast<std::uint8_t>(1u << weekday); }

// Where inside `where` the day holds.
enum class Scope : std::uint8_t {
    Whole,    // all of it
    Communes, // the communes of a list, decided by the place's commune
    Parts,    // parts no list here resolves; `note` says which
};

struct Statute {
    Parts where = kEverywhere;
    Years years = {};
    Status status = Status::Statutory;
    Scope scope = Scope::Whole;
    const CommuneList* communes = nullptr; // Scope::Communes
    std::string_view note = {};            // German, for a tooltip: where it holds
    std::string_view law = {};             // when not the subdivision's own holiday law
    std::uint8_t on_weekdays = kAnyWeekday;  // bit 0 Monday .. bit 6 Sunday: the weekdays it holds on
};

// A statute that holds only when its day falls on one of `weekdays` (bit 0
// Monday .. bit 6 Sunday).
constexpr Statute only_on(Statute statute, std::uint8_t weekdays) {
    statute.on_weekdays = weekdays;
    return statute;
}

struct DayRow {
    std::string_view name;
    DateRule date;
    Category category;
    std::span<const Statute> statutes = {};
    Parts listed_in = kEverywhere; // customs of one canton or state
    Years listed = {};             // one-off days
};

struct Subdivision {
    std::string_view code; // ISO 3166-2
    std::string_view law;  // its holiday law, named once
};

struct CountryLaw {
    std::string_view code;     // ISO 3166-1
    std::string_view law;      // the country's own holiday law (federal, national)
    std::span<const Subdivision> subdivisions;
    std::span<const DayRow> days; // in the order that decides between days of one date
    std::string_view regional_note; // the country as a whole: "in einigen Ländern"
};

// A country's subdivisions named by the last part of their codes, blank
// separated: parts_of(kCantons, "BS BL"). An unknown name does not compile
// where the set is a constant.
constexpr Parts parts_of(std::span<const Subdivision> table, std::string_view names) {
    Parts parts{};
    std::size_t at = 0;
    while (at < names.size()) {
        if (names[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = names.find(' ', at);
        if (end == std::string_view::npos) end = names.size();
        const std::string_view name = names.substr(at, end - at);
        bool found = false;
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::string_view code = table[i].code;
            const std::size_t dash = code.rfind('-');
            if (code.substr(dash + 1) == name) {
                parts.bits |= 1u << i;
                found = true;
            }
        }
        if (!found) throw "unknown subdivision"; // not a constant expression: a compile error
        at = end;
    }
    return parts;
}

} // namespace vespera::holidays

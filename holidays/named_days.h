// What a named day is where it is not statutory, and the size of the
// engine's described table. The rows themselves are each country's law
// (law_de.cpp holds the 73 described slots first, in slot order).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vespera {

// Gesetzlich marks a row that exists only as a statutory holiday (Austria's
// Staatsfeiertag): it is listed only where and when its statutes hold.
// Ferien is the category of school holidays.
enum class DayCategory : std::uint8_t {
    Gesetzlich,
    Kirchlich,
    Gedenktag,
    Brauchtum,
    Astronomisch,
    Ferien,
    Jahreskreisfest, // the Celtic year festivals: listed, never marked in the month view
};

// The described slots of the holiday table: Neujahr .. Tag der Deutschen Einheit.
inline constexpr std::size_t kDescribedDayCount = 73;

} // namespace vespera

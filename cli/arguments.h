// The command line's values: dates, years and coordinates, read strictly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vespera::cli {

// "8.4.2024" (day.month.year as the window writes it: the Julian calendar up
// to 4 October 1582) or "2024-04-08" (ISO 8601, the Gregorian calendar also
// before 1582; a year beyond four digits or before year 0 carries a sign:
// "-0044-03-13"), read as the window's date difference reads it. The day
// number, or nullopt for anything else, for a day the calendar lacks
// (31.2.2024, 10.10.1582) and outside the years -27968..27968.
std::optional<std::int32_t> parse_date(std::string_view text);

// The lines for standard error that say how a short year was read
// ("vespera-cli: 9.12.26 als 9. Dezember 26 n. Chr. gelesen"), each ended
// by a line feed; empty when there is nothing to say.
std::string date_notes(std::string_view first, std::string_view second = {});

// A whole year within -27968..27968.
std::optional<std::int32_t> parse_year(std::string_view text);

struct Coordinates {
    double latitude_deg;  // north positive
    double longitude_deg; // east positive
};

// "52.52,13.405": latitude, comma, longitude, in degrees with a decimal
// point; within ±90 and ±180.
std::optional<Coordinates> parse_coordinates(std::string_view text);

} // namespace vespera::cli

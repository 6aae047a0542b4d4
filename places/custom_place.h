// A place the user enters by hand ("Eigener Ort …"): coordinates as typed,
// a name and a zone of the tz database, checked before anything is stored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "places/place_search.h"

namespace vespera {

enum class CoordinateAxis { latitude, longitude };

// Decimal degrees with a comma or a point: "48,5372", "-12.15", "+7",
// optionally followed by "°" and a compass letter ("48,54° N", "12,15 O",
// "3,7 W"; O or E for east). Blanks around the text do not matter. Anything
// else, and values beyond ±90 (latitude) or ±180 (longitude), give the
// German reason in `error`.
struct CoordinateRead {
    std::optional<double> degrees;
    std::string error;
};
CoordinateRead read_coordinate(std::string_view text, CoordinateAxis axis);

struct CustomPlaceText {
    std::string_view name;
    std::string_view latitude;
    std::string_view longitude;
    std::string_view zone; // IANA name
};

// The place, or the German reason for refusing it (the first fault found,
// in the dialog's order: name, latitude, longitude, zone). A name of the
// built-in list, now or formerly, is refused: on the next start the list's
// row would win over the stored coordinates.
struct CustomPlaceCheck {
    std::optional<Place> place;
    std::string error;
};
CustomPlaceCheck check_custom_place(const CustomPlaceText& text);

// At most this many characters (code points) in a place's name.
inline constexpr std::size_t kMaxPlaceNameCharacters = 60;

} // namespace vespera

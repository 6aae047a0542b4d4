// The "Eigener Ort" dialog's text: name, latitude, longitude and zone as the
// user types them, one per line of the input. A place is either refused with
// a German reason or sound: a printable name that is no list entry, a point
// on the globe, a zone of the tz database; and its coordinates, written as
// the settings store writes them, read back to the same point.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "places/city_table.h"
#include "places/custom_place.h"
#include "places/name_folding.h"
#include "base/number_text.h"
#include "zones/zone.h"
#include "fuzz/fuzz_input.h"

namespace {

// The next line of the input (all of the rest for the last field).
std::string_view next_field(std::string_view& rest, bool last) {
    if (last) return std::exchange(rest, {});
    const std::size_t end = rest.find('\n');
    const std::string_view field = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return field;
}

void check_reads_back(double degrees, vespera::CoordinateAxis axis, char separator) {
    const std::string text = vespera::general(degrees, separator);
    const vespera::CoordinateRead again = vespera::read_coordinate(text, axis);
    fuzz::check(again.degrees.has_value(), "the stored text " + text + " was refused: " + again.error);
    fuzz::check(std::fabs(*again.degrees - degrees) <= 1e-12 * std::max(1.0, std::fabs(degrees)),
                "the stored text " + text + " reads back elsewhere");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    vespera::CustomPlaceText text;
    text.name = next_field(rest, false);
    text.latitude = next_field(rest, false);
    text.longitude = next_field(rest, false);
    text.zone = next_field(rest, true);

    const vespera::CustomPlaceCheck check = vespera::check_custom_place(text);
    fuzz::check(check.place.has_value() != !check.error.empty(), "neither place nor reason, or both");
    if (!check.place) {
        fuzz::check(vespera::is_printable_utf8(check.error), "the reason is not printable UTF-8: " + check.error);
        return 0;
    }
    const vespera::Place& place = *check.place;
    fuzz::check(!place.name.empty() && vespera::is_printable_utf8(place.name), "the name is empty or unprintable");
    fuzz::check(place.name.front() != ' ' && place.name.back() != ' ', "the name keeps outer blanks");
    fuzz::check(vespera::find_stored_city(place.name) == nullptr, "the name is a list entry: " + place.name);
    fuzz::check(std::isfinite(place.latitude_deg) && std::fabs(place.latitude_deg) <= 90.0, "latitude off the globe");
    fuzz::check(std::isfinite(place.longitude_deg) && std::fabs(place.longitude_deg) <= 180.0,
                "longitude off the globe");
    fuzz::check(vespera::Zone::named(place.zone).has_value(), "the zone is unknown: " + place.zone);
    fuzz::check(!place.built_in && place.region.empty(), "an own place claims a list entry or a region");

    const vespera::CoordinateRead latitude = vespera::read_coordinate(text.latitude, vespera::CoordinateAxis::latitude);
    fuzz::check(latitude.degrees == place.latitude_deg, "the latitude field reads otherwise alone");
    for (const char separator : {',', '.'}) {
        check_reads_back(place.latitude_deg, vespera::CoordinateAxis::latitude, separator);
        check_reads_back(place.longitude_deg, vespera::CoordinateAxis::longitude, separator);
    }
    return 0;
}

#include "places/custom_place.h"

#include <charconv>
#include <cmath>

#include "places/city_table.h"
#include "places/name_folding.h"
#include "zones/zone.h"

namespace vespera {
namespace {

// More significant digits than a double holds say nothing more; leading
// zeros do not count ("0,000005" as the settings store writes a small value).
constexpr std::size_t kMaxSignificantDigits = 18;
constexpr std::size_t kMaxCoordinateText = 512;
constexpr std::string_view kDegreeSign = "\xC2\xB0";

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view without_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// +1 or -1 for a compass letter of the axis, 0 for anything else.
int compass_sign(char letter, CoordinateAxis axis) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    if (axis == CoordinateAxis::latitude) {
        if (upper == 'N') return 1;
        if (upper == 'S') return -1;
    } else {
        if (upper == 'O' || upper == 'E') return 1;
        if (upper == 'W') return -1;
    }
    return 0;
}

// "12", "12,5", ",5", "12." with a point or a comma; nullopt otherwise.
std::optional<double> unsigned_decimal(std::string_view text) {
    if (text.size() > kMaxCoordinateText) return std::nullopt;
    std::string number;
    std::size_t digits = 0;
    std::size_t significant = 0;
    bool separator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
            if (c != '0' || significant > 0) ++significant;
            number += c;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
            number += '.';
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || significant > kMaxSignificantDigits) return std::nullopt;
    if (number.front() == '.') number.insert(number.begin(), '0');
    if (number.back() == '.') number.pop_back();
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string not_a_coordinate(CoordinateAxis axis) {
    return axis == CoordinateAxis::latitude
               ? "Die Breite ist keine Zahl in Dezimalgrad (zum Beispiel 48,54 oder -33,92 oder 48,54 N)."
               : "Die Länge ist keine Zahl in Dezimalgrad (zum Beispiel 12,15 oder -3,70 oder 3,70 W).";
}

std::size_t code_points(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string quoted(std::string_view text) { return "\xE2\x80\x9E" + std::string(text) + "\xE2\x80\x9C"; }

std::string name_fault(std::string_view name) {
    if (name.empty()) return "Bitte einen Namen für den Ort eingeben.";
    if (!is_printable_utf8(name)) return "Der Name enthält Steuerzeichen oder ungültige Zeichen.";
    if (code_points(name) > kMaxPlaceNameCharacters) {
        return "Der Name ist zu lang (höchstens " + std::to_string(kMaxPlaceNameCharacters) + " Zeichen).";
    }
    if (find_stored_city(name) != nullptr) {
        return quoted(name) + " ist ein Ort der Liste; bitte einen anderen Namen wählen.";
    }
    return {};
}

} // namespace

CoordinateRead read_coordinate(std::string_view text, CoordinateAxis axis) {
    std::string_view rest = without_blanks(text);
    if (rest.empty()) {
        return {std::nullopt, axis == CoordinateAxis::latitude ? "Bitte die geographische Breite eingeben."
                                                               : "Bitte die geographische Länge eingeben."};
    }
    int sign = 1;
    int compass = 0;
    if (const int letter = compass_sign(rest.back(), axis); letter != 0) {
        compass = letter;
        rest = without_blanks(rest.substr(0, rest.size() - 1));
    }
    if (rest.ends_with(kDegreeSign)) rest = without_blanks(rest.substr(0, rest.size() - kDegreeSign.size()));
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        // "-48 S" would say south twice or contradict itself: refused.
        if (compass != 0) return {std::nullopt, not_a_coordinate(axis)};
        sign = rest.front() == '-' ? -1 : 1;
        rest.remove_prefix(1);
    }
    const std::optional<double> magnitude = unsigned_decimal(rest);
    if (!magnitude) return {std::nullopt, not_a_coordinate(axis)};
    const double degrees = (compass != 0 ? compass : sign) * *magnitude;
    const double limit = axis == CoordinateAxis::latitude ? 90.0 : 180.0;
    if (!(std::fabs(degrees) <= limit)) {
        return {std::nullopt, axis == CoordinateAxis::latitude
                                  ? "Die Breite muss zwischen -90 und 90 Grad liegen (Süden negativ)."
                                  : "Die Länge muss zwischen -180 und 180 Grad liegen (Westen negativ)."};
    }
    return {degrees, {}};
}

CustomPlaceCheck check_custom_place(const CustomPlaceText& text) {
    const std::string_view name = without_blanks(text.name);
    if (std::string fault = name_fault(name); !fault.empty()) return {std::nullopt, std::move(fault)};
    const CoordinateRead latitude = read_coordinate(text.latitude, CoordinateAxis::latitude);
    if (!latitude.degrees) return {std::nullopt, latitude.error};
    const CoordinateRead longitude = read_coordinate(text.longitude, CoordinateAxis::longitude);
    if (!longitude.degrees) return {std::nullopt, longitude.error};
    const std::string_view zone = without_blanks(text.zone);
    if (zone.empty()) return {std::nullopt, "Bitte eine Zeitzone wählen."};
    if (!Zone::named(zone)) {
        return {std::nullopt, is_printable_utf8(zone) && zone.size() <= 64
                                  ? "Die Zeitzone " + quoted(zone) + " steht nicht in der Zeitzonen-Datenbank."
                                  : std::string("Diese Zeitzone steht nicht in der Zeitzonen-Datenbank.")};
    }
    Place place;
    place.name = std::string(name);
    place.label = place.name;
    place.latitude_deg = *latitude.degrees;
    place.longitude_deg = *longitude.degrees;
    place.zone = std::string(zone);
    return {std::move(place), {}};
}

} // namespace vespera

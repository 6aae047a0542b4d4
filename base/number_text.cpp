#include "base/number_text.h"

#include <cmath>
#include <algorithm>
#include <charconv>

namespace vespera {
namespace {

// Digits with '.' whatever the C locale: the window runs under the user's
// (Qt sets it), where printf would write "1,5" and strtod stop at the '.'.
std::string c_digits(double value, std::chars_format format, int precision) {
    char buffer[1024];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return error == std::errc{} ? std::string(buffer, end) : std::string();
}

} // namespace

double round_half_even(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double round_half_even(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    // Decide on the shortest decimal text of the value so that 0.125 -> 0.12
    // and 2.675 (stored a hair below) -> 2.67, as the decimal reading says.
    const std::string shortest = c_digits(value, std::chars_format::general, 15);
    double decimal_value = value;
    std::from_chars(shortest.data(), shortest.data() + shortest.size(), decimal_value);
    const double scale = std::pow(10.0, decimals);
    const double scaled = decimal_value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) > 1e15) return value;
    // Nudge exact decimal ties that scaling moved off the half.
    double nearest_half = std::floor(scaled) + 0.5;
    double adjusted = std::fabs(scaled - nearest_half) < 1e-9 * std::max(1.0, std::fabs(scaled))
                          ? nearest_half
                          : scaled;
    return round_half_even(adjusted) / scale;
}

std::string fixed(double value, int decimals, char separator) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
    std::string text = c_digits(value, std::chars_format::fixed, std::clamp(decimals, 0, 340));
    if (text.empty()) return text;
    // A value that rounds to zero shows without a sign.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    for (char& c : text) {
        if (c == '.') c = separator;
    }
    return text;
}

std::string two_digits(std::int64_t value) {
    const bool negative = value < 0;
    // Magnitude as unsigned so that the most negative value has no overflow.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

std::string digits_or_empty(std::int64_t value) {
    return value == 0 ? std::string{} : std::to_string(value);
}

std::string general(double value, char separator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    if (value == 0.0) return "0";
    std::string text = c_digits(value, std::chars_format::general, 15);
    const auto exponent_at = text.find('e');
    if (exponent_at != std::string::npos && std::fabs(value) < 1e15) {
        // Small magnitudes: plain decimals with 15 significant digits.
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        const int decimals = std::min(340, std::max(0, 14 - exponent));
        text = c_digits(value, std::chars_format::fixed, decimals);
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.') text.pop_back();
        }
    }
    for (char& c : text) {
        if (c == '.') c = separator;
    }
    return text;
}

} // namespace vespera

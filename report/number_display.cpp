#include "report/number_display.h"

#include <charconv>

#include "base/number_text.h"

namespace vespera::report {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string grouped(double value, int decimals, char separator) {
    const std::string plain = fixed(value, decimals, separator);
    const char group = separator == ',' ? '.' : ',';
    const std::size_t sign = !plain.empty() && plain.front() == '-' ? 1 : 0;
    std::size_t whole_end = plain.find(separator, sign);
    if (whole_end == std::string::npos) whole_end = plain.size();
    std::string text = plain.substr(0, sign);
    for (std::size_t i = sign; i < whole_end; ++i) {
        if (i > sign && (whole_end - i) % 3 == 0) text += group;
        text += plain[i];
    }
    text += plain.substr(whole_end);
    return text;
}

std::string angle_text(double angle_deg, char separator) {
    return fixed(angle_deg, kAngleDecimals, separator) + "\u00b0";
}

std::string renumbered(std::string_view engine_text, int decimals, bool group, char separator) {
    std::size_t end = engine_text.starts_with('-') ? 1 : 0;
    const std::size_t first_digit = end;
    while (end < engine_text.size() && is_digit(engine_text[end])) ++end;
    if (end == first_digit) return std::string(engine_text);
    std::string number(engine_text.substr(0, end));
    if (end + 1 < engine_text.size() && engine_text[end] == separator && is_digit(engine_text[end + 1])) {
        number += '.';
        for (++end; end < engine_text.size() && is_digit(engine_text[end]); ++end) number += engine_text[end];
    }
    // Not strtod: the window's C locale may write decimals with a comma.
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    std::string_view rest = engine_text.substr(end);
    if (rest.starts_with(" \u00b0")) rest.remove_prefix(1);
    return (group ? grouped(value, decimals, separator) : fixed(value, decimals, separator)) + std::string(rest);
}

} // namespace vespera::report

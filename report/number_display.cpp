#include "report/number_display.h"

#include "base/number_text.h"

namespace vespera::report {
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

} // namespace vespera::report

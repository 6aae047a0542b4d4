#include "cli/arguments.h"

#include <charconv>
#include <cmath>
#include <string>

#include "base/date_math.h"
#include "base/text.h"
#include "report/date_difference.h"

namespace vespera::cli {
namespace {

bool year_in_range(std::int64_t year) { return year >= -kLargestYear && year <= kLargestYear; }

} // namespace

std::optional<std::int32_t> parse_date(std::string_view text) { return report::read_typed_date(text).day; }

std::string date_notes(std::string_view first, std::string_view second) {
    std::string notes;
    const std::string lines = report::typed_date_notes(first, second);
    for (std::size_t start = 0; start < lines.size();) {
        const std::size_t end = lines.find('\n', start);
        notes += "vespera-cli: " + lines.substr(start, end - start + 1);
        start = end + 1;
    }
    return notes;
}

std::optional<std::int32_t> parse_year(std::string_view text) {
    const auto year = whole_number(text, true);
    if (!year || !year_in_range(*year)) return std::nullopt;
    return static_cast<std::int32_t>(*year);
}

std::optional<Coordinates> parse_coordinates(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto number = [](std::string_view part) -> std::optional<double> {
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        if (!part.empty() && part.front() == '+') part.remove_prefix(1);
        double value = 0.0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value,
                                                  std::chars_format::fixed);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    };
    const auto latitude = number(text.substr(0, comma));
    const auto longitude = number(text.substr(comma + 1));
    if (!latitude || !longitude || std::fabs(*latitude) > 90.0 || std::fabs(*longitude) > 180.0) return std::nullopt;
    return Coordinates{*latitude, *longitude};
}

} // namespace vespera::cli

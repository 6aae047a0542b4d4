#include "cli/arguments.h"

#include <charconv>
#include <cmath>
#include <string>

#include "engine/date_math.h"

namespace vespera::cli {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Digits with an optional sign in front; nothing else.
std::optional<std::int64_t> whole_number(std::string_view text, bool sign_allowed) {
    bool negative = false;
    if (sign_allowed && !text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (!is_digit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool year_in_range(std::int64_t year) { return year >= -kLargestYear && year <= kLargestYear; }

// The day number when year, month and day name a day of `calendar`.
std::optional<std::int32_t> existing_day(Calendar calendar, std::int64_t year, std::int64_t month, std::int64_t day) {
    if (!year_in_range(year) || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const std::int64_t number = day_number_in(calendar, year, month, day);
    const CivilDate back = date_in(calendar, number);
    if (back.year != year || back.month != month || back.day != day) return std::nullopt;
    // The civil calendar switches on 15 October 1582: a date must be the one
    // the engine's day number reads back.
    const CivilDate civil = civil_date(number);
    if (!year_in_range(civil.year)) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

std::optional<std::int32_t> parse_iso_date(std::string_view text) {
    // [sign] year (at least four digits) "-" MM "-" DD
    const std::size_t month_dash = text.size() >= 6 ? text.size() - 6 : std::string_view::npos;
    if (month_dash == std::string_view::npos || text[month_dash] != '-' || text[month_dash + 3] != '-') return std::nullopt;
    const std::string_view year_text = text.substr(0, month_dash);
    const std::size_t digits = year_text.size() - ((year_text.starts_with('-') || year_text.starts_with('+')) ? 1 : 0);
    if (digits < 4) return std::nullopt;
    const auto year = whole_number(year_text, true);
    const auto month = whole_number(text.substr(month_dash + 1, 2), false);
    const auto day = whole_number(text.substr(month_dash + 4, 2), false);
    if (!year || !month || !day) return std::nullopt;
    return existing_day(Calendar::Gregorian, *year, *month, *day);
}

std::optional<std::int32_t> parse_dotted_date(std::string_view text) {
    const std::size_t first = text.find('.');
    const std::size_t second = first == std::string_view::npos ? first : text.find('.', first + 1);
    if (second == std::string_view::npos || text.find('.', second + 1) != std::string_view::npos) return std::nullopt;
    const auto day = whole_number(text.substr(0, first), false);
    const auto month = whole_number(text.substr(first + 1, second - first - 1), false);
    const auto year = whole_number(text.substr(second + 1), true);
    if (!day || !month || !year) return std::nullopt;
    if (!year_in_range(*year) || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    // The window's calendar: Julian up to 4 October 1582, Gregorian after.
    const std::int64_t number = day_number(*year, *month, *day);
    const CivilDate back = civil_date(number);
    if (back.year != *year || back.month != *month || back.day != *day) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

} // namespace

std::optional<std::int32_t> parse_date(std::string_view text) {
    if (text.find('.') != std::string_view::npos) return parse_dotted_date(text);
    return parse_iso_date(text);
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

#include "base/german_names.h"

#include <array>

#include "base/number_text.h"

namespace vespera {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Januar", "Februar", "März", "April", "Mai", "Juni",
    "Juli", "August", "September", "Oktober", "November", "Dezember"};

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};

} // namespace

std::string_view month_name(std::int64_t month) {
    if (month < 1 || month > 12) return {};
    return kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string_view weekday_name(std::int64_t index) {
    if (index < 0 || index > 6) return {};
    return kWeekdayNames[static_cast<std::size_t>(index)];
}

std::string date_text(std::int64_t year, std::int64_t month, std::int64_t day, std::int32_t format) {
    switch (format) {
    case 0:
        return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
    case 1:
        return std::to_string(day) + "." + std::to_string(month) + "." + digits_or_empty((year < 0 ? -year : year) % 100);
    case 2:
        return std::to_string(day) + ". " + std::string(month_name(month)) + " " + std::to_string(year);
    default:
        return {};
    }
}

} // namespace vespera

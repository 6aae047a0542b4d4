#include "calendars/coptic_ethiopian.h"

#include <array>
#include <string_view>

#include "calendars/date_text.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

// 1 Thout 1, 29 August 284 (Julian), the era of the martyrs; 1 Maskarem 1,
// 29 August 8 (Julian), the Incarnation era (computus.de, Kalenderarten).
constexpr std::int64_t kCopticEpochDay = 1825030;
constexpr std::int64_t kEthiopianEpochDay = 1724221;

// Coptic names as the Coptic Orthodox Church in Germany writes them
// (kopten.de, "Die koptischen Monate"); Ethiopian ones after computus.de.
constexpr std::array<std::string_view, 13> kCopticMonths = {
    "Thoout", "Paopi", "Athoor", "Koojak", "Towi", "Meschir", "Paremhat",
    "Farmouthi", "Paschoons", "Paooni", "Epiep", "Mesoori", "Pikouji enawot"};
constexpr std::array<std::string_view, 13> kEthiopianMonths = {
    "Maskarem", "Tekemt", "Hedar", "Tachsas", "Ter", "Jacatit", "Magabit",
    "Mijazia", "Ginbot", "Sene", "Hamle", "Nahasse", "Pagomaen"};

CalendarDate alexandrian_date(std::int64_t day_number, std::int64_t epoch_day) {
    // Four-year groups of 1461 days whose third year has the sixth epagomenal day.
    const std::int64_t days = day_number - epoch_day;
    const std::int64_t year = floor_div(4 * days + 1463, 1461);
    const std::int64_t day_of_year = days - (365 * (year - 1) + floor_div(year, 4));
    return {year, day_of_year / 30 + 1, day_of_year % 30 + 1};
}

std::int64_t alexandrian_day_number(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t epoch_day) {
    return epoch_day + 365 * (year - 1) + floor_div(year, 4) + 30 * (month - 1) + day - 1;
}

std::string named_date_text(const CalendarDate& date, const std::array<std::string_view, 13>& names) {
    if (date.month < 1 || date.month > 13) return {};
    return dated_text(date.day, names[static_cast<std::size_t>(date.month - 1)], date.year);
}

} // namespace

CalendarDate coptic_date(std::int64_t day_number) { return alexandrian_date(day_number, kCopticEpochDay); }
CalendarDate ethiopian_date(std::int64_t day_number) { return alexandrian_date(day_number, kEthiopianEpochDay); }

std::int64_t coptic_day_number(std::int64_t year, std::int64_t month, std::int64_t day) {
    return alexandrian_day_number(year, month, day, kCopticEpochDay);
}

std::int64_t ethiopian_day_number(std::int64_t year, std::int64_t month, std::int64_t day) {
    return alexandrian_day_number(year, month, day, kEthiopianEpochDay);
}

std::string coptic_text(const CalendarDate& date) { return named_date_text(date, kCopticMonths); }
std::string ethiopian_text(const CalendarDate& date) { return named_date_text(date, kEthiopianMonths); }

} // namespace vespera

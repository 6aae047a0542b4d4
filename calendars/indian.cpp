#include "calendars/indian.h"

#include <array>
#include <string_view>

#include "calendars/date_text.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

constexpr std::int64_t kSakaToGregorian = 78;

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Chaitra", "Vaishakha", "Jyaishtha", "Ashadha", "Shravana", "Bhadra",
    "Ashvina", "Kartika", "Agrahayana", "Pausha", "Magha", "Phalguna"};

// The proleptic Gregorian rule, also before 1582.
bool gregorian_leap(std::int64_t year) {
    return day_number_in(Calendar::Gregorian, year, 3, 1) - day_number_in(Calendar::Gregorian, year, 2, 1) == 29;
}

std::int64_t new_year_day(std::int64_t saka_year) {
    const std::int64_t gregorian_year = saka_year + kSakaToGregorian;
    return day_number_in(Calendar::Gregorian, gregorian_year, 3, gregorian_leap(gregorian_year) ? 21 : 22);
}

std::int64_t month_days(std::int64_t saka_year, std::int64_t month) {
    if (month == 1) return gregorian_leap(saka_year + kSakaToGregorian) ? 31 : 30;
    return month <= 6 ? 31 : 30;
}

} // namespace

CalendarDate indian_date(std::int64_t day_number) {
    std::int64_t year = date_in(Calendar::Gregorian, day_number).year - kSakaToGregorian;
    if (new_year_day(year) > day_number) --year;
    std::int64_t rest = day_number - new_year_day(year);
    std::int64_t month = 1;
    while (month < 12 && rest >= month_days(year, month)) {
        rest -= month_days(year, month);
        ++month;
    }
    return {year, month, rest + 1};
}

std::int64_t indian_day_number(std::int64_t year, std::int64_t month, std::int64_t day) {
    std::int64_t days = new_year_day(year);
    for (std::int64_t m = 1; m < month && m < 12; ++m) days += month_days(year, m);
    return days + day - 1;
}

std::string indian_text(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12) return {};
    return dated_text(date.day, kMonthNames[static_cast<std::size_t>(date.month - 1)], date.year);
}

} // namespace vespera

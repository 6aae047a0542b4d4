#include "calendars/umm_al_qura.h"

#include "calendars/islamic_months.h"
#include "calendars/umm_al_qura_table.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

std::int64_t first_day_of(const UmmAlQuraYear& year) {
    return day_number_in(Calendar::Gregorian, year.gregorian_year, year.gregorian_month, year.gregorian_day);
}

std::int64_t month_length(const UmmAlQuraYear& year, std::int64_t month) {
    return 29 + ((year.thirty_day_months >> (month - 1)) & 1);
}

} // namespace

std::int64_t first_umm_al_qura_day() { return first_day_of(kUmmAlQuraYears.front()); }

std::int64_t last_umm_al_qura_day() {
    return day_number_in(Calendar::Gregorian, kUmmAlQuraEndGregorianYear, kUmmAlQuraEndGregorianMonth,
                         kUmmAlQuraEndGregorianDay) -
           1;
}

std::optional<CalendarDate> umm_al_qura_date(std::int64_t day_number) {
    if (day_number < first_umm_al_qura_day() || day_number > last_umm_al_qura_day()) return std::nullopt;
    // A year has 354 or 355 days: the estimate is at most one year late.
    auto index = static_cast<std::size_t>((day_number - first_umm_al_qura_day()) / 354);
    if (index >= kUmmAlQuraYears.size()) index = kUmmAlQuraYears.size() - 1;
    while (index > 0 && first_day_of(kUmmAlQuraYears[index]) > day_number) --index;
    const UmmAlQuraYear& year = kUmmAlQuraYears[index];
    std::int64_t rest = day_number - first_day_of(year);
    std::int64_t month = 1;
    while (month < 12 && rest >= month_length(year, month)) {
        rest -= month_length(year, month);
        ++month;
    }
    return CalendarDate{year.year, month, rest + 1};
}

std::optional<std::int64_t> umm_al_qura_day_number(std::int64_t year, std::int64_t month, std::int64_t day) {
    if (year < kFirstUmmAlQuraYear || year > kLastUmmAlQuraYear || month < 1 || month > 12) return std::nullopt;
    const UmmAlQuraYear& entry = kUmmAlQuraYears[static_cast<std::size_t>(year - kFirstUmmAlQuraYear)];
    if (day < 1 || day > month_length(entry, month)) return std::nullopt;
    std::int64_t days = first_day_of(entry);
    for (std::int64_t m = 1; m < month; ++m) days += month_length(entry, m);
    return days + day - 1;
}

std::string umm_al_qura_text(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12) return {};
    return std::to_string(date.day) + std::string(kIslamicMonths[static_cast<std::size_t>(date.month - 1)]) +
           std::to_string(date.year);
}

} // namespace vespera

#include "base/date_math.h"

namespace vespera {

std::int64_t weekday_on_or_before(std::int64_t day, int weekday, int max_days_back) {
    for (int back = 0; back <= max_days_back; ++back) {
        if (weekday_index(day - back) == weekday) return day - back;
    }
    return 0;
}

std::optional<std::int64_t> gregorian_day_number(int year, int month, int day) {
    if (year < 1583 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
    const int days_in_month[] = {31, is_leap_year(year) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > days_in_month[month - 1]) return std::nullopt;
    return day_number(year, month, day);
}

} // namespace vespera

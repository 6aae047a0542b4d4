#include "calendars/calendar_conversions.h"

#include <algorithm>

#include "base/date_math.h"

namespace vespera {

CalendarDate islamic_date(std::int64_t day_number) {
    // Integer algorithm of the tabular Islamic calendar: 30-year cycles of
    // 10631 days, leap years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26 and 29,
    // 1 Muharram 1 on day 1948440 (1937808 = 1948440 - 10632).
    std::int64_t l = day_number - 1937808;
    const std::int64_t k = floor_div(l - 1, 10631);
    l = l - 10631 * k + 354;
    const std::int64_t j = floor_div(10985 - l, 5316) * floor_div(50 * l, 17719) +
                           floor_div(l, 5670) * floor_div(43 * l, 15238);
    l = l - floor_div(30 - j, 15) * floor_div(17719 * j, 50) - floor_div(j, 16) * floor_div(15238 * j, 43) + 29;
    const std::int64_t month = floor_div(24 * l, 709);
    const std::int64_t day = l - floor_div(709 * month, 24);
    return {30 * k + j - 30, month, day};
}

CalendarDate egyptian_date(std::int64_t day_number, std::int64_t epoch_day) {
    const std::int64_t days = day_number - epoch_day;
    std::int64_t year = floor_div(days, 365) + 1;
    const std::int64_t day_of_year = days - 365 * (year - 1); // 0..364
    const std::int64_t month = day_of_year / 30 + 1;
    const std::int64_t day = day_of_year - 30 * (month - 1) + 1;
    if (year < 1) year -= 1;
    return {year, month, day};
}

CalendarDate republican_date(std::int64_t day_number) {
    // Floor division and remainder also before year 0, so that the four-year
    // groups run on backwards instead of folding over at the epoch.
    const std::int64_t days = day_number - kRepublicanYearZeroDay;
    const std::int64_t group = floor_div(days, 1461);
    const std::int64_t day_of_group = days - 1461 * group;
    const std::int64_t year_of_group = std::min<std::int64_t>(day_of_group / 365, 3);
    const std::int64_t day_of_year = day_of_group - 365 * year_of_group;
    return {4 * group + year_of_group, day_of_year / 30 + 1, day_of_year % 30 + 1};
}

std::array<std::int64_t, 8> maya_long_count(std::int64_t day_number) {
    // kinchiltun, kalabtun, piktun, baktun, katun, tun and uinal in days; the kin remain.
    constexpr std::array<std::int64_t, 7> kUnit_days = {1152000000, 57600000, 2880000, 144000, 7200, 360, 20};
    // Goodman-Martinez-Thompson correlation: 0.0.0.0.0 is day 584283.
    std::int64_t days = day_number - 584283;
    std::array<std::int64_t, 8> counts{};
    for (std::size_t i = 0; i < kUnit_days.size(); ++i) {
        counts[i] = days / kUnit_days[i];
        days %= kUnit_days[i];
    }
    counts[7] = days;
    return counts;
}

} // namespace vespera

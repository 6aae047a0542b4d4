#include "holidays/easter.h"

#include <cmath>

#include "base/date_math.h"

namespace vespera {

namespace {

// Gauss's Easter formula with the supplement for April 25/26; floor
// remainders keep it right for years before the era as well. `m` and `s`
// are the secular corrections of the moon and the sun: 15 and 0 are those
// of the Julian computus.
MonthDay gauss_easter(std::int64_t year, std::int64_t m, std::int64_t s) {
    const std::int64_t a = floor_mod(year, 19);
    const std::int64_t d = floor_mod(19 * a + m, 30);
    const auto r = static_cast<std::int64_t>(std::floor((static_cast<double>(d) + a / 11.0) / 29.0));
    const std::int64_t full_moon_march_day = 21 + d - r;
    const std::int64_t first_sunday = 7 - floor_mod(year + floor_div(year, 4) + s, 7);
    const std::int64_t to_sunday = 7 - floor_mod(full_moon_march_day - first_sunday, 7);
    const std::int64_t march_day = full_moon_march_day + to_sunday;
    if (march_day <= 31) return {3, static_cast<std::int32_t>(march_day)};
    return {4, static_cast<std::int32_t>(march_day - 31)};
}

} // namespace

MonthDay julian_easter_sunday(std::int64_t year) { return gauss_easter(year, 15, 0); }

MonthDay easter_sunday(std::int64_t year) {
    if (year <= 1582) return julian_easter_sunday(year);
    const std::int64_t k = floor_div(year, 100);
    return gauss_easter(year, 15 + floor_div(3 * k + 3, 4) - floor_div(8 * k + 13, 25), 2 - floor_div(3 * k + 3, 4));
}

std::int64_t fourth_advent_sunday(std::int64_t year) {
    constexpr int kSunday = 6;
    return weekday_on_or_before(day_number(year, 12, 24), kSunday, 9);
}

} // namespace vespera

#include "holidays/easter.h"

#include <cmath>

#include "ephemeris/calendar.h"

namespace vespera {

MonthDay easter_sunday(std::int64_t year) {
    // Gauss's Easter formula with the supplement for April 25/26; floor
    // remainders keep it right for years before the era as well.
    std::int64_t m = 15;
    std::int64_t s = 0;
    if (year > 1582) {
        const std::int64_t k = floor_div(year, 100);
        m = 15 + floor_div(3 * k + 3, 4) - floor_div(8 * k + 13, 25);
        s = 2 - floor_div(3 * k + 3, 4);
    }
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

} // namespace vespera

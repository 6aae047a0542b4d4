#include "engine/date_math.h"

#include <cmath>

namespace vespera {

bool is_gregorian_date(std::int64_t year, std::int64_t month, std::int64_t day) {
    // Overflow-free in 64 bits for 32-bit inputs.
    return year * 10000 + month * 100 + day > 15821004;
}

std::int64_t day_number(std::int64_t year, std::int64_t month, std::int64_t day) {
    // The classic work values are single precision; for the engine's years
    // (|year| <= 27968) and months they are whole numbers held exactly.
    float y = static_cast<float>(year);
    float m = static_cast<float>(month);
    if (m <= 2.0f) {
        y -= 1.0f;
        m += 12.0f;
    }
    double b = 0.0;
    if (is_gregorian_date(year, month, day)) {
        const double a = std::floor(y / 100.0f);
        b = std::trunc(a / 4.0) + 2.0 - a;
    }
    const double years_part = std::floor((static_cast<double>(y) + 4716.0) * 365.25);
    const double months_part = std::floor((static_cast<double>(m) + 1.0) * 30.6001);
    // Meeus, Astronomical Algorithms, ch. 7: JD of noon is the 0h JD + 0.5.
    const double whole = years_part + months_part + b - 1524.0;
    return static_cast<std::int64_t>(whole) + day;
}

CivilDate civil_date(std::int64_t jd) {
    if (jd < kFirstGregorianDay) {
        // Meeus, ch. 7, with floor so that it holds for negative day numbers.
        const std::int64_t c = jd + 1524;
        const auto d = static_cast<std::int64_t>(std::floor((static_cast<double>(c) - 122.1) / 365.25));
        const auto e = static_cast<std::int64_t>(std::floor(static_cast<double>(d) * 365.25));
        const auto g = static_cast<std::int64_t>(std::floor(static_cast<double>(c - e) / 30.6001));
        const auto day = c - e - static_cast<std::int64_t>(std::floor(static_cast<double>(g) * 30.6001));
        const std::int64_t month = g < 14 ? g - 1 : g - 13;
        const std::int64_t year = month < 3 ? d - 4715 : d - 4716;
        return {year, static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)};
    }
    // Fliegel and Van Flandern's integer form, on a year that starts in March.
    const std::int64_t a = jd + 32044;
    const std::int64_t b = floor_div(a, 146097);
    const std::int64_t c = floor_mod(a, 146097);
    std::int64_t d = floor_div(c, 36524);
    if (d > 3) d = 3;
    const std::int64_t e = c - 36524 * d;
    const std::int64_t f = floor_div(e, 1461);
    const std::int64_t g = floor_mod(e, 1461);
    std::int64_t h = floor_div(g, 365);
    if (h > 3) h = 3;
    const std::int64_t i = g - 365 * h;
    const std::int64_t j = floor_div(111 * i + 41, 3395);
    const std::int64_t day = i - 30 * j + 1 - floor_div(7 * (j + 1), 12);
    const std::int64_t month = floor_mod(j + 14, 12) + 1;
    const std::int64_t year = 400 * b + 100 * d + 4 * f + h - 4800 + floor_div(j + 3, 13);
    return {year, static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)};
}

bool is_leap_year(std::int64_t year) {
    if (year >= 1582) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return floor_mod(year, 4) == 0;
}

std::int64_t weekday_on_or_before(std::int64_t day, int weekday, int max_days_back) {
    for (int back = 0; back <= max_days_back; ++back) {
        if (weekday_index(day - back) == weekday) return day - back;
    }
    return 0;
}

} // namespace vespera

#include "ephemeris/calendar.h"

#include <cmath>
#include <limits>

namespace vespera {
namespace {

// Beyond this the whole-number parts of a date or Julian Day no longer fit
// the integer arithmetic below with room to spare.
constexpr double kLargestWholePart = 1e12;

} // namespace

// Meeus, Astronomical Algorithms, 2nd ed., ch. 7, in whole numbers: the
// decimal constants are exact fractions, 365.25 = 1461 / 4 and
// 30.6001 = 306001 / 10000, so every Int() is an exact floor division.
std::int64_t day_number_in(Calendar calendar, std::int64_t year, std::int64_t month, std::int64_t day) {
    std::int64_t y = year;
    std::int64_t m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    std::int64_t b = 0;
    if (calendar == Calendar::Gregorian) {
        const std::int64_t a = floor_div(y, 100);
        b = 2 - a + floor_div(a, 4);
    }
    return floor_div(1461 * (y + 4716), 4) + floor_div(306001 * (m + 1), 10000) + day + b - 1524;
}

CivilDate date_in(Calendar calendar, std::int64_t day_number) {
    std::int64_t a = day_number;
    if (calendar == Calendar::Gregorian) {
        // alpha = Int((Z - 1867216.25) / 36524.25), written over 4.
        const std::int64_t alpha = floor_div(4 * day_number - 7468865, 146097);
        a = day_number + 1 + alpha - floor_div(alpha, 4);
    }
    // (B - 122.1) / 365.25 = (20 B - 2442) / 7305.
    const std::int64_t b = a + 1524;
    const std::int64_t c = floor_div(20 * b - 2442, 7305);
    const std::int64_t d = floor_div(1461 * c, 4);
    const std::int64_t e = floor_div(10000 * (b - d), 306001);
    const std::int64_t day = b - d - floor_div(306001 * e, 10000);
    const std::int64_t month = e < 14 ? e - 1 : e - 13;
    const std::int64_t year = month > 2 ? c - 4716 : c - 4715;
    return {year, static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)};
}

bool is_gregorian_date(std::int64_t year, std::int64_t month, std::int64_t day) {
    // Overflow-free in 64 bits for 32-bit inputs.
    return year * 10000 + month * 100 + day > 15821004;
}

std::int64_t day_number(std::int64_t year, std::int64_t month, std::int64_t day) {
    return day_number_in(is_gregorian_date(year, month, day) ? Calendar::Gregorian : Calendar::Julian, year, month,
                         day);
}

CivilDate civil_date(std::int64_t day_number) {
    return date_in(day_number < kFirstGregorianDay ? Calendar::Julian : Calendar::Gregorian, day_number);
}

double julian_day(double year, double month, double day_with_fraction) {
    if (!(std::fabs(year) < kLargestWholePart / 1000) || !(std::fabs(month) < kLargestWholePart / 1000) ||
        !(std::fabs(day_with_fraction) < kLargestWholePart)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double whole_day = std::floor(day_with_fraction);
    const auto y = static_cast<std::int64_t>(std::floor(year));
    const auto m = static_cast<std::int64_t>(std::floor(month));
    const auto d = static_cast<std::int64_t>(whole_day);
    return static_cast<double>(day_number(y, m, d)) - 0.5 + (day_with_fraction - whole_day);
}

CivilInstant civil_instant(double jd) {
    if (!(std::fabs(jd) < kLargestWholePart)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan};
    }
    const double whole = std::floor(jd + 0.5);
    const CivilDate date = civil_date(static_cast<std::int64_t>(whole));
    return {static_cast<double>(date.year), static_cast<double>(date.month),
            static_cast<double>(date.day) + (jd + 0.5 - whole)};
}

bool is_leap_year(std::int64_t year) {
    if (year >= 1582) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return floor_mod(year, 4) == 0;
}

} // namespace vespera

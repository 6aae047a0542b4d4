// Civil dates and day numbers: the one conversion between them, in the
// Gregorian and the Julian calendar.
//
// A day number is the Julian Day at noon of a civil day: 1 January 2000
// (Gregorian) is 2451545. Years are astronomical (year 0 exists). The civil
// calendar is Julian up to 4 October 1582 and Gregorian from 15 October 1582.
#pragma once

#include <cstdint>

namespace vespera {

inline constexpr std::int32_t kFirstGregorianDay = 2299161; // 15 October 1582

enum class Calendar { Gregorian, Julian };

struct CivilDate {
    std::int64_t year;
    std::int32_t month;
    std::int32_t day;
};

constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr std::int64_t floor_mod(std::int64_t a, std::int64_t b) { return a - floor_div(a, b) * b; }

// Day number of a date in one calendar, also outside its historical use
// (proleptic). Day and month are taken as they come: 31 February counts on
// into March, month 0 is December of the year before. Exact in 64 bits for
// every 32-bit input.
std::int64_t day_number_in(Calendar calendar, std::int64_t year, std::int64_t month, std::int64_t day);

// The date of a day number in one calendar (proleptic).
CivilDate date_in(Calendar calendar, std::int64_t day_number);

// Whether the civil calendar is Gregorian for a date: after 4 October 1582
// (the test compares year*10000 + month*100 + day, so day and month are not
// checked; the ten days that never were count as Gregorian).
bool is_gregorian_date(std::int64_t year, std::int64_t month, std::int64_t day);

// Civil date to day number, and back (Julian below kFirstGregorianDay).
std::int64_t day_number(std::int64_t year, std::int64_t month, std::int64_t day);
CivilDate civil_date(std::int64_t day_number);

// Julian Day of a civil date whose day carries a fraction (0h is .5), and
// back. Inputs that are not finite or lie far outside any calendar give NaN.
double julian_day(double year, double month, double day_with_fraction);
struct CivilInstant {
    double year;
    double month;
    double day; // with the fraction of the day
};
CivilInstant civil_instant(double jd);

// 0 = Monday ... 6 = Sunday.
constexpr int weekday_index(std::int64_t day_number) { return static_cast<int>(floor_mod(day_number, 7)); }

// Gregorian rule from 1582, Julian rule before; years up to 0 count
// astronomically (0, -4, -8 ... are leap), in step with day_number().
bool is_leap_year(std::int64_t year);

} // namespace vespera

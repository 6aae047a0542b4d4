// Day-number arithmetic of the engine, free of engine state so that every
// area (holidays, daylight saving, phases) can turn dates into day numbers
// without moving the engine's own date.
//
// A day number is the Julian day at noon of a civil day: 1 January 2000
// (Gregorian) is 2451545. Dates after 4 October 1582 are Gregorian, earlier
// ones Julian; years are astronomical (year 0 exists).
#pragma once

#include <cstdint>

namespace vespera {

inline constexpr std::int32_t kFirstGregorianDay = 2299161; // 15 October 1582
inline constexpr std::int32_t kLargestYear = 27968;          // years wrap beyond ±27968

struct CivilDate {
    std::int64_t year;
    std::int32_t month;
    std::int32_t day;
};

constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

constexpr std::int64_t floor_mod(std::int64_t a, std::int64_t b) {
    return a - floor_div(a, b) * b;
}

// The Gregorian calendar holds for dates after 4 October 1582 (the test
// compares year*10000 + month*100 + day, so day and month are not checked).
bool is_gregorian_date(std::int64_t year, std::int64_t month, std::int64_t day);

// CalcJD: date to day number. Day and month are taken as they come (31
// February counts on into March). Exact in 64 bits for every 32-bit input.
std::int64_t day_number(std::int64_t year, std::int64_t month, std::int64_t day);

// ConvertJD: day number to date; Julian below 2299161, Gregorian from there.
CivilDate civil_date(std::int64_t day_number);

// 0 = Monday ... 6 = Sunday.
constexpr int weekday_index(std::int64_t day_number) {
    return static_cast<int>(floor_mod(day_number, 7));
}

// Gregorian rule from 1582, Julian rule before; years up to 0 count
// astronomically (0, -4, -8 ... are leap), in step with day_number().
bool is_leap_year(std::int64_t year);

// The last day with weekday `weekday` on or before `day`, looking back at
// most ten days as the clock-change and Advent rules do; 0 when none.
std::int64_t weekday_on_or_before(std::int64_t day, int weekday, int max_days_back = 10);

} // namespace vespera

// The Persian (Solar Hijri) calendar, computed astronomically: a year
// begins on the day whose apparent noon at 52.5 degrees east (Iran's
// meridian, UTC+3:30) follows the March equinox; months 1-6 have 31 days,
// 7-11 30, Esfand 29 or 30. Beside it the 33-year arithmetic rule that
// approximates it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendars/calendar_conversions.h"

namespace vespera {

inline constexpr double kIranMeridian_deg = 52.5;
// Year y begins in March of the Gregorian year y + 621.
inline constexpr std::int64_t kPersianToGregorianYears = 621;

struct PersianYear {
    std::int64_t year;           // anno Persico
    std::int64_t first_day;      // 1 Farwardin
    std::int64_t next_first_day; // 1 Farwardin of the next year: 365 or 366 days on
    double equinox_jd_ut;        // the March equinox that begins it
};

// Covered while Delta T is modelled (years beginning in the Gregorian
// years -1999 to 3000, see kFirstDeltaTModelYear); empty outside.
std::optional<PersianYear> persian_year(std::int64_t year);
std::optional<std::int64_t> persian_new_year_day(std::int64_t year);

// Year, month (1 = Farwardin) and day.
std::optional<CalendarDate> persian_date(std::int64_t day_number);
// The same from a year already computed; empty when the day lies outside it.
std::optional<CalendarDate> persian_date_in(const PersianYear& year, std::int64_t day_number);

// The 33-year rule: leap when (25 y + 11) mod 33 < 8 (Borkowski, Earth,
// Moon and Planets 74, 1996: valid for 1799-2256).
bool is_persian_leap_year_33(std::int64_t year);
std::int64_t persian_new_year_day_33(std::int64_t year);

// "1. Farwardin 1404".
std::string persian_text(const CalendarDate& date);

} // namespace vespera

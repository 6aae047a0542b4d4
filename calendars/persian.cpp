#include "calendars/persian.h"

#include <array>
#include <cmath>
#include <string_view>

#include "calendars/date_text.h"
#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"
#include "ephemeris/solar_longitude.h"
#include "ephemeris/solar_transit.h"

namespace vespera {
namespace {

// 1 Farwardin 1 of the 33-year rule, anchored on 1 Farwardin 1404 =
// 21 March 2025.
constexpr std::int64_t kEpochDay33 = 1948320;

// German transliteration as in the Enzyklopädie des Islam and the German
// Wikipedia ("Iranischer Kalender").
constexpr std::array<std::string_view, 12> kMonthNames = {
    "Farwardin", "Ordibehescht", "Chordad", "Tir", "Mordad", "Schahriwar",
    "Mehr", "Aban", "Azar", "Dey", "Bahman", "Esfand"};

bool covered(std::int64_t year) {
    const std::int64_t gregorian_year = year + kPersianToGregorianYears;
    return gregorian_year >= kFirstDeltaTModelYear && gregorian_year <= kLastDeltaTModelYear;
}

double march_equinox_jd_ut(std::int64_t gregorian_year) {
    const double near_jde = static_cast<double>(day_number_in(Calendar::Gregorian, gregorian_year, 3, 20));
    const double jde = solar_longitude_instant_near_jde(0.0, near_jde);
    return jde - delta_t_seconds(jde) / kSecondsPerDay;
}

struct NewYear {
    std::int64_t day;
    double equinox_jd_ut;
};

NewYear astronomical_new_year(std::int64_t year) {
    const double equinox = march_equinox_jd_ut(year + kPersianToGregorianYears);
    // The day of the equinox in Iran's time, UTC+3:30 (the meridian's mean time).
    const auto day = static_cast<std::int64_t>(std::floor(equinox + 0.5 + kIranMeridian_deg / 360.0));
    return {equinox < solar_transit_jd_ut(day, kIranMeridian_deg) ? day : day + 1, equinox};
}

CalendarDate date_from_new_year(std::int64_t year, std::int64_t first_day, std::int64_t day_number) {
    const std::int64_t day_of_year = day_number - first_day; // from 0
    if (day_of_year < 186) return {year, day_of_year / 31 + 1, day_of_year % 31 + 1};
    return {year, (day_of_year - 186) / 30 + 7, (day_of_year - 186) % 30 + 1};
}

} // namespace

std::optional<std::int64_t> persian_new_year_day(std::int64_t year) {
    if (!covered(year)) return std::nullopt;
    return astronomical_new_year(year).day;
}

std::optional<PersianYear> persian_year(std::int64_t year) {
    if (!covered(year) || !covered(year + 1)) return std::nullopt;
    const NewYear first = astronomical_new_year(year);
    return PersianYear{year, first.day, astronomical_new_year(year + 1).day, first.equinox_jd_ut};
}

std::optional<CalendarDate> persian_date_in(const PersianYear& year, std::int64_t day_number) {
    if (day_number < year.first_day || day_number >= year.next_first_day) return std::nullopt;
    return date_from_new_year(year.year, year.first_day, day_number);
}

std::optional<CalendarDate> persian_date(std::int64_t day_number) {
    std::int64_t year = date_in(Calendar::Gregorian, day_number).year - kPersianToGregorianYears;
    std::optional<std::int64_t> first = persian_new_year_day(year);
    if (first && *first > day_number) first = persian_new_year_day(--year);
    if (!first) return std::nullopt;
    return date_from_new_year(year, *first, day_number);
}

bool is_persian_leap_year_33(std::int64_t year) { return floor_mod(25 * year + 11, 33) < 8; }

std::int64_t persian_new_year_day_33(std::int64_t year) {
    // floor((8 y + 21) / 33) counts the leap years before y.
    return kEpochDay33 + 365 * (year - 1) + floor_div(8 * year + 21, 33);
}

std::string persian_text(const CalendarDate& date) {
    if (date.month < 1 || date.month > 12) return {};
    return dated_text(date.day, kMonthNames[static_cast<std::size_t>(date.month - 1)], date.year);
}

} // namespace vespera

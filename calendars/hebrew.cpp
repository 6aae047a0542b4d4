#include "calendars/hebrew.h"

#include <array>
#include <string_view>

#include "calendars/date_text.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

// Time in parts (chalakim): 1080 to the hour, hours counted from 6 p.m. of
// the evening that begins the Hebrew day.
constexpr std::int64_t kPartsPerHour = 1080;
constexpr std::int64_t kPartsPerDay = 24 * kPartsPerHour;
constexpr std::int64_t kMeanMonth_parts = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;

// 1 Tischri of the year 1 is Monday, 7 October 3761 BC (Julian), day number
// 347998; its molad (BaHaRaD) fell on that day at 5 hours 204 parts.
constexpr std::int64_t kEpochDay = 347998;
constexpr std::int64_t kEpochMolad_parts = 5 * kPartsPerHour + 204;

// weekday_index(): 0 = Monday ... 6 = Sunday.
constexpr int kMonday = 0, kTuesday = 1, kWednesday = 2, kFriday = 4, kSunday = 6;

std::int64_t months_before_year(std::int64_t year) {
    // 235 months in the 19-year cycle, leap years 3, 6, 8, 11, 14, 17, 19.
    return floor_div(235 * year - 234, 19);
}

std::int64_t new_year_day(std::int64_t year) {
    const std::int64_t molad = kEpochMolad_parts + months_before_year(year) * kMeanMonth_parts;
    std::int64_t day = kEpochDay + floor_div(molad, kPartsPerDay);
    const std::int64_t parts = floor_mod(molad, kPartsPerDay);
    const int weekday = weekday_index(day);
    if (parts >= 18 * kPartsPerHour) {
        ++day; // Molad zaken: the molad at or after noon
    } else if (weekday == kTuesday && parts >= 9 * kPartsPerHour + 204 && !is_hebrew_leap_year(year)) {
        day += 2; // GaTaRaD: else this common year would run to 356 days
    } else if (weekday == kMonday && parts >= 15 * kPartsPerHour + 589 && is_hebrew_leap_year(year - 1)) {
        ++day; // BeTUTaKPaT: else the leap year before would have only 382 days
    }
    // Lo ADU Rosch: never on a Sunday, Wednesday or Friday.
    const int new_weekday = weekday_index(day);
    if (new_weekday == kSunday || new_weekday == kWednesday || new_weekday == kFriday) ++day;
    return day;
}

// Days of a month in a year of the given length; months in the biblical count.
std::int32_t month_days(std::int32_t month, std::int32_t year_length, bool leap) {
    const std::int32_t kind_days = year_length % 10; // 3, 4 or 5: deficient, regular, complete
    switch (month) {
    case 8: return kind_days == 5 ? 30 : 29;  // Cheschwan
    case 9: return kind_days == 3 ? 29 : 30;  // Kislew
    case kAdar: return leap ? 30 : 29;        // Adar I has 30 days
    case kAdarII: return leap ? 29 : 0;
    default: return month % 2 == 1 ? 30 : 29; // Nisan 30, Ijar 29 ... Tischri 30, Tewet 29, Schwat 30
    }
}

// The months from Tischri on, in the order of the year.
constexpr std::array<std::int32_t, 13> kMonthsFromTischri = {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6};

constexpr std::array<std::string_view, 13> kMonthNames = {
    "Nisan", "Ijar", "Siwan", "Tammus", "Aw", "Elul", "Tischri",
    "Cheschwan", "Kislew", "Tewet", "Schwat", "Adar", "Adar II"};

} // namespace

bool is_hebrew_leap_year(std::int64_t year) { return floor_mod(7 * year + 1, 19) < 7; }

HebrewYear hebrew_year(std::int64_t year) {
    const std::int64_t first = new_year_day(year);
    const auto length = static_cast<std::int32_t>(new_year_day(year + 1) - first);
    const std::int32_t kind_days = length % 10;
    const HebrewYearKind kind = kind_days == 3   ? HebrewYearKind::Deficient
                                : kind_days == 4 ? HebrewYearKind::Regular
                                                 : HebrewYearKind::Complete;
    return {year, first, length, is_hebrew_leap_year(year), kind};
}

std::int64_t hebrew_day_number(std::int64_t year, std::int32_t month, std::int32_t day) {
    const HebrewYear y = hebrew_year(year);
    std::int64_t days = y.first_day;
    for (const std::int32_t m : kMonthsFromTischri) {
        if (m == month) break;
        days += month_days(m, y.length_days, y.leap);
    }
    return days + day - 1;
}

HebrewDate hebrew_date(std::int64_t day_number) {
    // The year from the mean year (235 mean months in 19 years), then
    // corrected by the actual new years, which lie within days of the mean.
    constexpr std::int64_t kMeanYear_parts_times_19 = 235 * kMeanMonth_parts;
    std::int64_t year = floor_div((day_number - kEpochDay) * 19 * kPartsPerDay, kMeanYear_parts_times_19) + 1;
    while (new_year_day(year) > day_number) --year;
    while (new_year_day(year + 1) <= day_number) ++year;
    const HebrewYear y = hebrew_year(year);
    std::int64_t rest = day_number - y.first_day;
    for (const std::int32_t m : kMonthsFromTischri) {
        const std::int32_t length = month_days(m, y.length_days, y.leap);
        if (rest < length) return {year, m, static_cast<std::int32_t>(rest + 1), y.leap};
        rest -= length;
    }
    return {year, 6, static_cast<std::int32_t>(rest + 1), y.leap}; // not reached: Elul ends the year
}

std::string hebrew_text(const HebrewDate& date) {
    if (date.month < 1 || date.month > 13) return {};
    const std::string_view name =
        date.month == kAdar && date.leap_year ? "Adar I" : kMonthNames[static_cast<std::size_t>(date.month - 1)];
    return dated_text(date.day, name, date.year);
}

std::string hebrew_year_text(const HebrewYear& year) {
    const std::string_view kind = year.kind == HebrewYearKind::Deficient ? "mangelhaftes "
                                  : year.kind == HebrewYearKind::Regular ? "reguläres "
                                                                          : "überzähliges ";
    return std::string(kind) + (year.leap ? "Schaltjahr, " : "Gemeinjahr, ") + std::to_string(year.length_days) +
           " Tage";
}

} // namespace vespera

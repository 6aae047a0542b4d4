// The Hebrew calendar as fixed by Hillel II: years of 12 or 13 months, the
// new year from the mean conjunction (molad) of Tischri with the four
// postponements. Days are the civil days of their daytime; a Hebrew day
// begins at the previous sunset.
#pragma once

#include <cstdint>
#include <string>

namespace vespera {

// Months in the biblical count: Nisan = 1 ... Elul = 6, Tischri = 7 ...
// Schwat = 11, Adar (Adar I in a leap year) = 12, Adar II = 13.
inline constexpr std::int32_t kNisan = 1;
inline constexpr std::int32_t kSiwan = 3;
inline constexpr std::int32_t kTischri = 7;
inline constexpr std::int32_t kKislew = 9;
inline constexpr std::int32_t kAdar = 12;
inline constexpr std::int32_t kAdarII = 13;

// Deficient, regular and complete years (Ginzel, Handbuch der
// mathematischen und technischen Chronologie, vol. II, § 153): Cheschwan and
// Kislew of 29 and 29, 29 and 30, or 30 and 30 days.
enum class HebrewYearKind { Deficient, Regular, Complete };

struct HebrewYear {
    std::int64_t year;      // anno mundi
    std::int64_t first_day; // day number of 1 Tischri
    std::int32_t length_days; // 353, 354, 355, 383, 384 or 385
    bool leap;              // 13 months
    HebrewYearKind kind;
};

struct HebrewDate {
    std::int64_t year;
    std::int32_t month; // biblical count, see above
    std::int32_t day;
    bool leap_year;     // names month 12 "Adar I" instead of "Adar"
};

// The inserted month of a leap year follows Adar (Ginzel, § 153): Adar II.
inline bool is_leap_month(const HebrewDate& date) { return date.month == kAdarII; }

bool is_hebrew_leap_year(std::int64_t year);
HebrewYear hebrew_year(std::int64_t year);

// Exact for the day numbers of 32 bits.
HebrewDate hebrew_date(std::int64_t day_number);

// Day number of a Hebrew date; the month must exist in that year (Adar II
// only in a leap year), the day may run on beyond the month's end.
std::int64_t hebrew_day_number(std::int64_t year, std::int32_t month, std::int32_t day);

// "15. Nisan 5785", "1. Adar I 5784".
std::string hebrew_text(const HebrewDate& date);
// "reguläres Gemeinjahr, 354 Tage", "mangelhaftes Schaltjahr, 383 Tage".
std::string hebrew_year_text(const HebrewYear& year);

} // namespace vespera

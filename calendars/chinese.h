// The Chinese calendar by the rules in force since 1929: months begin on the
// day of the new moon at 120 degrees east (UTC+8); the month that holds the
// winter solstice is the 11th; in a year from solstice to solstice with 13
// months the first month without a principal term (the Sun's apparent
// longitude a multiple of 30 degrees) is the leap month, numbered as the
// month before it. New moons and the Sun from the ephemeris, not a table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vespera {

inline constexpr double kChinaZone_hours = 8.0;

struct ChineseMonth {
    std::int64_t first_day;
    std::int32_t number; // 1..12
    bool leap;
};

// The months of the Chinese year that begins (month 1, day 1: Chinese New
// Year) in `gregorian_year`.
struct ChineseYear {
    std::int64_t gregorian_year;
    std::array<ChineseMonth, 13> months;
    std::size_t month_count;     // 12, or 13 with a leap month
    std::int64_t next_first_day; // the next New Year
};

struct ChineseDate {
    std::int64_t year;   // the Gregorian year in which this Chinese year began
    std::int32_t month;  // 1..12
    bool leap_month;
    std::int32_t day;    // 1..30
    std::int32_t stem;   // 0 = Jia ... 9 = Gui
    std::int32_t branch; // 0 = Zi (Ratte) ... 11 = Hai (Schwein)
};

// Covered inside the years for which Delta T is modelled (Gregorian
// years -1998 to 2999, see kFirstDeltaTModelYear); empty outside.
std::optional<ChineseYear> chinese_year(std::int64_t gregorian_year);
std::optional<ChineseDate> chinese_date(std::int64_t day_number);
// The same from a year already computed; empty when the day lies outside it.
std::optional<ChineseDate> chinese_date_in(const ChineseYear& year, std::int64_t day_number);

// Names as German texts give them (pinyin stems and branches, German animals).
std::string_view heavenly_stem_name(std::int32_t stem);     // "Jia", "Yi", ...
std::string_view earthly_branch_name(std::int32_t branch);  // "Zi", "Chou", ...
std::string_view year_of_animal_text(std::int32_t branch);  // "Jahr des Pferdes"

// "1. Tag des 1. Monats im Jahr Bingwu (Jahr des Pferdes)"; a leap month
// reads "des 11. Monats (Schaltmonat)".
std::string chinese_text(const ChineseDate& date);

} // namespace vespera

// The named days of the year as rules: one row per slot of the holiday table,
// in slot order (the order that decides between entries of the same day).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vespera {

enum class DayRule : std::uint8_t {
    Fixed,          // month/day of the engine's year
    EasterOffset,   // Easter Sunday + offset days
    AdventOffset,   // fourth Sunday of Advent + offset days
    Season,         // the local day of an equinox or solstice (offset: 0..3)
};

struct NamedDayRule {
    std::string_view name;
    DayRule rule;
    std::int8_t month; // Fixed only
    std::int16_t days; // day of month (Fixed), offset (EasterOffset, AdventOffset), season index
};

// Trinitatis is Easter + 56; the Sundays after it follow a week apart.
constexpr std::int16_t kTrinitatis = 56;

inline constexpr auto kNamedDays = std::to_array<NamedDayRule>({
    {"Neujahr", DayRule::Fixed, 1, 1},
    {"Heilige Drei Könige", DayRule::Fixed, 1, 6},
    {"Ostersonntag", DayRule::EasterOffset, 0, 0},
    {"Gründonnerstag", DayRule::EasterOffset, 0, -3},
    {"Karfreitag", DayRule::EasterOffset, 0, -2},
    {"Ostermontag", DayRule::EasterOffset, 0, 1},
    {"Himmelfahrt", DayRule::EasterOffset, 0, 39},
    {"Pfingstsonntag", DayRule::EasterOffset, 0, 49},
    {"Pfingstmontag", DayRule::EasterOffset, 0, 50},
    {"Fronleichnam", DayRule::EasterOffset, 0, 60},
    {"Mariä Himmelfahrt", DayRule::Fixed, 8, 15},
    {"Allerheiligen", DayRule::Fixed, 11, 1},
    // The Wednesday before Totensonntag, 16..22 November. (Two weeks after
    // the first Wednesday of November, one more on 15 or 16 November, put it
    // after Totensonntag whenever 16 November is a Wednesday.)
    {"Buß-und Bettag", DayRule::AdventOffset, 0, -32},
    {"Heiligabend", DayRule::Fixed, 12, 24},
    {"Nikolaus", DayRule::Fixed, 12, 6},
    {"1. Weihnachtstag", DayRule::Fixed, 12, 25},
    {"2. Weihnachtstag", DayRule::Fixed, 12, 26},
    {"Silvester", DayRule::Fixed, 12, 31},
    {"Aschermittwoch", DayRule::EasterOffset, 0, -46},
    {"Fastnacht", DayRule::EasterOffset, 0, -47},
    {"Weiberfastnacht", DayRule::EasterOffset, 0, -52},
    {"Rosenmontag", DayRule::EasterOffset, 0, -48},
    {"Allerseelen", DayRule::Fixed, 11, 2},
    {"Reformationstag", DayRule::Fixed, 10, 31},
    {"Palmsonntag", DayRule::EasterOffset, 0, -7},
    {"Trinitatis", DayRule::EasterOffset, 0, kTrinitatis},
    {"1. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 1},
    {"2. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 2},
    {"3. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 3},
    {"4. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 4},
    {"5. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 5},
    {"6. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 6},
    {"7. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 7},
    {"8. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 8},
    {"9. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 9},
    {"10. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 10},
    {"11. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 11},
    {"12. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 12},
    {"13. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 13},
    {"14. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 14},
    {"15. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 15},
    {"16. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 16},
    {"17. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 17},
    {"18. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 18},
    {"19. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 19},
    {"20. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 20},
    {"21. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 21},
    {"22. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 22},
    {"23. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 23},
    {"24. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 24},
    {"25. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 25},
    {"Frühlingsanfang", DayRule::Season, 0, 0},
    {"Sommeranfang", DayRule::Season, 0, 1},
    {"Herbstanfang", DayRule::Season, 0, 2},
    {"Winteranfang", DayRule::Season, 0, 3},
    {"1. Advent", DayRule::AdventOffset, 0, -21},
    {"2. Advent", DayRule::AdventOffset, 0, -14},
    {"3. Advent", DayRule::AdventOffset, 0, -7},
    {"4. Advent", DayRule::AdventOffset, 0, 0},
    {"Totensonntag", DayRule::AdventOffset, 0, -28},
    {"Volkstrauertag", DayRule::AdventOffset, 0, -35},
    {"Mariä Lichtmess", DayRule::Fixed, 2, 2},
    {"Weißer Sonntag", DayRule::EasterOffset, 0, 7},
    {"Imbolc", DayRule::Fixed, 2, 2},
    {"Ostara", DayRule::Fixed, 3, 21},
    {"Beltaine", DayRule::Fixed, 4, 30},
    {"Litha", DayRule::Fixed, 6, 21},
    {"Lammas", DayRule::Fixed, 8, 2},
    {"Mabon", DayRule::Fixed, 9, 21},
    {"Samhain", DayRule::Fixed, 10, 31},
    {"Yulefest", DayRule::Fixed, 12, 21},
    // Two of the nine nationwide public holidays, in every year as the others.
    {"Tag der Arbeit", DayRule::Fixed, 5, 1},
    {"Tag der Deutschen Einheit", DayRule::Fixed, 10, 3},
});

struct SchoolHoliday {
    std::string_view name;
    std::int8_t month;
    std::int8_t day;
    std::int8_t length_days;
};

// The same school-holiday periods in every year.
inline constexpr auto kSchoolHolidays = std::to_array<SchoolHoliday>({
    {"Osterferien", 4, 2, 9},
    {"Winterferien", 2, 9, 12},
    {"Pfingstferien", 5, 15, 1},
    {"Sommerferien", 7, 13, 40},
    {"Herbstferien", 10, 12, 12},
    {"Weihnachtsferien", 12, 21, 11},
});

// Easter Sunday of a year as (month, day): Gauss's rule in its supplemented
// form, Gregorian after 1582 and Julian up to it.
struct MonthDay {
    std::int32_t month;
    std::int32_t day;
};
MonthDay easter_sunday(std::int64_t year);

} // namespace vespera

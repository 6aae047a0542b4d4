// What a named day is where the user lives, as the lists, the month view,
// the day report and the export name it: one category per entry, and the
// German phrase of its statutory status in the region.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "holidays/festivals.h"
#include "holidays/holiday_law.h"

namespace vespera::report {

// An entry's category in its region: statutory there, statutory in part of
// it, school-free (or a state day without a general day off), or the row's
// own category. Ferien are the school-holiday periods; Brückentag a single
// working day between a statutory holiday and a weekend. New categories go
// last: a stored choice keeps its bits.
enum class HolidayCategory : std::uint8_t {
    Gesetzlich,
    Regional,
    Kirchlich,
    Gedenktag,
    Brauchtum,
    Astronomisch,
    Ferien,
    // The festivals of the other calendars, in the order of Tradition.
    Juedisch,
    Islamisch,
    Orthodox,
    Chinesisch,
    Persisch,
    Schulfrei,
    Jahreskreisfest,
    Brueckentag,
};
inline constexpr int kHolidayCategoryCount = 15;

// A choice of categories, one bit each.
using CategorySet = std::uint16_t;
constexpr CategorySet category_bit(HolidayCategory category) {
    return static_cast<CategorySet>(1u << static_cast<unsigned>(category));
}
constexpr bool chosen(CategorySet categories, HolidayCategory category) {
    return (categories & category_bit(category)) != 0;
}
inline constexpr CategorySet kStatutoryDays = category_bit(HolidayCategory::Gesetzlich);
// What the holiday list shows unless told otherwise: the statutory days and
// the bridge days they leave.
inline constexpr CategorySet kStatutoryAndBridgeDays =
    static_cast<CategorySet>(kStatutoryDays | category_bit(HolidayCategory::Brueckentag));
inline constexpr CategorySet kFestivalCategories = static_cast<CategorySet>(
    category_bit(HolidayCategory::Juedisch) | category_bit(HolidayCategory::Islamisch) |
    category_bit(HolidayCategory::Orthodox) | category_bit(HolidayCategory::Chinesisch) |
    category_bit(HolidayCategory::Persisch));
// "alle": every named day of the year's table, as the list always showed it,
// with the school-free, Jahreskreis and bridge days. The other calendars'
// festivals are chosen by their own names.
inline constexpr CategorySet kAllNamedDays = static_cast<CategorySet>(
    ((1u << kHolidayCategoryCount) - 1u) & ~category_bit(HolidayCategory::Ferien) & ~kFestivalCategories);
inline constexpr CategorySet kEveryCategory = kAllNamedDays | category_bit(HolidayCategory::Ferien);

HolidayCategory category_of(Tradition tradition);

HolidayCategory category_of(const NamedDayEntry& entry);

// "gesetzlich", "regional", "kirchlich", "Gedenktag", "Brauchtum",
// "astronomisch", "Ferien", "jüdisch", "islamisch", "orthodox", "chinesisch",
// "persisch", "schulfrei", "Jahreskreisfest", "Brückentag": the list's
// column, CATEGORIES and --kategorie.
std::string_view category_label(HolidayCategory category);

// "gesetzlich,regional" or "alle" (case ignored, blanks around a name
// allowed); nullopt for an unknown name or an empty text.
std::optional<CategorySet> parse_categories(std::string_view text);

// "in Bayern", "im Saarland", "in der Schweiz", "im Kanton Aargau"; empty
// for an empty or unknown code.
std::string in_region(std::string_view region_code);

// What the entry is where the user lives, short enough for a report row:
// "gesetzlicher Feiertag in Bayern", "gesetzlicher Feiertag in Teilen von
// Bayern", "gesetzlicher Feiertag in Augsburg", "kein gesetzlicher Feiertag
// in Berlin" (a day statutory elsewhere); otherwise, and without a region,
// what it is: "Tag im Kirchenjahr", "Gedenktag", "Brauchtum".
std::string status_text(const NamedDayEntry& entry, std::string_view region_code, std::string_view place);

// "jüdisches Fest, beginnt am Vorabend", "orthodoxes Fest (julianischer
// Kalender)": what a festival is, for the list's status and the tooltip.
std::string_view festival_status(Tradition tradition);

// The same with the category also where the status leaves it out, for a
// tooltip: "Tag im Kirchenjahr, kein gesetzlicher Feiertag in Berlin"; a
// regional or school-free day adds where it holds or why the place stays
// undecided.
std::string day_description(const NamedDayEntry& entry, std::string_view region_code, std::string_view place);

} // namespace vespera::report

#include "holidays/austrian_school_holidays.h"

#include <algorithm>
#include <array>

#include "ephemeris/calendar.h"
#include "holidays/easter.h"

namespace vespera {
namespace {

constexpr int kMonday = 0;
constexpr int kSaturday = 5;
constexpr int kSunday = 6;

struct StateRule {
    bool eastern;      // Burgenland, Niederösterreich, Wien: the earlier school year
    int semester_week; // Semesterferien begin on this Monday of February
};

// Index: the ISO 3166-2:AT number minus one.
constexpr std::array<StateRule, 9> kStates = {{
    {true, 2},  // 1 Burgenland
    {false, 2}, // 2 Kärnten
    {true, 1},  // 3 Niederösterreich
    {false, 3}, // 4 Oberösterreich
    {false, 2}, // 5 Salzburg
    {false, 3}, // 6 Steiermark
    {false, 2}, // 7 Tirol
    {false, 2}, // 8 Vorarlberg
    {true, 1},  // 9 Wien
}};

struct StateDay {
    std::uint16_t states; // bit n-1 for AT-n
    int month;
    int day;
    std::string_view name;
};

constexpr std::uint16_t bit(int state) { return static_cast<std::uint16_t>(1u << (state - 1)); }
constexpr std::uint16_t kAllStates = 0x1FF;

// The patron saints' days and Kärnten's Landesfeiertag as the states keep them
// (Landespatron: Martin in Burgenland, Josef in Kärnten, Steiermark, Tirol and
// Vorarlberg, Leopold in Niederösterreich and Wien, Florian in Oberösterreich,
// Rupert in Salzburg), and All Souls' Day everywhere; in school-year order.
constexpr std::array<StateDay, 7> kStateDays = {{
    {bit(5), 9, 24, "Hl. Rupert (Landespatron)"},
    {bit(2), 10, 10, "Tag der Volksabstimmung (Landesfeiertag)"},
    {kAllStates, 11, 2, "Allerseelen"},
    {bit(1), 11, 11, "Hl. Martin (Landespatron)"},
    {static_cast<std::uint16_t>(bit(3) | bit(9)), 11, 15, "Hl. Leopold (Landespatron)"},
    {static_cast<std::uint16_t>(bit(2) | bit(6) | bit(7) | bit(8)), 3, 19, "Hl. Josef (Landespatron)"},
    {bit(4), 5, 4, "Hl. Florian (Landespatron)"},
}};

// The `n`-th weekday `weekday` (0 = Monday) of a month.
std::int64_t nth_weekday(std::int64_t year, int month, int weekday, int n) {
    const std::int64_t first = day_number(year, month, 1);
    return first + floor_mod(weekday - weekday_index(first), 7) + 7 * (n - 1);
}

std::int64_t weekday_on_or_after(std::int64_t day, int weekday) { return day + floor_mod(weekday - weekday_index(day), 7); }

std::int64_t school_year_start(const StateRule& rule, std::int64_t year) {
    return nth_weekday(year, 9, kMonday, rule.eastern ? 1 : 2);
}

std::int64_t easter_day(std::int64_t year) {
    const MonthDay easter = easter_sunday(year);
    return day_number(year, easter.month, easter.day);
}

bool inside_a_break(const std::vector<SchoolBreak>& breaks, std::int64_t day) {
    return std::any_of(breaks.begin(), breaks.end(),
                       [&](const SchoolBreak& b) { return b.first_day <= day && day <= b.last_day; });
}

} // namespace

std::optional<AustrianSchoolYear> austrian_school_year(int state, std::int64_t first_year) {
    if (state < 1 || state > static_cast<int>(kStates.size()) || first_year < kFirstAustrianRuleSchoolYear) {
        return std::nullopt;
    }
    const StateRule& rule = kStates[static_cast<std::size_t>(state - 1)];
    const std::int64_t next = first_year + 1;
    AustrianSchoolYear year{school_year_start(rule, first_year), school_year_start(rule, next) - 1, {}};
    std::vector<SchoolBreak>& breaks = year.breaks;

    breaks.push_back({day_number(first_year, 10, 27), day_number(first_year, 10, 31), "Herbstferien"});
    const std::int64_t december_23 = day_number(first_year, 12, 23);
    breaks.push_back({weekday_index(december_23) == kMonday ? december_23 : december_23 + 1,
                      day_number(next, 1, 6), "Weihnachtsferien"});
    const std::int64_t semester = nth_weekday(next, 2, kMonday, rule.semester_week);
    breaks.push_back({semester, semester + 5, "Semesterferien"});
    const std::int64_t easter = easter_day(next);
    breaks.push_back({easter - 8, easter + 1, "Osterferien"});   // Saturday before Palm Sunday .. Easter Monday
    breaks.push_back({easter + 48, easter + 50, "Pfingstferien"}); // Saturday before Whit Sunday .. Whit Monday
    const std::int64_t summer = weekday_on_or_after(day_number(next, rule.eastern ? 6 : 7, rule.eastern ? 28 : 5), kSaturday);
    breaks.push_back({summer, year.last_day, "Sommerferien"});

    // A day that falls on a Sunday or inside a holiday is free anyway.
    for (const StateDay& d : kStateDays) {
        if ((d.states & bit(state)) == 0) continue;
        const std::int64_t day = day_number(d.month >= 9 ? first_year : next, d.month, d.day);
        if (weekday_index(day) == kSunday || inside_a_break(breaks, day)) continue;
        breaks.push_back({day, day, d.name});
    }
    std::sort(breaks.begin(), breaks.end(),
              [](const SchoolBreak& a, const SchoolBreak& b) { return a.first_day < b.first_day; });
    return year;
}

} // namespace vespera

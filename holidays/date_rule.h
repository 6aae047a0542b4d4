// How a named day's date follows from the year: a fixed date, Easter or the
// fourth Sunday of Advent plus days, the n-th weekday of a month, or one of
// the season starts (whose local day the caller brings).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace vespera::holidays {

enum class DateKind : std::uint8_t { Fixed, Easter, Advent, NthWeekday, Season };

inline constexpr std::int8_t kNoShift = 127;

struct DateRule {
    DateKind kind = DateKind::Fixed;
    std::int8_t month = 0;   // Fixed, NthWeekday
    std::int16_t days = 0;   // Fixed: day of month; Easter, Advent: offset; NthWeekday: days after it; Season: 0..3
    std::int8_t weekday = 0; // NthWeekday: 0 Monday .. 6 Sunday
    std::int8_t nth = 0;     // NthWeekday: 1..5
    // A week later for as long as the day falls on Easter Sunday plus one of
    // these (customs that give way to Holy Week and Easter Monday).
    std::int8_t shift_off_easter_a = kNoShift;
    std::int8_t shift_off_easter_b = kNoShift;
};

constexpr DateRule fixed(int month, int day) {
    return {DateKind::Fixed, static_cast<std::int8_t>(month), static_cast<std::int16_t>(day)};
}
constexpr DateRule easter(int offset) { return {DateKind::Easter, 0, static_cast<std::int16_t>(offset)}; }
// Offsets from the last Sunday before Christmas Day.
constexpr DateRule advent(int offset) { return {DateKind::Advent, 0, static_cast<std::int16_t>(offset)}; }
constexpr DateRule nth_weekday(int month, int weekday, int nth, int days_after = 0) {
    return {DateKind::NthWeekday, static_cast<std::int8_t>(month), static_cast<std::int16_t>(days_after),
            static_cast<std::int8_t>(weekday), static_cast<std::int8_t>(nth)};
}
constexpr DateRule season(int index) { return {DateKind::Season, 0, static_cast<std::int16_t>(index)}; }
constexpr DateRule shifted_off_easter(DateRule rule, int offset_a, int offset_b = kNoShift) {
    rule.shift_off_easter_a = static_cast<std::int8_t>(offset_a);
    rule.shift_off_easter_b = static_cast<std::int8_t>(offset_b);
    return rule;
}

inline constexpr int kMonday = 0, kThursday = 3, kSunday = 6;

// The local day numbers of the March equinox, the June solstice, the
// September equinox and the December solstice of the year.
using SeasonDays = std::array<std::int64_t, 4>;

// Easter Sunday and the fourth Sunday of Advent of one year, worked out once
// for all the rows of a table.
struct YearAnchors {
    std::int64_t year;
    std::int64_t easter_day;
    std::int64_t fourth_advent_day;
};
YearAnchors year_anchors(std::int64_t year);

// The day number of a rule in the anchors' year; empty for a season when no
// season days are given.
std::optional<std::int64_t> day_of(const DateRule& rule, const YearAnchors& anchors,
                                   const std::optional<SeasonDays>& seasons);

} // namespace vespera::holidays

#include "holidays/date_rule.h"

#include "base/date_math.h"
#include "holidays/easter.h" // easter_sunday: the project's one Easter computation

namespace vespera::holidays {
namespace {

// The n-th `weekday` of a month: from its first day, forward to the weekday.
std::int64_t nth_weekday_day(std::int64_t year, int month, int weekday, int nth) {
    const std::int64_t first = day_number(year, month, 1);
    const int ahead = static_cast<int>(floor_mod(weekday - weekday_index(first), 7));
    return first + ahead + 7 * (nth - 1);
}

bool on_easter_offset(std::int64_t day, std::int64_t easter_day, std::int8_t offset) {
    return offset != kNoShift && day == easter_day + offset;
}

} // namespace

YearAnchors year_anchors(std::int64_t year) {
    const MonthDay easter_date = easter_sunday(year);
    // The last Sunday before Christmas Day: 18..24 December.
    const std::int64_t advent4 = weekday_on_or_before(day_number(year, 12, 24), kSunday, 9);
    return {year, day_number(year, easter_date.month, easter_date.day), advent4};
}

std::optional<std::int64_t> day_of(const DateRule& rule, const YearAnchors& anchors,
                                   const std::optional<SeasonDays>& seasons) {
    std::int64_t day = 0;
    switch (rule.kind) {
    case DateKind::Fixed: day = day_number(anchors.year, rule.month, rule.days); break;
    case DateKind::Easter: day = anchors.easter_day + rule.days; break;
    case DateKind::Advent: day = anchors.fourth_advent_day + rule.days; break;
    case DateKind::NthWeekday:
        day = nth_weekday_day(anchors.year, rule.month, rule.weekday, rule.nth) + rule.days;
        break;
    case DateKind::Season:
        if (!seasons || rule.days < 0 || rule.days > 3) return std::nullopt;
        return (*seasons)[static_cast<std::size_t>(rule.days)];
    }
    // Two weeks at most: Holy Week's Monday, then Easter Monday.
    for (int step = 0; step < 2; ++step) {
        if (!on_easter_offset(day, anchors.easter_day, rule.shift_off_easter_a) &&
            !on_easter_offset(day, anchors.easter_day, rule.shift_off_easter_b)) {
            break;
        }
        day += 7;
    }
    return day;
}

} // namespace vespera::holidays

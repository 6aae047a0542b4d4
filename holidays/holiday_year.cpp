#include "holidays/holiday_year.h"

#include <algorithm>

#include "base/fault.h"

namespace vespera {
namespace {

// By day; entries of the same day keep their slot order ("Reformationstag"
// before "Samhain").
void sort_by_day(HolidayYear& table) {
    std::sort(table.entries.begin(), table.entries.begin() + table.count,
              [](const Holiday& a, const Holiday& b) { return a.day != b.day ? a.day < b.day : a.slot < b.slot; });
}

} // namespace

HolidayYear holiday_year(std::int32_t year, std::string_view region_code, std::string_view place,
                         const SeasonDays& seasons) {
    HolidayYear table;
    const YearAnchors anchors = year_anchors(year);
    table.easter_day = to_long(anchors.easter_day);
    for (std::size_t slot = 0; slot < kNamedDays.size(); ++slot) {
        const NamedDayRule& rule = kNamedDays[slot];
        const std::int64_t day = rule.rule == DayRule::Season ? seasons[static_cast<std::size_t>(rule.days)]
                                                              : *rule_day_number(rule, year, anchors);
        table.entries[slot] = {to_long(day), rule.name, static_cast<std::uint8_t>(slot),
                                statutory_status(rule, region_code, year, place), false};
    }
    table.count = static_cast<std::int32_t>(kDescribedDayCount);
    if (!region_code.empty()) {
        for (std::size_t row = kDescribedDayCount; row < kDayRows.size(); ++row) {
            const NamedDayRule& rule = kDayRows[row];
            if (!is_listed(rule, region_code, year, place)) continue;
            const std::optional<std::int64_t> day = rule_day_number(rule, year, anchors);
            if (!day) continue; // the added rows have fixed dates; a season row would need the place's clock
            const StatutoryStatus status = statutory_status(rule, region_code, year, place);
            const bool one_place = status == StatutoryStatus::Yes && !rule.statutes.empty() &&
                                   std::all_of(rule.statutes.begin(), rule.statutes.end(), [](const Statute& s) {
                                       return s.extent == StatuteExtent::OnePlace;
                                   });
            table.entries[static_cast<std::size_t>(table.count)] = {to_long(*day), rule.name,
                                                                     static_cast<std::uint8_t>(row), status, one_place};
            ++table.count;
        }
    }
    sort_by_day(table);
    return table;
}

void move_season_days(HolidayYear& table, const SeasonDays& seasons) {
    for (std::int32_t i = 0; i < table.count; ++i) {
        Holiday& holiday = table.entries[static_cast<std::size_t>(i)];
        const NamedDayRule& rule = kDayRows[holiday.slot];
        if (rule.rule == DayRule::Season) holiday.day = seasons[static_cast<std::size_t>(rule.days)];
    }
    sort_by_day(table);
}

NamedDayEntry named_day_entry(const Holiday& holiday) {
    const NamedDayRule& row = kDayRows[holiday.slot];
    return {holiday.day, holiday.name, row.category, holiday.status, holiday.one_place, !row.statutes.empty()};
}

std::vector<NamedDayEntry> named_days_on(const HolidayYear& table, std::int32_t day_number) {
    std::vector<NamedDayEntry> entries;
    for (std::int32_t i = 0; i < table.count; ++i) {
        const Holiday& holiday = table.entries[static_cast<std::size_t>(i)];
        if (holiday.day == day_number) entries.push_back(named_day_entry(holiday));
    }
    return entries;
}

} // namespace vespera

#include "holidays/holiday_year.h"

#include <algorithm>

#include "base/fault.h"
#include "holidays/region_days.h"

namespace vespera {
namespace {

// By day; entries of the same day keep their row order ("Reformationstag"
// before "Samhain").
void sort_by_day(HolidayYear& table) {
    std::stable_sort(table.entries.begin(), table.entries.end(),
                     [](const Holiday& a, const Holiday& b) { return a.day != b.day ? a.day < b.day : a.slot < b.slot; });
}

StatutoryStatus engine_status(holidays::Status status) {
    switch (status) {
    case holidays::Status::Statutory: return StatutoryStatus::Yes;
    case holidays::Status::Regional: return StatutoryStatus::Regional;
    case holidays::Status::SchoolFree: return StatutoryStatus::SchoolFree;
    case holidays::Status::None: break;
    }
    return StatutoryStatus::No;
}

DayCategory engine_category(holidays::Category category) {
    switch (category) {
    case holidays::Category::Gesetzlich: return DayCategory::Gesetzlich;
    case holidays::Category::Kirchlich: return DayCategory::Kirchlich;
    case holidays::Category::Gedenktag: return DayCategory::Gedenktag;
    case holidays::Category::Brauchtum: return DayCategory::Brauchtum;
    case holidays::Category::Astronomisch: return DayCategory::Astronomisch;
    case holidays::Category::Jahreskreisfest: return DayCategory::Jahreskreisfest;
    }
    return DayCategory::Kirchlich;
}

} // namespace

HolidayYear holiday_year(std::int32_t year, std::string_view region_code, const holidays::Locality& place,
                         const SeasonDays& seasons) {
    const holidays::Region region = holidays::region_of(region_code);
    const holidays::SeasonDays season_days = {seasons[0], seasons[1], seasons[2], seasons[3]};
    const std::vector<holidays::NamedDay> days = holidays::year_days(region, place, year, season_days);
    const holidays::CountryLaw& law = region.law != nullptr ? *region.law : holidays::law_de();
    HolidayYear table;
    table.easter_day = to_long(holidays::year_anchors(year).easter_day);
    table.entries.reserve(days.size());
    for (const holidays::NamedDay& day : days) {
        // Without a region of ours the table is the described one, the user's home calendar.
        if (region.law == nullptr && static_cast<std::size_t>(day.row) >= kDescribedDayCount) continue;
        const holidays::DateRule& rule = law.days[static_cast<std::size_t>(day.row)].date;
        const bool season = rule.kind == holidays::DateKind::Season;
        table.entries.push_back({to_long(day.day_number), day.name, day.row,
                                 static_cast<std::int8_t>(season ? rule.days : -1), engine_status(day.status),
                                 engine_category(day.category), day.by_commune, day.has_statutes, day.note,
                                 day.law});
    }
    table.count = static_cast<std::int32_t>(table.entries.size());
    return table;
}

void move_season_days(HolidayYear& table, const SeasonDays& seasons) {
    for (Holiday& holiday : table.entries) {
        if (holiday.season >= 0) holiday.day = seasons[static_cast<std::size_t>(holiday.season)];
    }
    sort_by_day(table);
}

NamedDayEntry named_day_entry(const Holiday& holiday) {
    return {holiday.day,         holiday.name,      holiday.category, holiday.status,
            holiday.one_place,   holiday.has_statutes, holiday.note,  holiday.law};
}

std::vector<NamedDayEntry> named_days_on(const HolidayYear& table, std::int32_t day_number) {
    std::vector<NamedDayEntry> entries;
    for (const Holiday& holiday : table.entries) {
        if (holiday.day == day_number) entries.push_back(named_day_entry(holiday));
    }
    return entries;
}

std::size_t largest_holiday_table() {
    std::size_t rows = 0;
    for (const holidays::CountryLaw* law : holidays::country_laws()) rows = std::max(rows, law->days.size());
    return rows;
}

} // namespace vespera

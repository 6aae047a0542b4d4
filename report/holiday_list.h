// The year's named days and school holidays of the engine's region, chosen
// by category: the window's holiday list, `vespera-cli liste feiertage` and
// the iCalendar export read the same items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/clsCalendar.h"
#include "report/holiday_categories.h"
#include "report/report.h"

namespace vespera::report {

struct HolidayItem {
    std::int64_t first_day = 0; // engine day numbers, both included
    std::int64_t last_day = 0;
    std::string name;
    HolidayCategory category = HolidayCategory::Gesetzlich;
    std::string date_label; // "1.1.2025" or "14.4.2025 – 25.4.2025"
    std::string value;      // "Mittwoch, Neujahr"; a period its name alone
    std::string status;     // "gesetzlicher Feiertag in Bayern"; empty for a period
};

// The entries of the engine's table in table order, then the school-holiday
// periods that touch the year, merged by first day. The engine stays on its day.
std::vector<HolidayItem> holiday_items(clsCalendar& cal, CategorySet categories);

// Why the list holds no or only some school holidays of the year, for
// example "keine Ferientermine für 2031 hinterlegt"; empty when the year's
// dates are all there.
std::string school_holiday_gap(const clsCalendar& cal);

// "Feiertage im Jahr 2025 · Bayern": one row per item with its date, weekday
// and name and its category in the third column. With Ferien among the
// categories, a year without (complete) dates says so in its first row.
Report holiday_list(clsCalendar& cal, CategorySet categories);

} // namespace vespera::report

// A state's school-holiday file with any bytes in it: it is read or refused
// with a German message, never trusted. What is read holds periods that are
// sorted, bounded and cleanly named, and the answers for any day and year
// come from them.
#include <string>
#include <string_view>

#include "base/text.h"
#include "base/date_math.h"
#include "holidays/school_holidays.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vespera::SchoolHolidayLoad load = vespera::parse_school_holidays(text);
    fuzz::check(load.table.has_value() != !load.error.empty(), "neither a table nor an error, or both");
    if (!load.table) return 0;
    const vespera::SchoolHolidayTable& table = *load.table;
    fuzz::check(!table.covered.empty(), "a table without a covered range");
    fuzz::check(table.periods.size() <= vespera::kMaxSchoolHolidayRows, "more periods than rows allowed");
    for (std::size_t i = 0; i < table.periods.size(); ++i) {
        const vespera::SchoolHolidayPeriod& period = table.periods[i];
        fuzz::check(period.first_day <= period.last_day, "a period ends before it starts");
        fuzz::check(period.last_day - period.first_day < vespera::kMaxSchoolHolidayDays, "a period is too long");
        fuzz::check(vespera::clean_display_line(period.name, vespera::kMaxSchoolHolidayNameBytes) == period.name &&
                        !period.name.empty(),
                    "a period name is not clean");
        if (i > 0) fuzz::check(table.periods[i - 1].first_day <= period.first_day, "periods not sorted");
        // A look-up searches every period: asked for some 500 of them, a
        // file of 4096 periods stays well within a second.
        if (i % (1 + table.periods.size() / 500) == 0 || i + 1 == table.periods.size()) {
            fuzz::check(vespera::school_holiday_name(table, period.first_day).size() > 0, "a period's day has no name");
        }
    }
    for (std::size_t i = 1; i < table.covered.size(); ++i) {
        fuzz::check(table.covered[i].first_day > table.covered[i - 1].last_day + 1, "covered ranges not merged");
    }
    const vespera::DayRange& range = table.covered.front();
    const vespera::CivilDate first = vespera::civil_date(range.first_day);
    const vespera::CivilDate last = vespera::civil_date(range.last_day);
    for (std::int64_t year = first.year; year <= last.year && year < first.year + 50; ++year) {
        const bool inside = range.first_day <= vespera::day_number(year, 1, 1) &&
                            vespera::day_number(year, 12, 31) <= range.last_day;
        if (inside) fuzz::check(vespera::covers_year(table, year), "a year inside a covered range is not covered");
    }
    return 0;
}

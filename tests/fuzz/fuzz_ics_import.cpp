// An .ics of school holidays from anywhere, read with libical for a place
// on the German clock: the import must finish, say in German what it did,
// and hand over only periods that are safe to show and to merge: first day
// not after the last, a bounded length, a clean name.
#include <string>
#include <string_view>

#include "base/text.h"
#include "base/date_math.h"
#include "holidays/ical_import.h"
#include "holidays/school_holidays.h"
#include "fuzz/fuzz_input.h"
#include "zones/zone.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const vespera::Zone zone = vespera::Zone::german_rules(1.0);
    const vespera::IcsImportFrame frame{vespera::import_days_around(vespera::day_number(2026, 12, 9)),
                                        [](double jd_ut) { return zone.local_jd(jd_ut); }};
    const vespera::IcsImport result = vespera::import_school_holidays_ics(bytes, frame);
    fuzz::check(!result.message.empty(), "the import said nothing");
    fuzz::check(result.ok == !result.periods.empty(), "ok does not match the periods read");
    fuzz::check(result.periods.size() <= vespera::kMaxIcsEvents, "more periods than events allowed");
    for (const vespera::SchoolHolidayPeriod& period : result.periods) {
        fuzz::check(period.first_day <= period.last_day, "a period ends before it starts");
        fuzz::check(period.last_day - period.first_day < vespera::kMaxSchoolHolidayDays, "a period is too long");
        fuzz::check(!period.name.empty() && period.name.size() <= vespera::kMaxSchoolHolidayNameBytes,
                    "a period name is empty or too long");
        fuzz::check(vespera::clean_display_line(period.name, vespera::kMaxSchoolHolidayNameBytes) == period.name,
                    "a period name is not clean UTF-8");
    }
    if (!result.ok) return 0;

    // Merged over a state's periods, every imported day answers with an
    // imported name.
    vespera::SchoolHolidayTable table;
    table.covered.push_back({vespera::day_number(2024, 8, 1), vespera::day_number(2026, 7, 31)});
    table.periods.push_back({vespera::day_number(2025, 10, 27), vespera::day_number(2025, 10, 31), "Herbstferien"});
    vespera::merge_imported(table, result.periods);
    const vespera::SchoolHolidayPeriod& first = result.periods.front();
    fuzz::check(!vespera::school_holiday_name(table, first.first_day).empty(), "an imported day has no name");
    for (std::size_t i = 1; i < table.covered.size(); ++i) {
        fuzz::check(table.covered[i].first_day > table.covered[i - 1].last_day + 1, "covered ranges not merged");
    }
    return 0;
}

// A state's school holidays from its data file (data/ferien/DE-XX.tsv, format
// in data/ferien/README.md), with periods imported from an .ics on top.
// Day numbers are the engine's: the Julian day at noon of a civil day.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vespera {

struct SchoolHolidayPeriod {
    std::int64_t first_day; // inclusive
    std::int64_t last_day;  // inclusive
    std::string name;
    bool from_rule = false; // an occurrence of an imported recurring event
};

struct DayRange {
    std::int64_t first_day; // inclusive
    std::int64_t last_day;  // inclusive
};

struct SchoolHolidayTable {
    std::vector<SchoolHolidayPeriod> periods; // by first day
    std::vector<DayRange> covered;            // by first day, merged
    std::size_t skipped_rows = 0;             // malformed rows left out
};

// A table, or a German message saying why there is none.
struct SchoolHolidayLoad {
    std::optional<SchoolHolidayTable> table;
    std::string error;
};

inline constexpr std::size_t kMaxSchoolHolidayFileBytes = 256 * 1024;
inline constexpr std::size_t kMaxSchoolHolidayRows = 4096;
// Longer than any school holiday; a longer row is a typing error.
inline constexpr std::int64_t kMaxSchoolHolidayDays = 366;
inline constexpr std::size_t kMaxSchoolHolidayNameBytes = 120;

SchoolHolidayLoad parse_school_holidays(std::string_view text);

// Reads data_file("ferien/<region_code>.tsv") for a region that ships one
// (the German states, the Swiss cantons, Liechtenstein and the Austrian
// deviations listed in school_holiday_files()); "DE-BY", "LI" etc.
SchoolHolidayLoad load_school_holidays(std::string_view region_code);
std::span<const std::string_view> school_holiday_files();

// The name of the period that holds `day`, empty when none does; it lives
// as long as the table.
std::string_view school_holiday_name(const SchoolHolidayTable& table, std::int64_t day);
// The period itself; nullptr outside the school holidays.
const SchoolHolidayPeriod* school_holiday_period(const SchoolHolidayTable& table, std::int64_t day);

// True when every day of the calendar year lies in a covered range; callers
// show "keine Ferientermine für <Jahr> hinterlegt" otherwise.
bool covers_year(const SchoolHolidayTable& table, std::int64_t year);

// `periods` replace the table's between `first_day` and `last_day` (both
// inclusive; periods reaching past that span keep their outer days), and that
// span counts as covered unless `covers` is false.
void replace_span(SchoolHolidayTable& table, std::int64_t first_day, std::int64_t last_day,
                  std::span<const SchoolHolidayPeriod> periods, bool covers = true);

// Periods read from an .ics replace the file's between the first and the last
// imported day of its one-off events, as replace_span does, and that span
// counts as covered. An occurrence of a recurring event (a yearly
// Buß- und Bettag) replaces only the days it holds and covers nothing: one
// rule does not say that the years it repeats over are known.
void merge_imported(SchoolHolidayTable& table, std::span<const SchoolHolidayPeriod> imported);

} // namespace vespera

#include "holidays/region_school_holidays.h"

#include <algorithm>
#include <utility>

#include "holidays/austrian_school_holidays.h"

namespace vespera {
namespace {

std::optional<int> austrian_state(std::string_view region) {
    if (region.size() != 4 || !region.starts_with("AT-") || region[3] < '1' || region[3] > '9') return std::nullopt;
    return region[3] - '0';
}

bool ships_file(std::string_view region) {
    const std::span<const std::string_view> files = school_holiday_files();
    return std::find(files.begin(), files.end(), region) != files.end();
}

// School years follow each other without a gap, so they cover one range.
void add_school_year(SchoolHolidayTable& table, const AustrianSchoolYear& year) {
    for (const SchoolBreak& b : year.breaks) table.periods.push_back({b.first_day, b.last_day, std::string(b.name)});
    if (!table.covered.empty() && table.covered.back().last_day + 1 == year.first_day) {
        table.covered.back().last_day = year.last_day;
    } else {
        table.covered.push_back({year.first_day, year.last_day});
    }
}

SchoolHolidayLoad austrian_school_holidays(std::string_view region, int state, std::int64_t year) {
    SchoolHolidayTable table;
    // The school years that begin in the autumn before and in `year` cover it whole.
    for (std::int64_t first_year = year - 1; first_year <= year; ++first_year) {
        if (const std::optional<AustrianSchoolYear> school_year = austrian_school_year(state, first_year)) {
            add_school_year(table, *school_year);
        }
    }
    if (table.covered.empty()) return {};
    if (ships_file(region)) {
        SchoolHolidayLoad deviations = load_school_holidays(region);
        if (!deviations.table) return deviations;
        for (const DayRange& span : deviations.table->covered) {
            std::vector<SchoolHolidayPeriod> inside;
            for (const SchoolHolidayPeriod& p : deviations.table->periods) {
                if (span.first_day <= p.first_day && p.last_day <= span.last_day) inside.push_back(p);
            }
            // Only where the law's years are loaded; elsewhere the file says nothing.
            const bool touches = std::any_of(table.covered.begin(), table.covered.end(), [&](const DayRange& r) {
                return span.first_day <= r.last_day && r.first_day <= span.last_day;
            });
            if (touches) replace_span(table, span.first_day, span.last_day, inside);
        }
        table.skipped_rows = deviations.table->skipped_rows;
    }
    return {std::move(table), {}};
}

} // namespace

bool school_holidays_by_law(std::string_view region) { return austrian_state(region).has_value(); }

SchoolHolidayLoad load_region_school_holidays(std::string_view region, std::int64_t year) {
    if (const std::optional<int> state = austrian_state(region)) return austrian_school_holidays(region, *state, year);
    if (ships_file(region)) return load_school_holidays(region);
    return {};
}

SchoolHolidayCoverage school_holiday_coverage(const SchoolHolidayTable& table, std::int64_t from_day) {
    SchoolHolidayCoverage coverage;
    for (const DayRange& range : table.covered) {
        if (range.first_day <= from_day && from_day <= range.last_day) coverage.complete_until = range.last_day;
        if (!coverage.last_known_day || range.last_day > *coverage.last_known_day) {
            coverage.last_known_day = range.last_day;
        }
        if (range.first_day > from_day && (!coverage.next_stretch || range.first_day < coverage.next_stretch->first_day)) {
            coverage.next_stretch = range;
        }
    }
    return coverage;
}

SchoolHolidayCoverage school_holiday_coverage(std::string_view region, std::int64_t from_day) {
    SchoolHolidayCoverage coverage;
    if (school_holidays_by_law(region)) {
        coverage.by_law = true;
        return coverage;
    }
    if (!ships_file(region)) return coverage;
    const SchoolHolidayLoad load = load_school_holidays(region);
    if (!load.table) {
        coverage.problem = load.error;
        return coverage;
    }
    return school_holiday_coverage(*load.table, from_day);
}

void RegionSchoolHolidays::set_region(std::string_view region_code, std::int64_t year) {
    region_ = std::string(region_code);
    year_ = year;
    imported_.clear();
    forget();
}

void RegionSchoolHolidays::set_year(std::int64_t year) {
    if (year == year_) return;
    year_ = year;
    if (school_holidays_by_law(region_)) forget();
}

void RegionSchoolHolidays::set_imported(std::vector<SchoolHolidayPeriod> periods) {
    imported_ = std::move(periods);
    if (loaded_) merge();
}

void RegionSchoolHolidays::forget() {
    shipped_.reset();
    merged_.reset();
    problem_.clear();
    loaded_ = false;
}

void RegionSchoolHolidays::load() const {
    if (loaded_) return;
    loaded_ = true;
    SchoolHolidayLoad loaded = load_region_school_holidays(region_, year_);
    shipped_ = std::move(loaded.table);
    problem_ = std::move(loaded.error);
    merge();
}

void RegionSchoolHolidays::merge() const {
    if (!shipped_ && imported_.empty()) {
        merged_.reset();
        return;
    }
    SchoolHolidayTable table = shipped_ ? *shipped_ : SchoolHolidayTable{};
    merge_imported(table, imported_);
    merged_ = std::move(table);
}

} // namespace vespera

#include "holidays/region_school_holidays.h"

namespace vespera {

void RegionSchoolHolidays::set_region(std::string_view region_code) {
    imported_.clear();
    shipped_.reset();
    problem_.clear();
    if (region_code.starts_with("DE-")) {
        SchoolHolidayLoad load = load_school_holidays(region_code);
        shipped_ = std::move(load.table);
        problem_ = std::move(load.error);
    }
    merge();
}

void RegionSchoolHolidays::set_imported(std::vector<SchoolHolidayPeriod> periods) {
    imported_ = std::move(periods);
    merge();
}

void RegionSchoolHolidays::merge() {
    if (!shipped_ && imported_.empty()) {
        merged_.reset();
        return;
    }
    SchoolHolidayTable table = shipped_ ? *shipped_ : SchoolHolidayTable{};
    merge_imported(table, imported_);
    merged_ = std::move(table);
}

} // namespace vespera

#include "holidays/region_school_holidays.h"

namespace vespera {

void RegionSchoolHolidays::set_region(std::string_view region_code) {
    region_code_ = std::string(region_code);
    imported_.clear();
    shipped_.reset();
    merged_.reset();
    problem_.clear();
    loaded_ = false;
}

void RegionSchoolHolidays::set_imported(std::vector<SchoolHolidayPeriod> periods) {
    imported_ = std::move(periods);
    if (loaded_) merge();
}

void RegionSchoolHolidays::load() const {
    if (loaded_) return;
    loaded_ = true;
    if (region_code_.starts_with("DE-")) {
        SchoolHolidayLoad load = load_school_holidays(region_code_);
        shipped_ = std::move(load.table);
        problem_ = std::move(load.error);
    }
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

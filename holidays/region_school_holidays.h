// The school holidays of one region: the shipped file of a German state, with
// the periods the user imported on top.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/school_holidays.h"

namespace vespera {

class RegionSchoolHolidays {
public:
    // Chooses the shipped file of a German state, read when first asked
    // for (a holiday list without the holidays never reads it); any other
    // region has none. The imports were the previous region's and are dropped.
    void set_region(std::string_view region_code);
    // Imported periods take precedence over the shipped dates within their span.
    void set_imported(std::vector<SchoolHolidayPeriod> periods);

    // Shipped and imported together, or nullptr with the reason in problem()
    // (empty outside German states).
    const SchoolHolidayTable* table() const {
        load();
        return merged_ ? &*merged_ : nullptr;
    }
    const std::string& problem() const {
        load();
        return problem_;
    }

private:
    void load() const;
    void merge() const;

    std::string region_code_;
    std::vector<SchoolHolidayPeriod> imported_;
    mutable bool loaded_ = true; // no region, nothing to read
    mutable std::optional<SchoolHolidayTable> shipped_;
    mutable std::optional<SchoolHolidayTable> merged_;
    mutable std::string problem_;
};

} // namespace vespera

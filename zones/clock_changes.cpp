#include "zones/clock_changes.h"

#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"
#include "zones/local_day.h"

namespace vespera {

std::vector<ClockChange> clock_changes_on(const Zone& zone, std::int32_t day_number) {
    std::vector<ClockChange> found;
    const LocalDay day = local_day(zone, day_number);
    if (!day.changes_clock()) return found;
    const double begin_jd_ut = kJdOfMjdZero + day.midnight_mjd_ut;
    const double end_jd_ut = begin_jd_ut + day.span_hours / 24.0;
    // A year's list holds the changes read in it on the clock before them:
    // a change at 24:00 on 31 December reads as the next year's.
    const std::int64_t year = civil_date(day_number).year;
    for (std::int64_t y = year - 1; y <= year + 1; ++y) {
        if (y != year && civil_date(day_number + (y < year ? -1 : 1)).year == year) continue;
        for (const ClockChange& change : zone.changes_in_year(y)) {
            if (change.jd_ut >= begin_jd_ut && change.jd_ut < end_jd_ut) found.push_back(change);
        }
    }
    return found;
}

} // namespace vespera

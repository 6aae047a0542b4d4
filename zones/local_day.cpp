#include "zones/local_day.h"

#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"

namespace vespera {

// The day number less 2400001 is the MJD of local midnight, exactly.
constexpr std::int64_t kMjdOfDayNumberZero = -2400001;

LocalDay local_day(const Zone& zone, std::int32_t day_number) {
    const double start_offset = zone.at_local(static_cast<double>(day_number) - 0.5).hours;
    const double end_offset = zone.at_local(static_cast<double>(day_number) + 0.5).hours;
    LocalDay day;
    day.midnight_mjd_ut = static_cast<double>(std::int64_t{day_number} + kMjdOfDayNumberZero) - start_offset / 24.0;
    day.span_hours = 24.0 + start_offset - end_offset;
    day.offset_at_midnight_hours = start_offset;
    day.offset_at_end_hours = end_offset;
    return day;
}

LocalDay fixed_offset_day(std::int64_t day_number, double offset_hours) {
    return {static_cast<double>(day_number + kMjdOfDayNumberZero) - offset_hours / 24.0, 24.0, offset_hours,
            offset_hours};
}

double clock_hours_of(const Zone& zone, const LocalDay& day, double elapsed_hours) {
    if (!day.changes_clock()) return elapsed_hours;
    const double jd_ut = kJdOfMjdZero + day.midnight_mjd_ut + elapsed_hours / 24.0;
    return elapsed_hours + zone.at(jd_ut).hours - day.offset_at_midnight_hours;
}

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

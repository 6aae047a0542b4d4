#include "zones/local_day.h"

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

} // namespace vespera

// The engine's local civil time: its day as a span of universal time, and the
// instant of a clock time on it. Everything goes through the zone, so that an
// event takes the offset in force at its own instant.
#include <cmath>

#include "engine/clsCalendar.h"
#include "ephemeris/time_scales.h"

const vespera::Zone& clsCalendar::zone() const {
    if (named_zone_) return *named_zone_;
    // An offset beyond a day puts no instant on a clock.
    if (!(std::fabs(f_.Zeitzone_Offset) <= 24.0f)) vespera::raise_fault(vespera::FaultCode::InvalidCall);
    if (!german_zone_ || german_zone_offset_ != f_.Zeitzone_Offset) {
        german_zone_ = vespera::Zone::german_rules(static_cast<double>(f_.Zeitzone_Offset));
        german_zone_offset_ = f_.Zeitzone_Offset;
    }
    return *german_zone_;
}

clsCalendar::LocalDay clsCalendar::current_local_day() const { return local_day_of(f_.JD); }

clsCalendar::LocalDay clsCalendar::local_day_of(std::int32_t day_number) const {
    // Local midnight at the start and at the end of the day; across a clock
    // change the day lasts 23 or 25 hours.
    const vespera::Zone& z = zone();
    const double start_offset = z.at_local(static_cast<double>(day_number) - 0.5).hours;
    const double end_offset = z.at_local(static_cast<double>(day_number) + 0.5).hours;
    LocalDay day;
    // The day number less 2400001 is the MJD of local midnight, exactly.
    day.midnight_mjd_ut = static_cast<double>(std::int64_t{day_number} - 2400001) - start_offset / 24.0;
    day.span_hours = 24.0 + start_offset - end_offset;
    day.offset_at_midnight_hours = start_offset;
    day.offset_at_end_hours = end_offset;
    return day;
}

double clsCalendar::jd_ut_of_clock(double local_hours) const {
    const double jd_ut = zone().ut_of_local(static_cast<double>(f_.JD) - 0.5 + local_hours / 24.0);
    if (!std::isfinite(jd_ut)) vespera::raise_fault(vespera::FaultCode::InvalidCall);
    return jd_ut;
}

// The engine's local civil time: the instant of a clock time on its day.
// Everything goes through the zone, so that an event takes the offset in
// force at its own instant.
#include <cmath>

#include "engine/clsCalendar.h"

double clsCalendar::jd_ut_of_clock(double local_hours) const {
    const double jd_ut = zone().ut_of_local(static_cast<double>(f_.JD) - 0.5 + local_hours / 24.0);
    if (!std::isfinite(jd_ut)) vespera::raise_fault(vespera::FaultCode::InvalidCall);
    return jd_ut;
}

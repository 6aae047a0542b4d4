#include "engine/local_instant.h"

#include <cmath>

#include "engine/date_math.h"
#include "engine/fault.h"

namespace vespera {

LocalInstant split_local_instant(double local_jd) {
    if (!std::isfinite(local_jd) || std::fabs(local_jd) > 2.0e9) raise_fault(FaultCode::Overflow);
    const auto minutes = static_cast<std::int64_t>(std::llround((local_jd + 0.5) * 1440.0));
    return {to_long(floor_div(minutes, 1440)), static_cast<std::int32_t>(floor_mod(minutes, 1440))};
}

double local_clock_jd(double jd_ut, double zone_offset_hours, std::int32_t summer_start_day,
                      std::int32_t summer_end_day) {
    const double standard = jd_ut + zone_offset_hours / 24.0;
    if (!std::isfinite(standard) || std::fabs(standard) > 2.0e9) raise_fault(FaultCode::Overflow);
    const auto day = static_cast<std::int64_t>(std::floor(standard + 0.5));
    return (day >= summer_start_day && day < summer_end_day) ? standard + 1.0 / 24.0 : standard;
}

} // namespace vespera

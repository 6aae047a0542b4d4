#include "sky/moon_quarters.h"

#include <cmath>

#include "base/fault.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/time_scales.h"

namespace vespera {

std::vector<QuarterDay> moon_quarters(const Zone& zone, std::int32_t first_day, std::int32_t last_day) {
    const double first_jde = jde_of(zone.ut_of_local(static_cast<double>(first_day) - 0.5));
    // A day of slack on either side covers Delta T and the zone's offset.
    const double earliest_jde = first_jde - kQuarterFromMean_days - 1.0;
    const double latest_jde = first_jde + (last_day - first_day + 1) + kQuarterFromMean_days + 1.0;
    // From the new moon before the month: its quarters and the next two
    // lunations' cover any month.
    const double k0 = nearest_lunation(first_jde, false) - 1.0;
    if (!std::isfinite(k0)) raise_fault(FaultCode::InvalidCall);
    std::vector<QuarterDay> quarters;
    for (int lunation = 0; lunation < 3; ++lunation) {
        for (const double part : {0.25, 0.75}) {
            const double mean_jde = mean_lunar_phase_jde(k0 + lunation + part);
            if (mean_jde < earliest_jde || mean_jde > latest_jde) continue;
            const double jde = lunar_quarter_jde(k0 + lunation + part);
            const double jd_ut = jde - delta_t_seconds(jde) / kSecondsPerDay;
            const auto day = static_cast<std::int32_t>(std::floor(zone.local_jd(jd_ut) + 0.5));
            if (day >= first_day && day <= last_day) quarters.push_back({day, part < 0.5 ? 1 : 3, jd_ut});
        }
    }
    return quarters;
}

} // namespace vespera

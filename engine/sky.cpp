// The sky of the engine's day at its place: altitudes of the Sun and the
// Moon at any instant, the Moon's lit part, and the month's quarters. The
// window's charts and the month grid read these; the positions are the
// accurate ones of the ephemeris.
#include <cmath>

#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/moon.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

void check_instant(double jd_ut) {
    // Beyond a billion days no position means anything.
    if (!std::isfinite(jd_ut) || std::fabs(jd_ut) > 1e9) raise_fault(FaultCode::InvalidCall);
}

} // namespace

clsCalendar::DaySpan clsCalendar::local_day_span() {
    return guarded("local_day_span", DaySpan{}, [&] {
        const LocalDay day = current_local_day();
        return DaySpan{vespera::kJdOfMjdZero + day.midnight_mjd_ut, day.span_hours};
    });
}

double clsCalendar::local_jd_at(double jd_ut) {
    return guarded("local_jd_at", 0.0, [&] {
        check_instant(jd_ut);
        return local_jd_of(jd_ut);
    });
}

double clsCalendar::jd_ut_of_local(double local_jd) {
    return guarded("jd_ut_of_local", 0.0, [&] {
        check_instant(local_jd);
        return zone().ut_of_local(local_jd);
    });
}

double clsCalendar::sun_altitude_deg_at(double jd_ut) {
    return guarded("sun_altitude_deg_at", 0.0, [&] {
        check_instant(jd_ut);
        return sun_altitude_at(jd_ut);
    });
}

double clsCalendar::moon_altitude_deg_at(double jd_ut) {
    return guarded("moon_altitude_deg_at", 0.0, [&] {
        check_instant(jd_ut);
        return vespera::moon_topocentric_altitude_deg(vespera::moon_horizon(jd_ut, f_.Longitude, f_.Latitude));
    });
}

double clsCalendar::moon_lit_fraction_at(double jd_ut) {
    return guarded("moon_lit_fraction_at", 0.0, [&] {
        check_instant(jd_ut);
        return vespera::moon_illuminated_fraction(vespera::jde_of(jd_ut));
    });
}

bool clsCalendar::moon_waxing_at(double jd_ut) {
    return guarded("moon_waxing_at", false, [&] {
        check_instant(jd_ut);
        return vespera::moon_waxing(vespera::jde_of(jd_ut));
    });
}

std::vector<clsCalendar::QuarterDay> clsCalendar::moon_quarters_of_month() {
    return guarded("moon_quarters_of_month", std::vector<QuarterDay>{}, [&] {
        const auto first_day = static_cast<std::int32_t>(vespera::day_number(f_.Jahr, f_.Monat, 1));
        const std::int32_t last_day = first_day + MonatsTage(f_.Monat) - 1;
        const double first_jde = vespera::jde_of(zone().ut_of_local(static_cast<double>(first_day) - 0.5));
        // A day of slack on either side covers Delta T and the zone's offset.
        const double earliest_jde = first_jde - vespera::kQuarterFromMean_days - 1.0;
        const double latest_jde = first_jde + (last_day - first_day + 1) + vespera::kQuarterFromMean_days + 1.0;
        // From the new moon before the month: its quarters and the next two
        // lunations' cover any month.
        const double k0 = vespera::nearest_lunation(first_jde, false) - 1.0;
        if (!std::isfinite(k0)) raise_fault(FaultCode::InvalidCall);
        std::vector<QuarterDay> quarters;
        for (int lunation = 0; lunation < 3; ++lunation) {
            for (const double part : {0.25, 0.75}) {
                const double mean_jde = vespera::mean_lunar_phase_jde(k0 + lunation + part);
                if (mean_jde < earliest_jde || mean_jde > latest_jde) continue;
                const double jde = vespera::lunar_quarter_jde(k0 + lunation + part);
                const double jd_ut = jde - vespera::delta_t_seconds(jde) / vespera::kSecondsPerDay;
                const auto day = static_cast<std::int32_t>(std::floor(local_jd_of(jd_ut) + 0.5));
                if (day >= first_day && day <= last_day) quarters.push_back({day, part < 0.5 ? 1 : 3, jd_ut});
            }
        }
        return quarters;
    });
}

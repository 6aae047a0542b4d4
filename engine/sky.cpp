// The sky of the engine's day at its place: altitudes of the Sun and the
// Moon at any instant, the Moon's lit part, and the month's quarters. The
// window's charts and the month grid read these; the positions are the
// accurate ones of the ephemeris.
#include <cmath>

#include "engine/clsCalendar.h"
#include "ephemeris/calendar.h"
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
        const vespera::LocalDay day = current_local_day();
        return DaySpan{vespera::kJdOfMjdZero + day.midnight_mjd_ut, day.span_hours};
    });
}

double clsCalendar::local_jd_at(double jd_ut) {
    return guarded("local_jd_at", 0.0, [&] {
        check_instant(jd_ut);
        return zone().local_jd(jd_ut);
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
        return vespera::sun_altitude_deg(jd_ut, f_.Longitude, f_.Latitude);
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
        return vespera::moon_quarters(zone(), first_day, first_day + MonatsTage(f_.Monat) - 1);
    });
}

vespera::Twilights clsCalendar::twilights_of_day() {
    return guarded("twilights_of_day", vespera::Twilights{}, [&] {
        const DaySpan day = local_day_span();
        return vespera::twilights_of_day(day.start_jd_ut, day.start_jd_ut + day.hours / 24.0, f_.Longitude,
                                         f_.Latitude);
    });
}

vespera::PlanetsOfDay clsCalendar::planets_of_day() {
    return guarded("planets_of_day", vespera::PlanetsOfDay{}, [&] {
        const DaySpan day = local_day_span();
        return vespera::planets_of_day(day.start_jd_ut, day.start_jd_ut + day.hours / 24.0, f_.Longitude,
                                       f_.Latitude);
    });
}

vespera::SkyEventList clsCalendar::sky_events_of_year() {
    return guarded("sky_events_of_year", vespera::SkyEventList{}, [&] {
        const auto midnight_jd_ut = [&](std::int64_t year) {
            return vespera::kJdOfMjdZero + vespera::local_day(zone(), day_number_of(year, 1, 1)).midnight_mjd_ut;
        };
        return vespera::sky_events(midnight_jd_ut(f_.Jahr), midnight_jd_ut(std::int64_t{f_.Jahr} + 1));
    });
}

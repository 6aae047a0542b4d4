#include "sky/eclipses.h"

#include <cmath>

#include "zones/local_instant.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

std::int32_t local_day_of(const Zone& zone, double jd_ut) {
    return split_local_instant(zone.local_jd(jd_ut)).day_number;
}

double instant_ut(const LunarPhase& phase) { return phase.jde - delta_t_seconds(phase.jde) / kSecondsPerDay; }

std::optional<SolarEclipseDay> solar_eclipse_of(double new_moon_jd_ut, const Zone& zone, double latitude_deg,
                                                double longitude_deg) {
    SolarEclipseDay day;
    day.global = global_solar_eclipse(new_moon_jd_ut);
    day.local = local_solar_eclipse(new_moon_jd_ut, latitude_deg, longitude_deg);
    const bool seen_here = day.local.kind != SolarEclipseKind::None;
    if (day.global.kind == SolarEclipseKind::None && !seen_here) return std::nullopt;
    day.day_number = local_day_of(zone, seen_here ? day.local.maximum.jd_ut : day.global.greatest_jd_ut);
    return day;
}

std::optional<LunarEclipseDay> lunar_eclipse_of(double full_moon_jd_ut, const Zone& zone, double latitude_deg,
                                                double longitude_deg) {
    LunarEclipseDay day;
    day.eclipse = lunar_eclipse_near(full_moon_jd_ut);
    if (day.eclipse.kind == LunarEclipseKind::None) return std::nullopt;
    day.day_number = local_day_of(zone, day.eclipse.at(LunarContact::Maximum));
    day.seen = lunar_eclipse_seen_from(day.eclipse, latitude_deg, longitude_deg);
    return day;
}

// The phase of the given kind nearest the local day's noon.
LunarPhase phase_near_day(std::int32_t day_number, const Zone& zone, bool full_moon) {
    const double noon_jde = jde_of(zone.ut_of_local(static_cast<double>(day_number)));
    const double k = nearest_lunation(noon_jde, full_moon);
    if (!std::isfinite(k)) return {std::nan(""), std::nan("")};
    return lunar_phase(k, full_moon);
}

} // namespace

std::optional<SolarEclipseDay> solar_eclipse_on_day(std::int32_t day_number, const Zone& zone, double latitude_deg,
                                                    double longitude_deg) {
    const LunarPhase phase = phase_near_day(day_number, zone, false);
    if (!std::isfinite(phase.jde) || !may_be_eclipsed(phase)) return std::nullopt;
    auto day = solar_eclipse_of(instant_ut(phase), zone, latitude_deg, longitude_deg);
    if (!day || day->day_number != day_number) return std::nullopt;
    return day;
}

std::optional<LunarEclipseDay> lunar_eclipse_on_day(std::int32_t day_number, const Zone& zone, double latitude_deg,
                                                    double longitude_deg) {
    const LunarPhase phase = phase_near_day(day_number, zone, true);
    if (!std::isfinite(phase.jde) || !may_be_eclipsed(phase)) return std::nullopt;
    auto day = lunar_eclipse_of(instant_ut(phase), zone, latitude_deg, longitude_deg);
    if (!day || day->day_number != day_number) return std::nullopt;
    return day;
}

YearEclipses eclipses_of_year(std::int64_t year, const Zone& zone, double latitude_deg, double longitude_deg) {
    YearEclipses found;
    const std::int64_t first_day = day_number(year, 1, 1);
    const std::int64_t last_day = day_number(year, 12, 31);
    // Every phase from a day before the year to a day after it: an eclipse
    // whose phase lies just outside may still have its local date inside.
    const double from_jde = jde_of(zone.ut_of_local(static_cast<double>(first_day) - 1.5));
    const double to_jde = jde_of(zone.ut_of_local(static_cast<double>(last_day) + 1.5));
    for (const bool full_moon : {false, true}) {
        const double first_k = nearest_lunation(from_jde, full_moon);
        if (!std::isfinite(first_k)) continue;
        for (double k = first_k - 1.0; k <= first_k + 15.0; k += 1.0) {
            const LunarPhase phase = lunar_phase(k, full_moon);
            if (phase.jde > to_jde) break;
            if (phase.jde < from_jde || !may_be_eclipsed(phase)) continue;
            const auto in_year = [&](std::int32_t day) { return day >= first_day && day <= last_day; };
            if (full_moon) {
                auto day = lunar_eclipse_of(instant_ut(phase), zone, latitude_deg, longitude_deg);
                if (day && in_year(day->day_number)) found.lunar.push_back(*day);
            } else {
                auto day = solar_eclipse_of(instant_ut(phase), zone, latitude_deg, longitude_deg);
                if (day && in_year(day->day_number)) found.solar.push_back(*day);
            }
        }
    }
    return found;
}

} // namespace vespera

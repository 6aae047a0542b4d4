#include "sky/phases.h"

#include <cmath>

#include "base/date_math.h"
#include "base/fault.h"
#include "base/number_text.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/moon.h"
#include "ephemeris/time_scales.h"

namespace vespera {
namespace {

double phase_local_jd(const Zone& zone, bool full_moon, double k) {
    const double jde = lunar_phase(k, full_moon).jde;
    return zone.local_jd(jde - delta_t_seconds(jde) / kSecondsPerDay);
}

} // namespace

double moon_illuminated_percent(double jd_ut) { return 100.0 * moon_illuminated_fraction(jde_of(jd_ut)); }

std::string moon_phase_text(double percent, double percent_half_hour_later, bool five_decimals, char separator) {
    if (percent <= 0.2) return "Neumond";
    if (percent >= 99.8) return "Vollmond";
    return fixed(percent, five_decimals ? 5 : 1, separator) +
           (percent_half_hour_later - percent < 0 ? " %, abnehmend" : " %, zunehmend");
}

double phase_near_date_local_jd(const Zone& zone, bool full_moon, std::int32_t year, std::int32_t month,
                                std::int32_t day, std::int32_t index) {
    const double decimal_year = year + month / 13.0 + day / 403.0;
    double k = (decimal_year - 2000.0) * 12.3685;
    if (!std::isfinite(k) || std::fabs(k) > 1e9) raise_fault(FaultCode::Overflow);
    // The nearest whole lunation; a half rounds down.
    k = (k - std::floor(k) > 0.5) ? std::floor(k) + 1.0 : std::floor(k);
    k += index - (full_moon ? 1.5 : 1.0);
    return phase_local_jd(zone, full_moon, k);
}

PhaseYear phase_year(std::int64_t year, const Zone& zone) {
    PhaseYear phases;
    // The lunation is found from the year's first local midnight itself: a
    // count from the mean lunation alone drifts by months tens of millennia
    // away.
    const double new_year_local_jd = static_cast<double>(day_number(year, 1, 1)) - 0.5;
    const double new_year_jde = jde_of(zone.ut_of_local(new_year_local_jd));
    for (const bool full_moon : {true, false}) {
        double k = nearest_lunation(new_year_jde, full_moon);
        if (!std::isfinite(k)) raise_fault(FaultCode::Overflow);
        if (phase_local_jd(zone, full_moon, k) >= new_year_local_jd) k -= 1.0;
        auto& jd = full_moon ? phases.full_moon_jd : phases.new_moon_jd;
        auto& local = full_moon ? phases.full_moon_local : phases.new_moon_local;
        for (std::size_t i = 0; i < jd.size(); ++i) {
            jd[i] = phase_local_jd(zone, full_moon, k + static_cast<double>(i));
            local[i] = split_local_instant(jd[i]);
        }
    }
    // The first entry has no predecessor in the list and is never a Blue Moon.
    for (std::size_t i = 1; i < phases.full_moon_local.size(); ++i) {
        const CivilDate previous = civil_date(phases.full_moon_local[i - 1].day_number);
        const CivilDate current = civil_date(phases.full_moon_local[i].day_number);
        phases.blue_moon[i] = previous.year == current.year && previous.month == current.month;
    }
    return phases;
}

int phase_on_day(const PhaseList& phases, std::int32_t day_number) {
    for (std::size_t i = 0; i < phases.size(); ++i) {
        if (phases[i].day_number == day_number) return static_cast<int>(i);
    }
    return -1;
}

} // namespace vespera

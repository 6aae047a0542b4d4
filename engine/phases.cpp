// Lunar phases: the Moon's illuminated fraction, and the year's new and full
// moons (Meeus, Astronomical Algorithms, 2nd ed., ch. 48 and 49).
#include "engine/phases.h"

#include <cmath>
#include <numbers>

#include "astro/AstroModule.h"
#include "ephemeris/angles.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/moon.h"
#include "ephemeris/time_scales.h"
#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/local_instant.h"
#include "engine/number_text.h"

namespace vespera {

double moon_illuminated_percent(double jd_ut) { return 100.0 * moon_illuminated_fraction(jde_of(jd_ut)); }

std::string moon_phase_text(double percent, double percent_half_hour_later, bool five_decimals, char separator) {
    if (percent <= 0.2) return "Neumond";
    if (percent >= 99.8) return "Vollmond";
    return fixed(percent, five_decimals ? 5 : 1, separator) +
           (percent_half_hour_later - percent < 0 ? " %, abnehmend" : " %, zunehmend");
}

} // namespace vespera

double clsCalendar::phase_instant(bool full_moon, std::int32_t year, std::int32_t month, std::int32_t day,
                                  std::int32_t index) const {
    const double decimal_year = year + month / 13.0 + day / 403.0;
    double k = (decimal_year - 2000.0) * 12.3685;
    if (!std::isfinite(k) || std::fabs(k) > 1e9) vespera::raise_fault(vespera::FaultCode::Overflow);
    // The nearest whole lunation; a half rounds down.
    k = (k - std::floor(k) > 0.5) ? std::floor(k) + 1.0 : std::floor(k);
    k += index - (full_moon ? 1.5 : 1.0);
    const double jde = vespera::lunar_phase(k, full_moon).jde;
    const double jd_ut = jde - vespera::delta_t_seconds(jde) / vespera::kSecondsPerDay;
    return local_jd_of(jd_ut);
}

double clsCalendar::Neumonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t index) {
    return guarded("Neumonde_Berechnen", 0.0,
                   [&] { return phase_instant(false, year, month, day, index); });
}

double clsCalendar::Vollmonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day,
                                        std::int32_t index) {
    return phase_instant(true, year, month, day, index);
}

double clsCalendar::phase_local_jd(bool full_moon, double k) const {
    const double jde = vespera::lunar_phase(k, full_moon).jde;
    return local_jd_of(jde - vespera::delta_t_seconds(jde) / vespera::kSecondsPerDay);
}

void clsCalendar::fill_phase_lists(YearTables& tables) const {
    // Entry 0 is the last phase before the year's first local midnight, so
    // entry 1 falls within the year's first 30 days and entries 1 to 14 span
    // 13 lunations, more than a year. The lunation is found from that
    // midnight itself: a count from the mean lunation alone drifts by
    // months tens of millennia away.
    const double new_year_local_jd = static_cast<double>(vespera::day_number(f_.Jahr, 1, 1)) - 0.5;
    const double new_year_jde = vespera::jde_of(zone().ut_of_local(new_year_local_jd));
    for (const bool full_moon : {true, false}) {
        double k = vespera::nearest_lunation(new_year_jde, full_moon);
        if (!std::isfinite(k)) vespera::raise_fault(vespera::FaultCode::Overflow);
        if (phase_local_jd(full_moon, k) >= new_year_local_jd) k -= 1.0;
        auto& jd = full_moon ? tables.full_moon_jd : tables.new_moon_jd;
        auto& local = full_moon ? tables.full_moon_local : tables.new_moon_local;
        for (std::size_t i = 0; i < jd.size(); ++i) {
            jd[i] = phase_local_jd(full_moon, k + static_cast<double>(i));
            local[i] = vespera::split_local_instant(jd[i]);
        }
    }
    // A Blue Moon is the second full moon of a calendar month; the first
    // entry has no predecessor in the list and is never one.
    tables.blue_moon.fill(false);
    for (std::size_t i = 1; i < tables.full_moon_local.size(); ++i) {
        const vespera::CivilDate previous = vespera::civil_date(tables.full_moon_local[i - 1].day_number);
        const vespera::CivilDate current = vespera::civil_date(tables.full_moon_local[i].day_number);
        tables.blue_moon[i] = previous.year == current.year && previous.month == current.month;
    }
}

std::string clsCalendar::MondPhase(bool from_clock) {
    return guarded("MondPhase", std::string{}, [&] {
        const double hours = from_clock ? clock_hours() : f_.Stunde + f_.Minute / 60.0 + f_.Sekunde / 3600.0;
        const double jd_ut = jd_ut_of_clock(hours);
        const double percent = vespera::moon_illuminated_percent(jd_ut);
        const double later = vespera::moon_illuminated_percent(jd_ut + 0.5 / 24.0);
        return vespera::moon_phase_text(percent, later, from_clock, decimal_separator_);
    });
}

namespace {

template <std::size_t N>
int find_phase_on_day(const std::array<vespera::LocalInstant, N>& list, std::int32_t day) {
    for (std::size_t i = 0; i < N; ++i) {
        if (list[i].day_number == day) return static_cast<int>(i);
    }
    return -1;
}

} // namespace

bool clsCalendar::IstVollmond(std::int32_t mjd) { return find_phase_on_day(tables_.full_moon_local, mjd) >= 0; }

bool clsCalendar::IstNeumond(std::int32_t mjd) { return find_phase_on_day(tables_.new_moon_local, mjd) >= 0; }

bool clsCalendar::IstBluemoon(std::int32_t mjd) {
    for (std::size_t i = 0; i < tables_.full_moon_local.size(); ++i) {
        if (tables_.full_moon_local[i].day_number == mjd && tables_.blue_moon[i]) return true;
    }
    return false;
}

std::string clsCalendar::IstVollmond_Info(std::int32_t mjd) {
    return guarded("IstVollmond_Info", std::string{}, [&] {
        const int i = find_phase_on_day(tables_.full_moon_local, mjd);
        return i < 0 ? std::string{} : "um " + hrsmin(tables_.full_moon_local[static_cast<std::size_t>(i)].hours(), true);
    });
}

std::string clsCalendar::IstNeumond_Info(std::int32_t mjd) {
    return guarded("IstNeumond_Info", std::string{}, [&] {
        const int i = find_phase_on_day(tables_.new_moon_local, mjd);
        return i < 0 ? std::string{} : "um " + hrsmin(tables_.new_moon_local[static_cast<std::size_t>(i)].hours(), true);
    });
}

std::string clsCalendar::phase_date_text(const vespera::LocalInstant& phase) const {
    return format_day(phase.day_number, 0) + ", " +
           GetWochentagName(vespera::weekday_index(phase.day_number)).substr(0, 2);
}

std::string clsCalendar::Vollmond_Datum(std::int32_t Index) {
    return guarded("Vollmond_Datum", std::string{}, [&] {
        return phase_date_text(tables_.full_moon_local[vespera::checked_index(Index, tables_.full_moon_local.size())]);
    });
}

std::string clsCalendar::Neumond_Datum(std::int32_t Index) {
    return guarded("Neumond_Datum", std::string{}, [&] {
        return phase_date_text(tables_.new_moon_local[vespera::checked_index(Index, tables_.new_moon_local.size())]);
    });
}

std::string clsCalendar::Vollmond_Info(std::int32_t Index) {
    return guarded("Vollmond_Info", std::string{}, [&] {
        const auto& phase = tables_.full_moon_local[vespera::checked_index(Index, tables_.full_moon_local.size())];
        return "um " + hrsmin(phase.hours(), true);
    });
}

std::string clsCalendar::Neumond_Info(std::int32_t Index) {
    return guarded("Neumond_Info", std::string{}, [&] {
        const auto& phase = tables_.new_moon_local[vespera::checked_index(Index, tables_.new_moon_local.size())];
        std::string text = "um " + hrsmin(phase.hours(), true);
        const vespera::CivilDate date = vespera::civil_date(phase.day_number);
        const auto day = static_cast<double>(date.day);
        const auto month = static_cast<double>(date.month);
        const auto year = static_cast<double>(date.year);
        if (AstroModule::Finsternis_Vorkommen(0, 0, day, month, year).find("No ") == std::string::npos &&
            AstroModule::Finsternis_Beginn(day, month, year, 0, 1, f_.Longitude, f_.Latitude) > 0) {
            text += " Sonnenfinsternis";
        }
        return text;
    });
}

// Lunar phases: the Moon's illuminated fraction, and the year's new and full
// moons (Meeus, Astronomical Algorithms, 2nd ed., ch. 48 and 49).
#include "engine/phases.h"

#include <cmath>
#include <numbers>

#include "astro/AstroModule.h"
#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/local_instant.h"
#include "engine/number_text.h"

namespace vespera {
namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

struct PhaseTerm {
    std::int8_t mp, m, f, omega; // multiples of M', M, F, Omega
    std::int8_t e_power;         // the term is multiplied by E^e_power
    double new_moon_days;
    double full_moon_days;
};

// Meeus, Astronomical Algorithms, 1st ed., ch. 47 (2nd ed. ch. 49), periodic terms of new and full moon.
constexpr std::array<PhaseTerm, 25> kPhaseTerms = {{
    {1, 0, 0, 0, 0, -0.40720, -0.40614}, {0, 1, 0, 0, 1, 0.17241, 0.17302},
    {2, 0, 0, 0, 0, 0.01608, 0.01614},   {0, 0, 2, 0, 0, 0.01039, 0.01043},
    {1, -1, 0, 0, 1, 0.00739, 0.00734},  {1, 1, 0, 0, 1, -0.00514, -0.00515},
    {0, 2, 0, 0, 2, 0.00208, 0.00209},   {1, 0, -2, 0, 0, -0.00111, -0.00111},
    {1, 0, 2, 0, 0, -0.00057, -0.00057}, {2, 1, 0, 0, 1, 0.00056, 0.00056},
    {3, 0, 0, 0, 0, -0.00042, -0.00042}, {0, 1, 2, 0, 1, 0.00042, 0.00042},
    {0, 1, -2, 0, 1, 0.00038, 0.00038},  {2, -1, 0, 0, 1, -0.00024, -0.00024},
    {0, 0, 0, 1, 0, -0.00017, -0.00017}, {1, 2, 0, 0, 0, -0.00007, -0.00007},
    {2, 0, -2, 0, 0, 0.00004, 0.00004},  {0, 3, 0, 0, 0, 0.00004, 0.00004},
    {1, 1, -2, 0, 0, 0.00003, 0.00003},  {2, 0, 2, 0, 0, 0.00003, 0.00003},
    {1, 1, 2, 0, 0, -0.00003, -0.00003}, {1, -1, 2, 0, 0, 0.00003, 0.00003},
    {1, -1, -2, 0, 0, -0.00002, -0.00002}, {3, 1, 0, 0, 0, -0.00002, -0.00002},
    {4, 0, 0, 0, 0, 0.00002, 0.00002},
}};

struct PlanetaryArgument {
    double base_deg, rate_deg_per_lunation, coefficient_days;
};

// Meeus, Astronomical Algorithms, 2nd ed., ch. 49, the fourteen additional corrections
// (A1 also has -0.009173 T^2).
constexpr std::array<PlanetaryArgument, 14> kPlanetaryArguments = {{
    {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
    {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
    {207.14, 2.453732, 0.000060}, {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
    {207.19, 0.121824, 0.000042}, {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
    {239.56, 25.513, 0.000035}, {331.55, 3.592518, 0.000023},
}};

} // namespace

double reduce_degrees(double x) { return x - 360.0 * std::floor(x / 360.0); }

double phase_jde(double k, bool full_moon) {
    const double t = k / 1236.85;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double mean_jde = 2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.00000015 * t3 +
                            0.00000000073 * t4;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double m = (2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3) * kDegToRad;
    const double mp = (201.5643 + 385.816935 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4) * kDegToRad;
    const double f = (160.7108 + 390.670502 * k - 0.0016341 * t2 - 0.00000227 * t3) * kDegToRad;
    const double omega = (124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3) * kDegToRad;

    double periodic = 0.0;
    for (const PhaseTerm& term : kPhaseTerms) {
        const double factor = term.e_power == 0 ? 1.0 : (term.e_power == 1 ? e : e * e);
        const double argument = term.mp * mp + term.m * m + term.f * f + term.omega * omega;
        periodic += (full_moon ? term.full_moon_days : term.new_moon_days) * factor * std::sin(argument);
    }
    double additional = 0.0;
    for (std::size_t i = 0; i < kPlanetaryArguments.size(); ++i) {
        const PlanetaryArgument& a = kPlanetaryArguments[i];
        double argument_deg = a.base_deg + a.rate_deg_per_lunation * k;
        if (i == 0) argument_deg -= 0.009173 * t2;
        additional += a.coefficient_days * std::sin(argument_deg * kDegToRad);
    }
    return mean_jde + periodic + additional;
}

double moon_illuminated_percent(double jd_ut) {
    // Meeus, Astronomical Algorithms, 2nd ed., ch. 48, phase angle of lower accuracy.
    const double t = (jd_ut - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    const double d = reduce_degrees(297.8502042 + 445267.1115168 * t - 0.00163 * t2 + t3 / 545868.0 - t4 / 113065000.0) * kDegToRad;
    const double m = reduce_degrees(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0) * kDegToRad;
    const double mp = reduce_degrees(134.9634114 + 477198.8676313 * t - 0.008997 * t2 + t3 / 69699.0 - t4 / 14712000.0) * kDegToRad;
    const double i_deg = 180.0 - d / kDegToRad - 6.289 * std::sin(mp) + 2.1 * std::sin(m) -
                         1.274 * std::sin(2.0 * d - mp) - 0.658 * std::sin(2.0 * d) - 0.214 * std::sin(2.0 * mp) -
                         0.11 * std::sin(d);
    return (1.0 + std::cos(i_deg * kDegToRad)) / 2.0 * 100.0;
}

std::string moon_phase_text(double percent, double percent_half_hour_later, bool five_decimals, char separator) {
    if (percent <= 0.2) return "Neumond";
    if (percent >= 99.8) return "Vollmond";
    return fixed(percent, five_decimals ? 5 : 1, separator) +
           (percent_half_hour_later - percent < 0 ? " %, abnehmend" : " %, zunehmend");
}

} // namespace vespera

double clsCalendar::rang(double x) { return vespera::reduce_degrees(x); }

double clsCalendar::phase_instant(bool full_moon, std::int32_t year, std::int32_t month, std::int32_t day,
                                  std::int32_t index, const YearTables& tables) const {
    const double decimal_year = year + month / 13.0 + day / 403.0;
    double k = (decimal_year - 2000.0) * 12.3685;
    if (!std::isfinite(k) || std::fabs(k) > 1e9) vespera::raise_fault(vespera::FaultCode::Overflow);
    // The nearest whole lunation; a half rounds down.
    k = (k - std::floor(k) > 0.5) ? std::floor(k) + 1.0 : std::floor(k);
    k += index - (full_moon ? 1.5 : 1.0);
    // One minute stands for the difference between dynamical and universal time.
    const double jd_ut = vespera::phase_jde(k, full_moon) - 1.0 / 1440.0;
    return vespera::local_clock_jd(jd_ut, f_.Zeitzone_Offset, tables.summer_time_start_day,
                                   tables.summer_time_end_day);
}

double clsCalendar::Neumonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t index) {
    return guarded("Neumonde_Berechnen", 0.0,
                   [&] { return phase_instant(false, year, month, day, index, tables_); });
}

double clsCalendar::Vollmonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day,
                                        std::int32_t index) {
    return phase_instant(true, year, month, day, index, tables_);
}

void clsCalendar::fill_phase_lists(YearTables& tables) const {
    for (int i = 0; i < kPhaseCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        tables.full_moon_jd[slot] = phase_instant(true, f_.Jahr, 1, 1, i, tables);
        tables.full_moon_local[slot] = vespera::split_local_instant(tables.full_moon_jd[slot]);
        tables.new_moon_jd[slot] = phase_instant(false, f_.Jahr, 1, 1, i, tables);
        tables.new_moon_local[slot] = vespera::split_local_instant(tables.new_moon_jd[slot]);
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
        // The clock reads local civil time: the zone and, in summer, one hour more.
        const double zone_hours = f_.Zeitzone_Offset + (IstSommerzeit() ? 1.0 : 0.0);
        const double jd_ut = f_.JD - 0.5 + hours / 24.0 - zone_hours / 24.0;
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

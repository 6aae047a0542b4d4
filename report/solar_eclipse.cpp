#include "report/solar_eclipse.h"

#include <cmath>

#include "astro/AstroModule.h"
#include "engine/date_math.h"
#include "engine/fault.h"
#include "engine/local_instant.h"
#include "engine/number_text.h"

namespace vespera::report {
namespace {

// "10:05 Uhr" from hours on the local clock, rounded to the minute.
std::string clock_text(double hours) {
    const auto minutes = static_cast<std::int64_t>(std::llround(hours * 60.0));
    const std::int64_t of_day = floor_mod(minutes, 1440);
    return two_digits(of_day / 60) + ":" + two_digits(of_day % 60) + " Uhr";
}

} // namespace

std::string date_text(std::int64_t day_number) {
    const CivilDate date = civil_date(day_number);
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
}

std::optional<SolarEclipseAtPlace> solar_eclipse_near(const clsCalendar& cal, const Zone& zone, std::int32_t day,
                                                      std::int32_t month, std::int64_t year) {
    const double d = day, m = month, y = static_cast<double>(year);
    const std::string occurrence = AstroModule::Finsternis_Vorkommen(0, 0, d, m, y);
    if (occurrence == AstroModule::kNoSolarEclipse) return std::nullopt;
    try {
        // The routines answer for the new moon nearest the chosen day: name its
        // local date, and give the contacts on the place's clock at their own instants.
        const double new_moon_jd_ut = AstroModule::Neumond_JD(0, 0, d, m, y);
        SolarEclipseAtPlace eclipse;
        eclipse.certain = occurrence == AstroModule::kSolarEclipseCertain;
        eclipse.day_number = split_local_instant(zone.local_jd(new_moon_jd_ut)).day_number;
        const double begin = AstroModule::Finsternis_Beginn(d, m, y, 0, 0, cal.Longitude(), cal.Latitude());
        const double magnitude = AstroModule::Finsternis_Groesse(d, m, y, 0, 0, cal.Longitude(), cal.Latitude());
        if (begin == AstroModule::kNoEclipseHere || magnitude == AstroModule::kNoEclipseHere ||
            !std::isfinite(begin) || !std::isfinite(magnitude)) {
            return eclipse;
        }
        const double end = AstroModule::Finsternis_Ende(d, m, y, 0, 0, cal.Longitude(), cal.Latitude());
        if (!std::isfinite(end)) return eclipse;
        // A contact in UT hours of the new moon's Greenwich date, as an instant
        // within half a day of the new moon.
        const double greenwich_midnight = std::floor(new_moon_jd_ut + 0.5) - 0.5;
        const auto contact_clock_text = [&](double ut_hours) {
            double jd_ut = greenwich_midnight + ut_hours / 24.0;
            if (jd_ut - new_moon_jd_ut > 0.5) jd_ut -= 1.0;
            if (new_moon_jd_ut - jd_ut > 0.5) jd_ut += 1.0;
            return clock_text(split_local_instant(zone.local_jd(jd_ut)).hours());
        };
        eclipse.visible = true;
        eclipse.begin = contact_clock_text(begin);
        eclipse.end = contact_clock_text(end);
        eclipse.coverage = fixed(magnitude * 100.0, 1, cal.DecimalSeparator()) + " %";
        return eclipse;
    } catch (const EngineFault&) {
        // A new moon beyond the engine's years has no local day to name.
        return std::nullopt;
    }
}

} // namespace vespera::report

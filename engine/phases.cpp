// Lunar phases of the engine's year and day on the place's clock.
#include <cmath>

#include "astro/AstroModule.h"
#include "engine/clsCalendar.h"
#include "ephemeris/calendar.h"

double clsCalendar::Neumonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t index) {
    return guarded("Neumonde_Berechnen", 0.0,
                   [&] { return vespera::phase_near_date_local_jd(zone(), false, year, month, day, index); });
}

double clsCalendar::Vollmonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day,
                                        std::int32_t index) {
    return vespera::phase_near_date_local_jd(zone(), true, year, month, day, index);
}

clsCalendar::MoonLight clsCalendar::moon_light_at_clock(bool from_clock) const {
    const double hours = from_clock ? clock_hours() : f_.Stunde + f_.Minute / 60.0 + f_.Sekunde / 3600.0;
    const double jd_ut = jd_ut_of_clock(hours);
    return MoonLight{vespera::moon_illuminated_percent(jd_ut), vespera::moon_illuminated_percent(jd_ut + 0.5 / 24.0)};
}

clsCalendar::MoonLight clsCalendar::moon_light(bool from_clock) {
    return guarded("MondPhase", MoonLight{}, [&] { return moon_light_at_clock(from_clock); });
}

std::string clsCalendar::MondPhase(bool from_clock) {
    return guarded("MondPhase", std::string{}, [&] {
        const MoonLight light = moon_light_at_clock(from_clock);
        return vespera::moon_phase_text(light.percent, light.percent_half_hour_later, from_clock, decimal_separator_);
    });
}

// Built from the tables' own year and zone, so that they are what the
// rebuild would have made: the offset may have changed since without one.
const vespera::PhaseYear& clsCalendar::phases() {
    if (!tables_.phases) {
        if (!tables_.built_year) return tables_.phases.emplace();
        try {
            tables_.phases =
                vespera::phase_year(*tables_.built_year, zone_choice_.zone(tables_.built_zone_offset_hours));
        } catch (vespera::EngineFault& fault) {
            if (fault.procedure == nullptr) fault.procedure = "Feiertage_Einlesen";
            throw;
        }
    }
    return *tables_.phases;
}

bool clsCalendar::IstVollmond(std::int32_t mjd) {
    return guarded("IstVollmond", false, [&] { return vespera::phase_on_day(phases().full_moon_local, mjd) >= 0; });
}

bool clsCalendar::IstNeumond(std::int32_t mjd) {
    return guarded("IstNeumond", false, [&] { return vespera::phase_on_day(phases().new_moon_local, mjd) >= 0; });
}

bool clsCalendar::IstBluemoon(std::int32_t mjd) {
    return guarded("IstBluemoon", false, [&] {
        const vespera::PhaseYear& year = phases();
        for (std::size_t i = 0; i < year.full_moon_local.size(); ++i) {
            if (year.full_moon_local[i].day_number == mjd && year.blue_moon[i]) return true;
        }
        return false;
    });
}

std::string clsCalendar::phase_info(const vespera::PhaseList& phases, std::int32_t mjd) {
    const int i = vespera::phase_on_day(phases, mjd);
    return i < 0 ? std::string{} : "um " + hrsmin(phases[static_cast<std::size_t>(i)].hours(), true);
}

std::string clsCalendar::IstVollmond_Info(std::int32_t mjd) {
    return guarded("IstVollmond_Info", std::string{}, [&] { return phase_info(phases().full_moon_local, mjd); });
}

std::string clsCalendar::IstNeumond_Info(std::int32_t mjd) {
    return guarded("IstNeumond_Info", std::string{}, [&] { return phase_info(phases().new_moon_local, mjd); });
}

namespace {

const vespera::LocalInstant& phase(const vespera::PhaseList& phases, std::int32_t Index) {
    return phases[vespera::checked_index(Index, phases.size())];
}

} // namespace

std::string clsCalendar::Vollmond_Datum(std::int32_t Index) {
    return guarded("Vollmond_Datum", std::string{},
                   [&] { return day_and_weekday(phase(phases().full_moon_local, Index).day_number); });
}

std::string clsCalendar::Neumond_Datum(std::int32_t Index) {
    return guarded("Neumond_Datum", std::string{},
                   [&] { return day_and_weekday(phase(phases().new_moon_local, Index).day_number); });
}

std::string clsCalendar::Vollmond_Info(std::int32_t Index) {
    return guarded("Vollmond_Info", std::string{},
                   [&] { return "um " + hrsmin(phase(phases().full_moon_local, Index).hours(), true); });
}

std::string clsCalendar::Neumond_Info(std::int32_t Index) {
    return guarded("Neumond_Info", std::string{}, [&] {
        const vespera::LocalInstant& new_moon = phase(phases().new_moon_local, Index);
        std::string text = "um " + hrsmin(new_moon.hours(), true);
        const vespera::CivilDate date = vespera::civil_date(new_moon.day_number);
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

// The year's phases as local day numbers, for callers that carry the date as
// data beside the text.
clsCalendar::ClockEvent clsCalendar::phase_event(bool full_moon, std::int32_t Index) {
    return guarded(full_moon ? "Vollmond_Info" : "Neumond_Info", ClockEvent{}, [&] {
        const auto& year = phases();
        // A year has 12 or 13 of each, not always as many full as new moons.
        const std::size_t i = vespera::checked_index(
            Index, full_moon ? year.full_moon_local.size() : year.new_moon_local.size());
        const vespera::LocalInstant local = full_moon ? year.full_moon_local[i] : year.new_moon_local[i];
        const double local_jd = full_moon ? year.full_moon_jd[i] : year.new_moon_jd[i];
        return ClockEvent{ClockEvent::Status::Happens, local.day_number, local.minute_of_day,
                          zone().at_local(local_jd).hours};
    });
}

std::int32_t clsCalendar::full_moon_day(std::int32_t Index) {
    return guarded("full_moon_day", std::int32_t{0},
                   [&] { return phase(phases().full_moon_local, Index).day_number; });
}

std::int32_t clsCalendar::new_moon_day(std::int32_t Index) {
    return guarded("new_moon_day", std::int32_t{0},
                   [&] { return phase(phases().new_moon_local, Index).day_number; });
}

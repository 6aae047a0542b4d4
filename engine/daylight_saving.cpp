// Summer time of the engine's year from its zone: the day it starts and the day it ends.
#include <cmath>

#include "engine/clsCalendar.h"

bool clsCalendar::IstSommerzeit() {
    const std::int32_t start = tables_.summer_time.start_day;
    const std::int32_t end = tables_.summer_time.end_day;
    // South of the equator summer time spans the turn of the year: it ends in
    // the first months and starts again towards the year's end.
    if (start != 0 && end != 0 && end < start) return f_.JD < end || f_.JD >= start;
    if (start != 0 && end == 0) return f_.JD >= start;
    if (start == 0 && end != 0) return f_.JD < end;
    return f_.JD >= start && f_.JD < end;
}

bool clsCalendar::IstSommerzeitUm(double jd_ut) {
    return guarded("IstSommerzeitUm", false, [&] {
        if (!std::isfinite(jd_ut)) vespera::raise_fault(vespera::FaultCode::InvalidCall);
        return zone().at(jd_ut).summer;
    });
}

void clsCalendar::setZeitzone(const std::string& iana) {
    guarded_void("setZeitzone", [&] {
        vespera::ZoneChoice previous = zone_choice_;
        if (!zone_choice_.choose(iana)) vespera::raise_fault(vespera::FaultCode::InvalidCall);
        rebuild_for_zone(std::move(previous));
    });
}

void clsCalendar::setZeitzone(const vespera::Zone& zone) {
    guarded_void("setZeitzone", [&] {
        vespera::ZoneChoice previous = zone_choice_;
        zone_choice_.choose(zone);
        rebuild_for_zone(std::move(previous));
    });
}

void clsCalendar::rebuild_for_zone(vespera::ZoneChoice previous) {
    // The clock changes, phases and seasons of the year are local times;
    // a rebuild that fails leaves the zone as it was.
    try {
        Feiertage_Einlesen();
    } catch (const vespera::EngineFault&) {
        zone_choice_ = std::move(previous);
        throw;
    }
}

std::string clsCalendar::Zeitzone() const { return zone_choice_.name(); }

bool clsCalendar::IstSommerzeitDatum(std::int32_t mjd) { return mjd == tables_.summer_time.start_day; }

bool clsCalendar::IstWinterzeitDatum(std::int32_t mjd) { return mjd == tables_.summer_time.end_day; }

std::string clsCalendar::changeover_text(std::int32_t day_number, bool with_duration) {
    if (day_number == 0) return "keine Zeitumstellung";
    std::string text = day_and_weekday(day_number);
    if (with_duration) {
        std::int64_t end = tables_.summer_time.end_day;
        // Summer time that outlasts the year ends in the next one.
        if (end < day_number) end = zone().summer_time_days(std::int64_t{f_.Jahr} + 1).end_day;
        if (end >= day_number) text += " (für " + std::to_string(end - day_number) + " Tage)";
    }
    return text;
}

std::string clsCalendar::Sommerzeit_Datum() {
    return guarded("Sommerzeit_Datum", std::string{},
                   [&] { return changeover_text(tables_.summer_time.start_day, true); });
}

std::string clsCalendar::Winterzeit_Datum() {
    return guarded("Winterzeit_Datum", std::string{},
                   [&] { return changeover_text(tables_.summer_time.end_day, false); });
}

#include "cli/session.h"

#include <chrono>

#include "cli/school_holiday_files.h"
#include "cli/usage.h"
#include "ephemeris/calendar.h"

namespace vespera::cli {

namespace {

void set_day(clsCalendar& cal, std::int64_t day_number) {
    const CivilDate date = civil_date(day_number);
    cal.setKalender(1);
    cal.setJahr(static_cast<std::int32_t>(date.year));
    cal.setMonat(date.month);
    cal.setTag(date.day);
}

} // namespace

Session::Session(const ChosenPlace& chosen, const Invocation& invocation, const ReportDay& day)
    : place(chosen), now(place_now(invocation.environment->now_unix_seconds * 1000, *chosen.zone)),
      now_time{now.hour(), now.minute(), now.second()} {
    cal.setErrorReporter([this](const std::string& text) {
        if (first_fault.empty()) first_fault = text;
    });
    cal.setDecimalSeparator(',');
    const int clock_seconds = now.second_of_day;
    cal.setClock([clock_seconds] { return std::chrono::seconds(clock_seconds); });
    cal.setLongitude(place.longitude_deg);
    cal.setLatitude(place.latitude_deg);
    cal.setZeitzone_Offset(place.zone_offset_hours);
    // The date before the zone, region and place: each of those rebuilds the
    // year's tables, and the year they rebuild is then the one reported on
    // (its seasons kept, see clsCalendar::Feiertage_Einlesen).
    if (day.yearly) {
        set_day(cal, day_number(day.year ? *day.year : civil_date(now.day_number).year, 1, 1));
    } else {
        set_day(cal, day.day ? *day.day : now.day_number);
    }
    cal.setZeitzone(*place.zone); // read once, by the place's choice
    cal.setRegion(invocation.region ? *invocation.region : place.region);
    // The place decides the days of communes only in its own region; in a
    // region asked for by hand it is no commune of that region's lists.
    if (!invocation.region || *invocation.region == place.region) {
        cal.setPlaceName(place.name);
        cal.setCommuneKey(place.commune_key);
    }
}

Outcome run_at_place(const Invocation& invocation, const ReportDay& day,
                     const std::function<Ending(Session&, Outcome&)>& body) {
    const PlaceOutcome chosen = choose_place(invocation.place, invocation.environment->gazetteer);
    Outcome outcome;
    outcome.err = chosen.note;
    if (!chosen.place) return failure(chosen.error, std::move(outcome));
    Session session(*chosen.place, invocation, day);
    // After the region, which drops the previous region's imports.
    const std::int64_t asked_day = day.yearly ? day_number(day.year ? *day.year : civil_date(session.now.day_number).year, 1, 1)
                                              : (day.day ? *day.day : session.now.day_number);
    const ImportedSchoolHolidays imported = imported_school_holidays(
        invocation, session.cal.Region(), *chosen.place->zone, session.now.day_number, asked_day);
    if (!imported.error.empty()) return failure(imported.error, std::move(outcome));
    outcome.err += imported.note;
    if (!imported.periods.empty()) session.cal.setImportedSchoolHolidays(imported.periods);
    const Ending ending = body(session, outcome);
    if (!ending.problem.empty()) return failure(ending.problem, std::move(outcome));
    if (ending.stopped || !session.first_fault.empty()) {
        return failure(session.first_fault.empty() ? std::string("Der Bericht ist unvollst\u00e4ndig.")
                                                   : session.first_fault,
                       std::move(outcome));
    }
    return outcome;
}

std::string written(const report::Report& report, Format format, bool list) {
    switch (format) {
    case Format::Csv: return report_csv(report);
    case Format::Json: return list ? list_json(report) : report_json(report);
    case Format::Text: break;
    }
    return report::copied_text(report);
}

} // namespace vespera::cli

#include "report/year_lists.h"

#include <cmath>
#include <variant>

#include "engine/date_math.h"
#include "report/restore_day.h"
#include "report/row_writer.h"
#include "report/solar_eclipse.h"

namespace vespera::report {
namespace {

constexpr std::int32_t kFirstSeason = 51;
constexpr std::int32_t kLastSeason = 54;

bool in_year(std::int64_t day_number, std::int64_t year) { return civil_date(day_number).year == year; }

void holidays(clsCalendar& cal, RowWriter& rows) {
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        cal.Feiertag_Datum(i);
        if (!rows.fine()) return;
        const clsCalendar::Variant weekday = cal.Wochentag(0);
        const std::string weekday_name = std::holds_alternative<std::string>(weekday) ? std::get<std::string>(weekday) : "";
        const auto day = static_cast<std::int64_t>(std::llround(cal.JD()));
        if (!rows.entry(cal.Format_Datum(0), weekday_name + ", " + cal.Feiertag_NurName(i), iso_date(day))) return;
    }
}

// The engine's 15 phases reach from before the year into the next; each
// keeps only those whose local day lies in the year.
void full_moons(clsCalendar& cal, RowWriter& rows, std::int64_t year) {
    for (std::int32_t i = 0; i < clsCalendar::kPhaseCount; ++i) {
        const std::int32_t day = cal.full_moon_day(i);
        if (!rows.fine()) return;
        if (!in_year(day, year)) continue;
        if (!rows.entry(cal.Vollmond_Datum(i), cal.Vollmond_Info(i), iso_date(day))) return;
    }
}

void new_moons(clsCalendar& cal, RowWriter& rows, std::int64_t year) {
    for (std::int32_t i = 0; i < clsCalendar::kPhaseCount; ++i) {
        const std::int32_t day = cal.new_moon_day(i);
        if (!rows.fine()) return;
        if (!in_year(day, year)) continue;
        if (!rows.entry(cal.Neumond_Datum(i), cal.Neumond_Info(i), iso_date(day))) return;
    }
}

std::string iso_or_none(std::int32_t day_number) { return day_number == 0 ? std::string() : iso_date(day_number); }

void seasons(clsCalendar& cal, RowWriter& rows) {
    for (std::int32_t code = kFirstSeason; code <= kLastSeason; ++code) {
        const std::int32_t day = cal.season_day(code);
        if (!rows.fine() || !rows.entry(cal.Jahreszeit_Name(code), cal.Jahreszeit_Datum(code), iso_date(day))) return;
    }
    if (!rows.subheading("Dauer der Jahreszeiten")) return;
    for (std::int32_t code = kFirstSeason; code <= kLastSeason; ++code) {
        if (!rows.entry(cal.Jahreszeit_Name(code), cal.Jahreszeit_Laenge(code))) return;
    }
    if (!rows.subheading("Sommerzeit und Winterzeit")) return;
    if (!rows.entry("Sommerzeit", cal.Sommerzeit_Datum(), iso_or_none(cal.summer_time_start_day()))) return;
    (void)rows.entry("Winterzeit", cal.Winterzeit_Datum(), iso_or_none(cal.summer_time_end_day()));
}

// One row per new moon of the year that eclipses the Sun somewhere, or may.
void solar_eclipses(clsCalendar& cal, const Zone& zone, RowWriter& rows, std::int64_t year) {
    std::int32_t previous = 0;
    for (std::int32_t i = 0; i < clsCalendar::kPhaseCount; ++i) {
        const std::int32_t day = cal.new_moon_day(i);
        if (!rows.fine()) return;
        if (!in_year(day, year)) continue;
        const CivilDate date = civil_date(day);
        const std::optional<SolarEclipseAtPlace> eclipse = solar_eclipse_near(cal, zone, date.day, date.month, date.year);
        if (!eclipse || eclipse->day_number == previous || !in_year(eclipse->day_number, year)) continue;
        previous = eclipse->day_number;
        // Seen at the place it happens; elsewhere it may be one the module
        // only deems possible.
        const std::string seen = eclipse->visible   ? "Beginn " + eclipse->begin + ", Ende " + eclipse->end +
                                                        ", Bedeckung " + eclipse->coverage
                                 : eclipse->certain ? "am Ort nicht sichtbar"
                                                    : "m\u00f6glich, am Ort nicht sichtbar";
        if (!rows.entry(date_text(eclipse->day_number), seen, iso_date(eclipse->day_number))) return;
    }
}

} // namespace

Report year_list(clsCalendar& cal, const Zone& zone, YearList list) {
    Report report;
    RowWriter rows(cal, report);
    const RestoreDay restore(cal);
    const std::int64_t year = cal.Jahr();
    const std::string of_year = " im Jahr " + year_text(year);
    switch (list) {
    case YearList::Holidays:
        if (rows.heading("Feiertage" + of_year)) holidays(cal, rows);
        break;
    case YearList::FullMoons:
        if (rows.heading("Vollmonde" + of_year)) full_moons(cal, rows, year);
        break;
    case YearList::NewMoons:
        if (rows.heading("Neumonde" + of_year)) new_moons(cal, rows, year);
        break;
    case YearList::Seasons:
        if (rows.heading("Jahreszeiten" + of_year)) seasons(cal, rows);
        break;
    case YearList::SolarEclipses:
        if (rows.heading("Sonnenfinsternisse" + of_year)) solar_eclipses(cal, zone, rows, year);
        break;
    }
    return report;
}

} // namespace vespera::report

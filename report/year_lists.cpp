#include "report/year_lists.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <variant>

#include "base/date_math.h"
#include "report/restore_day.h"
#include "report/row_writer.h"
#include "report/day_events.h"
#include "report/eclipses.h"

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
        const std::string date = cal.Vollmond_Datum(i);
        std::string time = cal.Vollmond_Info(i);
        if (!rows.fine()) return;
        // The month marks it; the engine's text stays as it is.
        if (cal.IstBluemoon(day)) time += " (Blue Moon)";
        if (!rows.entry(date, time, iso_date(day), instant_value(typed_event(cal.phase_event(true, i))))) return;
    }
}

void new_moons(clsCalendar& cal, RowWriter& rows, std::int64_t year) {
    for (std::int32_t i = 0; i < clsCalendar::kPhaseCount; ++i) {
        const std::int32_t day = cal.new_moon_day(i);
        if (!rows.fine()) return;
        if (!in_year(day, year)) continue;
        const std::string date = cal.Neumond_Datum(i);
        const std::string time = cal.Neumond_Info(i);
        if (!rows.entry(date, time, iso_date(day), instant_value(typed_event(cal.phase_event(false, i))))) return;
    }
}

std::string iso_or_none(std::int32_t day_number) { return day_number == 0 ? std::string() : iso_date(day_number); }

void seasons(clsCalendar& cal, RowWriter& rows) {
    for (std::int32_t code = kFirstSeason; code <= kLastSeason; ++code) {
        const std::int32_t day = cal.season_day(code);
        if (!rows.fine()) return;
        const std::string name = cal.Jahreszeit_Name(code);
        const std::string when = cal.Jahreszeit_Datum(code);
        if (!rows.entry(name, when, iso_date(day), instant_value(typed_event(cal.season_event(code))))) return;
    }
    if (!rows.subheading("Dauer der Jahreszeiten")) return;
    for (std::int32_t code = kFirstSeason; code <= kLastSeason; ++code) {
        const std::string name = cal.Jahreszeit_Name(code);
        const std::string length = cal.Jahreszeit_Laenge(code);
        if (!rows.entry(name, length, duration_value(cal.season_length_minutes(code)))) return;
    }
    if (!rows.subheading("Sommerzeit und Winterzeit")) return;
    if (!rows.entry("Sommerzeit", cal.Sommerzeit_Datum(), iso_or_none(cal.summer_time_start_day()))) return;
    (void)rows.entry("Winterzeit", cal.Winterzeit_Datum(), iso_or_none(cal.summer_time_end_day()));
}

// The year's solar and lunar eclipses whose local date lies in it, in time
// order, each with how the place sees it.
void eclipses(clsCalendar& cal, RowWriter& rows) {
    const YearEclipses found = cal.eclipses_of_year();
    if (!rows.fine()) return;
    struct Line {
        std::int32_t day;
        std::string text;
        TypedValue typed;
    };
    std::vector<Line> lines;
    const char separator = cal.DecimalSeparator();
    for (const SolarEclipseDay& e : found.solar) lines.push_back({e.day_number, solar_eclipse_summary(e, separator), solar_eclipse_value(e)});
    for (const LunarEclipseDay& e : found.lunar) lines.push_back({e.day_number, lunar_eclipse_summary(e, separator), {}});
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.day < b.day; });
    for (const Line& line : lines) {
        const std::string weekday = cal.Wochentag_Name(weekday_index(line.day)).substr(0, 2);
        if (!rows.entry(date_text(line.day) + ", " + weekday, line.text, iso_date(line.day), line.typed)) return;
    }
}

} // namespace

Report year_list(clsCalendar& cal, YearList list) {
    Report report;
    RowWriter rows(cal, report);
    const RestoreDay restore(cal);
    const std::int64_t year = cal.Jahr();
    const std::string of_year = " im Jahr " + year_heading_text(year);
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
    case YearList::Eclipses:
        if (rows.heading("Finsternisse" + of_year)) eclipses(cal, rows);
        break;
    }
    return report;
}

} // namespace vespera::report

#include "report/day_report.h"

#include <cmath>

#include "base/number_text.h"
#include "report/holiday_categories.h"
#include "report/number_display.h"
#include "report/row_writer.h"
#include "report/eclipses.h"

namespace vespera::report {
namespace {

void set_time(clsCalendar& cal, ClockTime time) {
    cal.setStunde(time.hour);
    cal.setMinute(time.minute);
    cal.setSekunde(time.second);
}

// The day's named days, each with what it is in the region, and the
// school holidays it lies in.
bool add_named_day_rows(RowWriter& rows, clsCalendar& cal) {
    if (!rows.fine()) return false;
    const auto day = static_cast<std::int32_t>(std::lround(cal.JD()));
    for (const NamedDayEntry& entry : cal.named_days_on(day)) {
        if (!rows.add({std::string(entry.name), status_text(entry, cal.Region(), cal.PlaceName()), RowKind::Entry, {},
                       std::string(category_label(category_of(entry)))})) {
            return false;
        }
    }
    const SchoolHolidayTable* school = cal.school_holiday_table();
    const std::string_view period = school ? school_holiday_name(*school, day) : std::string_view();
    return period.empty() || rows.add({"Schulferien", std::string(period), RowKind::Entry, {}, "Ferien"});
}

struct CalendarRow {
    const char* label;
    std::int32_t kind;
    std::int32_t variant;
};

// The five Egyptian rows differ in their era only.
constexpr CalendarRow kCalendarRows[] = {
    {"Unixtime", 10, 4},
    {"Gregorianischer Kalender", 1, 4},
    {"Julianischer Kalender", 2, 4},
    {"Julianischer Kalender (a.u.c.)", 6, 4},
    {"Islamischer Kalender", 4, 4},
    {"Maya Kalender", 9, 4},
    {"Französischer Revolutionskalender", 8, 4},
    {"Ägyptischer Kalender", 5, 4},
    {"Ägyptischer Kalender", 5, 6},
    {"Ägyptischer Kalender", 5, 5},
    {"Ägyptischer Kalender", 5, 8},
    {"Ägyptischer Kalender", 5, 7},
    {"Anéris", 3, 4},
};

} // namespace

std::string date_heading(clsCalendar& cal, bool with_era) {
    const std::int64_t year = cal.Jahr();
    return std::to_string(cal.Tag()) + ". " + cal.MonatsName(cal.Monat()) + " " +
           (with_era ? year_heading_text(year) : std::to_string(year));
}

std::string moon_phase_value(clsCalendar& cal, bool from_clock) {
    // A fault shows its one message; the lit share is then not asked for.
    const std::uint64_t faults = cal.fault_count();
    const auto day = static_cast<std::int32_t>(std::lround(cal.JD()));
    std::string phase_day;
    if (cal.IstBluemoon(day)) {
        phase_day = "Vollmond (Blue Moon) " + cal.IstVollmond_Info(day);
    } else if (cal.IstVollmond(day)) {
        phase_day = "Vollmond " + cal.IstVollmond_Info(day);
    } else if (cal.IstNeumond(day)) {
        phase_day = "Neumond " + cal.IstNeumond_Info(day);
    }
    if (cal.fault_count() != faults) return phase_day;
    const std::string lit = renumbered(cal.MondPhase(from_clock), kPercentDecimals, false, cal.DecimalSeparator());
    if (phase_day.empty()) return lit;
    // Within 0.2 % of full or new the engine names the phase, which the day's line already does.
    if (lit == "Vollmond" || lit == "Neumond") return phase_day;
    return phase_day + "; " + lit;
}

std::string sun_altitude_value(clsCalendar& cal) {
    return renumbered(cal.Sonne_Hoehe(), kAngleDecimals, false, cal.DecimalSeparator());
}

std::string moon_events_text(const std::string& rise, const std::string& set) {
    constexpr std::string_view kNone = "----";
    if (rise == kNone && set == kNone) return "kein Aufgang, kein Untergang";
    if (set == kNone) return "Aufgang " + rise + ", kein Untergang";
    if (rise == kNone) return "Untergang " + set + ", kein Aufgang";
    // Both are "HH:MM Uhr" of the same day, so their texts sort as their times.
    if (set < rise) return "Untergang " + set + ", Aufgang " + rise;
    return "Aufgang " + rise + ", Untergang " + set;
}

Report day_report(clsCalendar& cal, const Zone& zone, std::string_view place, ClockTime time) {
    Report report;
    RowWriter rows(cal, report);
    set_time(cal, time);
    cal.Sonne_Position();
    cal.Sonnenstrahlung();
    const char separator = cal.DecimalSeparator();
    // "05:31 Uhr - 20:24 Uhr": the second time is asked for only when the
    // first came without a fault, so that a failing row shows one message.
    const auto span = [&rows](auto first, auto second) {
        std::string text = first();
        if (!rows.fine()) return text;
        return text + " - " + second();
    };

    if (!rows.heading(with_place(date_heading(cal, true), place))) return report;
    report.iso_date = iso_date(static_cast<std::int64_t>(std::llround(cal.JD())));
    if (!rows.entry("Julianisches Datum", general(cal.JD(), separator)) ||
        !rows.entry("Tag im Jahr", std::to_string(cal.TagesZahl())) ||
        !rows.entry("Woche im Jahr", std::to_string(cal.Woche())) ||
        !rows.entry("Schaltjahr", cal.Schaltjahr() ? "ja" : "nein") || !add_named_day_rows(rows, cal) ||
        !rows.entry("Jahreszeit", cal.Jahreszeit()) ||
        !rows.entry("Sternzeichen", cal.Sternzeichen()) ||
        !rows.entry("Dämmerung", span([&] { return cal.DaemmerungAnfang(); }, [&] { return cal.DaemmerungEnde(); })) ||
        !rows.entry("Sonne", span([&] { return cal.AufgangSonne(); }, [&] { return cal.UntergangSonne(); })) ||
        !rows.entry("Sonne Kulmination", cal.Kulmination_Sonne()) ||
        !rows.entry("Sonne Kulminationshöhe",
                    renumbered(cal.KulminationHoehe_Sonne(), kAngleDecimals, false, separator)) ||
        !rows.entry("Tageslänge", cal.Tageslaenge()) ||
        !rows.add({"Sonnenhöhe", sun_altitude_value(cal), RowKind::SunAltitude, {}}) ||
        !rows.entry("Sonnenentfernung", renumbered(cal.SonneEntfernung(), 1, true, separator))) {
        return report;
    }
    const std::string moon_rise = cal.AufgangMond();
    if (!rows.fine() || !rows.entry("Mond", moon_events_text(moon_rise, cal.UntergangMond())) ||
        !rows.add({"Mondphase", moon_phase_value(cal, false), RowKind::MoonPhase, {}}) ||
        !rows.entry("Mondentfernung", grouped(cal.MondEntfernung(), 0, separator) + " km")) {
        return report;
    }
    (void)add_eclipse_rows(rows, cal, zone);
    return report;
}

Report other_calendars_report(clsCalendar& cal, std::string_view place, ClockTime time) {
    Report report;
    RowWriter rows(cal, report);
    set_time(cal, time);
    if (!rows.heading(with_place(date_heading(cal, true), place))) return report;
    report.iso_date = iso_date(static_cast<std::int64_t>(std::llround(cal.JD())));
    if (!rows.subheading(date_heading(cal, false))) return report;
    for (const CalendarRow& row : kCalendarRows) {
        if (!rows.entry(row.label, cal.ConvertDate(row.kind, row.variant))) return report;
    }
    return report;
}

} // namespace vespera::report

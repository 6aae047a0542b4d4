#include "report/sun_table.h"

#include "ephemeris/calendar.h"
#include "report/report.h"
#include "report/restore_day.h"
#include "report/report.h"

namespace vespera::report {
namespace {

constexpr int kPhaseHour = 12; // the lit fraction of a day is read at local noon

// "07:12 Uhr" -> "07:12", "08:01 Stunden" -> "08:01"; the marks stay.
std::string without_unit(std::string text) {
    const std::size_t blank = text.find(' ');
    if (blank != std::string::npos) text.erase(blank);
    return text;
}

constexpr const char* kWeekdayShort[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

} // namespace

SunTable sun_table(clsCalendar& cal, std::string_view place) {
    SunTable table;
    const RestoreDay restore(cal);
    const std::uint64_t faults = cal.fault_count();
    table.year = cal.Jahr();
    table.heading = with_place("Sonne und Mond " + year_heading_text(table.year), place);
    cal.setStunde(kPhaseHour);
    cal.setMinute(0);
    cal.setSekunde(0);
    // Day by day through the day numbers, so that every civil day of the
    // year comes once (1582 lacks ten); setJD within the year leaves the
    // year's tables alone.
    const std::int64_t first = day_number(table.year, 1, 1);
    const std::int64_t next_year = day_number(table.year + 1, 1, 1);
    for (std::int64_t day = first; day < next_year; ++day) {
        cal.setJD(static_cast<double>(day));
        SunTableDay row;
        row.day_number = static_cast<std::int32_t>(day);
        row.date = date_text(day);
        row.iso_date = iso_date(day);
        row.weekday = kWeekdayShort[weekday_index(day)];
        row.sunrise = without_unit(cal.AufgangSonne());
        row.sunset = without_unit(cal.UntergangSonne());
        row.day_length = without_unit(cal.Tageslaenge());
        row.dawn = without_unit(cal.DaemmerungAnfang());
        row.dusk = without_unit(cal.DaemmerungEnde());
        row.moonrise = without_unit(cal.AufgangMond());
        row.moonset = without_unit(cal.UntergangMond());
        if (cal.IstVollmond(row.day_number)) {
            row.moon_phase = (cal.IstBluemoon(row.day_number) ? "Vollmond (Blue Moon) " : "Vollmond ") +
                             cal.IstVollmond_Info(row.day_number);
        } else if (cal.IstNeumond(row.day_number)) {
            row.moon_phase = "Neumond " + cal.IstNeumond_Info(row.day_number);
        } else {
            row.moon_phase = cal.MondPhase(false);
        }
        if (cal.fault_count() != faults) {
            table.stopped = true;
            break;
        }
        table.days.push_back(std::move(row));
    }
    return table;
}

} // namespace vespera::report

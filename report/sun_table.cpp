#include "report/sun_table.h"

#include "ephemeris/calendar.h"
#include "report/day_events.h"
#include "report/polar_words.h"
#include "report/report.h"
#include "report/restore_day.h"
#include "sky/phases.h"

namespace vespera::report {
namespace {

// "07:12", or the engine's marks, and the event as a value.
void set_event(const clsCalendar::ClockEvent& event, std::string& text, Event& value) {
    text = event_text(event, "");
    value = typed_event(event);
}

constexpr const char* kWeekdayShort[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

// The legend's lines for the marks that some day of the table shows.
std::vector<std::string> legend_of(const std::vector<SunTableDay>& days) {
    struct Group {
        SignSubject subject;
        const char* columns;
        Event SunTableDay::*first;
        Event SunTableDay::*second;
    };
    constexpr Group kGroups[] = {
        {SignSubject::Sun, "Aufgang, Untergang", &SunTableDay::sunrise_at, &SunTableDay::sunset_at},
        {SignSubject::Twilight, "Dämmerung", &SunTableDay::dawn_at, &SunTableDay::dusk_at},
        {SignSubject::Moon, "Mondaufgang, Monduntergang", &SunTableDay::moonrise_at, &SunTableDay::moonset_at},
    };
    const auto shown = [&](const Group& group, EventStatus status) {
        for (const SunTableDay& day : days) {
            if ((day.*group.first).status == status || (day.*group.second).status == status) return true;
        }
        return false;
    };
    std::vector<std::string> lines;
    bool none_shown = false;
    for (const Group& group : kGroups) {
        for (const EventStatus status : {EventStatus::AlwaysAbove, EventStatus::AlwaysBelow}) {
            if (!shown(group, status)) continue;
            const SignWords words = sign_words(group.subject, status);
            std::string line = std::string(status == EventStatus::AlwaysAbove ? "****" : "....") + "  " +
                               group.columns + ": ";
            if (!words.name.empty()) line += std::string(words.name) + " \u2013 ";
            lines.push_back(line + std::string(words.clause));
        }
        none_shown = none_shown || shown(group, EventStatus::NotThatDay);
    }
    if (none_shown) lines.emplace_back("----  kein Auf- oder Untergang an diesem Tag");
    return lines;
}

} // namespace

SunTable sun_table(clsCalendar& cal, std::string_view place) {
    SunTable table;
    const RestoreDay restore(cal);
    const std::uint64_t faults = cal.fault_count();
    table.year = cal.Jahr();
    table.heading = with_place("Sonne und Mond " + year_heading_text(table.year), place);
    cal.setStunde(kSunTablePhaseHour);
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
        set_event(cal.sun_event(1), row.sunrise, row.sunrise_at);
        set_event(cal.sun_event(-1), row.sunset, row.sunset_at);
        row.day_length_minutes = cal.day_length_minutes();
        row.day_length = hours_minutes_text(row.day_length_minutes, "");
        set_event(cal.sun_event(2), row.dawn, row.dawn_at);
        set_event(cal.sun_event(-2), row.dusk, row.dusk_at);
        set_event(cal.moon_event(1), row.moonrise, row.moonrise_at);
        set_event(cal.moon_event(-1), row.moonset, row.moonset_at);
        if (cal.IstVollmond(row.day_number)) {
            row.moon_phase = (cal.IstBluemoon(row.day_number) ? "Vollmond (Blue Moon) " : "Vollmond ") +
                             cal.IstVollmond_Info(row.day_number);
        } else if (cal.IstNeumond(row.day_number)) {
            row.moon_phase = "Neumond " + cal.IstNeumond_Info(row.day_number);
        } else {
            const clsCalendar::MoonLight light = cal.moon_light(false);
            row.moon_phase = moon_phase_text(light.percent, light.percent_half_hour_later, false, cal.DecimalSeparator());
            row.lit_percent = light.percent;
        }
        if (cal.fault_count() != faults) {
            table.stopped = true;
            break;
        }
        table.days.push_back(std::move(row));
    }
    table.legend = legend_of(table.days);
    return table;
}

} // namespace vespera::report

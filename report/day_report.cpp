#include "report/day_report.h"

#include <cmath>
#include <optional>
#include <utility>

#include "base/german_names.h"
#include "base/number_text.h"
#include "ephemeris/calendar.h"
#include "report/holiday_categories.h"
#include "ephemeris/sun.h"
#include "report/clock_change.h"
#include "report/day_events.h"
#include "report/number_display.h"
#include "report/restore_day.h"
#include "report/planet_rows.h"
#include "report/polar_words.h"
#include "report/row_writer.h"
#include "report/twilight_rows.h"
#include "report/eclipses.h"
#include "sky/phases.h"

namespace vespera::report {

void set_time(clsCalendar& cal, ClockTime time) {
    cal.setStunde(time.hour);
    cal.setMinute(time.minute);
    cal.setSekunde(time.second);
}

namespace {

bool begins_on_eve(clsCalendar& cal, std::int32_t day) {
    const YearFestivals& year = cal.festivals_of_year();
    for (std::size_t t = 0; t < kTraditionCount; ++t) {
        if (!begins_at_previous_sunset(static_cast<Tradition>(t))) continue;
        for (const Festival& festival : year.by_tradition[t].days) {
            if (festival.day_number == day) return true;
        }
    }
    return false;
}

// "16:02 Uhr": the sunset of the evening before the engine's day, when a
// festival that begins then falls on it and the place has a sunset that
// evening (none in the polar night or day); else empty.
std::string eve_sunset(clsCalendar& cal) {
    const auto day = static_cast<std::int32_t>(std::lround(cal.JD()));
    if (!begins_on_eve(cal, day)) return {};
    const RestoreDay restore(cal);
    cal.setJD(cal.JD() - 1.0);
    std::string sunset = cal.UntergangSonne();
    return sunset.ends_with(" Uhr") ? sunset : std::string();
}

// The day's named days, each with what it is in the region, the other
// calendars' festivals, and the school holidays it lies in.
bool add_named_day_rows(RowWriter& rows, clsCalendar& cal, const std::string& sunset_before) {
    if (!rows.fine()) return false;
    const auto day = static_cast<std::int32_t>(std::lround(cal.JD()));
    for (const NamedDayEntry& entry : cal.named_days_on(day)) {
        std::string status = status_text(entry, cal.Region(), cal.PlaceName());
        // "Litha | Jahreskreisfest": the category column would say it again.
        std::string category(category_label(category_of(entry)));
        if (category == status) category.clear();
        if (!rows.add({std::string(entry.name), std::move(status), RowKind::Entry, {}, std::move(category)})) {
            return false;
        }
    }
    const YearFestivals& year = cal.festivals_of_year();
    for (std::size_t t = 0; t < kTraditionCount; ++t) {
        const auto tradition = static_cast<Tradition>(t);
        for (const Festival& festival : year.by_tradition[t].days) {
            if (festival.day_number != day) continue;
            std::string status(festival_status(tradition));
            if (begins_at_previous_sunset(tradition) && !sunset_before.empty()) status += " um " + sunset_before;
            if (!rows.add({std::string(festival.name), std::move(status), RowKind::Entry, {},
                           std::string(category_label(category_of(tradition)))})) {
                return false;
            }
        }
    }
    const SchoolHolidayTable* school = cal.school_holiday_table();
    const SchoolHolidayPeriod* period = school ? school_holiday_period(*school, day) : nullptr;
    return period == nullptr || period->name.empty() ||
           rows.add({"Schulferien", period->name, RowKind::Entry, {}, "Ferien",
                     range_value(period->first_day, period->last_day)});
}

} // namespace

std::string date_heading(clsCalendar& cal, bool with_era) {
    const std::int64_t year = cal.Jahr();
    return std::to_string(cal.Tag()) + ". " + cal.MonatsName(cal.Monat()) + " " +
           (with_era ? year_heading_text(year) : std::to_string(year));
}

namespace {

// moon_phase_value, and the lit share it read (nothing after a fault).
std::string moon_phase_with_light(clsCalendar& cal, bool from_clock, std::int32_t clock_minute_of_day,
                                  std::optional<double>& percent) {
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
    const clsCalendar::MoonLight light = cal.moon_light(from_clock);
    if (cal.fault_count() != faults) return phase_day;
    percent = light.percent;
    // The share changes by up to a point in two hours: the row names the
    // clock time it was read at, as the sun table names its noon.
    const std::int32_t minute = from_clock ? clock_minute_of_day : cal.Stunde() * 60 + cal.Minute();
    const std::string lit = moon_phase_text(light.percent, light.percent_half_hour_later, false, cal.DecimalSeparator());
    // Within 0.2 % of full or new the engine names the phase, which the day's line already does.
    if (!phase_day.empty() && (lit == "Vollmond" || lit == "Neumond")) return phase_day;
    const std::string at = minute < 0 ? lit : lit + " (um " + hours_minutes_text(minute, " Uhr") + ")";
    return phase_day.empty() ? at : phase_day + "; " + at;
}

} // namespace

std::string moon_phase_value(clsCalendar& cal, bool from_clock, std::int32_t clock_minute_of_day) {
    std::optional<double> percent;
    return moon_phase_with_light(cal, from_clock, clock_minute_of_day, percent);
}

std::string sun_altitude_value(clsCalendar& cal) {
    const double altitude_deg = cal.sun_altitude_deg();
    return angle_text(altitude_deg, cal.DecimalSeparator()) + " (" + clsCalendar::sun_altitude_part(altitude_deg) + ")";
}

std::string moon_events_text(const std::string& rise, const std::string& set) {
    constexpr std::string_view kNone = "----";
    // The engine's marks for a Moon above ("****") or below ("....") all day.
    for (const auto& [sign, status] :
         {std::pair{"****", EventStatus::AlwaysAbove}, std::pair{"....", EventStatus::AlwaysBelow}}) {
        if (rise == sign || set == sign) {
            return std::string(sign_words(SignSubject::Moon, status).clause) +
                   (status == EventStatus::AlwaysAbove ? " (den ganzen Tag über dem Horizont)"
                                                       : " (den ganzen Tag unter dem Horizont)");
        }
    }
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
    // Before the Sun's position for the day: it moves the engine to the eve.
    const std::string sunset_before = eve_sunset(cal);
    set_time(cal, time);
    cal.Sonne_Position();
    cal.Sonnenstrahlung();
    const char separator = cal.DecimalSeparator();
    // "05:31 Uhr - 20:24 Uhr": the second time is asked for only when the
    // first came without a fault, so that a failing row shows one message.
    // The days without the pair in words: a white night, polar day and night.
    const auto span_row = [&](const char* label, std::int16_t first_code, std::int16_t second_code) {
        const clsCalendar::ClockEvent first = cal.sun_event(first_code);
        if (!rows.fine()) return false;
        const clsCalendar::ClockEvent second = cal.sun_event(second_code);
        const Event begin = typed_event(first);
        const Event end = typed_event(second);
        const bool twilight = first_code == 2;
        return rows.entry(label,
                          twilight ? twilight_text(begin, end, kCivilTwilightAltitude_deg)
                                   : sun_rise_set_text(begin, end),
                          span_value(begin, end));
    };
    const auto count = [](double value) { return number_value(value, 0); };

    // "Mittwoch, 9. Dezember 2026 · Berlin": the weekday first, as a page of
    // a wall calendar names its day.
    // A day the calendar lacks (an engine fault follows) gets no weekday.
    const std::int64_t day = std::llround(cal.JD());
    const CivilDate civil = civil_date(day);
    const bool real_day = civil.day == cal.Tag() && civil.month == cal.Monat();
    const std::string weekday = real_day ? std::string(weekday_name(weekday_index(day))) + ", " : std::string();
    if (!rows.heading(with_place(weekday + date_heading(cal, true), place))) return report;
    const double jd = cal.JD();
    report.iso_date = iso_date(static_cast<std::int64_t>(std::llround(jd)));
    // Each value is asked for once the row before it stands, so that a
    // failing call shows one message.
    if (!rows.entry("Julianisches Datum", general(jd, separator), number_value(jd, jd == std::floor(jd) ? 0 : 1))) return report;
    const std::int32_t day_of_year = cal.TagesZahl();
    if (!rows.entry("Tag im Jahr", std::to_string(day_of_year), count(day_of_year))) return report;
    const std::int32_t week = cal.Woche();
    if (!rows.entry("Woche im Jahr", std::to_string(week), count(week)) ||
        !rows.entry("Schaltjahr", cal.Schaltjahr() ? "ja" : "nein") || !add_named_day_rows(rows, cal, sunset_before)) {
        return report;
    }
    if (std::optional<ClockChangeRow> change = clock_change_row(zone, static_cast<std::int32_t>(day))) {
        if (!rows.entry("Zeitumstellung", std::move(change->text), std::move(change->typed))) {
            return report;
        }
    }
    if (!rows.entry("Jahreszeit", cal.Jahreszeit()) ||
        !rows.entry("Sternzeichen", cal.Sternzeichen()) || !span_row("Dämmerung", 2, -2)) {
        return report;
    }
    report.rows.back().tooltip = kCivilTwilightTooltip;
    if (!add_twilight_rows(rows, cal, zone) || !span_row("Sonne", 1, -1)) return report;
    const clsCalendar::ClockEvent culmination = cal.sun_event(11);
    if (!rows.fine()) return report;
    TypedValue culmination_value = instant_value(typed_event(culmination));
    if (!rows.entry("Sonne Kulmination", event_text(culmination, " Uhr"), std::move(culmination_value))) return report;
    const double culmination_deg = cal.culmination_altitude_deg();
    if (!rows.entry("Sonne Kulminationshöhe", angle_text(culmination_deg, separator),
                    number_value(culmination_deg, kAngleDecimals, "\u00b0"))) {
        return report;
    }
    const std::int32_t day_minutes = cal.day_length_minutes();
    if (!rows.entry("Tageslänge", hours_minutes_text(day_minutes, " Stunden"), duration_value(day_minutes)) ||
        !rows.add({"Sonnenhöhe", sun_altitude_value(cal), RowKind::SunAltitude, {}, {},
                   number_value(cal.sun_altitude_deg(), kAngleDecimals, "\u00b0")})) {
        return report;
    }
    const double sun_distance_km = cal.sun_distance_km();
    const double sun_km = round_half_even(sun_distance_km, 1);
    if (!rows.entry("Sonnenentfernung",
                    grouped(sun_km, 1, separator) + " km; " +
                        general(round_half_even(sun_distance_km / kAstronomicalUnit_km, 3), separator) + " AE",
                    number_value(sun_km, 1, "km"))) {
        return report;
    }
    const clsCalendar::ClockEvent moon_rise = cal.moon_event(1);
    if (!rows.fine()) return report;
    const clsCalendar::ClockEvent moon_set = cal.moon_event(-1);
    if (!rows.fine() ||
        !rows.entry("Mond", moon_events_text(event_text(moon_rise, " Uhr"), event_text(moon_set, " Uhr")),
                    span_value(typed_event(moon_rise), typed_event(moon_set)))) {
        return report;
    }
    std::optional<double> percent;
    std::string phase = moon_phase_with_light(cal, false, -1, percent);
    TypedValue lit = percent ? number_value(*percent, kPercentDecimals, "%") : TypedValue{};
    if (!rows.add({"Mondphase", std::move(phase), RowKind::MoonPhase, {}, {}, std::move(lit)})) return report;
    const double moon_km = cal.MondEntfernung();
    if (!rows.entry("Mondentfernung", grouped(moon_km, 0, separator) + " km", number_value(moon_km, 0, "km"))) {
        return report;
    }
    if (!add_eclipse_rows(rows, cal, zone)) return report;
    (void)add_planet_rows(rows, cal, zone);
    return report;
}

} // namespace vespera::report

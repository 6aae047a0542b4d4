#include "report/planet_rows.h"

#include <algorithm>
#include <array>

#include "report/day_events.h"
#include "report/day_report.h"
#include "report/number_display.h"
#include "report/sky_texts.h"
#include "sky/sky_events.h"

namespace vespera::report {
namespace {

constexpr int kMagnitudeDecimals = 1;
constexpr int kElongationDecimals = 1;

std::string visibility_text(const Visibility& v, const Zone& zone) {
    switch (v.kind) {
    case VisibilityKind::AllNight: return "die ganze Nacht";
    case VisibilityKind::EveningSky: return "am Abendhimmel bis " + clock_time_text(zone, v.until_jd_ut);
    case VisibilityKind::MorningSky: return "am Morgenhimmel ab " + clock_time_text(zone, v.from_jd_ut);
    // Setting late in the night or rising early in it: neither the evening's
    // nor the morning's sky alone.
    case VisibilityKind::EveningIntoNight: return "vom Abend bis " + clock_time_text(zone, v.until_jd_ut);
    case VisibilityKind::NightIntoMorning: return "ab " + clock_time_text(zone, v.from_jd_ut) + " bis zum Morgen";
    case VisibilityKind::InTheNight:
        return "in der Nacht von " + clock_time_text(zone, v.from_jd_ut) + " bis " +
               clock_time_text(zone, v.until_jd_ut);
    case VisibilityKind::EveningAndMorning:
        return "am Abendhimmel bis " + clock_time_text(zone, v.until_jd_ut) + ", am Morgenhimmel ab " +
               clock_time_text(zone, v.from_jd_ut);
    case VisibilityKind::TooCloseToSun: return "nicht zu sehen (zu nah an der Sonne)";
    case VisibilityKind::DownInTheDark: return "nicht zu sehen (in der Dunkelheit unter dem Horizont)";
    case VisibilityKind::NeverUp: return "nicht zu sehen (unter dem Horizont)";
    case VisibilityKind::NoDarkNight: return "nicht zu sehen (keine dunkle Nacht)";
    case VisibilityKind::NotComputed: return "nicht berechnet";
    }
    return {};
}

// "Aufgang 06:12 Uhr, Kulmination 11:40 Uhr, Untergang 17:05 Uhr" in the
// order they happen; what does not happen after them.
std::string events_text(const PlanetDay& p, const Zone& zone) {
    if (p.rise.status == vespera::EventStatus::AlwaysAbove) {
        return p.culmination.status == vespera::EventStatus::Occurs
                   ? "immer über dem Horizont, Kulmination " + clock_time_text(zone, p.culmination.jd_ut)
                   : std::string("immer über dem Horizont");
    }
    if (p.rise.status == vespera::EventStatus::AlwaysBelow) return "immer unter dem Horizont";
    struct Named {
        const char* name;
        const DayEvent* event;
    };
    std::array<Named, 3> events = {{{"Aufgang", &p.rise}, {"Kulmination", &p.culmination}, {"Untergang", &p.set}}};
    std::stable_sort(events.begin(), events.end(), [](const Named& a, const Named& b) {
        const bool a_occurs = a.event->status == vespera::EventStatus::Occurs;
        const bool b_occurs = b.event->status == vespera::EventStatus::Occurs;
        if (a_occurs != b_occurs) return a_occurs;
        return a_occurs && a.event->jd_ut < b.event->jd_ut;
    });
    std::string text;
    for (const Named& e : events) {
        if (!text.empty()) text += ", ";
        if (e.event->status == vespera::EventStatus::Occurs) {
            text += std::string(e.name) + " " + clock_time_text(zone, e.event->jd_ut);
        } else {
            text += "kein" + std::string(e.name == std::string_view("Kulmination") ? "e " : " ") + e.name;
        }
    }
    return text;
}

std::string clock_column(const DayEvent& event, const Zone& zone) {
    if (event.status != vespera::EventStatus::Occurs) return {};
    const std::optional<Instant> at = instant_on_clock(zone, event.jd_ut);
    return at ? clock_text(at->minute_of_day) : std::string();
}

std::string constellation_name(const PlanetDay& p) {
    return p.constellation < kConstellations.size() ? std::string(kConstellations[p.constellation].german)
                                                    : std::string();
}

Row planet_row(const PlanetDay& p, const Zone& zone, char separator) {
    // Whether it can be seen first: the window cuts a long row at its edge.
    std::string value = visibility_text(p.visibility, zone) + "; " +
                        grouped(p.magnitude, kMagnitudeDecimals, separator) + " mag";
    const std::string constellation = constellation_name(p);
    if (!constellation.empty()) value += "; im Sternbild " + constellation;
    value += "; " + grouped(p.elongation_deg, kElongationDecimals, separator) + "\u00b0 " +
             (p.east_of_sun ? "östlich" : "westlich") + " der Sonne; " + events_text(p, zone);
    TypedValue typed = span_value(typed_event(zone, p.rise), typed_event(zone, p.set));
    typed.quantity = Quantity{p.magnitude, kMagnitudeDecimals, "mag"};
    return {std::string(german_name(body_of(p.planet))), std::move(value), RowKind::Entry, {}, {}, std::move(typed)};
}

std::string beyond_series_text() {
    return "nur von " + year_text(kPlanetSeriesFirstYear) + " bis " + year_text(kPlanetSeriesLastYear) +
           " berechnet";
}

} // namespace

bool add_planet_rows(RowWriter& rows, clsCalendar& cal, const Zone& zone) {
    if (!planets_cover_year(cal.Jahr())) {
        return rows.subheading("Planeten") && rows.entry("Planeten", beyond_series_text());
    }
    const PlanetsOfDay day = cal.planets_of_day();
    if (!rows.subheading("Planeten")) return false;
    for (const PlanetDay& p : day.planets) {
        if (!rows.add(planet_row(p, zone, cal.DecimalSeparator()))) return false;
    }
    return true;
}

PlanetTable planet_table(clsCalendar& cal, const Zone& zone, std::string_view place) {
    PlanetTable table;
    RowWriter rows(cal, table.report);
    if (!rows.heading(with_place("Planeten am " + date_heading(cal, true), place))) return table;
    table.report.iso_date = iso_date(static_cast<std::int64_t>(std::llround(cal.JD())));
    if (!planets_cover_year(cal.Jahr())) {
        (void)rows.entry("Planeten", beyond_series_text());
        return table;
    }
    const PlanetsOfDay day = cal.planets_of_day();
    if (!rows.fine()) return table;
    for (const PlanetDay& p : day.planets) {
        if (!rows.add(planet_row(p, zone, cal.DecimalSeparator()))) return table;
        table.lines.push_back({std::string(german_name(body_of(p.planet))), clock_column(p.rise, zone),
                               clock_column(p.culmination, zone), clock_column(p.set, zone), p.magnitude,
                               p.elongation_deg, constellation_name(p), visibility_text(p.visibility, zone)});
    }
    return table;
}

} // namespace vespera::report

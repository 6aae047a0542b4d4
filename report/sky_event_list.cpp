#include "report/sky_event_list.h"

#include <cmath>

#include "report/number_display.h"
#include "report/row_writer.h"
#include "report/sky_texts.h"
#include "sky/meteor_showers.h"
#include "sky/sky_events.h"

namespace vespera::report {
namespace {

struct Shown {
    int decimals;
    const char* unit;
};

Shown shown(ValueUnit unit) {
    switch (unit) {
    case ValueUnit::Degrees: return {1, "\u00b0"};
    case ValueUnit::Kilometres: return {0, "km"};
    case ValueUnit::AstronomicalUnits: return {5, "AE"};
    case ValueUnit::None: break;
    }
    return {0, ""};
}

std::string value_text(const SkyEvent& e, char separator) {
    const Shown s = shown(e.unit);
    return grouped(e.value, s.decimals, separator) + (e.unit == ValueUnit::Degrees ? "" : " ") + s.unit;
}

std::string described(const SkyEvent& e, const Zone& zone, char separator) {
    const std::string body(german_name(e.body));
    switch (e.kind) {
    case SkyEventKind::Conjunction: return body + " in Konjunktion mit der Sonne";
    case SkyEventKind::InferiorConjunction: return body + " in unterer Konjunktion mit der Sonne";
    case SkyEventKind::SuperiorConjunction: return body + " in oberer Konjunktion mit der Sonne";
    case SkyEventKind::Opposition: return body + " in Opposition zur Sonne";
    case SkyEventKind::GreatestElongationEast:
        return body + " in größter östlicher Elongation, " + value_text(e, separator) + " (Abendhimmel)";
    case SkyEventKind::GreatestElongationWest:
        return body + " in größter westlicher Elongation, " + value_text(e, separator) + " (Morgenhimmel)";
    case SkyEventKind::Perigee: {
        std::string text = "Mond in Erdnähe (Perigäum), " + value_text(e, separator);
        if (e.supermoon) {
            const std::optional<Instant> full = instant_on_clock(zone, e.full_moon_jd_ut);
            text += "; Supermond";
            if (full) text += " (Vollmond am " + date_text(full->day_number) + " um " +
                              clock_time_text(zone, e.full_moon_jd_ut) + ")";
        }
        return text;
    }
    case SkyEventKind::Apogee: return "Mond in Erdferne (Apogäum), " + value_text(e, separator);
    case SkyEventKind::Perihelion: return "Erde im Perihel (sonnennächster Punkt), " + value_text(e, separator);
    case SkyEventKind::Aphelion: return "Erde im Aphel (sonnenfernster Punkt), " + value_text(e, separator);
    case SkyEventKind::CloseApproach:
        return "Begegnung von " + body + " und " + std::string(german_name(e.other)) + ", " +
               value_text(e, separator) + " Abstand";
    case SkyEventKind::MeteorShower: {
        if (e.shower >= kMeteorShowers.size()) break;
        const MeteorShower& shower = kMeteorShowers[e.shower];
        return "Maximum der " + std::string(shower.name) + " (bis " + std::to_string(shower.zenithal_hourly_rate) +
               " Meteore je Stunde); Mond zu " +
               grouped(100.0 * e.moon_illuminated_fraction, 0, separator) + " % beleuchtet, " +
               (e.moon_waxing ? "zunehmend" : "abnehmend");
    }
    }
    return body;
}

} // namespace

std::string sky_event_text(const SkyEvent& e, const Zone& zone, char separator) { return described(e, zone, separator); }

namespace {

std::string number_column(const SkyEvent& e) {
    if (e.unit == ValueUnit::None) return {};
    const Shown s = shown(e.unit);
    return number_text(Quantity{e.value, s.decimals, s.unit});
}

} // namespace

SkyEventTable sky_event_table(clsCalendar& cal, const Zone& zone) {
    SkyEventTable table;
    RowWriter rows(cal, table.report);
    const std::int64_t year = cal.Jahr();
    if (!rows.heading("Himmelsereignisse im Jahr " + year_heading_text(year))) return table;
    if (!planets_cover_year(year)) {
        (void)rows.entry("Himmelsereignisse", "nur von " + year_text(kPlanetSeriesFirstYear) + " bis " +
                                                  year_text(kPlanetSeriesLastYear) + " berechnet");
        return table;
    }
    const SkyEventList list = cal.sky_events_of_year();
    if (!rows.fine()) return table;
    const char separator = cal.DecimalSeparator();
    for (const SkyEvent& e : list.events) {
        const std::optional<Instant> at = instant_on_clock(zone, e.jd_ut);
        if (!at) continue;
        const std::string about = described(e, zone, separator);
        const std::string text = about + " (" + utc_clock_text(e.jd_ut) + " UTC)";
        TypedValue typed = instant_value(happens_at(*at));
        const Shown s = shown(e.unit);
        if (e.unit != ValueUnit::None) typed.quantity = Quantity{e.value, s.decimals, s.unit};
        if (!rows.add({date_text(at->day_number) + ", " + clock_time_text(zone, e.jd_ut), text, RowKind::Entry,
                       iso_date(at->day_number), {}, std::move(typed)})) {
            return table;
        }
        const Body body = e.kind == SkyEventKind::MeteorShower ? Body::Earth : e.body;
        table.lines.push_back({utc_text(*at), local_text(*at), std::string(german_name(body)),
                               std::string(event_id(e.kind)), about, number_column(e),
                               e.unit == ValueUnit::None ? std::string() : std::string(s.unit)});
    }
    if (!list.meteor_showers_complete) {
        (void)rows.entry("Meteorströme", "verzeichnet nur von " + std::to_string(kMeteorListFirstYear) + " bis " +
                                             std::to_string(kMeteorListLastYear));
    }
    return table;
}

} // namespace vespera::report

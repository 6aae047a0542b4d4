#include "report/eclipses.h"

#include <cmath>

#include "zones/local_instant.h"
#include "base/number_text.h"
#include "report/number_display.h"
#include "report/report.h"

namespace vespera::report {
namespace {

// "11:09 Uhr" on the place's clock; "00:41 Uhr am 8.9.2025" when the
// instant falls on another local day than the eclipse's.
std::string clock_text(const Zone& zone, double jd_ut, std::int32_t eclipse_day) {
    const LocalInstant local = split_local_instant(zone.local_jd(jd_ut));
    std::string text = two_digits(local.minute_of_day / 60) + ":" + two_digits(local.minute_of_day % 60) + " Uhr";
    if (local.day_number != eclipse_day) text += " am " + date_text(local.day_number);
    return text;
}

// A share short of the whole never reads as the whole: a partial eclipse
// covering 99.96 % says 99,9 %, not 100,0 %.
double shown_percent(double fraction) {
    const double value = fraction * 100.0;
    const double step = std::pow(10.0, -kPercentDecimals);
    if (fraction < 1.0 && value > 100.0 - step) return 100.0 - step;
    return value;
}

std::string percent(double fraction, char separator) {
    return fixed(shown_percent(fraction), kPercentDecimals, separator) + " %";
}

TypedValue percent_value(double fraction) { return number_value(shown_percent(fraction), kPercentDecimals, "%"); }

Event contact_event(const Zone& zone, double jd_ut) {
    const std::optional<Instant> at = instant_on_clock(zone, jd_ut);
    return at ? happens_at(*at) : Event{};
}

TypedValue contact_value(const Zone& zone, double jd_ut) { return instant_value(contact_event(zone, jd_ut)); }

const char* solar_kind_text(SolarEclipseKind kind) {
    switch (kind) {
    case SolarEclipseKind::Partial: return "partielle Sonnenfinsternis";
    case SolarEclipseKind::Annular: return "ringförmige Sonnenfinsternis";
    case SolarEclipseKind::Total: return "totale Sonnenfinsternis";
    case SolarEclipseKind::Hybrid: return "hybride Sonnenfinsternis";
    case SolarEclipseKind::None: break;
    }
    return "Sonnenfinsternis";
}

const char* lunar_kind_text(LunarEclipseKind kind) {
    switch (kind) {
    case LunarEclipseKind::Penumbral: return "Halbschatten-Mondfinsternis";
    case LunarEclipseKind::Partial: return "partielle Mondfinsternis";
    case LunarEclipseKind::Total: return "totale Mondfinsternis";
    case LunarEclipseKind::None: break;
    }
    return "Mondfinsternis";
}

// A contact with the Sun below the horizon cannot be watched: the eclipse
// begins before sunrise or ends after sunset there.
std::string solar_contact(const Zone& zone, const EclipseContact& contact, std::int32_t day, const char* below) {
    const std::string time = clock_text(zone, contact.jd_ut, day);
    return contact.sun_up() ? time : std::string(below) + " (" + time + ")";
}

bool add_solar_rows(RowWriter& rows, const SolarEclipseDay& eclipse, const Zone& zone, char separator) {
    const LocalSolarEclipse& local = eclipse.local;
    const std::int32_t day = eclipse.day_number;
    if (!rows.subheading("Sonnenfinsternis")) return false;
    // Outside the Moon's shadow, or with the Sun below the horizon from the
    // first contact to the last: nothing to watch here.
    if (local.kind == SolarEclipseKind::None || !local.visible) {
        return rows.entry("Art", solar_kind_text(eclipse.global.kind)) &&
               rows.entry("Sichtbarkeit", local.kind == SolarEclipseKind::None
                                              ? "am Ort nicht sichtbar"
                                              : "am Ort nicht sichtbar (Sonne unter dem Horizont)");
    }
    if (!rows.entry("Art", solar_kind_text(local.kind)) ||
        !rows.entry("Beginn", solar_contact(zone, local.first, day, "vor Sonnenaufgang"),
                    contact_value(zone, local.first.jd_ut))) {
        return false;
    }
    const bool central = local.kind == SolarEclipseKind::Total || local.kind == SolarEclipseKind::Annular;
    if (central && !rows.entry(local.kind == SolarEclipseKind::Total ? "Totalität" : "Ringförmige Phase",
                               clock_text(zone, local.second.jd_ut, day) + " - " +
                                   clock_text(zone, local.third.jd_ut, day),
                               span_value(contact_event(zone, local.second.jd_ut),
                                          contact_event(zone, local.third.jd_ut)))) {
        return false;
    }
    std::string maximum = clock_text(zone, local.maximum.jd_ut, day);
    maximum += local.maximum.sun_up() ? ", Sonnenhöhe " + angle_text(local.maximum.sun_altitude_deg, separator)
                                      : ", Sonne unter dem Horizont";
    TypedValue maximum_value = contact_value(zone, local.maximum.jd_ut);
    if (local.maximum.sun_up()) maximum_value.quantity = Quantity{local.maximum.sun_altitude_deg, kAngleDecimals, "\u00b0"};
    return rows.entry("Maximum", maximum, std::move(maximum_value)) &&
           rows.entry("Ende", solar_contact(zone, local.last, day, "nach Sonnenuntergang"),
                      contact_value(zone, local.last.jd_ut)) &&
           rows.entry("Bedeckung", percent(local.magnitude, separator), percent_value(local.magnitude)) &&
           rows.entry("Verfinsterte Fläche", percent(local.obscuration, separator), percent_value(local.obscuration)) &&
           rows.entry("Sichtbarkeit", "am Ort sichtbar");
}

std::string lunar_visibility(const LunarEclipseSeen& seen) {
    if (seen.moon_up(LunarContact::Maximum)) return "am Ort sichtbar";
    if (seen.visible) return "am Ort teilweise sichtbar";
    return "am Ort nicht sichtbar (Mond unter dem Horizont)";
}

bool add_lunar_rows(RowWriter& rows, const LunarEclipseDay& eclipse, const Zone& zone, char separator) {
    struct Phase {
        LunarContact contact;
        const char* label;
    };
    static constexpr Phase kPhases[] = {
        {LunarContact::P1, "Beginn Halbschatten"}, {LunarContact::U1, "Beginn Kernschatten"},
        {LunarContact::U2, "Beginn Totalität"},    {LunarContact::Maximum, "Maximum"},
        {LunarContact::U3, "Ende Totalität"},      {LunarContact::U4, "Ende Kernschatten"},
        {LunarContact::P4, "Ende Halbschatten"},
    };
    if (!rows.subheading("Mondfinsternis") || !rows.entry("Art", lunar_kind_text(eclipse.eclipse.kind))) return false;
    for (const Phase& phase : kPhases) {
        const double jd_ut = eclipse.eclipse.at(phase.contact);
        if (!std::isfinite(jd_ut)) continue; // a phase this eclipse does not have
        std::string text = clock_text(zone, jd_ut, eclipse.day_number);
        if (!eclipse.seen.moon_up(phase.contact)) text += ", Mond unter dem Horizont";
        if (!rows.entry(phase.label, text, contact_value(zone, jd_ut))) return false;
    }
    const bool umbral = eclipse.eclipse.kind != LunarEclipseKind::Penumbral;
    const double magnitude = umbral ? eclipse.eclipse.umbral_magnitude : eclipse.eclipse.penumbral_magnitude;
    return rows.entry(umbral ? "Größe (Kernschatten)" : "Größe (Halbschatten)", fixed(magnitude, 3, separator),
                      number_value(magnitude, 3)) &&
           rows.entry("Sichtbarkeit", lunar_visibility(eclipse.seen));
}

} // namespace

bool add_eclipse_rows(RowWriter& rows, clsCalendar& cal, const Zone& zone) {
    const char separator = cal.DecimalSeparator();
    const std::optional<SolarEclipseDay> solar = cal.solar_eclipse_of_day();
    if (!rows.fine()) return false;
    if (solar && !add_solar_rows(rows, *solar, zone, separator)) return false;
    const std::optional<LunarEclipseDay> lunar = cal.lunar_eclipse_of_day();
    if (!rows.fine()) return false;
    return !lunar || add_lunar_rows(rows, *lunar, zone, separator);
}

std::string solar_eclipse_summary(const SolarEclipseDay& eclipse, char separator) {
    const LocalSolarEclipse& local = eclipse.local;
    std::string text = solar_kind_text(eclipse.global.kind);
    if (local.kind == SolarEclipseKind::None || !local.visible) return text + ", am Ort nicht sichtbar";
    const bool same_kind = local.kind == eclipse.global.kind;
    text += same_kind ? ", am Ort sichtbar" : std::string(", am Ort ") + (local.kind == SolarEclipseKind::Partial ? "partiell" : solar_kind_text(local.kind));
    return text + " (" + percent(local.obscuration, separator) + " der Fläche)";
}

TypedValue solar_eclipse_value(const SolarEclipseDay& eclipse) {
    const LocalSolarEclipse& local = eclipse.local;
    if (local.kind == SolarEclipseKind::None || !local.visible) return {};
    return percent_value(local.obscuration);
}

std::string lunar_eclipse_summary(const LunarEclipseDay& eclipse, char) {
    return std::string(lunar_kind_text(eclipse.eclipse.kind)) + ", " + lunar_visibility(eclipse.seen);
}

} // namespace vespera::report

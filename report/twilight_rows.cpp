#include "report/twilight_rows.h"

#include <cmath>

#include "report/day_events.h"
#include "report/polar_words.h"
#include "report/sky_texts.h"
#include "sky/twilights.h"

namespace vespera::report {
namespace {

std::string degrees(double altitude_deg) { return std::to_string(std::lround(std::fabs(altitude_deg))) + "\u00b0"; }

// Why a day has no crossing of `altitude_deg`: "die Sonne bleibt weniger als 18° unter dem Horizont".
std::string why_none(bool above, double altitude_deg) {
    if (altitude_deg < 0.0) {
        return std::string("die Sonne bleibt ") + (above ? "weniger" : "mehr") + " als " + degrees(altitude_deg) +
               " unter dem Horizont";
    }
    return std::string("die Sonne bleibt ") + (above ? "höher" : "niedriger") + " als " + degrees(altitude_deg);
}

std::string time_of(const Event& event) { return hours_minutes_text(event.at.minute_of_day, " Uhr"); }

std::string band_text(const BandSpans& band, double low_deg, double high_deg, const Zone& zone) {
    if (band.status == BandStatus::AlwaysAbove) return "keine: " + why_none(true, high_deg);
    if (band.status == BandStatus::AlwaysBelow) return "keine: " + why_none(false, low_deg);
    std::string text;
    for (const BandSpan& span : band.spans) {
        if (!text.empty()) text += ", ";
        const std::string from = clock_time_text(zone, span.from_jd_ut);
        const std::string until = clock_time_text(zone, span.until_jd_ut);
        if (span.from_day_start && span.until_day_end) {
            text += "den ganzen Tag";
        } else if (span.from_day_start) {
            text += "bis " + until;
        } else if (span.until_day_end) {
            text += "ab " + from;
        } else {
            text += from + " - " + until;
        }
    }
    return text;
}

TypedValue band_value(const BandSpans& band, const Zone& zone) {
    if (band.status != BandStatus::Spans) {
        const EventStatus status =
            band.status == BandStatus::AlwaysAbove ? EventStatus::AlwaysAbove : EventStatus::AlwaysBelow;
        return span_value({status, {}}, {status, {}});
    }
    // The first span's start and the last span's end: a script reads the
    // morning's beginning and the evening's end; the text has every span.
    const BandSpan& first = band.spans.front();
    const BandSpan& last = band.spans.back();
    const auto at = [&](double jd_ut, bool cut) -> Event {
        if (cut) return {EventStatus::NotThatDay, {}};
        return typed_event(zone, DayEvent{vespera::EventStatus::Occurs, jd_ut});
    };
    return span_value(at(first.from_jd_ut, first.from_day_start), at(last.until_jd_ut, last.until_day_end));
}

} // namespace

std::string twilight_text(const Event& morning, const Event& evening, double altitude_deg) {
    if (morning.status == EventStatus::Happens && evening.status == EventStatus::Happens) {
        return time_of(morning) + " - " + time_of(evening);
    }
    if (morning.status == evening.status && morning.status != EventStatus::NotThatDay) {
        // "keine: es wird nicht dunkel (die Sonne bleibt weniger als 18° unter dem Horizont)"
        return "keine: " + std::string(sign_words(SignSubject::Twilight, morning.status).clause) + " (" +
               why_none(morning.status == EventStatus::AlwaysAbove, altitude_deg) + ")";
    }
    return (morning.status == EventStatus::Happens ? time_of(morning) : std::string("kein Beginn")) + " - " +
           (evening.status == EventStatus::Happens ? time_of(evening) : std::string("kein Ende"));
}

std::string sun_rise_set_text(const Event& rise, const Event& set) {
    if (rise.status == set.status && rise.status != EventStatus::Happens && rise.status != EventStatus::NotThatDay) {
        const SignWords words = sign_words(SignSubject::Sun, rise.status);
        return std::string(words.name) + ": " + std::string(words.clause) +
               (rise.status == EventStatus::AlwaysAbove ? " (Mitternachtssonne)" : "");
    }
    const auto part = [](const Event& e, const char* none) {
        return e.status == EventStatus::Happens ? time_of(e) : std::string(none);
    };
    return part(rise, "kein Aufgang") + " - " + part(set, "kein Untergang");
}

bool add_twilight_rows(RowWriter& rows, clsCalendar& cal, const Zone& zone) {
    const Twilights day = cal.twilights_of_day();
    if (!rows.fine()) return false;
    const auto times_row = [&](const char* label, const TwilightTimes& times, double altitude_deg) {
        const Event morning = typed_event(zone, times.morning);
        const Event evening = typed_event(zone, times.evening);
        return rows.entry(label, twilight_text(morning, evening, altitude_deg), span_value(morning, evening));
    };
    return times_row("Nautische Dämmerung", day.nautical, kNauticalTwilightAltitude_deg) &&
           times_row("Astronomische Dämmerung", day.astronomical, kAstronomicalTwilightAltitude_deg) &&
           rows.entry("Goldene Stunde",
                      band_text(day.golden_hour, kBlueHourHighAltitude_deg, kGoldenHourHighAltitude_deg, zone),
                      band_value(day.golden_hour, zone)) &&
           rows.entry("Blaue Stunde",
                      band_text(day.blue_hour, kBlueHourLowAltitude_deg, kBlueHourHighAltitude_deg, zone),
                      band_value(day.blue_hour, zone));
}

} // namespace vespera::report

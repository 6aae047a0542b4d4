#include "base/ical_reader.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "base/ical_libical.h"
#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"

namespace vespera::ical {
namespace {

constexpr std::int64_t kUnixEpochDay = static_cast<std::int64_t>(kUnixEpoch_jd + 0.5);

std::string text_or_empty(const char* text) { return text != nullptr ? text : ""; }

std::string megabytes(std::size_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MB"; }
std::string kilobytes(std::size_t bytes) { return std::to_string(bytes / 1024) + " KB"; }

// The file without its over-long content lines (RFC 5545 3.1: a line and
// its continuations), and which events held one; without END lines that
// close nothing open, too, which libical would report on standard error.
struct Prepared {
    std::string text;
    std::vector<std::size_t> long_events; // ordinals of VEVENTs, from 0
    std::size_t long_lines_outside = 0;
    std::size_t stray_ends = 0;
};

// libical's property name: up to the first ';' or ':', case-blind.
bool named(std::string_view head, std::string_view name) {
    return head.size() > name.size() && (head[name.size()] == ':' || head[name.size()] == ';') &&
           equal_ignoring_ascii_case(head.substr(0, name.size()), name);
}

Prepared without_long_lines(std::string_view bytes, std::size_t max_line_bytes) {
    constexpr std::size_t kHeadBytes = 16; // enough for "BEGIN:VEVENT"
    Prepared result;
    result.text.reserve(bytes.size());
    std::size_t events = 0, open_components = 0;
    bool in_event = false;
    std::string head; // the unfolded start of the content line
    std::size_t logical_begin = 0, logical_end = 0, logical_bytes = 0;
    const auto finish = [&] {
        if (logical_end == logical_begin) return;
        const bool begins = named(head, "BEGIN"), ends = named(head, "END");
        if (logical_bytes > max_line_bytes) {
            if (in_event) {
                result.long_events.push_back(events - 1);
            } else {
                ++result.long_lines_outside;
            }
        } else if (ends && open_components == 0) {
            ++result.stray_ends;
        } else {
            result.text.append(bytes.substr(logical_begin, logical_end - logical_begin));
            if (begins) ++open_components;
            if (ends) --open_components;
            if (equal_ignoring_ascii_case(head, "BEGIN:VEVENT")) {
                ++events;
                in_event = true;
            } else if (equal_ignoring_ascii_case(head, "END:VEVENT")) {
                in_event = false;
            }
        }
        logical_begin = logical_end;
    };
    std::size_t at = 0;
    while (at < bytes.size()) {
        // libical splits at CR alone where no LF follows in the whole rest.
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.find('\r', at);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        std::string_view content = bytes.substr(at, end - at);
        while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) content.remove_suffix(1);
        const bool continuation = !content.empty() && (content.front() == ' ' || content.front() == '\t');
        if (continuation) {
            content.remove_prefix(1);
        } else {
            finish();
            head.clear();
            logical_bytes = 0;
        }
        if (head.size() < kHeadBytes) head.append(content.substr(0, kHeadBytes - head.size()));
        logical_bytes += content.size();
        logical_end = end;
        at = end;
    }
    finish();
    return result;
}

// One content line without its folding and line end.
std::string unfolded(std::string text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            if (i + 2 < text.size() && (text[i + 2] == ' ' || text[i + 2] == '\t')) {
                i += 2;
                continue;
            }
            break;
        }
        if (text[i] == '\n') break;
        result += text[i];
    }
    return result;
}

std::string text_of(icalproperty* property) { return unfolded(take_text(icalproperty_as_ical_string_r(property))); }

std::int64_t unix_of(const icaltimetype& value) {
    const std::optional<DayTime> time = from_icaltime(value);
    return time ? unix_seconds(*time) : 0;
}

// libical removes a property it cannot read and leaves an X-LIC-ERROR
// naming it ("… in DTSTART property …"); these properties decide when the
// event happens, so the event is refused without them.
constexpr std::array<std::string_view, 8> kTimeProperties = {"DTSTART", "DTEND",  "DURATION", "RRULE",
                                                             "RDATE",   "EXDATE", "EXRULE",   "RECURRENCE-ID"};

std::string damaged_time_property(std::string_view error) {
    for (const std::string_view name : kTimeProperties) {
        const std::string needle = std::string(" ").append(name).append(" property");
        if (error.find(needle) != std::string_view::npos) return std::string(name);
    }
    return {};
}

struct EventRead {
    std::optional<Event> event;
    std::string reason;
    std::size_t unreadable_lines = 0;
};

// Days an all-day event covers from its DTEND (exclusive) or DURATION; at
// least the one of DTSTART, as many writers give DTEND = DTSTART.
std::int64_t all_day_seconds(const EventTime& start, const std::optional<EventTime>& end,
                             const std::optional<std::int64_t>& duration) {
    std::int64_t days = 1;
    if (end) {
        days = end->at.day - start.at.day + (end->clock != Clock::all_day && end->at.seconds > 0 ? 1 : 0);
    } else if (duration) {
        days = (*duration + kDaySeconds - 1) / kDaySeconds;
    }
    return std::max<std::int64_t>(days, 1) * kDaySeconds;
}

EventRead read_event(icalcomponent* component, const ZoneSet& zones) {
    EventRead read;
    Event event;
    icalproperty* start_property = nullptr;
    std::optional<EventTime> end;
    std::optional<std::int64_t> duration;
    std::size_t rules = 0;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        switch (icalproperty_isa(p)) {
        case ICAL_XLICERROR_PROPERTY: {
            const char* error = icalproperty_get_xlicerror(p);
            const std::string name = damaged_time_property(error != nullptr ? error : "");
            if (!name.empty()) {
                read.reason = "Die Angabe " + name + " ist nicht lesbar.";
                return read;
            }
            ++read.unreadable_lines;
            break;
        }
        case ICAL_UID_PROPERTY: event.uid = text_or_empty(icalproperty_get_uid(p)); break;
        case ICAL_SUMMARY_PROPERTY:
            if (event.summary.empty()) event.summary = text_or_empty(icalproperty_get_summary(p));
            break;
        case ICAL_DESCRIPTION_PROPERTY:
            if (event.description.empty()) event.description = text_or_empty(icalproperty_get_description(p));
            break;
        case ICAL_CATEGORIES_PROPERTY:
            event.categories.emplace_back(text_or_empty(icalproperty_get_categories(p)));
            break;
        case ICAL_DTSTART_PROPERTY: start_property = p; break;
        case ICAL_DTEND_PROPERTY:
            end = event_time_of(icalproperty_get_dtend(p), p);
            if (!end) {
                read.reason = "Das Ende (DTEND) ist kein Tag der Jahre 1 bis 9999.";
                return read;
            }
            break;
        case ICAL_DURATION_PROPERTY: duration = icaldurationtype_as_int(icalproperty_get_duration(p)); break;
        case ICAL_RRULE_PROPERTY:
            ++rules;
            event.series.rrule = take_text(icalproperty_get_value_as_string_r(p));
            break;
        case ICAL_EXRULE_PROPERTY: read.reason = "Ausnahmeregeln (EXRULE) werden nicht gelesen."; return read;
        case ICAL_RDATE_PROPERTY: {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
            const icaltimetype time = icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time;
            if (std::optional<EventTime> at = event_time_of(time, p)) event.series.rdates.push_back(std::move(*at));
            break;
        }
        case ICAL_EXDATE_PROPERTY:
            if (std::optional<EventTime> at = event_time_of(icalproperty_get_exdate(p), p)) {
                event.series.exdates.push_back(std::move(*at));
            }
            break;
        case ICAL_RECURRENCEID_PROPERTY:
            event.recurrence_id = event_time_of(icalproperty_get_recurrenceid(p), p);
            break;
        case ICAL_LASTMODIFIED_PROPERTY: event.modified_unix = unix_of(icalproperty_get_lastmodified(p)); break;
        case ICAL_DTSTAMP_PROPERTY:
            if (event.modified_unix == 0) event.modified_unix = unix_of(icalproperty_get_dtstamp(p));
            break;
        case ICAL_STATUS_PROPERTY:
            event.cancelled = icalproperty_get_status(p) == ICAL_STATUS_CANCELLED;
            event.kept.push_back(text_of(p));
            break;
        default: event.kept.push_back(text_of(p)); break;
        }
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c != nullptr;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        event.kept.push_back(take_text(icalcomponent_as_ical_string_r(c)));
    }
    if (start_property == nullptr) {
        read.reason = "Der Termin hat kein Datum (DTSTART).";
        return read;
    }
    const std::optional<EventTime> start = event_time_of(icalproperty_get_dtstart(start_property), start_property);
    if (!start) {
        read.reason = "Das Datum (DTSTART) ist kein Tag der Jahre 1 bis 9999.";
        return read;
    }
    if (rules > 1) {
        read.reason = "Der Termin hat mehrere Wiederholungsregeln (RRULE).";
        return read;
    }
    event.series.start = *start;
    if (start->clock == Clock::all_day) {
        event.series.duration_seconds = all_day_seconds(*start, end, duration);
    } else if (end) {
        // Exact seconds between the two instants (RFC 5545 3.8.2.2).
        const Expansion first = expand({*start, 0, {}, {}, {}}, {start->at.day, start->at.day}, zones, 1);
        const Expansion last = expand({*end, 0, {}, {}, {}}, {end->at.day, end->at.day}, zones, 1);
        event.series.duration_seconds = first.occurrences.empty() || last.occurrences.empty()
                                            ? seconds_between(start->at, end->at)
                                            : seconds_between(first.occurrences[0].start, last.occurrences[0].start);
    } else if (duration) {
        event.series.duration_seconds = *duration;
    }
    read.reason = series_problem(event.series, zones);
    if (read.reason.empty()) read.event = std::move(event);
    return read;
}

std::string label_of(const Event& event, std::size_t ordinal) {
    if (!event.summary.empty()) return event.summary;
    if (!event.uid.empty()) return event.uid;
    return "Termin " + std::to_string(ordinal + 1);
}

std::string label_of(icalcomponent* component, std::size_t ordinal) {
    Event named;
    if (const char* summary = icalcomponent_get_summary(component)) named.summary = summary;
    if (const char* uid = icalcomponent_get_uid(component)) named.uid = uid;
    return label_of(named, ordinal);
}

std::string count_text(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

} // namespace

bool in_ical_years(std::int64_t day_number) {
    const std::int64_t year = date_in(vespera::Calendar::Gregorian, day_number).year;
    return year >= kFirstYear && year <= kLastYear;
}

std::int64_t unix_seconds(DayTime utc) { return (utc.day - kUnixEpochDay) * kDaySeconds + utc.seconds; }

DayTime utc_of_unix(std::int64_t seconds) { return add_seconds({kUnixEpochDay, 0}, seconds); }

Calendar read_calendar(std::string_view bytes, const ReadOptions& options) {
    const ReadLimits& limits = options.limits;
    Calendar result;
    if (bytes.size() > limits.max_bytes) {
        result.message = "Die Datei ist größer als " + megabytes(limits.max_bytes) + " und wird nicht gelesen.";
        return result;
    }
    if (libical() == nullptr) {
        result.message = "iCalendar-Dateien lassen sich nicht lesen: Die Bibliothek libical (Debian-Paket libical3) "
                         "fehlt.";
        return result;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        result.message = "Die Datei ist keine Textdatei (sie enthält Nullbytes) und wird nicht gelesen.";
        return result;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const Prepared prepared = without_long_lines(bytes, limits.max_line_bytes);
    result.unreadable_lines = prepared.long_lines_outside + prepared.stray_ends;

    const ComponentPtr root(icalparser_parse_string(prepared.text.c_str()));
    std::vector<icalcomponent*> calendars;
    if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root.get());
    } else if (root && icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c != nullptr;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(c);
        }
    }
    if (calendars.empty()) {
        result.message = "Die Datei ist kein lesbares iCalendar (BEGIN:VCALENDAR … END:VCALENDAR fehlt).";
        return result;
    }

    std::vector<icalcomponent*> vevents;
    for (icalcomponent* calendar : calendars) {
        for (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_ANY_PROPERTY); p != nullptr;
             p = icalcomponent_get_next_property(calendar, ICAL_ANY_PROPERTY)) {
            const icalproperty_kind kind = icalproperty_isa(p);
            if (kind == ICAL_XLICERROR_PROPERTY) {
                ++result.unreadable_lines;
            } else if (kind == ICAL_CALSCALE_PROPERTY) {
                const char* scale = icalproperty_get_calscale(p);
                if (scale != nullptr && !equal_ignoring_ascii_case(scale, "GREGORIAN")) {
                    result.message = "Die Datei rechnet in einem anderen Kalender als dem gregorianischen (CALSCALE).";
                    return result;
                }
            } else if (kind != ICAL_VERSION_PROPERTY && kind != ICAL_PRODID_PROPERTY) {
                result.kept.push_back(text_of(p));
            }
        }
        for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c != nullptr;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind kind = icalcomponent_isa(c);
            if (kind == ICAL_VEVENT_COMPONENT) {
                vevents.push_back(c);
            } else if (kind == ICAL_VTIMEZONE_COMPONENT) {
                icalproperty* tzid = icalcomponent_get_first_property(c, ICAL_TZID_PROPERTY);
                const char* name = tzid != nullptr ? icalproperty_get_tzid(tzid) : nullptr;
                if (name != nullptr && *name != '\0') {
                    result.timezones.emplace(name, take_text(icalcomponent_as_ical_string_r(c)));
                }
            } else {
                result.kept.push_back(take_text(icalcomponent_as_ical_string_r(c)));
            }
        }
    }

    const ZoneSet zones(result.timezones);
    for (std::size_t ordinal = 0; ordinal < vevents.size(); ++ordinal) {
        if (ordinal >= limits.max_events) {
            result.over_limit = vevents.size() - limits.max_events;
            break;
        }
        if (std::binary_search(prepared.long_events.begin(), prepared.long_events.end(), ordinal)) {
            result.refused.push_back({label_of(vevents[ordinal], ordinal),
                                      "Eine Zeile ist länger als " + kilobytes(limits.max_line_bytes) + "."});
            continue;
        }
        EventRead read = read_event(vevents[ordinal], zones);
        if (read.event && read.event->cancelled && !options.keep_cancelled) {
            read.reason = "Der Termin ist abgesagt (STATUS:CANCELLED).";
        }
        if (!read.reason.empty()) {
            result.refused.push_back({label_of(vevents[ordinal], ordinal), std::move(read.reason)});
            continue;
        }
        result.unreadable_lines += read.unreadable_lines;
        result.events.push_back(std::move(*read.event));
    }

    // An override replaces its occurrence of the series (RFC 5545 3.8.4.4).
    for (const Event& event : result.events) {
        if (!event.recurrence_id) continue;
        for (Event& master : result.events) {
            if (!master.recurrence_id && master.uid == event.uid) master.series.exdates.push_back(*event.recurrence_id);
        }
    }

    if (options.window) {
        std::size_t total = 0;
        for (Event& event : result.events) {
            const std::size_t room = std::min(limits.max_occurrences_per_event, limits.max_occurrences - total);
            Expansion expansion = expand(event.series, *options.window, zones, room);
            event.occurrences = std::move(expansion.occurrences);
            event.occurrences_cut = expansion.cut;
            total += event.occurrences.size();
        }
    }

    result.ok = true;
    result.message = count_text(result.events.size(), "Termin", "Termine") + " gelesen";
    const std::size_t refused = result.refused.size() + result.over_limit;
    if (refused > 0) result.message += ", " + std::to_string(refused) + " abgelehnt";
    result.message += ".";
    if (result.over_limit > 0) {
        result.message += " Die Datei enthält mehr als " + std::to_string(limits.max_events) +
                          " Termine; die übrigen werden nicht gelesen.";
    }
    return result;
}

} // namespace vespera::ical

#include "own_dates/calendar_file.h"

#include <set>

#include "base/text.h"
#include "base/ical_libical.h"
#include "base/date_math.h"

namespace vespera::own_dates {
namespace {

constexpr std::string_view kNoYearProperty = "X-VESPERA-NO-YEAR";
constexpr std::string_view kUntitled = "(ohne Titel)";

bool is_no_year_line(std::string_view line) {
    return upper_ascii(line.substr(0, kNoYearProperty.size() + 1)) == std::string(kNoYearProperty) + ":";
}

// FREQ=YEARLY alone (INTERVAL=1 and WKST change nothing for it): a date that
// comes back on its day and month, the 29 February rule included.
bool plain_yearly(std::string_view rrule) {
    bool yearly = false;
    while (!rrule.empty()) {
        const std::size_t end = rrule.find(';');
        const std::string part = upper_ascii(rrule.substr(0, end));
        rrule.remove_prefix(end == std::string_view::npos ? rrule.size() : end + 1);
        if (part == "FREQ=YEARLY") {
            yearly = true;
        } else if (part != "INTERVAL=1" && part.rfind("WKST=", 0) != 0) {
            return false;
        }
    }
    return yearly;
}

std::string time_text(const ical::EventTime& time) {
    const icaltimetype value = ical::to_icaltime(time.at, time.clock == ical::Clock::all_day);
    return icaltime_as_ical_string(value);
}

OwnDate own_date_of(const ical::Event& event) {
    OwnDate date;
    date.uid = clean_display_line(event.uid, kMaxUidBytes);
    // One occurrence moved out of its series becomes a date of its own.
    if (event.recurrence_id) (date.uid += '/') += time_text(*event.recurrence_id);
    date.title = clean_title(event.summary);
    if (date.title.empty()) date.title = kUntitled;
    date.note = clean_note(event.description);
    bool kind_found = false;
    for (const std::string& category : event.categories) {
        const std::optional<Kind> kind = kind_of_category(category);
        if (kind && !kind_found) {
            date.kind = *kind;
            kind_found = true;
            continue;
        }
        std::string clean = clean_title(category);
        if (!clean.empty() && !kind) date.categories.push_back(std::move(clean));
    }
    const ical::Series& series = event.series;
    date.first_day = series.start.at.day;
    if (series.start.clock == ical::Clock::all_day) {
        date.day_count = static_cast<std::int32_t>(series.duration_seconds / ical::kDaySeconds);
    } else {
        date.start_seconds = series.start.at.seconds;
        date.clock = series.start.clock;
        date.tzid = series.start.tzid;
        date.duration_seconds = series.duration_seconds;
    }
    const bool wall_clock = series.start.clock == ical::Clock::all_day || series.start.clock == ical::Clock::floating;
    if (series.rrule.empty() && series.rdates.empty() && series.exdates.empty()) {
        date.repeat = Repeat::once;
    } else if (plain_yearly(series.rrule) && series.rdates.empty() && series.exdates.empty() && wall_clock) {
        date.repeat = Repeat::yearly;
    } else {
        date.repeat = Repeat::rule;
        date.rrule = series.rrule;
        date.rdates = series.rdates;
        date.exdates = series.exdates;
    }
    for (const std::string& line : event.kept) {
        if (is_no_year_line(line)) {
            date.year_known = false;
        } else {
            date.kept.push_back(line);
        }
    }
    date.modified_unix = event.modified_unix;
    return date;
}

icaltimetype utc_stamp(std::int64_t unix_seconds) {
    icaltimetype stamp = ical::to_icaltime(ical::utc_of_unix(unix_seconds), false);
    return icaltime_set_timezone(&stamp, icaltimezone_get_utc_timezone());
}

void add_kept(icalcomponent* component, const std::string& text) {
    if (text.rfind("BEGIN:", 0) == 0) {
        if (icalcomponent* inner = icalcomponent_new_from_string(text.c_str())) {
            icalcomponent_add_component(component, inner);
        }
    } else if (icalproperty* property = icalproperty_new_from_string(text.c_str())) {
        icalcomponent_add_property(component, property);
    }
}

icalcomponent* event_of(const OwnDate& date, std::int64_t now_unix) {
    icalcomponent* event = icalcomponent_new_vevent();
    const auto add = [event](icalproperty* property) {
        if (property != nullptr) icalcomponent_add_property(event, property);
    };
    add(icalproperty_new_uid(date.uid.c_str()));
    add(icalproperty_new_dtstamp(utc_stamp(date.modified_unix != 0 ? date.modified_unix : now_unix)));
    add(icalproperty_new_summary(date.title.c_str()));
    if (!date.note.empty()) add(icalproperty_new_description(date.note.c_str()));
    add(icalproperty_new_categories(std::string(kind_name(date.kind)).c_str()));
    for (const std::string& category : date.categories) add(icalproperty_new_categories(category.c_str()));
    const ical::Series series = series_of(date);
    add(ical::new_time_property(ICAL_DTSTART_PROPERTY, series.start));
    if (series.start.clock == ical::Clock::all_day) {
        add(ical::new_time_property(ICAL_DTEND_PROPERTY,
                                    {ical::Clock::all_day, {date.first_day + date.day_count, 0}, {}}));
    } else if (series.duration_seconds > 0) {
        add(icalproperty_new_duration(icaldurationtype_from_int(static_cast<int>(series.duration_seconds))));
    }
    if (!series.rrule.empty()) add(icalproperty_new_rrule(icalrecurrencetype_from_string(series.rrule.c_str())));
    for (const ical::EventTime& rdate : series.rdates) add(ical::new_time_property(ICAL_RDATE_PROPERTY, rdate));
    for (const ical::EventTime& exdate : series.exdates) add(ical::new_time_property(ICAL_EXDATE_PROPERTY, exdate));
    if (!date.year_known) {
        icalproperty* no_year = icalproperty_new_x("TRUE");
        icalproperty_set_x_name(no_year, std::string(kNoYearProperty).c_str());
        add(no_year);
    }
    for (const std::string& text : date.kept) add_kept(event, text);
    return event;
}

std::set<std::string> tzids_of(const std::vector<OwnDate>& dates) {
    std::set<std::string> tzids;
    for (const OwnDate& date : dates) {
        if (date.start_seconds && date.clock == ical::Clock::zoned) tzids.insert(date.tzid);
        for (const auto* times : {&date.rdates, &date.exdates}) {
            for (const ical::EventTime& time : *times) {
                if (time.clock == ical::Clock::zoned) tzids.insert(time.tzid);
            }
        }
    }
    return tzids;
}

// The file's own definition of a zone, else libical's built-in one renamed
// to the TZID the dates use; nothing for a zone neither knows.
icalcomponent* timezone_of(const std::string& tzid, const std::map<std::string, std::string>& timezones) {
    if (const auto it = timezones.find(tzid); it != timezones.end()) {
        return icalcomponent_new_from_string(it->second.c_str());
    }
    const ical::ZoneSet builtin;
    icaltimezone* zone = builtin.zones().find(tzid);
    icalcomponent* definition = zone != nullptr ? icaltimezone_get_component(zone) : nullptr;
    if (definition == nullptr) return nullptr;
    icalcomponent* copy = icalcomponent_new_clone(definition);
    if (icalproperty* name = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY)) {
        icalproperty_set_tzid(name, tzid.c_str());
    }
    return copy;
}

std::string text_of(icalcomponent* component) {
    const ical::ComponentPtr owned(component);
    return ical::take_text(icalcomponent_as_ical_string_r(component));
}

} // namespace

CalendarDates dates_of_calendar(const ical::Calendar& calendar) {
    CalendarDates result;
    result.refused = calendar.refused;
    std::set<std::string> uids;
    for (const ical::Event& event : calendar.events) {
        OwnDate date = own_date_of(event);
        // A UID names one date: a second one with the same UID gets its own.
        if (date.uid.empty()) date.uid = new_uid();
        const std::string uid = date.uid;
        for (int n = 2; !uids.insert(date.uid).second; ++n) date.uid = uid + "-" + std::to_string(n);
        const std::string problem = date_problem(date);
        if (!problem.empty()) {
            result.refused.push_back({date.title, problem});
            continue;
        }
        result.dates.push_back(std::move(date));
    }
    return result;
}

ParsedFile parse_own_date_file(std::string_view bytes) {
    ParsedFile parsed;
    const ical::Calendar calendar = ical::read_calendar(bytes, {kStoreLimits, std::nullopt, true});
    if (!calendar.ok) {
        parsed.problem = calendar.message;
        return parsed;
    }
    CalendarDates dates = dates_of_calendar(calendar);
    parsed.file.dates = std::move(dates.dates);
    parsed.file.timezones = calendar.timezones;
    parsed.file.kept = calendar.kept;
    const std::size_t lost = dates.refused.size() + calendar.over_limit;
    if (lost > 0) {
        parsed.problem = std::to_string(lost) + (lost == 1 ? " Termin ist" : " Termine sind") + " nicht lesbar";
        if (!dates.refused.empty()) {
            parsed.problem += " („" + dates.refused.front().event + "“: " + dates.refused.front().reason + ")";
        }
        parsed.problem += ".";
    } else if (calendar.unreadable_lines > 0) {
        parsed.problem = std::to_string(calendar.unreadable_lines) +
                         (calendar.unreadable_lines == 1 ? " Zeile ist" : " Zeilen sind") + " nicht lesbar.";
    }
    return parsed;
}

std::string own_date_document(const OwnDateFile& file, std::int64_t now_unix) {
    if (ical::libical() == nullptr) return {}; // and reading it back says why
    icalcomponent* calendar = icalcomponent_new_vcalendar();
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Vespera//Eigene Termine//DE"));
    for (const std::string& text : file.kept) add_kept(calendar, text);
    for (const std::string& tzid : tzids_of(file.dates)) {
        if (icalcomponent* zone = timezone_of(tzid, file.timezones)) icalcomponent_add_component(calendar, zone);
    }
    for (const OwnDate& date : file.dates) icalcomponent_add_component(calendar, event_of(date, now_unix));
    return text_of(calendar);
}

EventsText own_date_events(const std::vector<OwnDate>& dates, const std::map<std::string, std::string>& timezones,
                           std::int64_t now_unix) {
    EventsText text;
    if (ical::libical() == nullptr) return text;
    for (const std::string& tzid : tzids_of(dates)) {
        if (icalcomponent* zone = timezone_of(tzid, timezones)) text.timezones += text_of(zone);
    }
    for (const OwnDate& date : dates) text.events += text_of(event_of(date, now_unix));
    return text;
}

} // namespace vespera::own_dates

#include "own_dates/own_date.h"

#include <array>
#include <cstdio>
#include <random>

#include "base/text.h"
#include "base/ical_reader.h"
#include "base/date_math.h"
#include "ephemeris/calendar.h"

namespace vespera::own_dates {
namespace {

struct CategoryName {
    std::string_view name;
    Kind kind;
};

// The kind's own word first; then what other calendars and address books
// write (Google's and Apple's birthday calendars, vCard exports).
constexpr std::array<CategoryName, 9> kCategories = {{{"Geburtstag", Kind::geburtstag},
                                                      {"Jahrestag", Kind::jahrestag},
                                                      {"Termin", Kind::termin},
                                                      {"Geburtstage", Kind::geburtstag},
                                                      {"Birthday", Kind::geburtstag},
                                                      {"Birthdays", Kind::geburtstag},
                                                      {"Jahrestage", Kind::jahrestag},
                                                      {"Hochzeitstag", Kind::jahrestag},
                                                      {"Anniversary", Kind::jahrestag}}};

} // namespace

std::string_view kind_name(Kind kind) {
    for (const CategoryName& category : kCategories) {
        if (category.kind == kind) return category.name;
    }
    return {};
}

std::optional<Kind> kind_of_category(std::string_view category) {
    while (!category.empty() && category.front() == ' ') category.remove_prefix(1);
    while (!category.empty() && category.back() == ' ') category.remove_suffix(1);
    for (const CategoryName& known : kCategories) {
        if (equal_ignoring_ascii_case(category, known.name)) return known.kind;
    }
    return std::nullopt;
}

ical::Series series_of(const OwnDate& date) {
    ical::Series series;
    if (date.start_seconds) {
        series.start = {
            date.clock, {date.first_day, *date.start_seconds}, date.clock == ical::Clock::zoned ? date.tzid : ""};
        series.duration_seconds = date.duration_seconds;
    } else {
        series.start = {ical::Clock::all_day, {date.first_day, 0}, {}};
        series.duration_seconds = std::int64_t{date.day_count} * ical::kDaySeconds;
    }
    if (date.repeat == Repeat::yearly) series.rrule = "FREQ=YEARLY";
    if (date.repeat == Repeat::rule) series.rrule = date.rrule;
    series.rdates = date.rdates;
    series.exdates = date.exdates;
    return series;
}

std::string clean_title(std::string_view raw) { return clean_display_line(raw, kMaxTitleBytes); }

std::string clean_note(std::string_view raw) {
    std::string note;
    while (!raw.empty()) {
        const std::size_t end = raw.find('\n');
        std::string_view line = raw.substr(0, end);
        raw.remove_prefix(end == std::string_view::npos ? raw.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t room = kMaxNoteBytes - std::min(kMaxNoteBytes, note.size() + 1);
        if (!note.empty()) note += '\n';
        note += clean_display_line(line, room);
        if (note.size() + 1 >= kMaxNoteBytes) break;
    }
    while (!note.empty() && note.back() == '\n') note.pop_back();
    return note;
}

std::string date_problem(const OwnDate& date) {
    if (date.title.empty()) return "Der Termin braucht einen Titel.";
    if (date.title != clean_title(date.title)) return "Der Titel enthält Steuerzeichen oder ist zu lang.";
    if (date.note != clean_note(date.note)) return "Die Notiz enthält Steuerzeichen oder ist zu lang.";
    if (date.day_count < 1 || date.day_count > kMaxDayCount) return "Ein Termin umfasst 1 bis 3660 Tage.";
    const auto writable = [](std::int64_t day) {
        const std::int64_t year = date_in(Calendar::Gregorian, day).year;
        return year >= kFirstYear && year <= kLastYear;
    };
    bool in_years = writable(date.first_day) && writable(date.first_day + date.day_count);
    for (const auto* times : {&date.rdates, &date.exdates}) {
        for (const ical::EventTime& time : *times) in_years = in_years && writable(time.at.day);
    }
    if (!in_years) return "Das Datum liegt außerhalb der Jahre 1 bis 3000.";
    if (date.start_seconds && (*date.start_seconds < 0 || *date.start_seconds >= ical::kDaySeconds)) {
        return "Die Uhrzeit liegt nicht zwischen 0:00 und 23:59.";
    }
    if (date.start_seconds && date.clock == ical::Clock::all_day) return "Ein Termin mit Uhrzeit braucht eine Uhr.";
    if (date.start_seconds && date.clock == ical::Clock::zoned && date.tzid.empty()) {
        return "Der Termin nennt keine Zeitzone.";
    }
    if (!date.year_known && date.repeat != Repeat::yearly) {
        return "Ein Datum ohne Jahr kann sich nur jährlich wiederholen.";
    }
    if (date.repeat == Repeat::rule && date.rrule.empty()) return "Die Wiederholungsregel fehlt.";
    if (date.uid.empty() || date.uid != clean_display_line(date.uid, kMaxUidBytes)) {
        return "Die UID ist leer, zu lang oder enthält Steuerzeichen.";
    }
    bool clean_zones = date.tzid == clean_title(date.tzid);
    for (const auto* times : {&date.rdates, &date.exdates}) {
        for (const ical::EventTime& time : *times) clean_zones = clean_zones && time.tzid == clean_title(time.tzid);
    }
    if (!clean_zones) return "Der Name einer Zeitzone (TZID) enthält Steuerzeichen.";
    for (const std::string& category : date.categories) {
        if (category.empty() || category.find(',') != std::string::npos || category != clean_title(category)) {
            return "Eine Kategorie ist leer, enthält ein Komma oder Steuerzeichen.";
        }
    }
    return ical::series_problem(series_of(date), ical::ZoneSet());
}

std::string new_uid() {
    std::random_device device;
    std::uniform_int_distribution<std::uint32_t> any;
    std::array<std::uint32_t, 4> bits{any(device), any(device), any(device), any(device)};
    bits[1] = (bits[1] & 0xFFFF0FFFu) | 0x00004000u; // version 4
    bits[2] = (bits[2] & 0x3FFFFFFFu) | 0x80000000u; // variant 10
    char text[64];
    std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%04x%08x@vespera", bits[0], bits[1] >> 16, bits[1] & 0xFFFFu,
                  bits[2] >> 16, bits[2] & 0xFFFFu, bits[3]);
    return text;
}

} // namespace vespera::own_dates

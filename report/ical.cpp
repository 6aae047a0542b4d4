#include "report/ical.h"

#include <cstdio>

#include "base/date_math.h"
#include "base/regions.h"
#include "ephemeris/time_scales.h"
#include "report/holiday_list.h"
#include "report/report.h"

namespace vespera::report {
namespace {

constexpr std::size_t kMaxLineOctets = 75; // RFC 5545, 3.1: without the line break
constexpr std::size_t kMaxSlugBytes = 40;

// RFC 5545 (3.3.4) dates are Gregorian in every year: before 15 October
// 1582 the engine's calendar is the Julian one, ten days behind in 1582.
bool in_ical_years(std::int64_t day_number) {
    const std::int64_t year = date_in(Calendar::Gregorian, day_number).year;
    return year >= kFirstIcalYear && year <= kLastIcalYear;
}

std::string compact_date(const CivilDate& date) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04lld%02d%02d", static_cast<long long>(date.year), date.month, date.day);
    return buffer;
}

// "20240503" from a day number: the value of DTSTART and DTEND.
std::string date_value(std::int64_t day_number) { return compact_date(date_in(Calendar::Gregorian, day_number)); }

// The day as the engine names it, inside UIDs: an export of a year before
// 1583 keeps the UIDs it always had, so a calendar that imported it takes
// the corrected dates as updates of the same events.
std::string uid_date(std::int64_t day_number) { return compact_date(civil_date(day_number)); }

bool is_continuation_byte(char c) { return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u; }

// FNV-1a (Fowler, Noll, Vo), 32 bits: the same name gives the same value on
// every machine and in every release.
std::uint32_t fnv1a(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// "mariae-himmelfahrt": the name readable in ASCII; umlauts and ß as German
// spells them without, any other character ends a word.
std::string slug_of(std::string_view name) {
    std::string slug;
    const auto separate = [&slug] {
        if (!slug.empty() && slug.back() != '-') slug += '-';
    };
    for (std::size_t i = 0; i < name.size() && slug.size() < kMaxSlugBytes; ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            slug += c;
            continue;
        }
        if (c == '\xC3' && i + 1 < name.size()) {
            const char next = name[i + 1];
            const char* plain = (next == '\xA4' || next == '\x84')   ? "ae"
                                : (next == '\xB6' || next == '\x96') ? "oe"
                                : (next == '\xBC' || next == '\x9C') ? "ue"
                                : next == '\x9F'                     ? "ss"
                                                                     : nullptr;
            if (plain != nullptr) {
                slug += plain;
                ++i;
                continue;
            }
        }
        if (is_continuation_byte(c)) continue; // the rest of a character already counted
        separate();
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug;
}

bool is_festival_category(std::string_view label) {
    const std::optional<CategorySet> set = parse_categories(label);
    return set && (*set & kFestivalCategories) != 0;
}

// The same day and name give the same UID in every export, so that a
// calendar that imports a second export updates its events instead of
// doubling them. The hash keeps names apart that spell alike in ASCII or
// not at all ("!!!" and "???"); a period adds its last day. A festival adds
// its category: the Orthodox Ostersonntag falls on the Western one in some
// years (20 April 2025), and two events of one UID would be one on import.
std::string uid_for(const CalendarEvent& event) {
    std::string key = event.name;
    if (event.last_day != event.first_day) (key += '\x1f') += uid_date(event.last_day);
    if (is_festival_category(event.category)) (key += '\x1f') += event.category;
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x", static_cast<unsigned>(fnv1a(key)));
    const std::string slug = slug_of(event.name);
    return uid_date(event.first_day) + "-" + (slug.empty() ? "" : slug + "-") + hash + "@vespera";
}

} // namespace

HolidayCalendar holiday_calendar(clsCalendar& cal, CategorySet categories) {
    HolidayCalendar calendar;
    const std::int64_t year = cal.Jahr();
    if (year < kFirstIcalYear || year > kLastIcalYear) {
        calendar.error = "Das Jahr " + year_text(year) +
                         " l\u00e4sst sich nicht als iCalendar-Datei exportieren: iCalendar kennt nur die Jahre 1 "
                         "bis 9999. Bitte w\u00e4hlen Sie ein Jahr in diesem Bereich.";
        return calendar;
    }
    const std::string_view region = region_name(cal.Region());
    calendar.name = "Feiertage " + std::to_string(year) + (region.empty() ? std::string() : std::string(" ").append(region));
    calendar.zone = cal.Zeitzone();
    for (HolidayItem& item : holiday_items(cal, categories)) {
        // A school-holiday period reaching into year 0 has no iCalendar date.
        if (!in_ical_years(item.first_day)) continue;
        calendar.events.push_back(
            {item.first_day, item.last_day, std::move(item.name), std::string(category_label(item.category))});
    }
    if (chosen(categories, HolidayCategory::Ferien)) {
        const std::string gap = school_holiday_gap(cal);
        if (!gap.empty()) calendar.note = "Schulferien: " + gap;
    }
    return calendar;
}

std::string export_file_name(std::int64_t year, std::string_view region_code) {
    std::string name = "Feiertage_" + std::to_string(year);
    if (!region_name(region_code).empty()) (name += '_') += region_code;
    return name + ".ics";
}

std::string ical_stamp(std::int64_t unix_seconds) {
    const std::int64_t days = floor_div(unix_seconds, 86400);
    const std::int64_t second = floor_mod(unix_seconds, 86400);
    const CivilDate date = date_in(Calendar::Gregorian, days + kUnixEpochDay);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04lld%02d%02dT%02d%02d%02dZ", static_cast<long long>(date.year),
                  date.month, date.day, static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return buffer;
}

std::string escaped_text(std::string_view text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i; // CR LF is one break
            escaped += "\\n";
        } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == '\x7F') {
            escaped += ' ';
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string folded_line(std::string_view content) {
    std::string line;
    std::size_t room = kMaxLineOctets;
    while (content.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && is_continuation_byte(content[cut])) --cut;
        line.append(content.substr(0, cut));
        line += "\r\n ";
        content.remove_prefix(cut);
        room = kMaxLineOctets - 1; // the blank that opens a continuation counts
    }
    line.append(content);
    line += "\r\n";
    return line;
}

std::string ical_document(const HolidayCalendar& calendar, std::string_view stamp_utc) {
    if (!calendar.error.empty()) return {};
    for (const CalendarEvent& event : calendar.events) {
        if (!in_ical_years(event.first_day) || !in_ical_years(event.last_day) || event.last_day < event.first_day) {
            return {};
        }
    }
    std::string text;
    const auto line = [&text](std::string_view content) { text += folded_line(content); };
    line("BEGIN:VCALENDAR");
    line("PRODID:-//Vespera//Vespera " + std::to_string(VESPERA_VERSION_MAJOR) + "." +
         std::to_string(VESPERA_VERSION_MINOR) + "//DE");
    line("VERSION:2.0");
    line("X-WR-CALNAME:" + escaped_text(calendar.name));
    if (!calendar.zone.empty()) line("X-WR-TIMEZONE:" + escaped_text(calendar.zone));
    const std::string stamp(stamp_utc);
    for (const CalendarEvent& event : calendar.events) {
        line("BEGIN:VEVENT");
        line("UID:" + uid_for(event));
        line("CREATED:" + stamp);
        line("LAST-MODIFIED:" + stamp);
        line("DTSTAMP:" + stamp);
        line("SUMMARY:" + escaped_text(event.name));
        line("STATUS:CONFIRMED");
        line("CATEGORIES:" + escaped_text(event.category));
        line("TRANSP:TRANSPARENT");
        line("DTSTART;VALUE=DATE:" + date_value(event.first_day));
        // The day after 31 December 9999 has no four-digit year: a duration
        // says the same.
        if (in_ical_years(event.last_day + 1)) {
            line("DTEND;VALUE=DATE:" + date_value(event.last_day + 1));
        } else {
            line("DURATION:P" + std::to_string(event.last_day - event.first_day + 1) + "D");
        }
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return text;
}

std::string with_events(std::string document, std::string_view components) {
    constexpr std::string_view kEnd = "END:VCALENDAR\r\n";
    if (!document.ends_with(kEnd)) return document;
    document.insert(document.size() - kEnd.size(), components);
    return document;
}

} // namespace vespera::report

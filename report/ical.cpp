#include "report/ical.h"

#include <cmath>
#include <cstdio>

#include "ephemeris/calendar.h"
#include "report/restore_day.h"

namespace vespera::report {
namespace {

// "20240503" from a day number.
std::string date_value(std::int64_t day_number) {
    const CivilDate date = civil_date(day_number);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%lld%02d%02d", static_cast<long long>(date.year), date.month, date.day);
    return buffer;
}

// TEXT values escape backslash, semicolon and comma (RFC 5545, 3.3.11).
std::string escaped_text(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// The same year, day and name give the same UID, so that importing a second
// export updates the events instead of doubling them. Letters beyond ASCII
// (ß, capital umlauts) end a word like blanks do.
std::string uid_for(std::int64_t day_number, std::string_view name) {
    std::string slug;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            slug += c;
        } else if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {
            continue; // the rest of a character already counted
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return date_value(day_number) + "-" + slug + "@vespera";
}

} // namespace

std::vector<NamedDay> year_named_days(clsCalendar& cal) {
    const RestoreDay restore(cal);
    std::vector<NamedDay> days;
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        cal.Feiertag_Datum(i);
        days.push_back({day_number(cal.Jahr(), cal.Monat(), cal.Tag()), cal.Feiertag_NurName(i)});
    }
    return days;
}

std::string ical_name(std::string_view name) {
    std::string result;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\xC3' && i + 1 < name.size()) {
            const char next = name[i + 1];
            const char* plain = next == '\xB6' ? "oe" : next == '\xA4' ? "ae" : next == '\xBC' ? "ue" : nullptr;
            if (plain != nullptr) {
                result += plain;
                ++i;
                continue;
            }
        }
        result += name[i];
    }
    return result;
}

std::string ical_stamp(std::int64_t unix_seconds) {
    const std::int64_t days = floor_div(unix_seconds, 86400);
    const std::int64_t second = floor_mod(unix_seconds, 86400);
    const CivilDate date = date_in(Calendar::Gregorian, days + 2440588);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04lld%02d%02dT%02d%02d%02dZ", static_cast<long long>(date.year),
                  date.month, date.day, static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60));
    return buffer;
}

std::string ical_document(const std::vector<NamedDay>& days, std::string_view stamp_utc) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    line("BEGIN:VCALENDAR");
    line("PRODID:-//Vespera//Vespera " + std::to_string(VESPERA_VERSION_MAJOR) + "." +
         std::to_string(VESPERA_VERSION_MINOR) + "//DE");
    line("VERSION:2.0");
    line("X-WR-CALNAME:FeiertageDeutschland");
    line("X-WR-TIMEZONE:Europe/Berlin");
    const std::string stamp(stamp_utc);
    for (const NamedDay& day : days) {
        const std::string name = ical_name(day.name);
        line("BEGIN:VEVENT");
        line("UID:" + uid_for(day.day_number, name));
        line("CREATED:" + stamp);
        line("LAST-MODIFIED:" + stamp);
        line("DTSTAMP:" + stamp);
        line("SUMMARY:" + escaped_text(name));
        line("STATUS:CONFIRMED");
        line("CATEGORIES:Feiertag");
        line("TRANSP:TRANSPARENT");
        line("DTSTART;VALUE=DATE:" + date_value(day.day_number));
        line("DTEND;VALUE=DATE:" + date_value(day.day_number + 1));
        line("End:VEVENT");
    }
    line("END:VCALENDAR");
    return text;
}

} // namespace vespera::report

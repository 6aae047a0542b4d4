#include "holidays/ical_import.h"

#include <optional>

#include "base/data_files.h"
#include "base/date_math.h"
#include "base/text.h"

namespace vespera {
namespace {

// Events nest one level in a calendar; alarms one more. Anything deeper is
// not an iCalendar from a school, and is read as if flat.
constexpr std::size_t kMaxDepth = 16;
constexpr std::size_t kMaxLineBytes = 64 * 1024;
constexpr std::string_view kDefaultName = "Ferien";

struct ContentLine {
    std::string name;   // upper case
    std::string params; // upper case, as written between name and colon
    std::string_view value;
};

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = upper_ascii(c);
    return result;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Name up to the first ';' or ':'; parameters up to the first ':' outside
// double quotes (RFC 5545 3.1, 3.2).
std::optional<ContentLine> split_content_line(std::string_view line) {
    std::size_t name_end = 0;
    while (name_end < line.size() && line[name_end] != ';' && line[name_end] != ':') ++name_end;
    if (name_end == 0 || name_end == line.size()) return std::nullopt;
    std::size_t colon = name_end;
    bool quoted = false;
    for (; colon < line.size(); ++colon) {
        if (line[colon] == '"') quoted = !quoted;
        else if (line[colon] == ':' && !quoted) break;
    }
    if (colon == line.size()) return std::nullopt;
    return ContentLine{upper(line.substr(0, name_end)), upper(line.substr(name_end, colon - name_end)),
                       line.substr(colon + 1)};
}

struct DateValue {
    std::int64_t day;         // day number of the date
    bool has_time = false;    // DATE-TIME
    std::int64_t seconds = 0; // time of day, DATE-TIME only
};

// DATE "JJJJMMTT" or DATE-TIME "JJJJMMTTTHHMMSS" with an optional "Z"; the
// date is taken as written (local or UTC alike), as schools publish whole days.
std::optional<DateValue> parse_date_value(std::string_view value, bool date_only) {
    if (value.size() < 8) return std::nullopt;
    for (std::size_t i = 0; i < 8; ++i) {
        if (!is_digit(value[i])) return std::nullopt;
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        int n = 0;
        for (std::size_t i = from; i < from + count; ++i) n = n * 10 + (value[i] - '0');
        return n;
    };
    const std::optional<std::int64_t> date = gregorian_day_number(number(0, 4), number(4, 2), number(6, 2));
    if (!date) return std::nullopt;
    DateValue result{*date};
    if (value.size() == 8) return result;
    if (date_only) return std::nullopt;
    std::string_view time = value.substr(8);
    if (!time.empty() && time.back() == 'Z') time.remove_suffix(1);
    if (time.size() != 7 || time[0] != 'T') return std::nullopt;
    for (std::size_t i = 1; i < 7; ++i) {
        if (!is_digit(time[i])) return std::nullopt;
    }
    const int hours = (time[1] - '0') * 10 + (time[2] - '0');
    const int minutes = (time[3] - '0') * 10 + (time[4] - '0');
    const int secs = (time[5] - '0') * 10 + (time[6] - '0');
    if (hours > 23 || minutes > 59 || secs > 60) return std::nullopt;
    result.has_time = true;
    result.seconds = hours * 3600 + minutes * 60 + std::min(secs, 59);
    return result;
}

// RFC 5545 3.3.6: "P15DT5H0M20S", "P7W"; negative durations are refused.
std::optional<std::int64_t> parse_duration_seconds(std::string_view value) {
    if (!value.empty() && value.front() == '+') value.remove_prefix(1);
    if (value.size() < 3 || value.front() != 'P') return std::nullopt;
    value.remove_prefix(1);
    std::int64_t total = 0;
    bool in_time = false, any = false;
    while (!value.empty()) {
        if (value.front() == 'T') {
            if (in_time) return std::nullopt;
            in_time = true;
            value.remove_prefix(1);
            continue;
        }
        std::int64_t n = 0;
        std::size_t digits = 0;
        while (digits < value.size() && is_digit(value[digits])) {
            if (digits == 6) return std::nullopt; // a million days is no holiday
            n = n * 10 + (value[digits] - '0');
            ++digits;
        }
        if (digits == 0 || digits == value.size()) return std::nullopt;
        const char unit = value[digits];
        value.remove_prefix(digits + 1);
        std::int64_t scale = 0;
        if (!in_time && unit == 'W') scale = 7 * 86400;
        else if (!in_time && unit == 'D') scale = 86400;
        else if (in_time && unit == 'H') scale = 3600;
        else if (in_time && unit == 'M') scale = 60;
        else if (in_time && unit == 'S') scale = 1;
        else return std::nullopt;
        total += n * scale;
        any = true;
    }
    if (!any) return std::nullopt;
    return total;
}

// RFC 5545 3.3.11 TEXT: backslash escapes; a line break becomes a blank.
std::string unescape_text(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        text += (next == 'n' || next == 'N') ? ' ' : next;
    }
    return text;
}

bool has_param(const std::string& params, std::string_view wanted) {
    return params.find(wanted) != std::string::npos;
}

struct EventFields {
    std::optional<std::string> start, end, duration, summary;
    std::string start_params, end_params;
    bool recurring = false, cancelled = false;
};

// The inclusive day range of an event, or nothing when it cannot be read.
std::optional<SchoolHolidayPeriod> period_of(const EventFields& event) {
    if (!event.start) return std::nullopt;
    const bool date_only = has_param(event.start_params, "VALUE=DATE") &&
                           !has_param(event.start_params, "VALUE=DATE-TIME");
    const std::optional<DateValue> start = parse_date_value(*event.start, date_only);
    if (!start) return std::nullopt;
    std::int64_t last = start->day;
    if (event.end) {
        const bool end_date_only = has_param(event.end_params, "VALUE=DATE") &&
                                   !has_param(event.end_params, "VALUE=DATE-TIME");
        const std::optional<DateValue> end = parse_date_value(*event.end, end_date_only);
        if (!end) return std::nullopt;
        if (end->day < start->day) return std::nullopt;
        // DTEND is exclusive: a whole-day end, or midnight, closes the day before.
        const bool at_midnight = !end->has_time || end->seconds == 0;
        last = (at_midnight && end->day > start->day) ? end->day - 1 : end->day;
    } else if (event.duration) {
        const std::optional<std::int64_t> seconds = parse_duration_seconds(*event.duration);
        if (!seconds) return std::nullopt;
        const std::int64_t end_seconds = start->seconds + *seconds;
        const std::int64_t end_day = start->day + end_seconds / 86400;
        const bool at_midnight = end_seconds % 86400 == 0;
        last = (at_midnight && end_day > start->day) ? end_day - 1 : end_day;
    }
    if (last < start->day || last - start->day >= kMaxSchoolHolidayDays) return std::nullopt;
    std::string name = clean_period_name(unescape_text(event.summary.value_or("")), kMaxSchoolHolidayNameBytes);
    if (name.empty()) name = kDefaultName;
    return SchoolHolidayPeriod{start->day, last, std::move(name)};
}

std::string count_text(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

} // namespace

IcsImport import_school_holidays_ics(std::string_view bytes) {
    IcsImport result;
    if (bytes.size() > kMaxIcsBytes) {
        result.message = "Die Datei ist größer als 2 MB und wird nicht gelesen.";
        return result;
    }
    bytes = without_byte_order_mark(bytes);

    // Unfold (RFC 5545 3.1): a line starting with a blank or tab continues the last.
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::string_view line = take_line(bytes);
        if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !lines.empty()) {
            // An overlong value is cut; it then fails to parse where that matters.
            if (lines.back().size() + line.size() <= kMaxLineBytes) lines.back().append(line.substr(1));
        } else if (!line.empty()) {
            lines.emplace_back(line.substr(0, kMaxLineBytes));
        }
    }

    std::vector<std::string> components;
    bool saw_calendar = false;
    std::size_t events = 0;
    EventFields event;
    for (const std::string& raw : lines) {
        const std::optional<ContentLine> line = split_content_line(raw);
        if (!line) continue;
        if (line->name == "BEGIN") {
            const std::string kind = upper(line->value);
            if (kind == "VCALENDAR") saw_calendar = true;
            if (components.size() < kMaxDepth) {
                components.push_back(kind);
                if (kind == "VEVENT") event = {};
            }
            continue;
        }
        if (line->name == "END") {
            const std::string kind = upper(line->value);
            if (components.empty() || components.back() != kind) continue;
            components.pop_back();
            if (kind != "VEVENT") continue;
            if (++events > kMaxIcsEvents) {
                ++result.skipped_events;
                continue;
            }
            const std::optional<SchoolHolidayPeriod> period =
                (event.recurring || event.cancelled) ? std::nullopt : period_of(event);
            if (period) {
                result.periods.push_back(*period);
            } else {
                ++result.skipped_events;
            }
            continue;
        }
        if (components.empty() || components.back() != "VEVENT") continue;
        if (line->name == "DTSTART") {
            event.start = std::string(line->value);
            event.start_params = line->params;
        } else if (line->name == "DTEND") {
            event.end = std::string(line->value);
            event.end_params = line->params;
        } else if (line->name == "DURATION") {
            event.duration = std::string(line->value);
        } else if (line->name == "SUMMARY") {
            event.summary = std::string(line->value);
        } else if (line->name == "RRULE" || line->name == "RDATE") {
            event.recurring = true;
        } else if (line->name == "STATUS" && upper(line->value) == "CANCELLED") {
            event.cancelled = true;
        }
    }

    if (!saw_calendar) {
        result = {};
        result.message = "Die Datei ist kein iCalendar (BEGIN:VCALENDAR fehlt).";
        return result;
    }
    const std::string skipped = count_text(result.skipped_events, "Termin", "Termine") + " übersprungen";
    if (result.periods.empty()) {
        result.message = "Die Datei enthält keine lesbaren Ferientermine";
        result.message += result.skipped_events > 0 ? " (" + skipped + ")." : ".";
        return result;
    }
    result.ok = true;
    result.message = count_text(result.periods.size(), "Ferienzeitraum", "Ferienzeiträume") + " gelesen";
    if (result.skipped_events > 0) result.message += ", " + skipped;
    return result;
}

IcsImport import_school_holidays_ics_file(const std::filesystem::path& path) {
    const std::optional<std::string> content = read_regular_file(path, kMaxIcsBytes);
    if (!content) {
        IcsImport result;
        result.message = "Die Datei kann nicht gelesen werden oder ist größer als 2 MB.";
        return result;
    }
    return import_school_holidays_ics(*content);
}

} // namespace vespera

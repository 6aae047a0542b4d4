#include "cli/formats.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <vector>

#include "base/text.h"

namespace vespera::cli {
namespace {

std::size_t code_points(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }));
}

std::string padded(std::string_view text, std::size_t width) {
    std::string result(text);
    const std::size_t shown = code_points(text);
    if (shown < width) result.append(width - shown, ' ');
    return result;
}

const char* kind_name(const report::Row& row) { return row.is_heading() ? "ueberschrift" : "eintrag"; }

std::string json_date(std::string_view iso) { return iso.empty() ? "null" : json_string(iso); }

// The typed fields beside `wert`, in the order CSV writes its columns. A
// field appears where the row carries its value; an empty text is JSON null
// (an event that does not happen has no time, only its status).
struct TypedField {
    const char* key;
    bool number; // a JSON number, not a string
    bool (*present)(const report::TypedValue&);
    std::string (*text)(const report::TypedValue&);
    // CSV keeps a column when some row has this kind of value, so that a
    // command's columns do not change with the day (a status column stays
    // when every event happens).
    bool (*kind_present)(const report::TypedValue&) = nullptr;
};

std::string event_local(const std::optional<report::Event>& event) {
    return event->status == report::EventStatus::Happens ? report::local_text(event->at) : std::string();
}
std::string event_utc(const std::optional<report::Event>& event) {
    return event->status == report::EventStatus::Happens ? report::utc_text(event->at) : std::string();
}
bool missing(const std::optional<report::Event>& event) {
    return event && event->status != report::EventStatus::Happens;
}

const std::array<TypedField, 12> kTypedFields = {{
    {"zeit_lokal", false, [](const report::TypedValue& v) { return v.event.has_value(); },
     [](const report::TypedValue& v) { return event_local(v.event); }},
    {"zeit_utc", false, [](const report::TypedValue& v) { return v.event.has_value(); },
     [](const report::TypedValue& v) { return event_utc(v.event); }},
    {"zustand", false, [](const report::TypedValue& v) { return missing(v.event); },
     [](const report::TypedValue& v) { return std::string(report::status_key(v.event->status)); },
     [](const report::TypedValue& v) { return v.event.has_value(); }},
    {"ende_lokal", false, [](const report::TypedValue& v) { return v.end.has_value(); },
     [](const report::TypedValue& v) { return event_local(v.end); }},
    {"ende_utc", false, [](const report::TypedValue& v) { return v.end.has_value(); },
     [](const report::TypedValue& v) { return event_utc(v.end); }},
    {"ende_zustand", false, [](const report::TypedValue& v) { return missing(v.end); },
     [](const report::TypedValue& v) { return std::string(report::status_key(v.end->status)); },
     [](const report::TypedValue& v) { return v.end.has_value(); }},
    {"uhrzeit", false, [](const report::TypedValue& v) { return v.clock_minutes.has_value(); },
     [](const report::TypedValue& v) { return report::clock_text(*v.clock_minutes); }},
    {"dauer_minuten", true, [](const report::TypedValue& v) { return v.duration_minutes.has_value(); },
     [](const report::TypedValue& v) { return std::to_string(*v.duration_minutes); }},
    {"zahl", true, [](const report::TypedValue& v) { return v.quantity.has_value(); },
     [](const report::TypedValue& v) { return report::number_text(*v.quantity); }},
    {"einheit", false, [](const report::TypedValue& v) { return v.quantity && !v.quantity->unit.empty(); },
     [](const report::TypedValue& v) { return v.quantity->unit; },
     [](const report::TypedValue& v) { return v.quantity.has_value(); }},
    {"erster_tag", false, [](const report::TypedValue& v) { return v.days.has_value(); },
     [](const report::TypedValue& v) { return report::iso_date(v.days->first_day); }},
    {"letzter_tag", false, [](const report::TypedValue& v) { return v.days.has_value(); },
     [](const report::TypedValue& v) { return report::iso_date(v.days->last_day); }},
}};

std::string typed_json(const report::TypedValue& typed) {
    std::string text;
    if (typed.empty()) return text;
    for (const TypedField& field : kTypedFields) {
        if (!field.present(typed)) continue;
        const std::string value = field.text(typed);
        text += ",\"" + std::string(field.key) + "\":" + (value.empty() ? "null" : field.number ? value : json_string(value));
    }
    return text;
}

std::string optional_number(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

// "kalender": its id, "teile": {"jahr": 5787, …, "schaltmonat": false}, or
// null where the calendar has no date for the day.
std::string calendar_json(const report::CalendarParts& calendar) {
    std::string text = ",\"kalender\":" + json_string(calendar.id) + ",\"teile\":";
    if (calendar.parts.empty()) return text + "null";
    text += "{";
    for (const report::CalendarPart& part : calendar.parts) {
        if (text.back() != '{') text += ",";
        text += json_string(part.key) + ":" + (part.value ? std::to_string(*part.value) : "null");
    }
    if (calendar.leap_month) text += std::string(",\"schaltmonat\":") + (*calendar.leap_month ? "true" : "false");
    return text + "}";
}

std::string row_json(const report::Row& row) {
    return "{\"art\":" + json_string(kind_name(row)) + ",\"bezeichnung\":" + json_string(row.label) +
           ",\"wert\":" + json_string(row.is_heading() ? std::string_view() : std::string_view(row.value)) +
           ",\"datum\":" + json_date(row.iso_date) +
           (row.category.empty() ? "" : ",\"kategorie\":" + json_string(row.category)) + typed_json(row.typed) +
           (row.calendar ? calendar_json(*row.calendar) : "") + "}";
}

// The calendar columns of a report's CSV: "kalender", "jahr", "monat",
// "tag", then the other parts' keys in the order the rows first use them,
// "schaltmonat" last; none for a report without calendar rows.
std::vector<std::string_view> calendar_columns(const report::Report& report) {
    std::vector<std::string_view> keys;
    bool leap = false;
    for (const report::Row& row : report.rows) {
        if (!row.calendar) continue;
        if (keys.empty()) keys = {"kalender", "jahr", "monat", "tag"};
        leap = leap || row.calendar->leap_month.has_value();
        for (const report::CalendarPart& part : row.calendar->parts) {
            if (std::find(keys.begin(), keys.end(), part.key) == keys.end()) keys.push_back(part.key);
        }
    }
    if (leap) keys.push_back("schaltmonat");
    return keys;
}

std::string calendar_csv(const report::Row& row, const std::vector<std::string_view>& columns) {
    std::string text;
    for (const std::string_view column : columns) {
        text += ",";
        if (!row.calendar) continue;
        const report::CalendarParts& calendar = *row.calendar;
        if (column == "kalender") {
            text += csv_field(calendar.id);
        } else if (column == "schaltmonat") {
            if (calendar.leap_month) text += *calendar.leap_month ? "true" : "false";
        } else {
            for (const report::CalendarPart& part : calendar.parts) {
                if (part.key == column) text += optional_number(part.value);
            }
        }
    }
    return text;
}

bool has_categories(const report::Report& report) {
    return std::any_of(report.rows.begin(), report.rows.end(),
                       [](const report::Row& row) { return !row.category.empty(); });
}

// The typed columns some row of the report fills, in kTypedFields' order.
std::vector<const TypedField*> typed_columns(const report::Report& report) {
    std::vector<const TypedField*> columns;
    for (const TypedField& field : kTypedFields) {
        const auto kind = field.kind_present ? field.kind_present : field.present;
        if (std::any_of(report.rows.begin(), report.rows.end(),
                        [&](const report::Row& row) { return kind(row.typed); })) {
            columns.push_back(&field);
        }
    }
    return columns;
}

std::string rows_json(const report::Report& report) {
    std::string text = "[";
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        text += i == 0 ? "\n  " : ",\n  ";
        text += row_json(report.rows[i]);
    }
    return text + (report.rows.empty() ? "]" : "\n]");
}

struct SunColumn {
    const char* heading; // text output
    const char* key;     // CSV and JSON
    std::string report::SunTableDay::*field;
    report::Event report::SunTableDay::*event; // the time as a value; nullptr for the others
};

const std::array<SunColumn, 8> kSunColumns = {{
    {"Aufgang", "aufgang", &report::SunTableDay::sunrise, &report::SunTableDay::sunrise_at},
    {"Untergang", "untergang", &report::SunTableDay::sunset, &report::SunTableDay::sunset_at},
    {"Tageslänge", "tageslaenge", &report::SunTableDay::day_length, nullptr},
    {"Dämmerung ab", "daemmerung_beginn", &report::SunTableDay::dawn, &report::SunTableDay::dawn_at},
    {"Dämmerung bis", "daemmerung_ende", &report::SunTableDay::dusk, &report::SunTableDay::dusk_at},
    {"Mondaufgang", "mondaufgang", &report::SunTableDay::moonrise, &report::SunTableDay::moonrise_at},
    {"Monduntergang", "monduntergang", &report::SunTableDay::moonset, &report::SunTableDay::moonset_at},
    {report::kSunTablePhaseHeading, "mondphase", &report::SunTableDay::moon_phase, nullptr},
}};

// A day's typed fields after the text columns: each time as <key>_lokal,
// <key>_utc and <key>_zustand (empty texts where they do not apply), the
// day length in minutes and the Moon's lit share where the phase gives it.
struct SunTypedField {
    std::string key;
    bool number;
    std::string text;
};

std::vector<SunTypedField> sun_typed_fields(const report::SunTableDay& day) {
    std::vector<SunTypedField> fields;
    for (const SunColumn& column : kSunColumns) {
        if (column.event == nullptr) continue;
        const report::Event& event = day.*column.event;
        const bool happens = event.status == report::EventStatus::Happens;
        const std::string key = column.key;
        fields.push_back({key + "_lokal", false, happens ? report::local_text(event.at) : std::string()});
        fields.push_back({key + "_utc", false, happens ? report::utc_text(event.at) : std::string()});
        fields.push_back({key + "_zustand", false, report::status_key(event.status)});
    }
    fields.push_back({"tageslaenge_minuten", true, std::to_string(day.day_length_minutes)});
    fields.push_back({"mondphase_prozent", true,
                      day.lit_percent ? report::number_text({*day.lit_percent, 1, "%"}) : std::string()});
    return fields;
}

} // namespace

std::string json_string(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = decode_utf8(text, i).size;
        if (length == 0) {
            quoted += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted.append(text.substr(i, length));
        }
        i += length;
    }
    return quoted + "\"";
}

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string report_csv(const report::Report& report) {
    // The holiday list's category is a fifth column; other reports keep four.
    // The typed columns follow, those that some row fills, then the other
    // calendars' parts as columns of their own.
    const bool categories = has_categories(report);
    const std::vector<const TypedField*> columns = typed_columns(report);
    const std::vector<std::string_view> calendar_keys = calendar_columns(report);
    std::string text = categories ? "art,bezeichnung,wert,datum,kategorie" : "art,bezeichnung,wert,datum";
    for (const TypedField* field : columns) (text += ',') += field->key;
    for (const std::string_view column : calendar_keys) (text += ',') += column;
    text += '\n';
    const std::string empty_columns(columns.size() + calendar_keys.size(), ',');
    if (!report.heading.empty()) {
        text += "ueberschrift," + csv_field(report.heading) + ",," + report.iso_date + (categories ? "," : "") +
                empty_columns + "\n";
    }
    for (const report::Row& row : report.rows) {
        text += std::string(kind_name(row)) + "," + csv_field(row.label) + "," +
                csv_field(row.is_heading() ? std::string_view() : std::string_view(row.value)) + "," + row.iso_date +
                (categories ? std::string(",").append(csv_field(row.category)) : std::string());
        for (const TypedField* field : columns) {
            text += ',';
            if (field->present(row.typed)) text += csv_field(field->text(row.typed));
        }
        text += calendar_csv(row, calendar_keys) + "\n";
    }
    return text;
}

std::string report_json(const report::Report& report) {
    return "{\"titel\":" + json_string(report.heading) + ",\"datum\":" + json_date(report.iso_date) +
           ",\"zeilen\":" + rows_json(report) + "}\n";
}

std::string list_json(const report::Report& report) { return rows_json(report) + "\n"; }

std::string sun_table_text(const report::SunTable& table) {
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> header = {"Datum"};
    for (const SunColumn& column : kSunColumns) header.emplace_back(column.heading);
    cells.push_back(header);
    for (const report::SunTableDay& day : table.days) {
        std::vector<std::string> line = {day.weekday + " " + day.date};
        for (const SunColumn& column : kSunColumns) line.push_back(day.*column.field);
        cells.push_back(std::move(line));
    }
    std::vector<std::size_t> widths(header.size(), 0);
    for (const auto& line : cells) {
        for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], code_points(line[i]));
    }
    std::string text = table.heading + "\n";
    for (const auto& line : cells) {
        std::string out;
        for (std::size_t i = 0; i < line.size(); ++i) {
            // The last column (the phase) is not padded: no blanks at line ends.
            out += i + 1 < line.size() ? padded(line[i], widths[i]) + "  " : line[i];
        }
        text += out + "\n";
    }
    if (!table.legend.empty()) text += "\n";
    for (const std::string& line : table.legend) text += line + "\n";
    return text;
}

std::string sun_table_csv(const report::SunTable& table) {
    std::string text = "datum,wochentag";
    for (const SunColumn& column : kSunColumns) text += std::string(",") + column.key;
    for (const SunTypedField& field : sun_typed_fields(report::SunTableDay{})) (text += ',') += field.key;
    text += "\n";
    for (const report::SunTableDay& day : table.days) {
        text += day.iso_date + "," + day.weekday;
        for (const SunColumn& column : kSunColumns) (text += ',') += csv_field(day.*column.field);
        for (const SunTypedField& field : sun_typed_fields(day)) (text += ',') += csv_field(field.text);
        text += "\n";
    }
    return text;
}

std::string sun_table_json(const report::SunTable& table) {
    std::string text = "[";
    for (std::size_t i = 0; i < table.days.size(); ++i) {
        const report::SunTableDay& day = table.days[i];
        text += i == 0 ? "\n  {" : ",\n  {";
        text += "\"datum\":" + json_string(day.iso_date) + ",\"wochentag\":" + json_string(day.weekday);
        for (const SunColumn& column : kSunColumns) {
            text += ",\"" + std::string(column.key) + "\":" + json_string(day.*column.field);
        }
        for (const SunTypedField& field : sun_typed_fields(day)) {
            if (field.text.empty() && field.key.ends_with("_zustand")) continue;
            text += ",\"" + field.key + "\":" +
                    (field.text.empty() ? "null" : field.number ? field.text : json_string(field.text));
        }
        text += "}";
    }
    return text + (table.days.empty() ? "]\n" : "\n]\n");
}

} // namespace vespera::cli

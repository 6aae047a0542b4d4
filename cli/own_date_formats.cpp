#include "cli/own_date_formats.h"

#include "cli/formats.h"

namespace vespera::cli {
namespace {

std::string clock_or_empty(const report::OwnDateEntry& e) {
    return e.start_minutes ? report::clock_text(*e.start_minutes) : std::string();
}

std::string age_or_empty(const report::OwnDateEntry& e) { return e.years ? std::to_string(*e.years) : std::string(); }

std::string kind_key(const report::OwnDateEntry& e) {
    switch (e.kind) {
    case own_dates::Kind::geburtstag: return "geburtstag";
    case own_dates::Kind::jahrestag: return "jahrestag";
    case own_dates::Kind::termin: break;
    }
    return "termin";
}

} // namespace

std::string own_dates_csv(const std::vector<report::OwnDateEntry>& entries) {
    std::string text = "datum,bis,uhrzeit,titel,art,alter,bezeichnung\n";
    for (const report::OwnDateEntry& e : entries) {
        text += report::iso_date(e.first_day) + "," + report::iso_date(e.last_day) + "," + clock_or_empty(e) + "," +
                csv_field(e.title) + "," + kind_key(e) + "," + age_or_empty(e) + "," + csv_field(e.label) + "\n";
    }
    return text;
}

std::string own_dates_json(const std::vector<report::OwnDateEntry>& entries) {
    std::string text = "[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const report::OwnDateEntry& e = entries[i];
        const std::string clock = clock_or_empty(e), age = age_or_empty(e);
        text += std::string(i == 0 ? "\n  {" : ",\n  {") + "\"datum\":" + json_string(report::iso_date(e.first_day)) +
                ",\"bis\":" + json_string(report::iso_date(e.last_day)) +
                ",\"uhrzeit\":" + (clock.empty() ? "null" : json_string(clock)) + ",\"titel\":" + json_string(e.title) +
                ",\"art\":" + json_string(kind_key(e)) + ",\"alter\":" + (age.empty() ? "null" : age) +
                ",\"bezeichnung\":" + json_string(e.label) + "}";
    }
    return text + (entries.empty() ? "]\n" : "\n]\n");
}

} // namespace vespera::cli

// How the command line writes reports: text as the window copies it, CSV
// (RFC 4180 quoting, a header row, LF line ends) and JSON (one object for a
// report, one array for a list). Dates in CSV and JSON are ISO 8601.
#pragma once

#include <string>

#include "report/report.h"
#include "report/sun_table.h"

namespace vespera::cli {

enum class Format { Text, Csv, Json };

// CSV columns: art, bezeichnung, wert, datum, and kategorie where rows carry
// one (the holiday list); then, where rows carry a calendar's parts (the
// other calendars), kalender, each part's key and schaltmonat. The report's
// heading is the first row (art "ueberschrift").
std::string report_csv(const report::Report& report);
// {"titel": …, "datum": "2024-04-08" or null, "zeilen": [row, …]}; a row is
// {"art": "ueberschrift"|"eintrag", "bezeichnung": …, "wert": …, "datum": … or null}
// with "kategorie": … where it has one, and "kalender": id, "teile": {"jahr":
// …, "monat": …, "tag": …, "schaltmonat": …} (or null) on a calendar row.
std::string report_json(const report::Report& report);
// A list as JSON: the array of its rows (the title left out).
std::string list_json(const report::Report& report);

// The sunrise table: aligned columns under the heading; CSV and JSON with
// the fields datum, wochentag, aufgang, untergang, tageslaenge,
// daemmerung_beginn, daemmerung_ende, mondaufgang, monduntergang, mondphase.
std::string sun_table_text(const report::SunTable& table);
std::string sun_table_csv(const report::SunTable& table);
std::string sun_table_json(const report::SunTable& table);

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string json_string(std::string_view text);
// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string csv_field(std::string_view text);

} // namespace vespera::cli

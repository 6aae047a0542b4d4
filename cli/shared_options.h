// The options that every command shares (--ort, --koordinaten, --zone,
// --region, --kategorie, --format), declared on the program with CLI11's
// rules, and the German rules for a command's own arguments.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "cli/command.h"

namespace vespera::cli {

inline constexpr const char* kListKinds =
    "feiertage, vollmonde, neumonde, jahreszeiten, finsternisse, himmelsereignisse oder termine";
inline constexpr const char* kYearHelp = "das Jahr (-27968 bis 27968); ohne: das laufende";

struct SharedOptions {
    std::string ort, koordinaten, zone, region, kategorie, ferien, termine, schalttag, format = "text";
    CLI::Option* ort_option = nullptr;
    CLI::Option* koordinaten_option = nullptr;
    CLI::Option* zone_option = nullptr;
    CLI::Option* region_option = nullptr;
    CLI::Option* kategorie_option = nullptr;
    CLI::Option* ferien_option = nullptr;
    CLI::Option* termine_option = nullptr;
    CLI::Option* schalttag_option = nullptr;
};

void declare_shared_options(CLI::App& app, SharedOptions& options);

// After a parse that passed the rules above.
Invocation invocation_of(const SharedOptions& options, const Environment& environment);

// "„text“", with German quotation marks.
std::string in_quotes(std::string_view text);

// The rules of the positionals; a broken rule yields the whole German message.
// An empty argument counts as none given, as it always has.
CLI::Validator date_rule();                       // DATUM of tag and kalender
CLI::Validator year_rule();                       // JAHR
CLI::Validator list_kind_rule();                  // ART of liste
CLI::Validator own_kind_rule();                   // --art of liste termine
CLI::Validator typed_date_rule(std::string what); // differenz: "Erstes Datum"

// "Unbekannte Region „BY“ …", naming DE-BY when the country is missing.
std::string unknown_region_message(std::string_view given);

} // namespace vespera::cli

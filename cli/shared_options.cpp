#include "cli/shared_options.h"

#include <functional>
#include <utility>

#include "base/regions.h"
#include "cli/arguments.h"
#include "places/name_folding.h"
#include "report/date_difference.h"

namespace vespera::cli {
namespace {

// The gazetteer's names have at most 255 bytes (places/gazetteer.cpp): a
// longer name finds nothing, and searching with it costs in its length.
constexpr std::size_t kLongestPlaceName_bytes = 255;
constexpr const char* kCategoryNames =
    "gesetzlich, regional, schulfrei, kirchlich, Gedenktag, Brauchtum, astronomisch, Jahreskreisfest, "
    "Br\u00fcckentag, Ferien, j\u00fcdisch, islamisch, orthodox, chinesisch, persisch oder alle";

// A CLI11 rule whose broken form reads in German: `rule` decides (and may
// normalise the text), `message` words the refusal of the text as given.
// `shown` says whether --help shows the rule beside the value's name.
CLI::Validator in_german(CLI::Validator rule, std::function<std::string(const std::string&)> message,
                         bool shown = true) {
    const std::string description = shown ? rule.get_description() : std::string();
    return CLI::Validator(
        [rule = std::move(rule), message = std::move(message)](std::string& text) {
            std::string checked = text;
            if (!rule(checked).empty()) return message(text);
            text = std::move(checked);
            return std::string();
        },
        description);
}

// A rule of our own: `accepts` decides.
CLI::Validator rule_of(std::string description, std::function<bool(const std::string&)> accepts,
                       std::function<std::string(const std::string&)> message) {
    return CLI::Validator(
        [accepts = std::move(accepts), message = std::move(message)](std::string& text) {
            return accepts(text) ? std::string() : message(text);
        },
        std::move(description));
}

std::string upper_ascii(std::string text) {
    for (char& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

// "KEINE" asks for no region; other codes as region_name() knows them.
CLI::Validator region_rule() {
    return CLI::Validator(
        [](std::string& text) {
            const std::string code = upper_ascii(text);
            if (code == "KEINE") {
                text.clear();
                return std::string();
            }
            if (region_name(code).empty()) return unknown_region_message(text);
            text = code;
            return std::string();
        },
        "");
}

} // namespace

std::string in_quotes(std::string_view text) { return "\u201e" + std::string(text) + "\u201c"; }

std::string unknown_region_message(std::string_view given) {
    // A state, canton or province without its country ("BY", "ZH", "9", "BZ"): name the codes it may mean.
    std::string meant;
    const std::string tail = "-" + upper_ascii(std::string(given));
    for (const Region& region : regions()) {
        if (tail.size() == 1 || !region.code.ends_with(tail)) continue;
        meant += (meant.empty() ? "" : " oder ") + std::string(region.code);
    }
    const std::string forms = "ISO 3166-2 wie DE-BY, AT-9, CH-BS, LI, LU oder IT-32-BZ, oder keine";
    if (meant.empty()) return "Unbekannte Region " + in_quotes(given) + " (" + forms + ").";
    return "Unbekannte Region " + in_quotes(given) + ": gemeint ist wohl " + meant +
           " (das Land vorn, " + forms + ").";
}

void declare_shared_options(CLI::App& app, SharedOptions& options) {
    options.ort_option =
        app.add_option("--ort", options.ort,
                       "Ort aus der St\u00e4dteliste oder dem Ortsverzeichnis "
                       "(Gro\u00df- und Kleinschreibung, Akzente egal)")
            ->type_name("NAME")
            ->check(rule_of("", [](const std::string& text) { return !fold_name(text).empty(); },
                            [](const std::string&) { return std::string("--ort braucht einen Ortsnamen."); }))
            ->check(rule_of(
                "", [](const std::string& text) { return text.size() <= kLongestPlaceName_bytes; },
                [](const std::string& text) {
                    return "Der Ortsname nach --ort ist mit " + std::to_string(text.size()) +
                           " Bytes l\u00e4nger als jeder Ort (h\u00f6chstens " +
                           std::to_string(kLongestPlaceName_bytes) + ").";
                }));
    options.koordinaten_option =
        app.add_option("--koordinaten", options.koordinaten, "Breite,L\u00e4nge in Grad (52.52,13.405); mit --zone")
            ->type_name("BREITE,L\u00c4NGE")
            ->check(rule_of(
                "", [](const std::string& text) { return parse_coordinates(text).has_value(); },
                [](const std::string& text) {
                    return "Ung\u00fcltige Koordinaten " + in_quotes(text) +
                           " (Breite,L\u00e4nge in Grad wie 52.52,13.405).";
                }));
    options.zone_option =
        app.add_option("--zone", options.zone, "Zeitzone der Zeitzonendatenbank (Europe/Berlin)")->type_name("IANA");
    options.koordinaten_option->excludes(options.ort_option)->needs(options.zone_option);
    options.region_option = app.add_option("--region", options.region,
                                           "Feiertage und Schulferien dieser Region (ISO 3166-2: DE-BY, AT, CH-ZH; "
                                           "keine: ohne); ohne: die Region des Ortes")
                                ->type_name("CODE")
                                ->transform(region_rule());
    options.kategorie_option =
        app.add_option("--kategorie", options.kategorie,
                       "liste feiertage und ical: gesetzlich (Vorgabe; die Liste auch Br\u00fcckentag), regional, "
                       "schulfrei, kirchlich, Gedenktag, Brauchtum, astronomisch, Jahreskreisfest, Br\u00fcckentag, "
                       "Ferien, alle (ohne Ferien und Feste), die Feste j\u00fcdisch, islamisch, orthodox, "
                       "chinesisch, persisch; mehrere mit Komma")
            ->type_name("LISTE")
            ->check(rule_of(
                "", [](const std::string& text) { return report::parse_categories(text).has_value(); },
                [](const std::string& text) {
                    return "Unbekannte Kategorie in " + in_quotes(text) + " (" + kCategoryNames + ").";
                }));
    options.ferien_option =
        app.add_option("--ferien", options.ferien,
                       "Schulferien aus dieser iCalendar-Datei, nur f\u00fcr diesen Aufruf; ohne: die im Fenster "
                       "importierten")
            ->type_name("DATEI.ics");
    options.termine_option =
        app.add_option("--termine", options.termine,
                       "eigene Termine aus dieser iCalendar-Datei; ohne: die des Fensters (termine.ics)")
            ->type_name("DATEI.ics");
    options.schalttag_option =
        app.add_option("--schalttag", options.schalttag,
                       "ein j\u00e4hrlicher Termin am 29. Februar f\u00e4llt in Gemeinjahren auf den 28.2. (Vorgabe, "
                       "nach \u00a7 188 BGB) oder den 1.3.")
            ->type_name("28.2.|1.3.")
            ->check(in_german(CLI::IsMember({"28.2.", "1.3."}), [](const std::string& text) {
                return "Unbekannter Tag " + in_quotes(text) + " nach --schalttag (28.2. oder 1.3.).";
            }));
    app.add_option("--format", options.format, "Ausgabe als text (Vorgabe), csv oder json")
        ->type_name("FORMAT")
        ->check(in_german(CLI::IsMember({"text", "csv", "json"}), [](const std::string& text) {
            return "Unbekanntes Format " + in_quotes(text) + " (text, csv oder json).";
        }));
}

Invocation invocation_of(const SharedOptions& options, const Environment& environment) {
    Invocation invocation;
    invocation.environment = &environment;
    invocation.format = options.format == "csv"    ? Format::Csv
                        : options.format == "json" ? Format::Json
                                                   : Format::Text;
    if (options.ort_option->count() > 0) invocation.place.name = options.ort;
    if (options.koordinaten_option->count() > 0) invocation.place.coordinates = options.koordinaten;
    if (options.zone_option->count() > 0) invocation.place.zone = options.zone;
    if (options.region_option->count() > 0) invocation.region = options.region;
    if (options.ferien_option->count() > 0) invocation.school_holidays_file = options.ferien;
    if (options.termine_option->count() > 0) invocation.own_dates_file = options.termine;
    if (options.schalttag == "1.3.") invocation.leap_day = own_dates::LeapDayRule::march_1;
    if (options.kategorie_option->count() > 0) {
        invocation.categories = *report::parse_categories(options.kategorie);
        invocation.categories_chosen = true;
    }
    return invocation;
}

CLI::Validator date_rule() {
    // The words of differenz and the window's date difference: one reader, one message.
    return rule_of(
        "", [](const std::string& text) { return text.empty() || parse_date(text).has_value(); },
        [](const std::string& text) { return report::read_typed_date(text).problem; });
}

CLI::Validator year_rule() {
    return rule_of(
        "", [](const std::string& text) { return text.empty() || parse_year(text).has_value(); },
        [](const std::string& text) {
            return "Ung\u00fcltiges Jahr " + in_quotes(text) + " (eine ganze Zahl von -27968 bis 27968).";
        });
}

CLI::Validator list_kind_rule() {
    return in_german(CLI::IsMember({"feiertage", "vollmonde", "neumonde", "jahreszeiten", "finsternisse", "himmelsereignisse",
                                     "termine"}),
                     [](const std::string& text) {
                         if (text.empty()) return std::string("liste braucht eine Art: ") + kListKinds + ".";
                         return "Unbekannte Liste " + in_quotes(text) + " (" + kListKinds + ").";
                     },
                     false);
}

CLI::Validator own_kind_rule() {
    return in_german(CLI::IsMember({"geburtstag", "jahrestag", "termin"}), [](const std::string& text) {
        return "Unbekannte Art " + in_quotes(text) + " (geburtstag, jahrestag oder termin).";
    });
}

CLI::Validator typed_date_rule(std::string what) {
    return CLI::Validator(
        [what = std::move(what)](std::string& text) {
            if (text.empty()) return std::string("differenz braucht zwei Daten.");
            const report::TypedDate date = report::read_typed_date(text);
            return date.day ? std::string() : what + ": " + date.problem;
        },
        "");
}

} // namespace vespera::cli

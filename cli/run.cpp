#include "cli/run.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

#include "cli/arguments.h"
#include "cli/formats.h"
#include "engine/clsCalendar.h"
#include "places/name_folding.h"
#include "ephemeris/calendar.h"
#include "zones/place_clock.h"
#include "report/date_difference.h"
#include "base/regions.h"
#include "report/day_report.h"
#include "report/holiday_list.h"
#include "report/ical.h"
#include "report/sun_table.h"
#include "report/year_lists.h"

namespace vespera::cli {
namespace {

constexpr const char* kHelpHint = "Aufruf und Befehle: vespera-cli --help\n";
constexpr const char* kListKinds = "feiertage, vollmonde, neumonde, jahreszeiten oder finsternisse";
constexpr const char* kDateForms = "Tag.Monat.Jahr wie 8.4.2024 oder JJJJ-MM-TT wie 2024-04-08";
constexpr const char* kCategoryNames =
    "gesetzlich, regional, schulfrei, kirchlich, Gedenktag, Brauchtum, astronomisch, Jahreskreisfest, "
    "Br\u00fcckentag, Ferien oder alle";

std::string in_quotes(std::string_view text) { return "\u201e" + std::string(text) + "\u201c"; }

struct Choices {
    std::string ort, koordinaten, zone, region, kategorie, format = "text", output;
    std::string first, second; // the positionals of the chosen command
    bool replace = false;
    CLI::Option* ort_option = nullptr;
    CLI::Option* koordinaten_option = nullptr;
    CLI::Option* zone_option = nullptr;
    CLI::Option* region_option = nullptr;
    CLI::Option* kategorie_option = nullptr;
    CLI::Option* format_option = nullptr;
    CLI::Option* output_option = nullptr;
};

struct Command {
    const char* name;
    const char* help;
    const char* first;        // the first positional's name and help, or nullptr
    const char* first_help;
    const char* second;
    const char* second_help;
};

constexpr Command kCommands[] = {
    {"tag", "Tagesbericht: Julianisches Datum, Sonne, Mond, Finsternis", "DATUM",
     "Tag.Monat.Jahr (8.4.2024) oder JJJJ-MM-TT (2024-04-08); ohne: heute am Ort", nullptr, nullptr},
    {"kalender", "Der Tag in anderen Kalendern und als Unixzeit", "DATUM",
     "Tag.Monat.Jahr oder JJJJ-MM-TT; ohne: heute am Ort", nullptr, nullptr},
    {"liste", "Jahresliste: feiertage, vollmonde, neumonde, jahreszeiten oder finsternisse", "ART",
     "feiertage, vollmonde, neumonde, jahreszeiten oder finsternisse", "JAHR", "das Jahr; ohne: das laufende"},
    {"sonne", "Sonnen- und Mondtafel des Jahres, eine Zeile je Tag", "JAHR", "das Jahr; ohne: das laufende", nullptr,
     nullptr},
    {"differenz", "Tage zwischen zwei Daten", "DATUM1", "das erste Datum", "DATUM2", "das zweite Datum"},
    {"ical", "Die Feiertage des Jahres als iCalendar-Datei (wie der Export des Fensters)", "JAHR",
     "das Jahr; ohne: das laufende", nullptr, nullptr},
};

void build_app(CLI::App& app, Choices& choices) {
    app.description("Vespera auf der Kommandozeile: Kalender und Almanach f\u00fcr einen Ort.");
    app.footer(
        "Ohne --ort gilt Berlin. Ausgabe auf die Standardausgabe, Fehler auf die Standardfehlerausgabe.\n"
        "Beenden mit 0 (erfolgreich), 1 (Fehler bei der Ausf\u00fchrung) oder 2 (falscher Aufruf).\n"
        "Beispiele:\n"
        "  vespera-cli tag 8.4.2024 --ort Landshut\n"
        "  vespera-cli liste feiertage 2025 --region DE-BY --format csv\n"
        "  vespera-cli liste feiertage 2025 --ort Dresden --kategorie gesetzlich,regional,Ferien\n"
        "  vespera-cli sonne 2025 --koordinaten 52.52,13.405 --zone Europe/Berlin\n"
        "  vespera-cli ical 2025 --region DE-BY -o Feiertage_2025_DE-BY.ics");
    app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
    app.set_version_flag("--version", "vespera-cli " + std::to_string(VESPERA_VERSION_MAJOR) + "." +
                                          std::to_string(VESPERA_VERSION_MINOR) + "." +
                                          std::to_string(VESPERA_VERSION_PATCH),
                         "Die Version zeigen");
    app.require_subcommand(1, 1);
    app.fallthrough();
    app.option_defaults()->group("Optionen")->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    auto formatter = app.get_formatter();
    formatter->label("Usage", "Aufruf");
    formatter->label("OPTIONS", "OPTIONEN");
    formatter->label("SUBCOMMAND", "BEFEHL");
    formatter->label("Positionals", "Argumente");
    formatter->column_width(26);
    app.get_help_ptr()->group("Optionen");
    app.get_version_ptr()->group("Optionen");

    choices.ort_option = app.add_option("--ort", choices.ort,
                                        "Ort aus der St\u00e4dteliste oder dem Ortsverzeichnis "
                                        "(Gro\u00df- und Kleinschreibung, Akzente egal)")
                             ->type_name("NAME");
    choices.koordinaten_option = app.add_option("--koordinaten", choices.koordinaten,
                                                "Breite,L\u00e4nge in Grad (52.52,13.405); mit --zone")
                                     ->type_name("BREITE,L\u00c4NGE");
    choices.zone_option =
        app.add_option("--zone", choices.zone, "Zeitzone der Zeitzonendatenbank (Europe/Berlin)")->type_name("IANA");
    choices.region_option = app.add_option("--region", choices.region,
                                           "Feiertage und Schulferien dieser Region (ISO 3166-2: DE-BY, AT, CH-ZH; "
                                           "keine: ohne); ohne: die Region des Ortes")
                                ->type_name("CODE");
    choices.kategorie_option =
        app.add_option("--kategorie", choices.kategorie,
                       "liste feiertage und ical: gesetzlich (Vorgabe; die Liste auch Br\u00fcckentag), regional, "
                       "schulfrei, kirchlich, Gedenktag, Brauchtum, astronomisch, Jahreskreisfest, Br\u00fcckentag, "
                       "Ferien oder alle, mehrere mit Komma")
            ->type_name("LISTE");
    choices.format_option =
        app.add_option("--format", choices.format, "Ausgabe als text (Vorgabe), csv oder json")->type_name("FORMAT");

    for (const Command& command : kCommands) {
        CLI::App* sub = app.add_subcommand(command.name, command.help);
        sub->group("Befehle");
        sub->get_help_ptr()->group("Optionen");
        if (command.first != nullptr) sub->add_option(command.first, choices.first, command.first_help)->type_name("");
        if (command.second != nullptr) sub->add_option(command.second, choices.second, command.second_help)->type_name("");
        if (std::string_view(command.name) == "ical") {
            choices.output_option = sub->add_option("-o", choices.output,
                                                    "In diese Datei schreiben (neu; - f\u00fcr die Standardausgabe)")
                                        ->type_name("DATEI")
                                        ->group("Optionen");
            sub->add_flag("--ueberschreiben", choices.replace, "Eine vorhandene Datei ersetzen")->group("Optionen");
        }
    }
}

// The one-line German message of a wrong command line.
std::string usage_message(const CLI::ParseError& error, const CLI::App& app) {
    const std::vector<std::string> rest = app.remaining();
    if (app.get_subcommands().empty()) {
        if (!rest.empty() && !rest.front().starts_with("-")) return "Unbekannter Befehl " + in_quotes(rest.front()) + ".";
        if (!rest.empty()) return "Unbekannte Option " + in_quotes(rest.front()) + ".";
        if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
            return "Kein Befehl angegeben (tag, kalender, liste, sonne, differenz oder ical).";
        }
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && !rest.empty()) {
        return rest.front().starts_with("-") && rest.front().size() > 1 &&
                       !(rest.front()[1] >= '0' && rest.front()[1] <= '9')
                   ? "Unbekannte Option " + in_quotes(rest.front()) + "."
                   : "Unerwartetes Argument " + in_quotes(rest.front()) + ".";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        const std::string what = error.what();
        return "Der Option " + in_quotes(what.substr(0, what.find(':'))) + " fehlt ihr Wert.";
    }
    return "Ung\u00fcltiger Aufruf.";
}

Outcome usage_error(std::string message) {
    Outcome outcome;
    outcome.exit_code = kUsageError;
    outcome.err = "vespera-cli: " + message + "\n" + kHelpHint;
    return outcome;
}

Outcome failure(std::string message, Outcome outcome = {}) {
    outcome.exit_code = kFailure;
    outcome.err += "vespera-cli: " + message + "\n";
    return outcome;
}

void set_day(clsCalendar& cal, std::int64_t day_number) {
    const CivilDate date = civil_date(day_number);
    cal.setKalender(1);
    cal.setJahr(static_cast<std::int32_t>(date.year));
    cal.setMonat(date.month);
    cal.setTag(date.day);
}

std::string written(const report::Report& report, Format format, bool list) {
    switch (format) {
    case Format::Csv: return report_csv(report);
    case Format::Json: return list ? list_json(report) : report_json(report);
    case Format::Text: break;
    }
    return report::copied_text(report);
}

std::optional<report::YearList> list_kind(std::string_view name) {
    if (name == "feiertage") return report::YearList::Holidays;
    if (name == "vollmonde") return report::YearList::FullMoons;
    if (name == "neumonde") return report::YearList::NewMoons;
    if (name == "jahreszeiten") return report::YearList::Seasons;
    if (name == "finsternisse") return report::YearList::Eclipses;
    return std::nullopt;
}

} // namespace

Outcome run_cli(const std::vector<std::string>& args, const Environment& environment) {
    Choices choices;
    CLI::App app{"", "vespera-cli"};
    build_app(app, choices);
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return {kSuccess, app.help(), {}};
    } catch (const CLI::CallForAllHelp&) {
        return {kSuccess, app.help("", CLI::AppFormatMode::All), {}};
    } catch (const CLI::CallForVersion& version) {
        return {kSuccess, std::string(version.what()) + "\n", {}};
    } catch (const CLI::ParseError& error) {
        return usage_error(usage_message(error, app));
    }
    const std::string command = app.get_subcommands().front()->get_name();

    // ---- the command line's form: a mistake is a usage error -------------
    Format format = Format::Text;
    if (choices.format == "csv") {
        format = Format::Csv;
    } else if (choices.format == "json") {
        format = Format::Json;
    } else if (choices.format != "text") {
        return usage_error("Unbekanntes Format " + in_quotes(choices.format) + " (text, csv oder json).");
    }
    PlaceRequest place_request;
    if (choices.ort_option->count() > 0) {
        if (fold_name(choices.ort).empty()) return usage_error("--ort braucht einen Ortsnamen.");
        place_request.name = choices.ort;
    }
    if (choices.koordinaten_option->count() > 0) {
        if (place_request.name) return usage_error("--ort und --koordinaten schlie\u00dfen einander aus.");
        if (!parse_coordinates(choices.koordinaten)) {
            return usage_error("Ung\u00fcltige Koordinaten " + in_quotes(choices.koordinaten) +
                               " (Breite,L\u00e4nge in Grad wie 52.52,13.405).");
        }
        if (choices.zone_option->count() == 0) {
            return usage_error("--koordinaten braucht --zone mit einer Zeitzone wie Europe/Berlin.");
        }
        place_request.coordinates = choices.koordinaten;
    }
    if (choices.zone_option->count() > 0) place_request.zone = choices.zone;
    if (command == "ical" && format != Format::Text) {
        return usage_error("ical schreibt iCalendar; --format passt nicht dazu.");
    }
    std::optional<std::string> region_request;
    if (choices.region_option->count() > 0) {
        std::string code = choices.region;
        for (char& c : code) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (code == "KEINE") {
            code.clear();
        } else if (region_name(code).empty()) {
            return usage_error("Unbekannte Region " + in_quotes(choices.region) +
                               " (ISO 3166-2 wie DE-BY, AT-9, CH-BS, LI, LU oder IT-32-BZ, oder keine).");
        }
        region_request = code;
    }
    report::CategorySet categories = command == "liste" ? report::kStatutoryAndBridgeDays : report::kStatutoryDays;
    if (choices.kategorie_option->count() > 0) {
        const bool holiday_list = command == "ical" || (command == "liste" && choices.first == "feiertage");
        if (!holiday_list) return usage_error("--kategorie gilt nur f\u00fcr liste feiertage und ical.");
        const std::optional<report::CategorySet> chosen = report::parse_categories(choices.kategorie);
        if (!chosen) {
            return usage_error("Unbekannte Kategorie in " + in_quotes(choices.kategorie) + " (" + kCategoryNames +
                               ").");
        }
        categories = *chosen;
    }

    const bool dated = command == "tag" || command == "kalender";
    const bool yearly = command == "liste" || command == "sonne" || command == "ical";
    std::optional<std::int32_t> day, second_day, year;
    std::optional<report::YearList> list;
    if (command == "liste") {
        if (choices.first.empty()) return usage_error(std::string("liste braucht eine Art: ") + kListKinds + ".");
        list = list_kind(choices.first);
        if (!list) return usage_error("Unbekannte Liste " + in_quotes(choices.first) + " (" + kListKinds + ").");
    }
    const std::string& year_text = command == "liste" ? choices.second : choices.first;
    if (yearly && !year_text.empty()) {
        year = parse_year(year_text);
        if (!year) return usage_error("Ung\u00fcltiges Jahr " + in_quotes(year_text) + " (eine ganze Zahl von -27968 bis 27968).");
    }
    if (dated && !choices.first.empty()) {
        day = parse_date(choices.first);
        if (!day) return usage_error("Ung\u00fcltiges Datum " + in_quotes(choices.first) + " (" + kDateForms + ").");
    }
    if (command == "differenz") {
        if (choices.first.empty() || choices.second.empty()) return usage_error("differenz braucht zwei Daten.");
        // The window's reading and its German message, word for word.
        const report::TypedDate first = report::read_typed_date(choices.first);
        if (!first.day) return usage_error("Erstes Datum: " + first.problem);
        const report::TypedDate second = report::read_typed_date(choices.second);
        if (!second.day) return usage_error("Zweites Datum: " + second.problem);
        day = first.day;
        second_day = second.day;
    }

    // ---- carrying it out: a failure ends with 1 ----------------------------
    PlaceOutcome chosen = choose_place(place_request, environment.gazetteer);
    Outcome outcome;
    outcome.err = chosen.note;
    if (!chosen.place) return failure(chosen.error, std::move(outcome));
    const ChosenPlace& place = *chosen.place;

    if (command == "differenz") {
        const bool own_region = !region_request || *region_request == place.region;
        const report::WorkingDayPlace where{own_region ? place.region : *region_request,
                                            own_region ? place.name : std::string{},
                                            own_region ? place.commune_key : std::string{}};
        const report::Report difference = report::difference_report(*day, *second_day, ',', where);
        outcome.out = format == Format::Text ? difference.heading + "\nZeitspanne: " + report::span_text(*day, *second_day) +
                                                   "\n" + report::working_days_text(*day, *second_day, where) + "\n"
                                             : written(difference, format, false);
        if (difference.stopped) return failure("Die Differenz lie\u00df sich nicht berechnen.", std::move(outcome));
        return outcome;
    }

    const PlaceNow now = place_now(environment.now_unix_seconds * 1000, *place.zone);
    const report::ClockTime now_time{now.hour(), now.minute(), now.second()};
    std::string first_fault;
    clsCalendar cal;
    cal.setErrorReporter([&first_fault](const std::string& text) {
        if (first_fault.empty()) first_fault = text;
    });
    cal.setDecimalSeparator(',');
    const int clock_seconds = now.second_of_day;
    cal.setClock([clock_seconds] { return std::chrono::seconds(clock_seconds); });
    cal.setLongitude(place.longitude_deg);
    cal.setLatitude(place.latitude_deg);
    cal.setZeitzone_Offset(place.zone_offset_hours);
    cal.setZeitzone(place.zone_name);
    cal.setRegion(region_request ? *region_request : place.region);
    // The place decides the days of communes only in its own region; in a
    // region asked for by hand it is no commune of that region's lists.
    if (!region_request || *region_request == place.region) {
        cal.setPlaceName(place.name);
        cal.setCommuneKey(place.commune_key);
    }
    const std::int64_t today_year = civil_date(now.day_number).year;
    if (yearly) {
        set_day(cal, day_number(year ? *year : today_year, 1, 1));
    } else {
        set_day(cal, day ? *day : now.day_number);
    }

    bool stopped = false;
    if (command == "tag") {
        const report::Report report = report::day_report(cal, *place.zone, place.heading, now_time);
        outcome.out = written(report, format, false);
        stopped = report.stopped;
    } else if (command == "kalender") {
        const report::Report report = report::other_calendars_report(cal, place.heading, now_time);
        outcome.out = written(report, format, false);
        stopped = report.stopped;
    } else if (command == "liste") {
        const report::Report report = *list == report::YearList::Holidays ? report::holiday_list(cal, categories)
                                                                           : report::year_list(cal, *list);
        outcome.out = written(report, format, true);
        stopped = report.stopped;
    } else if (command == "sonne") {
        const report::SunTable table = report::sun_table(cal, place.heading);
        outcome.out = format == Format::Csv    ? sun_table_csv(table)
                      : format == Format::Json ? sun_table_json(table)
                                               : sun_table_text(table);
        stopped = table.stopped;
    } else if (command == "ical") {
        const report::HolidayCalendar calendar = report::holiday_calendar(cal, categories);
        if (!calendar.error.empty()) return failure(calendar.error, std::move(outcome));
        const std::string document = report::ical_document(calendar, report::ical_stamp(environment.now_unix_seconds));
        if (!first_fault.empty()) return failure(first_fault, std::move(outcome));
        if (choices.output_option->count() == 0 || choices.output == "-") {
            outcome.out = document;
        } else {
            const std::string problem = environment.write_file
                                            ? environment.write_file(choices.output, document, choices.replace)
                                            : std::string("Schreiben ist hier nicht m\u00f6glich.");
            if (!problem.empty()) return failure(problem, std::move(outcome));
        }
    }
    if (stopped || !first_fault.empty()) {
        return failure(first_fault.empty() ? std::string("Der Bericht ist unvollst\u00e4ndig.") : first_fault,
                       std::move(outcome));
    }
    return outcome;
}

} // namespace vespera::cli

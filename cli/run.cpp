#include "cli/run.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "cli/command.h"
#include "cli/shared_options.h"
#include "cli/usage.h"

namespace vespera::cli {
namespace {

constexpr const char* kGeneralNotes =
    "Ohne --ort gilt Berlin. Ausgabe auf die Standardausgabe, Fehler auf die Standardfehlerausgabe.\n"
    "Beenden mit 0 (erfolgreich), 1 (Fehler bei der Ausf\u00fchrung) oder 2 (falscher Aufruf).\n";

void set_up_program(CLI::App& app) {
    app.description("Vespera auf der Kommandozeile: Kalender und Almanach f\u00fcr einen Ort.");
    app.footer(std::string(kGeneralNotes) +
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
    formatter->label("REQUIRED", "(Pflicht)"); // ASCII: CLI11 aligns the columns by bytes
    formatter->label("Needs", "braucht");
    formatter->label("Excludes", "nicht mit");
    formatter->column_width(26);
    app.get_help_ptr()->group("Optionen");
    app.get_version_ptr()->group("Optionen");
}

// A command's --help: its arguments, its own examples, the way to the shared options.
void set_up_command(CLI::App& sub, const CommandEntry& entry) {
    sub.group("Befehle");
    sub.get_help_ptr()->group("Optionen");
    sub.footer("Beispiele:\n" + std::string(entry.examples) +
               "\nOrt, Zeitzone, Region und Format (--ort, --koordinaten, --zone, --region, --format): "
               "vespera-cli --help");
}

// The one command a command line names, when exactly one of its words is a
// command's name; else none. A word that names no command elsewhere in the
// line cannot change how CLI11 reads the line, so this command alone reads
// it as all of them would.
const CommandEntry* only_named_command(const std::vector<std::string>& args) {
    const CommandEntry* named = nullptr;
    for (const std::string& arg : args) {
        for (const CommandEntry& entry : command_table()) {
            if (arg != entry.name) continue;
            if (named != nullptr) return nullptr;
            named = &entry;
        }
    }
    return named;
}

// Help, the version or a usage error: what a parse that stopped answers.
Outcome answer_to(const CLI::ParseError& error, const CLI::App& app) {
    if (dynamic_cast<const CLI::CallForHelp*>(&error) != nullptr) return {kSuccess, app.help(), {}};
    if (dynamic_cast<const CLI::CallForAllHelp*>(&error) != nullptr) {
        return {kSuccess, app.help("", CLI::AppFormatMode::All), {}};
    }
    if (dynamic_cast<const CLI::CallForVersion*>(&error) != nullptr) return {kSuccess, std::string(error.what()) + "\n", {}};
    return usage_error(usage_message(error, app));
}

// Parses with `entries` declared and runs the command chosen; nullopt when
// `lean` and the line is not one to carry out (help, version, a usage
// error): those words come from the program with every command declared.
std::optional<Outcome> parsed_and_run(std::span<const CommandEntry> entries, bool lean,
                                      const std::vector<std::string>& args, const Environment& environment) {
    CLI::App app{"", "vespera-cli"};
    set_up_program(app);
    SharedOptions shared;
    declare_shared_options(app, shared);
    std::vector<std::unique_ptr<Command>> commands;
    std::vector<const CLI::App*> subcommands;
    for (const CommandEntry& entry : entries) {
        CLI::App* sub = app.add_subcommand(std::string(entry.name), std::string(entry.help));
        set_up_command(*sub, entry);
        commands.push_back(entry.make());
        commands.back()->declare(*sub);
        subcommands.push_back(sub);
    }

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        if (lean) return std::nullopt;
        return answer_to(error, app);
    }
    const CLI::App* chosen = app.get_subcommands().front();
    std::size_t index = 0;
    while (subcommands[index] != chosen) ++index;
    const Command& command = *commands[index];

    const Invocation invocation = invocation_of(shared, environment);
    if (invocation.categories_chosen && !command.takes_categories()) {
        return usage_error("--kategorie gilt nur f\u00fcr liste feiertage und ical.");
    }
    return command.run(invocation);
}

} // namespace

Outcome run_cli(const std::vector<std::string>& args, const Environment& environment) {
    // Declaring every command's options costs more than a holiday list:
    // declare the one named when the line names one.
    if (const CommandEntry* named = only_named_command(args)) {
        if (std::optional<Outcome> outcome = parsed_and_run({named, 1}, true, args, environment)) return *outcome;
    }
    return run_cli_declaring_all(args, environment);
}

Outcome run_cli_declaring_all(const std::vector<std::string>& args, const Environment& environment) {
    return *parsed_and_run(command_table(), false, args, environment);
}

} // namespace vespera::cli

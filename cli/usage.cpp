#include "cli/usage.h"

#include <string_view>

#include "cli/command.h"
#include "cli/printable.h"
#include "cli/shared_options.h"

namespace vespera::cli {
namespace {

// A message repeats arguments as typed: escaped, it stays one line and
// cannot steer the terminal.
constexpr const char* kHelpHint = "Aufruf und Befehle: vespera-cli --help\n";

// What a needed option is for, after "A braucht B".
constexpr std::pair<std::string_view, std::string_view> kNeedsHints[] = {
    {"--zone", " mit einer Zeitzone wie Europe/Berlin"},
};

// CLI11 words its relations as "A excludes B" and "A requires B".
std::pair<std::string, std::string> relation_parts(const std::string& what, std::string_view verb) {
    const std::size_t at = what.find(verb);
    if (at == std::string::npos) return {what, ""};
    return {what.substr(0, at), what.substr(at + verb.size())};
}

std::string command_list() {
    std::string names;
    const auto table = command_table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == table.size() ? " oder " : ", ") + std::string(table[i].name);
    }
    return names;
}

} // namespace

std::string usage_message(const CLI::ParseError& error, const CLI::App& app) {
    const std::vector<std::string> rest = app.remaining();
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty()) {
        if (!rest.empty() && !rest.front().starts_with("-")) return "Unbekannter Befehl " + in_quotes(rest.front()) + ".";
        if (!rest.empty()) return "Unbekannte Option " + in_quotes(rest.front()) + ".";
        if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
            return "Kein Befehl angegeben (" + command_list() + ").";
        }
    }
    // An unknown option comes first: CLI11 checks the values before the
    // leftovers, and a value may only be wrong because an option was.
    const bool unknown_option = !rest.empty() && rest.front().starts_with("-") && rest.front().size() > 1 &&
                                !(rest.front()[1] >= '0' && rest.front()[1] <= '9');
    if (unknown_option) return "Unbekannte Option " + in_quotes(rest.front()) + ".";
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && !rest.empty()) {
        return "Unerwartetes Argument " + in_quotes(rest.front()) + ".";
    }
    const std::string what = error.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return "Der Option " + in_quotes(what.substr(0, what.find(':'))) + " fehlt ihr Wert.";
    }
    // Our rules word their refusal themselves, after CLI11's "NAME: ".
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
        const std::size_t colon = what.find(": ");
        return colon == std::string::npos ? what : what.substr(colon + 2);
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        const auto [first, second] = relation_parts(what, " excludes ");
        return first + " und " + second + " schlie\u00dfen einander aus.";
    }
    if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
        const auto [first, second] = relation_parts(what, " requires ");
        std::string hint;
        for (const auto& [option, text] : kNeedsHints) {
            if (option == second) hint = text;
        }
        return first + " braucht " + second + hint + ".";
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr && !chosen.empty()) {
        for (const CommandEntry& entry : command_table()) {
            if (entry.name == chosen.front()->get_name() && !entry.missing.empty()) return std::string(entry.missing);
        }
    }
    return "Ung\u00fcltiger Aufruf.";
}

Outcome usage_error(std::string message) {
    Outcome outcome;
    outcome.exit_code = kUsageError;
    outcome.err = "vespera-cli: " + printable(message) + "\n" + kHelpHint;
    return outcome;
}

Outcome failure(std::string message, Outcome outcome) {
    outcome.exit_code = kFailure;
    outcome.err += "vespera-cli: " + printable(message) + "\n";
    return outcome;
}

} // namespace vespera::cli

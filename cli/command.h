// One command of vespera-cli: its own arguments and rules, declared to
// CLI11 so that its --help shows them, and what it does once the command
// line has passed them.
#pragma once

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/formats.h"
#include "cli/place_choice.h"
#include "cli/run.h"
#include "own_dates/occurrences.h"
#include "report/holiday_categories.h"

namespace vespera::cli {

// The options every command shares, checked already.
struct Invocation {
    Format format = Format::Text;
    PlaceRequest place;
    std::optional<std::string> region;   // upper case; empty for "keine"
    report::CategorySet categories = report::kStatutoryDays;
    bool categories_chosen = false;      // --kategorie was given
    std::optional<std::string> school_holidays_file; // --ferien
    std::optional<std::string> own_dates_file;       // --termine
    own_dates::LeapDayRule leap_day = own_dates::LeapDayRule::february_28; // --schalttag
    const Environment* environment = nullptr;
};

class Command {
public:
    virtual ~Command() = default;
    // Positionals and options of its own, each with its CLI11 rule.
    virtual void declare(CLI::App& command) = 0;
    // Whether --kategorie applies to the arguments given.
    virtual bool takes_categories() const { return false; }
    virtual Outcome run(const Invocation& invocation) const = 0;
};

struct CommandEntry {
    std::string_view name;
    std::string_view help;     // one line in the list of commands
    std::string_view examples; // the footer of its --help, one call a line
    std::string_view missing;  // the message when a required argument is missing
    std::unique_ptr<Command> (*make)();
};

// Every command, in the order --help lists them.
std::span<const CommandEntry> command_table();

std::unique_ptr<Command> make_day_command();
std::unique_ptr<Command> make_calendars_command();
std::unique_ptr<Command> make_planets_command();
std::unique_ptr<Command> make_list_command();
std::unique_ptr<Command> make_sun_command();
std::unique_ptr<Command> make_difference_command();
std::unique_ptr<Command> make_ical_command();

} // namespace vespera::cli

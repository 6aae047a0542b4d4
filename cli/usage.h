// The German words for a wrong command line (exit 2) and a failed command
// (exit 1), whatever CLI11 or a command found.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include "cli/run.h"

namespace vespera::cli {

// The one-line message of a refused command line; `app` after the parse.
std::string usage_message(const CLI::ParseError& error, const CLI::App& app);

Outcome usage_error(std::string message);
// Keeps what `outcome` holds already (a report written before the fault).
Outcome failure(std::string message, Outcome outcome = {});

} // namespace vespera::cli

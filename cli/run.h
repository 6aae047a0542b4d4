// vespera-cli without its process: the arguments in, the exit code and the
// text for standard output and standard error out. main() and the tests call
// it the same way; the fuzz target as well.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/place_choice.h"

namespace vespera::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;    // the command could not be carried out
inline constexpr int kUsageError = 2; // the command line is wrong

struct Environment {
    std::int64_t now_unix_seconds = 0; // the present instant (UTC)
    GazetteerSource gazetteer;          // asked only when a name is not a built-in city
    // Writes `ical -o DATEI`: empty on success, else the German reason.
    std::function<std::string(const std::string& path, std::string_view content, bool replace)> write_file;
    // The window's settings folder, where it keeps imported school holidays;
    // empty: none is read.
    std::string settings_folder;
};

struct Outcome {
    int exit_code = kSuccess;
    std::string out;
    std::string err;
};

// `args` without the program's name.
Outcome run_cli(const std::vector<std::string>& args, const Environment& environment);
// The same answer with every command declared, as run_cli gives it for a
// line that names no command or more than one; tests compare the two.
Outcome run_cli_declaring_all(const std::vector<std::string>& args, const Environment& environment);

} // namespace vespera::cli

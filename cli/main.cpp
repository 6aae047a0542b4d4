// vespera-cli: the process around run_cli. A reader that stops early (| head)
// ends the output quietly; other write errors are failures.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string_view>
#include <unistd.h>

#include "cli/file_output.h"
#include "cli/run.h"
#include "cli/school_holiday_files.h"
#include "places/gazetteer.h"

namespace {

// False when the reader has gone (EPIPE); other errors leave `error` set.
bool write_all(int fd, std::string_view text, int& error) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // A closed pipe shows as EPIPE from write() instead of killing the process.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);

    vespera::cli::Environment environment;
    environment.now_unix_seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    environment.gazetteer = [](std::string& error) -> std::shared_ptr<const vespera::Gazetteer> {
        vespera::GazetteerLoad load = vespera::load_gazetteer();
        if (!load.gazetteer) {
            error = load.error;
            return nullptr;
        }
        return std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer));
    };
    environment.settings_folder = vespera::cli::window_settings_folder(
        std::getenv("VESPERA_CONFIG_DIR"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    environment.write_file = [](const std::string& path, std::string_view content, bool replace) {
        return vespera::cli::write_new_file(path, content, replace);
    };

    const vespera::cli::Outcome outcome = vespera::cli::run_cli(args, environment);
    int error = 0;
    int exit_code = outcome.exit_code;
    if (!write_all(STDOUT_FILENO, outcome.out, error) && error != EPIPE) {
        write_all(STDERR_FILENO, "vespera-cli: Die Ausgabe lie\u00df sich nicht schreiben.\n", error);
        return vespera::cli::kFailure;
    }
    write_all(STDERR_FILENO, outcome.err, error);
    return exit_code;
}

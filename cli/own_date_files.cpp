#include "cli/own_date_files.h"

#include <filesystem>
#include <system_error>

#include "cli/printable.h"
#include "cli/shared_options.h"
#include "own_dates/store.h"

namespace vespera::cli {

LoadedOwnDates load_own_dates(const Invocation& invocation, const Zone& zone) {
    LoadedOwnDates result;
    const bool given = invocation.own_dates_file.has_value();
    std::filesystem::path path;
    if (given) {
        path = *invocation.own_dates_file;
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            result.error = "Die Termindatei " + in_quotes(printable(path.string())) +
                           (std::filesystem::exists(path, error) ? " ist keine gew\u00f6hnliche Datei."
                                                                 : " gibt es nicht.");
            return result;
        }
    } else if (!invocation.environment->settings_folder.empty()) {
        path = std::filesystem::path(invocation.environment->settings_folder) / own_dates::kStoreFileName;
    }
    if (path.empty()) {
        result.dates.emplace();
        return result;
    }
    // No writer: the command line never changes the file.
    const own_dates::OwnDateStore store(path, own_dates::StoreFiles{{}, {}});
    if (store.read_only()) {
        if (given && store.dates().empty()) {
            result.error = printable(store.problem());
            return result;
        }
        result.note = "vespera-cli: " + printable(store.problem()) + " Gezeigt wird, was sich lesen lie\u00df.\n";
    }
    result.dates.emplace(store.dates(), store.timezones(), zone, invocation.leap_day);
    return result;
}

} // namespace vespera::cli

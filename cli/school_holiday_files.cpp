#include "cli/school_holiday_files.h"

#include <algorithm>

#include "base/data_files.h"
#include "cli/printable.h"
#include "cli/shared_options.h"
#include "ephemeris/calendar.h"
#include "holidays/ical_import.h"

namespace vespera::cli {
namespace {

std::string read_problem(FileReadStatus status) {
    switch (status) {
    case FileReadStatus::missing: return "es gibt sie nicht";
    case FileReadStatus::not_regular: return "sie ist keine gew\u00f6hnliche Datei";
    case FileReadStatus::too_large: return "sie ist gr\u00f6\u00dfer als 2 MB";
    case FileReadStatus::unreadable: return "keine Leseberechtigung";
    case FileReadStatus::read: break;
    }
    return {};
}

} // namespace

ImportedSchoolHolidays imported_school_holidays(const Invocation& invocation, std::string_view region,
                                                const Zone& zone, std::int64_t today, std::int64_t asked_day) {
    ImportedSchoolHolidays result;
    IcsImportFrame frame{import_days_around(today), [&zone](double jd_ut) { return zone.local_jd(jd_ut); }};
    const std::int64_t asked_year = civil_date(asked_day).year;
    frame.expanded.first_day = std::min(frame.expanded.first_day, day_number(asked_year, 1, 1));
    frame.expanded.last_day = std::max(frame.expanded.last_day, day_number(asked_year, 12, 31));

    if (invocation.school_holidays_file) {
        const std::string& path = *invocation.school_holidays_file;
        const FileRead file = read_regular_file_checked(path, kMaxIcsBytes);
        if (file.status != FileReadStatus::read) {
            result.error = "Die Ferientermine aus " + in_quotes(path) + " lassen sich nicht lesen: " +
                           read_problem(file.status) + ".";
            return result;
        }
        IcsImport read = import_school_holidays_ics(file.content, frame);
        if (!read.ok) {
            result.error = "Aus " + in_quotes(path) + " lassen sich keine Ferientermine lesen: " + read.message;
            return result;
        }
        result.periods = std::move(read.periods);
        return result;
    }

    const std::string& folder = invocation.environment->settings_folder;
    if (folder.empty() || !region.starts_with("DE-")) return result;
    const std::string stored = folder + "/" + imported_school_holidays_path(region);
    const FileRead file = read_regular_file_checked(stored, kMaxIcsBytes);
    if (file.status == FileReadStatus::missing) return result;
    IcsImport read = file.status == FileReadStatus::read ? import_school_holidays_ics(file.content, frame) : IcsImport{};
    if (!read.ok) {
        // As in the window: the shipped dates stand, and the run goes on.
        std::string why = file.status == FileReadStatus::read ? read.message : read_problem(file.status);
        if (why.ends_with('.')) why.pop_back();
        result.note = "vespera-cli: Die importierten Ferientermine in " + printable(stored) +
                      " lie\u00dfen sich nicht lesen (" + printable(why) + "); es gelten die mitgelieferten.\n";
        return result;
    }
    result.periods = std::move(read.periods);
    return result;
}

std::string window_settings_folder(const char* config_dir, const char* xdg_config_home, const char* home) {
    const auto given = [](const char* value) { return value != nullptr && *value != '\0'; };
    std::string root;
    if (given(config_dir)) {
        root = config_dir;
    } else if (given(xdg_config_home) && *xdg_config_home == '/') {
        root = xdg_config_home;
    } else if (given(home)) {
        root = std::string(home) + "/.config";
    } else {
        return {};
    }
    return root + "/VesperaApp";
}

} // namespace vespera::cli

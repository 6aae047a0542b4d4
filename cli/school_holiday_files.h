// The school holidays a command imports: the file of --ferien for this run,
// else the one the window keeps for the region in its settings folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "holidays/school_holidays.h"
#include "zones/zone.h"

namespace vespera::cli {

struct ImportedSchoolHolidays {
    std::vector<SchoolHolidayPeriod> periods;
    std::string note;  // for standard error: the window's file could not be read
    std::string error; // German: the file of --ferien could not be read
};

// `today` and the day asked for (its whole year) bound the expansion of
// recurring events.
ImportedSchoolHolidays imported_school_holidays(const Invocation& invocation, std::string_view region,
                                                const Zone& zone, std::int64_t today, std::int64_t asked_day);

// The folder Qt's settings of the window use on this system (no Qt here):
// $VESPERA_CONFIG_DIR, else $XDG_CONFIG_HOME, else ~/.config, then the
// application's folder. Empty when none of them is set.
std::string window_settings_folder(const char* config_dir, const char* xdg_config_home, const char* home);

} // namespace vespera::cli

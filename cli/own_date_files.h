// The own dates the command line shows: those of --termine's file, else the
// window's termine.ics in the settings folder. Only read, never written.
#pragma once

#include <optional>
#include <string>

#include "cli/command.h"
#include "report/own_date_rows.h"
#include "zones/zone.h"

namespace vespera::cli {

struct LoadedOwnDates {
    std::optional<report::OwnDateCalendar> dates; // none when the run fails
    std::string error; // German: --termine's file cannot be read
    std::string note;  // for standard error: the window's file is damaged; what could be read is shown
};

LoadedOwnDates load_own_dates(const Invocation& invocation, const Zone& zone);

} // namespace vespera::cli

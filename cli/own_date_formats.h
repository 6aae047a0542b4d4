// The year's own dates as CSV and JSON, with the fields datum, bis,
// uhrzeit, titel, art, alter and bezeichnung.
#pragma once

#include <string>
#include <vector>

#include "report/own_date_rows.h"

namespace vespera::cli {

std::string own_dates_csv(const std::vector<report::OwnDateEntry>& entries);
std::string own_dates_json(const std::vector<report::OwnDateEntry>& entries);

} // namespace vespera::cli

// The planets of a day and the year's sky events as CSV (a header row, LF
// line ends) and JSON (an array of objects), with the columns scripts read.
#pragma once

#include <string>

#include "report/planet_rows.h"
#include "report/sky_event_list.h"

namespace vespera::cli {

// planet, aufgang, kulmination, untergang, helligkeit, elongation_grad,
// sternbild, sichtbarkeit; times "HH:MM" local, empty (JSON null) where the
// event does not happen.
std::string planet_csv(const report::PlanetTable& table);
std::string planet_json(const report::PlanetTable& table);

// datum, zeit_lokal, zeit_utc, koerper, ereignis, beschreibung, zahl, einheit.
std::string sky_events_csv(const report::SkyEventTable& table);
std::string sky_events_json(const report::SkyEventTable& table);

} // namespace vespera::cli

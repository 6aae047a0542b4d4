// The planets of the engine's day at its place: the day report's "Planeten"
// section, and the same as a table for the command line.
#pragma once

#include <string>
#include <vector>

#include "engine/clsCalendar.h"
#include "report/report.h"
#include "report/row_writer.h"

namespace vespera::report {

// One planet's day as the columns of `planeten`: times "HH:MM" on the
// place's clock, empty where the event does not happen that day.
struct PlanetLine {
    std::string planet; // "Merkur"
    std::string rise, culmination, set;
    double magnitude = 0.0;
    double elongation_deg = 0.0;
    std::string constellation; // German name
    std::string visibility;    // "am Abendhimmel bis 18:40 Uhr"
};

struct PlanetTable {
    Report report; // heading, then one row per planet as the day report has them
    std::vector<PlanetLine> lines;
};

// The heading "Planeten", then "Merkur" … "Neptun". False when an engine call failed.
[[nodiscard]] bool add_planet_rows(RowWriter& rows, clsCalendar& cal, const Zone& zone);

PlanetTable planet_table(clsCalendar& cal, const Zone& zone, std::string_view place);

} // namespace vespera::report

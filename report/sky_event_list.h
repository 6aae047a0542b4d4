// The year's sky events at the engine's place: a list for the window and
// print, and the same as a table for the command line.
#pragma once

#include <string>
#include <vector>

#include "engine/clsCalendar.h"
#include "report/report.h"

namespace vespera::report {

// One event as the columns of `liste himmelsereignisse`.
struct SkyEventLine {
    std::string zeit_utc;   // "2025-01-16T02:39:00Z"
    std::string zeit_lokal; // "2025-01-16T03:39:00+01:00"
    std::string koerper;    // "Mars"; the Earth for a meteor shower
    std::string ereignis;   // "opposition"
    std::string text;       // what the list says, without the times
    std::string zahl;       // the event's value with '.', empty when it has none
    std::string einheit;    // "°", "km", "AE"
};

struct SkyEventTable {
    Report report;
    std::vector<SkyEventLine> lines;
};

SkyEventTable sky_event_table(clsCalendar& cal, const Zone& zone);

// What the list says of one event, without its times: "Mars in Opposition
// zur Sonne", "Venus in größter östlicher Elongation, 47,2° (Abendhimmel)".
std::string sky_event_text(const SkyEvent& event, const Zone& zone, char separator);

} // namespace vespera::report

// Solar and lunar eclipses as report rows: the day report's blocks, shown on
// the local date of the eclipse only, and the year's list with how the place
// sees each eclipse. Every instant is read on the place's clock at its own
// moment.
#pragma once

#include <string>

#include "engine/clsCalendar.h"
#include "sky/eclipses.h"
#include "zones/zone.h"
#include "report/row_writer.h"

namespace vespera::report {

// The "Sonnenfinsternis" and "Mondfinsternis" blocks of the engine's day, when
// it is the local date of an eclipse. False when an engine call failed.
[[nodiscard]] bool add_eclipse_rows(RowWriter& rows, clsCalendar& cal, const Zone& zone);

// "totale Sonnenfinsternis, am Ort partiell (62,0 % der Fläche)": one line of
// the year's list; the share of the Sun's area is what the press quotes.
std::string solar_eclipse_summary(const SolarEclipseDay& eclipse, char separator);
// The share of the Sun's area in a summary, as a number; nothing where the
// summary has none.
TypedValue solar_eclipse_value(const SolarEclipseDay& eclipse);
std::string lunar_eclipse_summary(const LunarEclipseDay& eclipse, char separator);

} // namespace vespera::report

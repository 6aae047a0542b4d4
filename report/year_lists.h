// The lists of the engine's year: named days, full moons, new moons, seasons
// with the clock changes, and solar eclipses. Building a list leaves the
// engine on the day it was on.
#pragma once

#include "engine/clsCalendar.h"
#include "zones/zone.h"
#include "report/report.h"

namespace vespera::report {

enum class YearList { Holidays, FullMoons, NewMoons, Seasons, Eclipses };

// Every list holds only days of its own year, each row with its ISO date
// (the seasons' durations excepted). `zone` is the place's clock, which the
// eclipse contacts are read on.
Report year_list(clsCalendar& cal, YearList list);

} // namespace vespera::report

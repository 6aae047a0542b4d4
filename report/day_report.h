// The day report and the other-calendars report of the engine's date.
#pragma once

#include <string>
#include <string_view>

#include "engine/clsCalendar.h"
#include "engine/zone.h"
#include "report/report.h"

namespace vespera::report {

// "3. Mai 2024", or "3. März 44 v.C." with the era: the engine's date.
std::string date_heading(clsCalendar& cal, bool with_era);

// Julian day, day and week of the year, season, zodiac, Sun and Moon, and a
// solar or lunar eclipse whose local date is the day, at `time` on the
// place's clock.
// `place` (place_heading) follows the date in the heading.
Report day_report(clsCalendar& cal, const Zone& zone, std::string_view place, ClockTime time);

// The engine's day in thirteen calendars and counts; the Unix time counts
// `time` as well.
Report other_calendars_report(clsCalendar& cal, std::string_view place, ClockTime time);

} // namespace vespera::report

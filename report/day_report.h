// The day report and the other-calendars report of the engine's date.
#pragma once

#include <string>
#include <string_view>

#include "engine/clsCalendar.h"
#include "zones/zone.h"
#include "report/report.h"

namespace vespera::report {

// The engine's time of day for a report.
void set_time(clsCalendar& cal, ClockTime time);

// "3. Mai 2024", or with the era "3. März 45 v. Chr. (astronomisches Jahr -44)": the engine's date.
std::string date_heading(clsCalendar& cal, bool with_era);

// The "Mondphase" row's value: the Moon's lit share at the engine's time of
// day, or for the live display at the clock's (`clock_minute_of_day`, as
// the window's clock shows it), which it names; led on the day of a full or
// new moon by its time: "Vollmond um 23:27 Uhr; 99,1 %, zunehmend (um 14:05 Uhr)".
std::string moon_phase_value(clsCalendar& cal, bool from_clock, std::int32_t clock_minute_of_day);

// The "Sonnenhöhe" row's value for the engine's last Sonne_Position: "6,77° (Tag)".
std::string sun_altitude_value(clsCalendar& cal);

// The "Mond" row's value: the Moon's rise and set on the engine's day in the
// order they happen, "Untergang 00:16 Uhr, Aufgang 15:45 Uhr"; "----" (the
// engine's "none") becomes "kein Aufgang" or "kein Untergang"; a Moon up
// ("****") or down ("....") all day is said in words.
std::string moon_events_text(const std::string& rise, const std::string& set);

// Julian day, day and week of the year, season, zodiac, Sun and Moon, and a
// solar or lunar eclipse whose local date is the day, at `time` on the
// place's clock.
// `place` (place_heading) follows the date in the heading.
Report day_report(clsCalendar& cal, const Zone& zone, std::string_view place, ClockTime time);

// The engine's day in the other calendars and counts (other_calendars.cpp),
// each row with its date as numbers; the Unix time counts `time` as well.
Report other_calendars_report(clsCalendar& cal, std::string_view place, ClockTime time);

} // namespace vespera::report

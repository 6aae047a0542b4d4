// One month as a grid model: the weekday of its first day and, for every
// day, its named days and moon marks. The window's month view draws it; a
// printed month can draw the same.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/clsCalendar.h"
#include "report/holiday_categories.h"
#include "report/sky_samples.h"
#include "zones/zone.h"

namespace vespera::report {

enum class MoonPhase { None, New, FirstQuarter, Full, LastQuarter };

// "Neumond", "Erstes Viertel", "Vollmond", "Letztes Viertel"; empty for None.
std::string moon_phase_name(MoonPhase phase);

// The ISO 8601 week (Monday first; week 1 holds the year's first Thursday).
int iso_week(std::int64_t day_number);

struct MonthGridDay {
    std::int32_t day_number = 0;
    std::vector<std::string> named_days; // in the holiday table's order
    // Each named day with what it is in the region, for a tooltip:
    // "Fronleichnam – gesetzlicher Feiertag in Bayern".
    std::vector<std::string> named_day_texts;
    // The other calendars' festivals of the categories shown, for the
    // tooltip: "Pessach – jüdisches Fest, beginnt am Vorabend".
    std::vector<std::string> festival_texts;
    bool sunday = false;
    bool statutory = false; // a statutory holiday of the region (or of the place) falls on it
    bool regional = false;  // one statutory in part of the region only
    std::string school_holiday; // the name of the school holidays it lies in; empty when none
    bool full_moon = false;
    bool blue_moon = false;
    bool new_moon = false;
    bool solar_eclipse = false; // the local date of a solar eclipse (seen here or not)
    bool lunar_eclipse = false;
    bool opposition = false;    // a planet in opposition to the Sun on this local date
    // The day's eclipses and sky events for a tooltip, as the year's lists
    // word them: "Totale Mondfinsternis, am Ort teilweise sichtbar",
    // "03:38 Uhr: Mars in Opposition zur Sonne".
    std::vector<std::string> sky_texts;
    std::vector<std::string> own_dates; // the user's own, as the day report names them
    std::string own_date_short;         // the first of them as a cell has room for: "Anna (40)"
    std::string moon_time; // "um 23:27 Uhr" on a day with a phase, else empty
    // The phase whose instant falls on this day; the lit part is the Moon's
    // at local noon, so the disc shows the day rather than the instant.
    MoonPhase moon_phase = MoonPhase::None;
    double moon_lit_fraction = 0.0; // 0..1
    bool moon_waxing = false;
};

struct MonthGrid {
    std::int32_t month = 0;
    std::int64_t year = 0;
    std::string month_name;
    int first_weekday = 0; // 0 = Monday
    std::array<std::string, 7> weekday_names;
    std::vector<MonthGridDay> days; // day 1 first; as many as the month has
    std::array<int, 6> iso_weeks{};  // the ISO week of each of the grid's six rows
};

// One of the year's sky events on its local date, worded for a tooltip.
struct SkyEventDay {
    std::int64_t day_number = 0;
    std::string text;
    bool opposition = false;
};

// What the month marks of its year's sky: the eclipses at the place and the
// sky events on the place's clock.
struct YearSky {
    YearEclipses eclipses;
    std::vector<SkyEventDay> events; // in time order
};

// The engine's year's sky events on the zone's clock; none beyond the
// planets' series.
std::vector<SkyEventDay> sky_event_days(clsCalendar& cal, const Zone& zone);

// The engine's month; the engine's day is put back afterwards. The other
// calendars' festivals only of the categories in `shown` (none by default).
// Without a year's sky at hand it marks the eclipses only.
MonthGrid month_grid(clsCalendar& cal, CategorySet shown = 0);
MonthGrid month_grid(clsCalendar& cal, const YearSky& sky, CategorySet shown = 0);

// A year's sky at one place, kept until year or place change: eclipses with
// their local circumstances and the year's sky events take longer than the
// rest of a month together. The events are geocentric: a new place on the
// same clock keeps them.
class YearSkyDays {
public:
    const YearSky& of(clsCalendar& cal, const Zone& zone);

private:
    bool eclipses_valid_ = false;
    bool events_valid_ = false;
    PlaceYear eclipses_key_;
    PlaceYear events_key_;
    char separator_ = ',';
    YearSky sky_;
};

} // namespace vespera::report

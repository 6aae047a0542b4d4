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

// The engine's month; the engine's day is put back afterwards. The other
// calendars' festivals only of the categories in `shown` (none by default).
MonthGrid month_grid(clsCalendar& cal, CategorySet shown = 0);
// The same with the engine's year's eclipses at hand (YearEclipseDays).
MonthGrid month_grid(clsCalendar& cal, const YearEclipses& eclipses, CategorySet shown = 0);

// A year's eclipses at one place, kept until year or place change: their
// local circumstances take longer than the rest of a month together.
class YearEclipseDays {
public:
    const YearEclipses& of(clsCalendar& cal);

private:
    bool valid_ = false;
    PlaceYear key_;
    YearEclipses eclipses_;
};

} // namespace vespera::report

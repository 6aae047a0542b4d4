// The year's sunrise table for the wall: one row per day with the Sun's and
// the Moon's times at the place and the Moon's phase.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/clsCalendar.h"
#include "report/typed_value.h"

namespace vespera::report {

// Times are "07:12" on the place's clock; a day without the event keeps the
// engine's marks: "****" the body stays up all day, "...." it stays down,
// "----" it rises (or sets) but does not set (or rise) that day.
struct SunTableDay {
    std::int32_t day_number = 0;
    std::string date;     // "1.1.2025"
    std::string iso_date; // "2025-01-01"
    std::string weekday;  // "Mi"
    std::string sunrise;
    std::string sunset;
    std::string day_length; // "08:01"
    std::string dawn;       // civil twilight begins
    std::string dusk;       // civil twilight ends
    std::string moonrise;
    std::string moonset;
    // "Vollmond um 23:27 Uhr" on the day of a full or new moon, else the lit
    // fraction at local noon (kSunTablePhaseHour): "37,4 %, zunehmend".
    std::string moon_phase;
    // The same as values.
    Event sunrise_at;
    Event sunset_at;
    Event dawn_at;
    Event dusk_at;
    Event moonrise_at;
    Event moonset_at;
    std::int32_t day_length_minutes = 0;
    std::optional<double> lit_percent; // where moon_phase gives the lit share
};

// The lit fraction of a day is read at local noon; the phase column's
// heading says so, as the day report names its own instant.
inline constexpr int kSunTablePhaseHour = 12;
inline constexpr const char* kSunTablePhaseHeading = "Mondphase (Anteil um 12:00 Uhr)";

struct SunTable {
    std::string heading; // "Sonne und Mond 2025 · Berlin"
    std::int64_t year = 0;
    std::vector<SunTableDay> days;
    // The marks the days use, in words, one line each:
    // "****  Aufgang, Untergang: Polartag – die Sonne geht nicht unter".
    std::vector<std::string> legend;
    bool stopped = false; // an engine call failed: the days end there
};

// The engine's year, every day of it; the engine is left on the day it was on.
SunTable sun_table(clsCalendar& cal, std::string_view place);

} // namespace vespera::report

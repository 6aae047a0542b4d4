// The solar eclipse of the new moon nearest a date, as seen from the
// engine's place, with its contacts on the place's clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/clsCalendar.h"
#include "engine/zone.h"

namespace vespera::report {

struct SolarEclipseAtPlace {
    std::int32_t day_number = 0; // the new moon's local day
    // The Moon passes close enough to its node for an eclipse somewhere for
    // certain; otherwise one is only possible and may not happen at all.
    bool certain = false;
    bool visible = false;        // false: the place lies outside the Moon's shadow
    std::string begin;           // "11:08 Uhr", only when visible
    std::string end;
    std::string coverage;        // "43,2 %"
};

// nullopt when that new moon eclipses the Sun nowhere.
std::optional<SolarEclipseAtPlace> solar_eclipse_near(const clsCalendar& cal, const Zone& zone, std::int32_t day,
                                                      std::int32_t month, std::int64_t year);

// "8.4.2024": the day number as the engine writes a date.
std::string date_text(std::int64_t day_number);

} // namespace vespera::report

// Puts the engine back on the day it was on when a report walked through
// the year's table. Writing back the day number instead would move the
// grid's 29 February of year 7 (a day the early Julian months have, the day
// numbers not) to 1 March.
#pragma once

#include <cstdint>

#include "engine/clsCalendar.h"

namespace vespera::report {

class RestoreDay {
public:
    explicit RestoreDay(clsCalendar& cal) : cal_(cal), day_(cal.Tag()), month_(cal.Monat()), year_(cal.Jahr()) {}
    ~RestoreDay() {
        if (cal_.Jahr() != year_) cal_.setJahr(year_);
        cal_.setMonat(month_);
        cal_.setTag(day_);
    }
    RestoreDay(const RestoreDay&) = delete;
    RestoreDay& operator=(const RestoreDay&) = delete;

private:
    clsCalendar& cal_;
    std::int32_t day_, month_, year_;
};

} // namespace vespera::report

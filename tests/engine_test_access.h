// The tests' one door into clsCalendar's private helpers (a friend of the class).
#pragma once

#include <string>

#include "engine/clsCalendar.h"

struct EngineTestAccess {
    static std::string hrsmin(const clsCalendar& cal, double hours, bool clock) { return cal.hrsmin(hours, clock); }
    static void set_sun_altitude(clsCalendar& cal, double altitude_deg) { cal.f_.sun_altitude_deg = altitude_deg; }
    // The altitude as KulminationHoehe_Sonne shows it.
    static double culmination_altitude(clsCalendar& cal) {
        (void)cal.KulminationHoehe_Sonne();
        return cal.f_.culmination_altitude_deg;
    }
    // Copies of the whole state, for before/after comparisons.
    static auto fields(const clsCalendar& cal) { return cal.f_; }
    static auto tables(const clsCalendar& cal) { return cal.tables_; }
};

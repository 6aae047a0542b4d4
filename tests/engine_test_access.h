// The tests' one door into clsCalendar's private helpers (a friend of the class).
#pragma once

#include <string>

#include "engine/clsCalendar.h"

struct EngineTestAccess {
    static std::string hrsmin(const clsCalendar& cal, double hours, bool clock) { return cal.hrsmin(hours, clock); }
    static auto quad(double ym, double yz, double yp) { return clsCalendar::quad(ym, yz, yp); }
    static double mjd(int year, int month, int day) { return clsCalendar::mjd(year, month, day); }
    static double lmst(double mjd_ut, double longitude_deg) { return clsCalendar::lmst(mjd_ut, longitude_deg); }
    static double range(double x) { return clsCalendar::range(x); }
    static double range360(double x) { return clsCalendar::range360(x); }
    static auto minimoon(double t) { return clsCalendar::minimoon(t); }
    static auto minisun(double t) { return clsCalendar::minisun(t); }
    static void set_sun_altitude(clsCalendar& cal, double altitude_deg) { cal.f_.sun_altitude_deg = altitude_deg; }
    // The altitude as KulminationHoehe_Sonne shows it.
    static double culmination_altitude(clsCalendar& cal) {
        (void)cal.KulminationHoehe_Sonne();
        return cal.f_.culmination_altitude_deg;
    }
    static void use_sample_cache(clsCalendar& cal, bool on) { cal.sample_cache_enabled_ = on; }
    // Copies of the whole state, for before/after comparisons.
    static auto fields(const clsCalendar& cal) { return cal.f_; }
    static auto tables(const clsCalendar& cal) { return cal.tables_; }
};

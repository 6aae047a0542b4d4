// clsCalendar: the calendar engine of Vespera. One object holds a civil date,
// a time of day, a place and a time-zone offset, and answers with numbers and
// finished German texts. The window sets properties and shows the answers.
//
// Property Get X is X(), property Let X is setX(value). Every public member
// guards its body: a fault is reported once through the error reporter, the
// member returns its default and the engine's fields stay as they were.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/fault.h"
#include "calendars/calendar_years.h"
#include "holidays/festivals.h"
#include "holidays/holiday_year.h"
#include "holidays/region_school_holidays.h"
#include "sky/eclipses.h"
#include "sky/moon_quarters.h"
#include "sky/phases.h"
#include "sky/planet_day.h"
#include "sky/rise_set.h"
#include "sky/sky_events.h"
#include "sky/twilights.h"
#include "zones/local_day.h"
#include "zones/local_instant.h"
#include "zones/zone_choice.h"

class clsCalendar {
public:
    using Variant = std::variant<std::monostate, std::string, std::int32_t>;
    using Clock = std::function<std::chrono::seconds()>;
    using ErrorReporter = std::function<void(const std::string&)>;

    // Entries of the holiday table without a region; Feiertage_Anzahl() is
    // the highest index. A region adds its own days after these.
    static constexpr std::int32_t kHolidayCount = vespera::kDescribedDayCount;
    static constexpr int kPhaseCount = vespera::kPhaseCount;

    clsCalendar();

    // ---- engine services -------------------------------------------------
    void setDecimalSeparator(char separator);
    char DecimalSeparator() const { return decimal_separator_; }
    // Local time of day as seconds since midnight; default: the system clock.
    void setClock(Clock clock);
    void setErrorReporter(ErrorReporter reporter);
    // Faults reported so far: a caller that must stop at a fault compares
    // the count before and after its calls.
    std::uint64_t fault_count() const { return fault_count_; }

    // ---- date state and Julian day (date_core.cpp) -----------------------
    std::int32_t Tag() const { return f_.Tag; }
    void setTag(std::int32_t value);
    std::int32_t Monat() const { return f_.Monat; }
    void setMonat(std::int32_t value);
    std::int32_t Jahr() const { return f_.Jahr; }
    void setJahr(std::int32_t value);
    std::int32_t Kalender() const { return f_.Kalender; }
    void setKalender(std::int32_t value);
    double JD();
    void setJD(double value);
    bool Schaltjahr();
    std::int32_t MonatsTage(std::int32_t Index);
    std::string MonatsName(std::int32_t Index);
    Variant Wochentag(std::int32_t Format = 0);
    std::string Wochentag_Name(std::int32_t Index);

    void SetDatum(std::chrono::year_month_day m_Date);
    std::int32_t TagesZahl();
    void TagesZahl_Setzen(std::int32_t NeueTageszahl);
    std::int32_t Woche();
    std::string Format_Datum(std::int32_t FormatTyp = 0);
    double DatumsDifferenz(std::int32_t Datum1, std::int32_t Datum2, std::int32_t Einheit = 0,
                           bool Runden = false);

    // ---- other calendars (other_calendars.cpp) --------------------------
    std::string ConvertDate(std::int32_t Kal, std::int32_t Aera = 0);
    // ConvertDate(10)'s Unix time as a number.
    std::int64_t unix_time_seconds();

    // ---- holiday table (holidays.cpp) ------------------------------------
    void Feiertage_Einlesen();
    std::int32_t Feiertage_Anzahl();
    std::string Feiertag_NurName(std::int32_t Index);
    void Feiertag_Datum(std::int32_t Index);
    std::string Feiertag_Name(std::int32_t mjd);
    std::string FerienName(std::int32_t Index);
    std::string SpezialTag();
    std::string SpezialInfo();

    // ---- region (holidays.cpp) -------------------------------------------
    // ISO 3166-2 code whose holiday laws and school holidays apply ("DE-BY",
    // "AT", "CH-ZH"; see base/regions.h); empty: none, the described table
    // alone and no school holidays. Another code is refused as an invalid
    // call. Rebuilds the year's tables.
    void setRegion(const std::string& iso);
    std::string Region() const { return region_; }
    // The place's name and its official commune key (AGS, BFS, ISTAT number;
    // empty where unknown), for the days a law gives to communes (Mariä
    // Himmelfahrt in Bayern, the Augsburger Friedensfest). Without a key the
    // name is looked up in the law's list.
    void setPlaceName(const std::string& name);
    std::string PlaceName() const { return place_name_; }
    void setCommuneKey(const std::string& key);
    std::string CommuneKey() const { return commune_key_; }
    // School-holiday periods the user imported for the region: they take
    // precedence over the shipped dates within their span.
    void setImportedSchoolHolidays(std::vector<vespera::SchoolHolidayPeriod> periods);
    // Entry `Index` (0..Feiertage_Anzahl) with its category and statutory
    // status in the region; the named days of one day in table order.
    vespera::NamedDayEntry named_day(std::int32_t Index);
    std::vector<vespera::NamedDayEntry> named_days_on(std::int32_t mjd) const;
    // The region's school holidays (shipped or computed, and imported), or
    // nullptr with the reason in school_holiday_problem() (empty where the
    // region has none).
    const vespera::SchoolHolidayTable* school_holiday_table() const { return school_holidays_.table(); }
    const std::string& school_holiday_problem() const { return school_holidays_.problem(); }

    // ---- daylight-saving time (daylight_saving.cpp) ----------------------
    bool IstSommerzeit();
    bool IstSommerzeitDatum(std::int32_t mjd);
    bool IstWinterzeitDatum(std::int32_t mjd);
    std::string Sommerzeit_Datum();
    std::string Winterzeit_Datum();
    // The days of this year's clock changes; 0 when there is none.
    std::int32_t summer_time_start_day() const { return tables_.summer_time.start_day; }
    std::int32_t summer_time_end_day() const { return tables_.summer_time.end_day; }
    float Zeitzone_Offset() const { return f_.Zeitzone_Offset; }
    void setZeitzone_Offset(float value);
    // The tz database zone by IANA name ("Europe/Berlin"); empty: the fixed
    // Zeitzone_Offset with the German summer-time rules. Rebuilds the year's tables.
    void setZeitzone(const std::string& iana);
    // The same with the zone read already, so that its file is read once.
    void setZeitzone(const vespera::Zone& zone);
    std::string Zeitzone() const;
    // Whether summer time is in force at an instant (Julian Day, UT).
    bool IstSommerzeitUm(double jd_ut);

    // ---- place and time of day -------------------------------------------
    double Longitude() const { return f_.Longitude; }
    void setLongitude(double dLongitude);
    double Latitude() const { return f_.Latitude; }
    void setLatitude(double dLatitude);
    std::int32_t Stunde() const { return f_.Stunde; }
    void setStunde(std::int32_t lStunde);
    std::int32_t Minute() const { return f_.Minute; }
    void setMinute(std::int32_t lMinute);
    std::int32_t Sekunde() const { return f_.Sekunde; }
    void setSekunde(std::int32_t lSekunde);

    // ---- rise, set and twilight (rise_set.cpp) ---------------------------
    std::string AufgangSonne();
    std::string DaemmerungAnfang();
    std::string DaemmerungEnde();
    std::string UntergangSonne();
    std::string Tageslaenge();
    std::string Kulmination_Sonne();
    std::string AufgangMond();
    std::string UntergangMond();
    std::string KulminationHoehe_Sonne();
    std::string sunevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                         double longitude_deg, double latitude_deg, std::int16_t event_code);
    std::string moonevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                          double longitude_deg, double latitude_deg, std::int16_t event_code);
    double ZGL(double julian_day);

    // The events of the engine's day as values, as the texts above show them:
    // the local day, the clock's minute (rounded as "HH:MM Uhr" is) and the
    // clock's offset then. Event codes as sunevent's: 1 rise, -1 set, 2 and
    // -2 twilight, 11 the Sun's culmination.
    struct ClockEvent {
        enum class Status : std::uint8_t { Happens, AlwaysAbove, AlwaysBelow, NotThatDay };
        Status status = Status::NotThatDay;
        std::int32_t day_number = 0;
        std::int32_t minute_of_day = 0;
        double offset_hours = 0.0;
    };
    ClockEvent sun_event(std::int16_t event_code);
    ClockEvent moon_event(std::int16_t event_code);
    // Tageslaenge in whole minutes; KulminationHoehe_Sonne in degrees (after
    // a culmination search, as that member).
    std::int32_t day_length_minutes();
    double culmination_altitude_deg();

    // ---- lunar phases (phases.cpp) ---------------------------------------
    std::string MondPhase(bool from_clock);
    // The Moon's lit share in percent at the time MondPhase reads, and half
    // an hour later (which says whether it grows).
    struct MoonLight {
        double percent = 0.0;
        double percent_half_hour_later = 0.0;
    };
    MoonLight moon_light(bool from_clock);
    double Neumonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t index);
    bool IstVollmond(std::int32_t mjd);
    bool IstNeumond(std::int32_t mjd);
    bool IstBluemoon(std::int32_t mjd);
    std::string IstVollmond_Info(std::int32_t mjd);
    std::string IstNeumond_Info(std::int32_t mjd);
    std::string Vollmond_Datum(std::int32_t Index);
    std::string Neumond_Datum(std::int32_t Index);
    std::string Vollmond_Info(std::int32_t Index);
    std::string Neumond_Info(std::int32_t Index);
    // ---- eclipses on the engine's day and year (eclipse_days.cpp) ---------
    // At the engine's place, on its clock; see sky/eclipses.h.
    std::optional<vespera::SolarEclipseDay> solar_eclipse_of_day();
    std::optional<vespera::LunarEclipseDay> lunar_eclipse_of_day();
    vespera::YearEclipses eclipses_of_year();

    // The Chinese and Persian years and the other calendars' festivals that
    // meet the engine's year, computed on first use and kept until the year
    // changes (calendar_years.cpp): their new moons and equinoxes cost more
    // than a day's report.
    const vespera::AstronomicalCalendarYears& astronomical_years();
    const vespera::YearFestivals& festivals_of_year();

    // The year's phases as local day numbers (phases.cpp), for callers that
    // carry the date as data beside the text. A year's list holds the entries
    // whose day lies in the year.
    std::int32_t full_moon_day(std::int32_t Index);
    // The phase `Index` of Vollmond_Info / Neumond_Info as a value.
    ClockEvent phase_event(bool full_moon, std::int32_t Index);
    std::int32_t new_moon_day(std::int32_t Index);

    // ---- seasons and zodiac (seasons.cpp) --------------------------------
    void Jahreszeiten_Berechnen();
    std::string Jahreszeit();
    std::string Jahreszeit_Name(std::int32_t Index);
    std::string Jahreszeit_Datum(std::int32_t Index);
    std::string Jahreszeit_Laenge(std::int32_t Index);
    std::string Sternzeichen();
    // The local day on which season 51..54 begins.
    std::int32_t season_day(std::int32_t Index);
    // Jahreszeit_Datum and Jahreszeit_Laenge of season 51..54 as values.
    ClockEvent season_event(std::int32_t Index);
    std::int64_t season_length_minutes(std::int32_t Index);

    // ---- sun position and distance (sun_position.cpp) --------------------
    void Sonne_Position();
    // The altitude the last Sonne_Position found, and the part of the day it
    // falls in as Sonne_Hoehe names it: "Tag", "Dämmerung", "Nacht".
    double sun_altitude_deg() const { return f_.sun_altitude_deg; }
    static const char* sun_altitude_part(double altitude_deg);
    // The Sun's distance on the engine's day, which SonneEntfernung shows.
    double sun_distance_km() const;
    double Sonne_KulminationHoehe(double local_hour);
    std::string Sonne_Hoehe();
    std::string SonneEntfernung();

    // ---- radiation and temperature (radiation.cpp) -----------------------
    std::string GlobalStrahlung();
    std::string MittlereTemperatur();
    double SonneMaximumEnergie();
    void Sonnenstrahlung();
    bool IstSonnenfinsternis() const { return f_.IstSonnenfinsternis; }
    std::int32_t Saroszyklus() const { return f_.Saroszyklus; }

    // ---- moon distance (moon_distance.cpp) -------------------------------
    double MondEntfernung();

    // ---- the sky of the engine's day (sky.cpp) ---------------------------
    // The engine's local day as a span of universal time: 23 or 25 hours
    // across a clock change.
    struct DaySpan {
        double start_jd_ut = 0.0;
        double hours = 24.0;
    };
    DaySpan local_day_span();
    // The place's wall clock at an instant, as a local Julian Day (midnight
    // at .5), and back (a skipped or doubled hour as the zone reads it).
    double local_jd_at(double jd_ut);
    double jd_ut_of_local(double local_jd);
    // At the engine's place: the Sun's centre (geometric, no refraction) and
    // the Moon's centre as seen from the place itself (topocentric), degrees.
    double sun_altitude_deg_at(double jd_ut);
    double moon_altitude_deg_at(double jd_ut);
    // The Moon's lit fraction (0 new .. 1 full) and whether it is growing.
    double moon_lit_fraction_at(double jd_ut);
    bool moon_waxing_at(double jd_ut);
    // Hours of the Sun above the rise threshold on a local day, counted as
    // Tageslaenge counts them (rise_set.cpp).
    double day_length_hours(std::int32_t day_number);
    // First (quarter 1) and last (quarter 3) quarters whose instant falls on
    // a local day of the engine's month, in order.
    using QuarterDay = vespera::QuarterDay;
    std::vector<QuarterDay> moon_quarters_of_month();
    // Nautical and astronomical twilight, the golden and the blue hour of
    // the engine's local day at its place.
    vespera::Twilights twilights_of_day();
    // The planets of the engine's local day at its place.
    vespera::PlanetsOfDay planets_of_day();
    // The sky events from the local midnight that begins the engine's year
    // to the one that begins the next.
    vespera::SkyEventList sky_events_of_year();

private:
    // Every plain field of the engine. The member guard copies this struct
    // before a call and puts it back on a fault.
    struct Fields {
        std::int32_t Kalender = 0;
        std::int32_t Tag = 0;
        std::int32_t Monat = 0;
        std::int32_t Jahr = 0;
        std::int32_t JD = 0; // the day number of Tag/Monat/Jahr
        double Longitude = 0.0;
        double Latitude = 0.0;
        std::int32_t Stunde = 0;
        std::int32_t Minute = 0;
        std::int32_t Sekunde = 0;
        float Zeitzone_Offset = 0.0f;
        double sun_altitude_deg = 0.0;          // written by Sonne_Position
        double culmination_altitude_deg = 0.0;  // written by Sonne_KulminationHoehe
        // The culmination found by the last Kulmination_Sonne search; its
        // altitude (the full solar theory) is worked out only when it is read.
        bool culmination_pending = false;
        double culmination_jd_ut = 0.0;
        double culmination_longitude_deg = 0.0;
        double culmination_latitude_deg = 0.0;
        bool IstSonnenfinsternis = false;
        std::int32_t Saroszyklus = 0;
    };

    // Everything derived from the year: rebuilt together by Feiertage_Einlesen
    // into a fresh object and committed only when the whole rebuild succeeded.
    struct YearTables {
        std::int32_t new_year_day = 0; // 1 January of the tables' year
        std::int32_t days_in_year = 365;
        vespera::HolidayYear holidays;
        vespera::SummerTimeDays summer_time; // days 0: no clock change this year
        std::array<double, 4> season_jd_ut{}; // March, June, September, December
        std::optional<vespera::PhaseYear> phases; // on first use: a holiday list never reads them
        // What the whole set was built from, so that a change of region or
        // place redoes only the holidays, and the same year again nothing:
        // the clock changes, seasons and phases depend on the year and the
        // zone alone (and a zone's change rebuilds everything).
        std::optional<std::int32_t> built_year;
        float built_zone_offset_hours = 0.0f;
        std::optional<std::int32_t> season_year; // of season_jd_ut
    };

    // Runs `body` under the engine's error trap.
    template <class Result, class Body>
    Result guarded(const char* procedure, Result fallback, Body&& body);
    template <class Body>
    void guarded_void(const char* procedure, Body&& body);
    void report(const vespera::EngineFault& fault);
    // The year tables hold what Feiertage_Einlesen would build now.
    bool year_tables_current() const;
    // After a change of region or place: the holidays again, the rest kept
    // when it is current.
    void rebuild_holidays();
    // The year's phases, built when first read. Call it under a member's
    // guard: a fault is the rebuild's, as if it had been raised there.
    const vespera::PhaseYear& phases();

    // Members that call other members (the Jahr Let rebuilding the year's
    // tables, the rise and set texts calling sunevent): a fault below the
    // outermost member unwinds to it, so that the caller's fields come back
    // as they were before its call and the fault is reported once.
    struct GuardDepth {
        int& depth;
        explicit GuardDepth(int& d) : depth(d) { ++depth; }
        ~GuardDepth() { --depth; }
        GuardDepth(const GuardDepth&) = delete;
        GuardDepth& operator=(const GuardDepth&) = delete;
    };

    // date core
    static std::string GetWochentagName(std::int32_t Index);
    void CalcJD();
    void ConvertJD();
    std::int32_t day_number_of(std::int64_t year, std::int64_t month, std::int64_t day) const;
    std::string format_day(std::int32_t day_number, std::int32_t FormatTyp) const;
    // "3.5.2024, Fr": the day and its weekday's first two letters.
    std::string day_and_weekday(std::int32_t day_number) const;

    std::string unix_time_text();
    std::int64_t unix_seconds();
    std::string changeover_text(std::int32_t day_number, bool with_duration);

    // seasons: the local days and instants of the tables' seasons
    vespera::LocalInstant season_local(double jd_ut) const;
    vespera::SeasonDays season_days(const std::array<double, 4>& season_jd_ut) const;

    // rise and set over one local day from midnight to midnight
    vespera::LocalDay current_local_day() const { return vespera::local_day(zone(), f_.JD); }
    std::string day_event(bool moon, std::int16_t event_code, const vespera::LocalDay& day, double longitude_deg,
                          double latitude_deg, std::int32_t day_number);
    ClockEvent day_event_value(bool moon, std::int16_t event_code, const vespera::LocalDay& day,
                               double longitude_deg, double latitude_deg, std::int32_t day_number);
    ClockEvent clock_event(const vespera::LocalDay& day, double elapsed_hours, std::int32_t day_number) const;
    std::string hrsmin(double hours, bool clock) const;
    double clock_hours_of(const vespera::LocalDay& day, double elapsed_hours) const;
    std::string event_for_current_day(bool moon, std::int16_t event_code);
    double culmination_altitude_now();
    std::int64_t season_length_in_minutes(std::int32_t Index) const;
    MoonLight moon_light_at_clock(bool from_clock) const;
    vespera::LocalDay checked_current_day();

    // local time: every step between UT and the clock goes through the zone.
    const vespera::Zone& zone() const { return zone_choice_.zone(f_.Zeitzone_Offset); }
    // After a new zone choice: the year's tables again, or `previous` back.
    void rebuild_for_zone(vespera::ZoneChoice previous);
    // The instant of a local clock time (hours) on the engine's day.
    double jd_ut_of_clock(double local_hours) const;

    double Vollmonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t index);
    std::string phase_info(const vespera::PhaseList& phases, std::int32_t mjd);

    double clock_hours() const; // the computer's clock, local time of day

    // Tests reach the private helpers above through this one door.
    friend struct EngineTestAccess;

    Fields f_{};
    YearTables tables_{};
    vespera::DaySamples samples_;
    vespera::ZoneChoice zone_choice_;
    std::string special_day_;
    std::string special_info_;
    std::string region_;
    std::string place_name_;
    std::string commune_key_;
    vespera::RegionSchoolHolidays school_holidays_;
    std::optional<vespera::AstronomicalCalendarYears> astronomical_years_;
    std::optional<vespera::YearFestivals> festivals_;
    char decimal_separator_ = ',';
    Clock clock_;
    ErrorReporter reporter_;
    int guard_depth_ = 0;
    std::uint64_t fault_count_ = 0;
};

template <class Result, class Body>
Result clsCalendar::guarded(const char* procedure, Result fallback, Body&& body) {
    const Fields saved = f_;
    const GuardDepth depth(guard_depth_);
    try {
        return body();
    } catch (vespera::EngineFault& fault) {
        f_ = saved;
        // The message names the member the fault arose in.
        if (fault.procedure == nullptr) fault.procedure = procedure;
        if (guard_depth_ > 1) throw;
        report(fault);
        return fallback;
    }
}

template <class Body>
void clsCalendar::guarded_void(const char* procedure, Body&& body) {
    guarded(procedure, 0, [&] {
        body();
        return 0;
    });
}

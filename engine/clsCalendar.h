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

#include "engine/eclipses.h"
#include "engine/fault.h"
#include "engine/holiday_law.h"
#include "engine/local_instant.h"
#include "engine/school_holidays.h"
#include "engine/zone.h"

namespace vespera {
struct Crossings;
}

class clsCalendar {
public:
    using Variant = std::variant<std::monostate, std::string, std::int32_t>;
    using Clock = std::function<std::chrono::seconds()>;
    using ErrorReporter = std::function<void(const std::string&)>;

    // Entries of the holiday table without a region; Feiertage_Anzahl() is
    // the highest index. A region adds its own days after these.
    static constexpr std::int32_t kHolidayCount = 73;
    static constexpr std::size_t kMaxHolidayEntries = 85; // every row of the rule table
    static constexpr int kPhaseCount = 15;

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
    // "AT", "CH-ZH"; see engine/regions.h); empty: none, the described table
    // alone and no school holidays. Another code is refused as an invalid
    // call. Rebuilds the year's tables.
    void setRegion(const std::string& iso);
    std::string Region() const { return region_; }
    // The place's name, for the days of one city (Augsburger Friedensfest).
    void setPlaceName(const std::string& name);
    std::string PlaceName() const { return place_name_; }
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
    const vespera::SchoolHolidayTable* school_holiday_table() const {
        return school_table_ ? &*school_table_ : nullptr;
    }
    const std::string& school_holiday_problem() const { return school_problem_; }

    // ---- daylight-saving time (daylight_saving.cpp) ----------------------
    bool IstSommerzeit();
    bool IstSommerzeitDatum(std::int32_t mjd);
    bool IstWinterzeitDatum(std::int32_t mjd);
    std::string Sommerzeit_Datum();
    std::string Winterzeit_Datum();
    // The days of this year's clock changes; 0 when there is none.
    std::int32_t summer_time_start_day() const { return tables_.summer_time_start_day; }
    std::int32_t summer_time_end_day() const { return tables_.summer_time_end_day; }
    float Zeitzone_Offset() const { return f_.Zeitzone_Offset; }
    void setZeitzone_Offset(float value);
    // The tz database zone by IANA name ("Europe/Berlin"); empty: the fixed
    // Zeitzone_Offset with the German summer-time rules. Rebuilds the year's tables.
    void setZeitzone(const std::string& iana);
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

    // ---- lunar phases (phases.cpp) ---------------------------------------
    std::string MondPhase(bool from_clock);
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
    // At the engine's place, on its clock; see engine/eclipses.h.
    std::optional<vespera::SolarEclipseDay> solar_eclipse_of_day();
    std::optional<vespera::LunarEclipseDay> lunar_eclipse_of_day();
    vespera::YearEclipses eclipses_of_year();

    // The year's phases as local day numbers (year_days.cpp), for callers
    // that carry the date as data beside the text. A year's list holds the
    // entries whose day lies in the year.
    std::int32_t full_moon_day(std::int32_t Index);
    std::int32_t new_moon_day(std::int32_t Index);

    // ---- seasons and zodiac (seasons.cpp) --------------------------------
    void Jahreszeiten_Berechnen();
    std::string Jahreszeit();
    std::string Jahreszeit_Name(std::int32_t Index);
    std::string Jahreszeit_Datum(std::int32_t Index);
    std::string Jahreszeit_Laenge(std::int32_t Index);
    std::string Sternzeichen();
    // The local day on which season 51..54 begins (year_days.cpp).
    std::int32_t season_day(std::int32_t Index);

    // ---- sun position and distance (sun_position.cpp) --------------------
    void Sonne_Position();
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
    struct QuarterDay {
        std::int32_t day_number = 0;
        int quarter = 1;
        double jd_ut = 0.0;
    };
    std::vector<QuarterDay> moon_quarters_of_month();

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

    struct Holiday {
        std::int32_t day = 0;
        std::string_view name; // always a literal of static storage
        std::uint8_t slot = 0; // the rule's row; decides between equal days
        vespera::StatutoryStatus status = vespera::StatutoryStatus::No;
        bool one_place = false;
    };

    // Everything derived from the year: rebuilt together by Feiertage_Einlesen
    // into a fresh object and committed only when the whole rebuild succeeded.
    struct YearTables {
        std::array<Holiday, kMaxHolidayEntries> holidays{};
        std::int32_t holiday_count = 0;  // entries in use, kHolidayCount and the region's own
        std::int32_t new_year_day = 0;   // 1 January of the tables' year
        std::int32_t days_in_year = 365;
        std::int32_t easter_day = 0;
        std::int32_t summer_time_start_day = 0; // 0: no clock change this year
        std::int32_t summer_time_end_day = 0;
        std::array<double, 4> season_jd_ut{};    // March, June, September, December
        std::array<double, kPhaseCount> full_moon_jd{}; // local clock Julian Days
        std::array<bool, kPhaseCount> blue_moon{};
        std::array<double, kPhaseCount> new_moon_jd{};
        std::array<vespera::LocalInstant, kPhaseCount> full_moon_local{};
        std::array<vespera::LocalInstant, kPhaseCount> new_moon_local{};
    };

    // Runs `body` under the engine's error trap.
    template <class Result, class Body>
    Result guarded(const char* procedure, Result fallback, Body&& body);
    template <class Body>
    void guarded_void(const char* procedure, Body&& body);
    void report(const vespera::EngineFault& fault);

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

    // other calendars: one routine per calendar of ConvertDate
    std::string gregorian_text() const;
    std::string julian_text(bool ab_urbe_condita) const;
    std::string cyclic_week_text(); // also fills special_day_ and special_info_
    std::string islamic_text() const;
    std::string egyptian_text(std::int32_t Aera) const;
    std::string republican_text() const;
    std::string maya_text() const;
    std::string unix_time_text();

    // holidays and daylight saving
    void Berechne_Ostersonntag(YearTables& tables);
    void Berechne_SommerWinterzeit(YearTables& tables);
    std::string changeover_text(std::int32_t day_number, bool with_duration);
    void fill_named_days(YearTables& tables);
    void add_region_days(YearTables& tables) const;
    void load_region_school_holidays();
    void merge_school_holidays();
    static void sort_holidays(YearTables& tables);

    // seasons
    vespera::LocalInstant season_local(double jd_ut) const;

    // rise and set (rise_set.cpp): one local day from midnight to midnight.
    struct LocalDay {
        double midnight_mjd_ut = 0.0;         // the day's start, MJD of UT
        double span_hours = 24.0;             // 23 or 25 across a clock change
        double offset_at_midnight_hours = 0.0; // the offset that reads the day's start
        double offset_at_end_hours = 0.0;
    };
    static LocalDay fixed_offset_day(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours);
    LocalDay current_local_day() const;
    LocalDay local_day_of(std::int32_t day_number) const;
    // The rise and set search over one local day (threshold index 1..4).
    vespera::Crossings day_crossings(bool moon, std::size_t threshold_index, const LocalDay& day,
                                     double longitude_deg, double latitude_deg);
    double clock_hours_of(const LocalDay& day, double elapsed_hours) const;
    std::string day_event(bool moon, std::int16_t event_code, const LocalDay& day, double longitude_deg,
                          double latitude_deg);
    std::string hrsmin(double hours, bool clock) const;
    std::string event_for_current_day(bool moon, std::int16_t event_code);

    // local time (local_time.cpp): every step between UT and the clock goes
    // through the zone.
    const vespera::Zone& zone() const;
    vespera::ClockOffset clock_offset_at(double jd_ut) const { return zone().at(jd_ut); }
    double local_jd_of(double jd_ut) const { return zone().local_jd(jd_ut); }
    // The instant of a local clock time (hours) on the engine's day.
    double jd_ut_of_clock(double local_hours) const;

    // The sine of one body's altitude at the hours 0..26 from one local
    // midnight at one place. Every rise, set, twilight and culmination result
    // of that day reads the same samples, so they are computed once and kept;
    // a different day, zone or place makes them stale by key.
    // Samples are filled on demand: a search that has found its rise and set
    // stops early, and the next result of the day reuses what it computed.
    struct AltitudeSamples {
        bool valid = false;
        bool moon = false;
        double date_mjd = 0.0; // local midnight in universal time
        double longitude_deg = 0.0;
        double latitude_deg = 0.0;
        double cos_latitude = 0.0;
        double sin_latitude = 0.0;
        int filled = 0; // sin_altitude[0 .. filled - 1] hold values
        std::array<double, 27> sin_altitude{};
        double at(int hour);
    };
    AltitudeSamples& altitude_samples(bool moon, double date_mjd, double longitude_deg, double latitude_deg);

    // phases
    double Vollmonde_Berechnen(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t index);
    double phase_instant(bool full_moon, std::int32_t year, std::int32_t month, std::int32_t day,
                         std::int32_t index) const;
    double phase_local_jd(bool full_moon, double k) const;
    void fill_phase_lists(YearTables& tables) const;
    std::string phase_date_text(const vespera::LocalInstant& phase) const;

    // sun position (sun_position.cpp)
    double clock_hours() const; // the computer's clock, local time of day
    double sun_altitude_at(double jd_ut) const;
    double sun_distance_km() const;

    // Tests reach the private helpers above through this one door.
    friend struct EngineTestAccess;

    Fields f_{};
    YearTables tables_{};
    AltitudeSamples sun_samples_{};
    AltitudeSamples moon_samples_{};
    std::optional<vespera::Zone> named_zone_;
    mutable std::optional<vespera::Zone> german_zone_; // built from Zeitzone_Offset on demand
    mutable float german_zone_offset_ = 0.0f;
    std::string special_day_;
    std::string special_info_;
    std::string region_;
    std::string place_name_;
    std::optional<vespera::SchoolHolidayTable> school_file_table_; // the shipped file of the region
    std::vector<vespera::SchoolHolidayPeriod> school_imported_;
    std::optional<vespera::SchoolHolidayTable> school_table_;      // both merged
    std::string school_problem_;
    std::int32_t school_year_loaded_ = 0; // the year load_region_school_holidays() ran for
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

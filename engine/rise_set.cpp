// Rise, set, twilight and culmination of the Sun, rise and set of the Moon,
// and the equation of time, for the engine's place and local day, as texts.
// The search itself is sky/rise_set.h.
#include <cmath>

#include "engine/clsCalendar.h"
#include "base/number_text.h"
#include "ephemeris/calendar.h"
#include "ephemeris/sun.h"
#include "ephemeris/time_scales.h"
#include "sky/equation_of_time.h"

using vespera::FaultCode;
using vespera::raise_fault;

namespace {

constexpr std::int16_t kDayLengthCode = 10;
constexpr std::int16_t kCulminationCode = 11;

void check_inputs(double offset_hours, double longitude_deg, double latitude_deg) {
    if (!std::isfinite(offset_hours) || !std::isfinite(longitude_deg) || !std::isfinite(latitude_deg)) {
        raise_fault(FaultCode::InvalidCall);
    }
}

// The threshold index of an event code; the Sun's day length and culmination
// use the rise/set threshold.
std::size_t threshold_index(std::int16_t event_code, bool sun) {
    std::int32_t index = event_code < 0 ? -static_cast<std::int32_t>(event_code) : event_code;
    if (sun && (event_code == kDayLengthCode || event_code == kCulminationCode)) index = 1;
    return vespera::checked_index(index, 1, 4) + 1;
}

// A fixed offset over 24 hours of a Gregorian date, as sunevent and
// moonevent were always called.
vespera::LocalDay fixed_offset_day(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours) {
    return vespera::fixed_offset_day(vespera::day_number_in(vespera::Calendar::Gregorian, year, month, day),
                                     offset_hours);
}

// Whole minutes of `hours` as "HH:MM" shows them. A time of day that rounds
// up to 24:00 (from 23:59:30 on) stays on its own day as 23:59, the same
// half minute off as any rounding: the event happened on the day whose
// search found it, and the next day's search starts at its own midnight.
std::int64_t shown_minutes(double hours, bool clock) {
    if (!std::isfinite(hours) || std::fabs(hours) > 1e12) raise_fault(FaultCode::Overflow);
    const double magnitude = std::fabs(hours);
    double h = std::trunc(magnitude);
    double m = std::trunc((magnitude - h) * 60.0 + 0.5);
    if (m >= 60.0) {
        m = 0.0;
        h += 1.0;
    }
    if (clock && h == 24.0 && m == 0.0) {
        h = 23.0;
        m = 59.0;
    }
    return static_cast<std::int64_t>(h) * 60 + static_cast<std::int64_t>(m);
}

std::string minutes_text(std::int64_t minutes, const char* unit) {
    return vespera::two_digits(minutes / 60) + ':' + vespera::two_digits(minutes % 60) + unit;
}

} // namespace

// ---- one day's events -------------------------------------------------------

double clsCalendar::day_length_hours(std::int32_t day_number) {
    return guarded("day_length_hours", 0.0, [&] {
        if (!std::isfinite(f_.Longitude) || !std::isfinite(f_.Latitude)) raise_fault(FaultCode::InvalidCall);
        const vespera::LocalDay day = vespera::local_day(zone(), day_number);
        return vespera::hours_above(vespera::day_crossings(samples_, false, 1, day, f_.Longitude, f_.Latitude),
                                    day.span_hours);
    });
}

clsCalendar::ClockEvent clsCalendar::clock_event(const vespera::LocalDay& day, double elapsed_hours,
                                                 std::int32_t day_number) const {
    const double clock = clock_hours_of(day, elapsed_hours);
    const std::int64_t minutes = shown_minutes(clock, true);
    // A day of one fixed offset (sunevent, moonevent) never asks the engine's zone.
    const double offset_hours =
        day.changes_clock()
            ? zone().at(vespera::kJdOfMjdZero + day.midnight_mjd_ut + elapsed_hours / 24.0).hours
            : day.offset_at_midnight_hours;
    return {ClockEvent::Status::Happens, day_number, static_cast<std::int32_t>(minutes), offset_hours};
}

clsCalendar::ClockEvent clsCalendar::day_event_value(bool moon, std::int16_t event_code,
                                                     const vespera::LocalDay& day, double longitude_deg,
                                                     double latitude_deg, std::int32_t day_number) {
    const std::size_t j = threshold_index(event_code, !moon);
    const vespera::Crossings found = vespera::day_crossings(samples_, moon, j, day, longitude_deg, latitude_deg);
    if (!moon && event_code == kCulminationCode) {
        const double culmination_hours =
            vespera::culmination_hours(samples_, found, day, longitude_deg, latitude_deg);
        f_.culmination_pending = true;
        f_.culmination_jd_ut = vespera::kJdOfMjdZero + day.midnight_mjd_ut + culmination_hours / 24.0;
        f_.culmination_longitude_deg = longitude_deg;
        f_.culmination_latitude_deg = latitude_deg;
        return clock_event(day, culmination_hours, day_number);
    }
    ClockEvent none;
    if (!found.rise && !found.set) {
        none.status = found.above ? ClockEvent::Status::AlwaysAbove : ClockEvent::Status::AlwaysBelow;
        return none;
    }
    if (event_code > 0) return found.rise ? clock_event(day, found.rise_hours, day_number) : none;
    return found.set ? clock_event(day, found.set_hours, day_number) : none;
}

std::string clsCalendar::day_event(bool moon, std::int16_t event_code, const vespera::LocalDay& day,
                                   double longitude_deg, double latitude_deg, std::int32_t day_number) {
    if (!moon && event_code == kDayLengthCode) {
        const std::size_t j = threshold_index(event_code, true);
        const vespera::Crossings found = vespera::day_crossings(samples_, moon, j, day, longitude_deg, latitude_deg);
        return hrsmin(vespera::hours_above(found, day.span_hours), false);
    }
    const ClockEvent event = day_event_value(moon, event_code, day, longitude_deg, latitude_deg, day_number);
    switch (event.status) {
    case ClockEvent::Status::AlwaysAbove: return "****";
    case ClockEvent::Status::AlwaysBelow: return "....";
    case ClockEvent::Status::NotThatDay: return "----";
    case ClockEvent::Status::Happens: break;
    }
    return minutes_text(event.minute_of_day, " Uhr");
}

// ---- public operations ------------------------------------------------------

std::string clsCalendar::sunevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                                  double longitude_deg, double latitude_deg, std::int16_t event_code) {
    return guarded("sunevent", std::string{}, [&] {
        check_inputs(offset_hours, longitude_deg, latitude_deg);
        return day_event(false, event_code, fixed_offset_day(year, month, day, offset_hours), longitude_deg,
                         latitude_deg, 0);
    });
}

std::string clsCalendar::moonevent(std::int16_t year, std::int16_t month, std::int16_t day, double offset_hours,
                                   double longitude_deg, double latitude_deg, std::int16_t event_code) {
    return guarded("moonevent", std::string{}, [&] {
        check_inputs(offset_hours, longitude_deg, latitude_deg);
        return day_event(true, event_code, fixed_offset_day(year, month, day, offset_hours), longitude_deg,
                         latitude_deg, 0);
    });
}

std::string clsCalendar::hrsmin(double hours, bool clock) const {
    const std::int64_t minutes = shown_minutes(hours, clock);
    // A negative span keeps its sign in front instead of inside the minutes.
    // (Inserted, not prepended with +: GCC 12 -O3 warns about that, bug 105329.)
    std::string text = minutes_text(minutes, clock ? " Uhr" : " Stunden");
    if (hours < 0.0 && minutes > 0) text.insert(0, 1, '-');
    return text;
}

double clsCalendar::clock_hours_of(const vespera::LocalDay& day, double elapsed_hours) const {
    // A day of one fixed offset (sunevent, moonevent) never asks the engine's zone.
    if (!day.changes_clock()) return elapsed_hours;
    return vespera::clock_hours_of(zone(), day, elapsed_hours);
}

vespera::LocalDay clsCalendar::checked_current_day() {
    // The date is handed on as three 16-bit Integers, as it always was.
    (void)vespera::to_integer(f_.Jahr);
    (void)vespera::to_integer(f_.Monat);
    (void)vespera::to_integer(f_.Tag);
    const vespera::LocalDay day = current_local_day();
    if (!std::isfinite(day.midnight_mjd_ut) || !std::isfinite(f_.Longitude) || !std::isfinite(f_.Latitude)) {
        raise_fault(FaultCode::InvalidCall);
    }
    return day;
}

std::string clsCalendar::event_for_current_day(bool moon, std::int16_t event_code) {
    return day_event(moon, event_code, checked_current_day(), f_.Longitude, f_.Latitude, f_.JD);
}

namespace {

// A fault names the member whose text the value stands for.
const char* sun_event_procedure(std::int16_t event_code) {
    switch (event_code) {
    case 1: return "AufgangSonne";
    case -1: return "UntergangSonne";
    case 2: return "DaemmerungAnfang";
    case -2: return "DaemmerungEnde";
    case kCulminationCode: return "Kulmination_Sonne";
    default: return "sunevent";
    }
}

} // namespace

clsCalendar::ClockEvent clsCalendar::sun_event(std::int16_t event_code) {
    return guarded(sun_event_procedure(event_code), ClockEvent{}, [&] {
        return day_event_value(false, event_code, checked_current_day(), f_.Longitude, f_.Latitude, f_.JD);
    });
}

clsCalendar::ClockEvent clsCalendar::moon_event(std::int16_t event_code) {
    return guarded(event_code > 0 ? "AufgangMond" : "UntergangMond", ClockEvent{}, [&] {
        return day_event_value(true, event_code, checked_current_day(), f_.Longitude, f_.Latitude, f_.JD);
    });
}

std::int32_t clsCalendar::day_length_minutes() {
    return guarded("Tageslaenge", std::int32_t{0}, [&] {
        const vespera::LocalDay day = checked_current_day();
        const vespera::Crossings found = vespera::day_crossings(samples_, false, 1, day, f_.Longitude, f_.Latitude);
        return static_cast<std::int32_t>(shown_minutes(vespera::hours_above(found, day.span_hours), false));
    });
}

std::string clsCalendar::AufgangSonne() {
    return guarded("AufgangSonne", std::string{}, [&] { return event_for_current_day(false, 1); });
}

std::string clsCalendar::DaemmerungAnfang() {
    return guarded("DaemmerungAnfang", std::string{}, [&] { return event_for_current_day(false, 2); });
}

std::string clsCalendar::DaemmerungEnde() {
    return guarded("DaemmerungEnde", std::string{}, [&] { return event_for_current_day(false, -2); });
}

std::string clsCalendar::UntergangSonne() {
    return guarded("UntergangSonne", std::string{}, [&] { return event_for_current_day(false, -1); });
}

std::string clsCalendar::Tageslaenge() {
    return guarded("Tageslaenge", std::string{}, [&] { return event_for_current_day(false, kDayLengthCode); });
}

std::string clsCalendar::Kulmination_Sonne() {
    return guarded("Kulmination_Sonne", std::string{},
                   [&] { return event_for_current_day(false, kCulminationCode); });
}

std::string clsCalendar::AufgangMond() {
    return guarded("AufgangMond", std::string{}, [&] { return event_for_current_day(true, 1); });
}

std::string clsCalendar::UntergangMond() {
    return guarded("UntergangMond", std::string{}, [&] { return event_for_current_day(true, -1); });
}

double clsCalendar::culmination_altitude_now() {
    if (f_.culmination_pending) {
        f_.culmination_altitude_deg =
            vespera::sun_altitude_deg(f_.culmination_jd_ut, f_.culmination_longitude_deg, f_.culmination_latitude_deg);
        f_.culmination_pending = false;
    }
    return f_.culmination_altitude_deg;
}

double clsCalendar::culmination_altitude_deg() {
    return guarded("KulminationHoehe_Sonne", 0.0, [&] { return culmination_altitude_now(); });
}

std::string clsCalendar::KulminationHoehe_Sonne() {
    return guarded("KulminationHoehe_Sonne", std::string{}, [&] {
        return vespera::fixed(culmination_altitude_now(), 2, decimal_separator_) + " °";
    });
}

double clsCalendar::ZGL(double julian_day) {
    return guarded("ZGL", 0.0, [&] {
        if (!std::isfinite(julian_day)) raise_fault(FaultCode::InvalidCall);
        return vespera::equation_of_time_minutes(julian_day);
    });
}

// The current day written in other calendars, for the "andere Kalender" rows
// of the day report. The calendars themselves are in calendars/.
#include <cmath>

#include "base/number_text.h"
#include "calendars/calendar_texts.h"
#include "calendars/cyclic_week_calendar.h"
#include "engine/clsCalendar.h"
#include "ephemeris/time_scales.h"

std::string clsCalendar::ConvertDate(std::int32_t Kal, std::int32_t Aera) {
    return guarded("ConvertDate", std::string{}, [&]() -> std::string {
        special_day_.clear();
        special_info_.clear();
        switch (Kal) {
        case 1: return vespera::gregorian_text(f_.JD);
        case 2: return vespera::julian_text(f_.JD, false);
        case 3: {
            vespera::CyclicWeekDate date = vespera::cyclic_week_date(f_.JD);
            special_day_ = std::move(date.special_day);
            special_info_ = std::move(date.special_info);
            return std::move(date.text);
        }
        case 4: return vespera::islamic_text(f_.JD);
        case 5: return vespera::egyptian_text(f_.JD, Aera);
        case 6: return vespera::julian_text(f_.JD, true);
        case 8: return vespera::republican_text(f_.JD);
        case 9: return vespera::maya_text(f_.JD, decimal_separator_);
        case 10: return unix_time_text();
        default: return {};
        }
    });
}

std::string clsCalendar::SpezialTag() {
    return guarded("SpezialTag", std::string{}, [&]() -> std::string {
        if (special_day_.empty()) return {};
        return " (" + special_day_ + ")";
    });
}

std::string clsCalendar::SpezialInfo() {
    return guarded("SpezialInfo", std::string{}, [&] { return special_info_; });
}

std::int64_t clsCalendar::unix_seconds() {
    // Seconds of the day difference are exact in a double; the sum needs 64 bits.
    const auto day_seconds = static_cast<std::int64_t>(
        DatumsDifferenz(static_cast<std::int32_t>(vespera::kUnixEpochDay), f_.JD, 3, false));
    // The time of day is local civil time: the offset in force then comes off,
    // since Unix time counts universal seconds.
    const double local_hours = f_.Stunde + f_.Minute / 60.0 + f_.Sekunde / 3600.0;
    const double zone_hours = zone().at_local(static_cast<double>(f_.JD) - 0.5 + local_hours / 24.0).hours;
    if (!std::isfinite(zone_hours) || std::fabs(zone_hours) > 1e6) vespera::raise_fault(vespera::FaultCode::Overflow);
    return day_seconds + std::int64_t{3600} * f_.Stunde + std::int64_t{60} * f_.Minute + f_.Sekunde -
           std::llround(zone_hours * 3600.0);
}

std::string clsCalendar::unix_time_text() {
    return vespera::general(static_cast<double>(unix_seconds()), decimal_separator_);
}

std::int64_t clsCalendar::unix_time_seconds() {
    return guarded("ConvertDate", std::int64_t{0}, [&] { return unix_seconds(); });
}

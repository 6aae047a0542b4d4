#include "base/ical_libical.h"

#include "ephemeris/calendar.h"

namespace vespera::ical {

std::string take_text(char* text) {
    std::string result = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return result;
}

icaltimetype to_icaltime(DayTime time, bool is_date) {
    const CivilDate date = date_in(vespera::Calendar::Gregorian, time.day);
    // Not icaltime_null_date(): its hours of -1 derail libical's weekly steps.
    icaltimetype result = icaltime_null_time();
    result.is_date = is_date ? 1 : 0;
    result.year = static_cast<int>(date.year);
    result.month = date.month;
    result.day = date.day;
    if (!is_date) {
        result.hour = time.seconds / 3600;
        result.minute = time.seconds / 60 % 60;
        result.second = time.seconds % 60;
    }
    return result;
}

std::optional<DayTime> from_icaltime(const icaltimetype& time) {
    if (icaltime_is_null_time(time) || time.year < kFirstYear || time.year > kLastYear || time.month < 1 ||
        time.month > 12 || time.day < 1 || time.day > icaltime_days_in_month(time.month, time.year)) {
        return std::nullopt;
    }
    DayTime result{day_number_in(vespera::Calendar::Gregorian, time.year, time.month, time.day), 0};
    if (!time.is_date) {
        if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 ||
            time.second > 60) {
            return std::nullopt;
        }
        // A leap second reads as the last second of its minute.
        result.seconds = time.hour * 3600 + time.minute * 60 + (time.second == 60 ? 59 : time.second);
    }
    return result;
}

ZoneSet::Zones::~Zones() {
    for (auto& [tzid, zone] : owned) icaltimezone_free(zone, 1);
}

icaltimezone* ZoneSet::Zones::find(std::string_view tzid) const {
    if (tzid.empty()) return nullptr;
    if (const auto it = owned.find(tzid); it != owned.end()) return it->second;
    const std::string name(tzid);
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone(name.c_str())) return zone;
    // libical's own TZIDs ("/freeassociation.sourceforge.net/Europe/Berlin").
    return icaltimezone_get_builtin_timezone_from_tzid(name.c_str());
}

std::optional<EventTime> event_time_of(const icaltimetype& value, icalproperty* property) {
    const std::optional<DayTime> at = from_icaltime(value);
    if (!at) return std::nullopt;
    EventTime time{Clock::floating, *at, {}};
    if (value.is_date) {
        time.clock = Clock::all_day;
    } else if (icaltime_is_utc(value)) {
        time.clock = Clock::utc;
    } else if (icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
        const char* name = icalparameter_get_tzid(tzid);
        if (name != nullptr && *name != '\0') {
            time.clock = Clock::zoned;
            time.tzid = name;
        }
    }
    return time;
}

icalproperty* new_time_property(icalproperty_kind kind, const EventTime& time) {
    icaltimetype value = to_icaltime(time.at, time.clock == Clock::all_day);
    if (time.clock == Clock::utc) value = icaltime_set_timezone(&value, icaltimezone_get_utc_timezone());
    icalproperty* property = nullptr;
    switch (kind) {
    case ICAL_DTSTART_PROPERTY: property = icalproperty_new_dtstart(value); break;
    case ICAL_DTEND_PROPERTY: property = icalproperty_new_dtend(value); break;
    case ICAL_EXDATE_PROPERTY: property = icalproperty_new_exdate(value); break;
    case ICAL_RECURRENCEID_PROPERTY: property = icalproperty_new_recurrenceid(value); break;
    case ICAL_RDATE_PROPERTY: {
        icaldatetimeperiodtype rdate{};
        rdate.time = value;
        rdate.period = icalperiodtype_null_period();
        property = icalproperty_new_rdate(rdate);
        break;
    }
    default: return nullptr;
    }
    if (time.clock == Clock::zoned) icalproperty_add_parameter(property, icalparameter_new_tzid(time.tzid.c_str()));
    return property;
}

} // namespace vespera::ical

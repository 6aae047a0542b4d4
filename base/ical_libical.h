// libical behind the iCalendar reader and writer: ownership of its objects
// and its times as day numbers. Only the .cpp files that call libical
// include this header.
#pragma once

#include <libical/ical.h>

#include <memory>
#include <optional>
#include <string>

#include "base/ical_recurrence.h"

namespace vespera::ical {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

struct IteratorFree {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
using IteratorPtr = std::unique_ptr<icalrecur_iterator, IteratorFree>;

// A string libical allocated for the caller (the *_r functions), freed.
std::string take_text(char* text);

// Years that RFC 5545 writes with four digits.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

icaltimetype to_icaltime(DayTime time, bool is_date);
// Nothing for a null time or a date outside the years 1..9999.
std::optional<DayTime> from_icaltime(const icaltimetype& time);

struct ZoneSet::Zones {
    std::map<std::string, std::string> definitions;
    std::map<std::string, icaltimezone*, std::less<>> owned; // built from definitions
    ~Zones();
    // The zone of a TZID, or null for an unknown one.
    icaltimezone* find(std::string_view tzid) const;
};

// The time a property holds (DTSTART, DTEND, RDATE, EXDATE, RECURRENCE-ID),
// with its TZID parameter; nothing when it has none or is out of range.
std::optional<EventTime> event_time_of(const icaltimetype& value, icalproperty* property);

// A new DTSTART, DTEND, RDATE, EXDATE or RECURRENCE-ID holding `time` the
// way it was written: VALUE=DATE, "Z" or a TZID parameter.
icalproperty* new_time_property(icalproperty_kind kind, const EventTime& time);

} // namespace vespera::ical

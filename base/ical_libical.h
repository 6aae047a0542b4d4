// libical behind the iCalendar reader and writer: ownership of its objects
// and its times as day numbers. Only the .cpp files that call libical
// include this header.
//
// libical is opened when the first .ics is read, not when a program starts:
// loading it with the ICU libraries it needs costs every run of the command
// line some 3 ms of processor time, twice what a holiday list takes. The
// calls below go through the opened library under their own names.
#pragma once

#include <libical/ical.h>

#include <memory>
#include <optional>
#include <string>

#include "base/ical_recurrence.h"

namespace vespera::ical {

#define VESPERA_LIBICAL_FUNCTIONS(X) \
    X(icalcomponent_add_component) \
    X(icalcomponent_add_property) \
    X(icalcomponent_as_ical_string_r) \
    X(icalcomponent_free) \
    X(icalcomponent_get_first_component) \
    X(icalcomponent_get_first_property) \
    X(icalcomponent_get_next_component) \
    X(icalcomponent_get_next_property) \
    X(icalcomponent_get_summary) \
    X(icalcomponent_get_uid) \
    X(icalcomponent_isa) \
    X(icalcomponent_new_clone) \
    X(icalcomponent_new_from_string) \
    X(icalcomponent_new_vcalendar) \
    X(icalcomponent_new_vevent) \
    X(icaldurationtype_as_int) \
    X(icaldurationtype_from_int) \
    X(icalmemory_free_buffer) \
    X(icalparameter_get_tzid) \
    X(icalparameter_new_tzid) \
    X(icalparser_parse_string) \
    X(icalperiodtype_null_period) \
    X(icalproperty_add_parameter) \
    X(icalproperty_as_ical_string_r) \
    X(icalproperty_get_calscale) \
    X(icalproperty_get_categories) \
    X(icalproperty_get_description) \
    X(icalproperty_get_dtend) \
    X(icalproperty_get_dtstamp) \
    X(icalproperty_get_dtstart) \
    X(icalproperty_get_duration) \
    X(icalproperty_get_exdate) \
    X(icalproperty_get_first_parameter) \
    X(icalproperty_get_lastmodified) \
    X(icalproperty_get_rdate) \
    X(icalproperty_get_recurrenceid) \
    X(icalproperty_get_status) \
    X(icalproperty_get_summary) \
    X(icalproperty_get_tzid) \
    X(icalproperty_get_uid) \
    X(icalproperty_get_value_as_string_r) \
    X(icalproperty_get_xlicerror) \
    X(icalproperty_isa) \
    X(icalproperty_new_categories) \
    X(icalproperty_new_description) \
    X(icalproperty_new_dtend) \
    X(icalproperty_new_dtstamp) \
    X(icalproperty_new_dtstart) \
    X(icalproperty_new_duration) \
    X(icalproperty_new_exdate) \
    X(icalproperty_new_from_string) \
    X(icalproperty_new_prodid) \
    X(icalproperty_new_rdate) \
    X(icalproperty_new_recurrenceid) \
    X(icalproperty_new_rrule) \
    X(icalproperty_new_summary) \
    X(icalproperty_new_uid) \
    X(icalproperty_new_version) \
    X(icalproperty_new_x) \
    X(icalproperty_set_tzid) \
    X(icalproperty_set_x_name) \
    X(icalrecur_iterator_free) \
    X(icalrecur_iterator_new) \
    X(icalrecur_iterator_next) \
    X(icalrecur_iterator_set_start) \
    X(icalrecurrencetype_day_position) \
    X(icalrecurrencetype_from_string) \
    X(icalrecurrencetype_month_month) \
    X(icaltime_as_ical_string) \
    X(icaltime_compare) \
    X(icaltime_convert_to_zone) \
    X(icaltime_days_in_month) \
    X(icaltime_is_null_time) \
    X(icaltime_is_utc) \
    X(icaltime_null_date) \
    X(icaltime_null_time) \
    X(icaltime_set_timezone) \
    X(icaltimezone_free) \
    X(icaltimezone_get_builtin_timezone) \
    X(icaltimezone_get_builtin_timezone_from_tzid) \
    X(icaltimezone_get_component) \
    X(icaltimezone_get_utc_timezone) \
    X(icaltimezone_new) \
    X(icaltimezone_set_component)

struct Libical {
#define VESPERA_LIBICAL_MEMBER(name) decltype(&::name) name = nullptr;
    VESPERA_LIBICAL_FUNCTIONS(VESPERA_LIBICAL_MEMBER)
#undef VESPERA_LIBICAL_MEMBER
};

// The opened library; nullptr when the system has none (Debian's libical3),
// and then no .ics can be read. Opened once, kept for the process.
const Libical* libical();

} // namespace vespera::ical

#ifndef VESPERA_LIBICAL_LOADER
#define icalcomponent_add_component (::vespera::ical::libical()->icalcomponent_add_component)
#define icalcomponent_add_property (::vespera::ical::libical()->icalcomponent_add_property)
#define icalcomponent_as_ical_string_r (::vespera::ical::libical()->icalcomponent_as_ical_string_r)
#define icalcomponent_free (::vespera::ical::libical()->icalcomponent_free)
#define icalcomponent_get_first_component (::vespera::ical::libical()->icalcomponent_get_first_component)
#define icalcomponent_get_first_property (::vespera::ical::libical()->icalcomponent_get_first_property)
#define icalcomponent_get_next_component (::vespera::ical::libical()->icalcomponent_get_next_component)
#define icalcomponent_get_next_property (::vespera::ical::libical()->icalcomponent_get_next_property)
#define icalcomponent_get_summary (::vespera::ical::libical()->icalcomponent_get_summary)
#define icalcomponent_get_uid (::vespera::ical::libical()->icalcomponent_get_uid)
#define icalcomponent_isa (::vespera::ical::libical()->icalcomponent_isa)
#define icalcomponent_new_clone (::vespera::ical::libical()->icalcomponent_new_clone)
#define icalcomponent_new_from_string (::vespera::ical::libical()->icalcomponent_new_from_string)
#define icalcomponent_new_vcalendar (::vespera::ical::libical()->icalcomponent_new_vcalendar)
#define icalcomponent_new_vevent (::vespera::ical::libical()->icalcomponent_new_vevent)
#define icaldurationtype_as_int (::vespera::ical::libical()->icaldurationtype_as_int)
#define icaldurationtype_from_int (::vespera::ical::libical()->icaldurationtype_from_int)
#define icalmemory_free_buffer (::vespera::ical::libical()->icalmemory_free_buffer)
#define icalparameter_get_tzid (::vespera::ical::libical()->icalparameter_get_tzid)
#define icalparameter_new_tzid (::vespera::ical::libical()->icalparameter_new_tzid)
#define icalparser_parse_string (::vespera::ical::libical()->icalparser_parse_string)
#define icalperiodtype_null_period (::vespera::ical::libical()->icalperiodtype_null_period)
#define icalproperty_add_parameter (::vespera::ical::libical()->icalproperty_add_parameter)
#define icalproperty_as_ical_string_r (::vespera::ical::libical()->icalproperty_as_ical_string_r)
#define icalproperty_get_calscale (::vespera::ical::libical()->icalproperty_get_calscale)
#define icalproperty_get_categories (::vespera::ical::libical()->icalproperty_get_categories)
#define icalproperty_get_description (::vespera::ical::libical()->icalproperty_get_description)
#define icalproperty_get_dtend (::vespera::ical::libical()->icalproperty_get_dtend)
#define icalproperty_get_dtstamp (::vespera::ical::libical()->icalproperty_get_dtstamp)
#define icalproperty_get_dtstart (::vespera::ical::libical()->icalproperty_get_dtstart)
#define icalproperty_get_duration (::vespera::ical::libical()->icalproperty_get_duration)
#define icalproperty_get_exdate (::vespera::ical::libical()->icalproperty_get_exdate)
#define icalproperty_get_first_parameter (::vespera::ical::libical()->icalproperty_get_first_parameter)
#define icalproperty_get_lastmodified (::vespera::ical::libical()->icalproperty_get_lastmodified)
#define icalproperty_get_rdate (::vespera::ical::libical()->icalproperty_get_rdate)
#define icalproperty_get_recurrenceid (::vespera::ical::libical()->icalproperty_get_recurrenceid)
#define icalproperty_get_status (::vespera::ical::libical()->icalproperty_get_status)
#define icalproperty_get_summary (::vespera::ical::libical()->icalproperty_get_summary)
#define icalproperty_get_tzid (::vespera::ical::libical()->icalproperty_get_tzid)
#define icalproperty_get_uid (::vespera::ical::libical()->icalproperty_get_uid)
#define icalproperty_get_value_as_string_r (::vespera::ical::libical()->icalproperty_get_value_as_string_r)
#define icalproperty_get_xlicerror (::vespera::ical::libical()->icalproperty_get_xlicerror)
#define icalproperty_isa (::vespera::ical::libical()->icalproperty_isa)
#define icalproperty_new_categories (::vespera::ical::libical()->icalproperty_new_categories)
#define icalproperty_new_description (::vespera::ical::libical()->icalproperty_new_description)
#define icalproperty_new_dtend (::vespera::ical::libical()->icalproperty_new_dtend)
#define icalproperty_new_dtstamp (::vespera::ical::libical()->icalproperty_new_dtstamp)
#define icalproperty_new_dtstart (::vespera::ical::libical()->icalproperty_new_dtstart)
#define icalproperty_new_duration (::vespera::ical::libical()->icalproperty_new_duration)
#define icalproperty_new_exdate (::vespera::ical::libical()->icalproperty_new_exdate)
#define icalproperty_new_from_string (::vespera::ical::libical()->icalproperty_new_from_string)
#define icalproperty_new_prodid (::vespera::ical::libical()->icalproperty_new_prodid)
#define icalproperty_new_rdate (::vespera::ical::libical()->icalproperty_new_rdate)
#define icalproperty_new_recurrenceid (::vespera::ical::libical()->icalproperty_new_recurrenceid)
#define icalproperty_new_rrule (::vespera::ical::libical()->icalproperty_new_rrule)
#define icalproperty_new_summary (::vespera::ical::libical()->icalproperty_new_summary)
#define icalproperty_new_uid (::vespera::ical::libical()->icalproperty_new_uid)
#define icalproperty_new_version (::vespera::ical::libical()->icalproperty_new_version)
#define icalproperty_new_x (::vespera::ical::libical()->icalproperty_new_x)
#define icalproperty_set_tzid (::vespera::ical::libical()->icalproperty_set_tzid)
#define icalproperty_set_x_name (::vespera::ical::libical()->icalproperty_set_x_name)
#define icalrecur_iterator_free (::vespera::ical::libical()->icalrecur_iterator_free)
#define icalrecur_iterator_new (::vespera::ical::libical()->icalrecur_iterator_new)
#define icalrecur_iterator_next (::vespera::ical::libical()->icalrecur_iterator_next)
#define icalrecur_iterator_set_start (::vespera::ical::libical()->icalrecur_iterator_set_start)
#define icalrecurrencetype_day_position (::vespera::ical::libical()->icalrecurrencetype_day_position)
#define icalrecurrencetype_from_string (::vespera::ical::libical()->icalrecurrencetype_from_string)
#define icalrecurrencetype_month_month (::vespera::ical::libical()->icalrecurrencetype_month_month)
#define icaltime_as_ical_string (::vespera::ical::libical()->icaltime_as_ical_string)
#define icaltime_compare (::vespera::ical::libical()->icaltime_compare)
#define icaltime_convert_to_zone (::vespera::ical::libical()->icaltime_convert_to_zone)
#define icaltime_days_in_month (::vespera::ical::libical()->icaltime_days_in_month)
#define icaltime_is_null_time (::vespera::ical::libical()->icaltime_is_null_time)
#define icaltime_is_utc (::vespera::ical::libical()->icaltime_is_utc)
#define icaltime_null_date (::vespera::ical::libical()->icaltime_null_date)
#define icaltime_null_time (::vespera::ical::libical()->icaltime_null_time)
#define icaltime_set_timezone (::vespera::ical::libical()->icaltime_set_timezone)
#define icaltimezone_free (::vespera::ical::libical()->icaltimezone_free)
#define icaltimezone_get_builtin_timezone (::vespera::ical::libical()->icaltimezone_get_builtin_timezone)
#define icaltimezone_get_builtin_timezone_from_tzid (::vespera::ical::libical()->icaltimezone_get_builtin_timezone_from_tzid)
#define icaltimezone_get_component (::vespera::ical::libical()->icaltimezone_get_component)
#define icaltimezone_get_utc_timezone (::vespera::ical::libical()->icaltimezone_get_utc_timezone)
#define icaltimezone_new (::vespera::ical::libical()->icaltimezone_new)
#define icaltimezone_set_component (::vespera::ical::libical()->icaltimezone_set_component)
#endif

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

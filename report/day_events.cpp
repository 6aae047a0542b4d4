#include "report/day_events.h"

#include <cmath>

#include "base/number_text.h"

namespace vespera::report {

Event typed_event(const clsCalendar::ClockEvent& event) {
    using Status = clsCalendar::ClockEvent::Status;
    switch (event.status) {
    case Status::Happens:
        return happens_at({event.day_number, event.minute_of_day,
                           static_cast<std::int32_t>(std::lround(event.offset_hours * 3600.0))});
    case Status::AlwaysAbove: return {EventStatus::AlwaysAbove, {}};
    case Status::AlwaysBelow: return {EventStatus::AlwaysBelow, {}};
    case Status::NotThatDay: break;
    }
    return {EventStatus::NotThatDay, {}};
}

std::string event_text(const clsCalendar::ClockEvent& event, const char* unit) {
    using Status = clsCalendar::ClockEvent::Status;
    switch (event.status) {
    case Status::Happens: return hours_minutes_text(event.minute_of_day, unit);
    case Status::AlwaysAbove: return "****";
    case Status::AlwaysBelow: return "....";
    case Status::NotThatDay: break;
    }
    return "----";
}

std::string hours_minutes_text(std::int64_t minutes, const char* unit) {
    return two_digits(minutes / 60) + ':' + two_digits(minutes % 60) + unit;
}

} // namespace vespera::report

// An event of one local day: its instant, or why it does not happen.
#pragma once

namespace vespera {

enum class EventStatus {
    Occurs,      // jd_ut holds the instant
    AlwaysAbove, // above the threshold all day: no rise or set
    AlwaysBelow, // below it all day
    NotThisDay,  // the body crosses, but not in this direction on this day
};

struct DayEvent {
    EventStatus status = EventStatus::NotThisDay;
    double jd_ut = 0.0;
};

} // namespace vespera

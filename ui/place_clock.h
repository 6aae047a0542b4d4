// "Now" at the chosen place: the computer's clock read as an instant (UTC)
// and shown on the place's own clock, whatever zone the computer runs in.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include "zones/zone.h"

namespace vespera::ui {

struct PlaceClock {
    QDate date;      // the place's civil date
    QTime time;      // the place's clock time
    double jd_ut;    // the instant
    bool summer;     // summer time in force there
    double offset_hours;
};

PlaceClock place_clock(const QDateTime& now, const Zone& zone);

// The zone's standard offset at the instant: its offset less an hour of
// summer time (the half hour of Lord Howe Island aside).
double standard_offset_hours(const Zone& zone, const QDateTime& now);

} // namespace vespera::ui

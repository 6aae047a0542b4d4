#include "ui/place_clock.h"

#include "ephemeris/calendar.h"
#include "zones/place_clock.h"

namespace vespera::ui {

PlaceClock place_clock(const QDateTime& now, const Zone& zone) {
    const PlaceNow place = place_now(now.toMSecsSinceEpoch(), zone);
    const CivilDate civil = civil_date(place.day_number);
    PlaceClock clock;
    clock.date = QDate(static_cast<int>(civil.year), civil.month, civil.day);
    clock.time = QTime::fromMSecsSinceStartOfDay(place.second_of_day * 1000);
    clock.jd_ut = place.jd_ut;
    clock.summer = place.offset.summer;
    clock.offset_hours = place.offset.hours;
    return clock;
}

double standard_offset_hours(const Zone& zone, const QDateTime& now) {
    const ClockOffset offset = place_now(now.toMSecsSinceEpoch(), zone).offset;
    return offset.summer ? offset.hours - 1.0 : offset.hours;
}

} // namespace vespera::ui

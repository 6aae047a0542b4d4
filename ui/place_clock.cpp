#include "ui/place_clock.h"

#include <cmath>

#include "engine/date_math.h"
#include "ephemeris/time_scales.h"

namespace vespera::ui {

namespace {

double jd_ut_of(const QDateTime& now) {
    return static_cast<double>(now.toMSecsSinceEpoch()) / (1000.0 * kSecondsPerDay) + kUnixEpoch_jd;
}

} // namespace

PlaceClock place_clock(const QDateTime& now, const Zone& zone) {
    const double jd_ut = jd_ut_of(now);
    const ClockOffset offset = zone.at(jd_ut);
    // Whole seconds on the place's clock, counted from the Unix epoch.
    const qint64 local_seconds =
        now.toSecsSinceEpoch() + static_cast<qint64>(std::llround(offset.hours * 3600.0));
    const qint64 days = floor_div(local_seconds, 86400);
    const qint64 second_of_day = floor_mod(local_seconds, 86400);
    const CivilDate civil = civil_date(static_cast<std::int64_t>(days) + 2440588);
    PlaceClock clock;
    clock.date = QDate(static_cast<int>(civil.year), civil.month, civil.day);
    clock.time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(second_of_day * 1000));
    clock.jd_ut = jd_ut;
    clock.summer = offset.summer;
    clock.offset_hours = offset.hours;
    return clock;
}

Zone place_zone(const QString& iana, double zone_offset_hours) {
    if (!iana.isEmpty()) {
        if (std::optional<Zone> zone = Zone::named(iana.toStdString())) return *zone;
    }
    return Zone::german_rules(zone_offset_hours);
}

double standard_offset_hours(const Zone& zone, const QDateTime& now) {
    const ClockOffset offset = zone.at(jd_ut_of(now));
    return offset.summer ? offset.hours - 1.0 : offset.hours;
}

} // namespace vespera::ui

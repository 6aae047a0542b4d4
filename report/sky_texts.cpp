#include "report/sky_texts.h"

#include <cmath>

#include "report/day_events.h"

namespace vespera::report {

Event typed_event(const Zone& zone, const DayEvent& event) {
    switch (event.status) {
    case vespera::EventStatus::Occurs: {
        const std::optional<Instant> at = instant_on_clock(zone, event.jd_ut);
        if (at) return happens_at(*at);
        break;
    }
    case vespera::EventStatus::AlwaysAbove: return {EventStatus::AlwaysAbove, {}};
    case vespera::EventStatus::AlwaysBelow: return {EventStatus::AlwaysBelow, {}};
    case vespera::EventStatus::NotThisDay: break;
    }
    return {EventStatus::NotThatDay, {}};
}

std::string clock_time_text(const Zone& zone, double jd_ut) {
    const std::optional<Instant> at = instant_on_clock(zone, jd_ut);
    return at ? hours_minutes_text(at->minute_of_day, " Uhr") : std::string();
}

std::string utc_clock_text(double jd_ut) {
    if (!std::isfinite(jd_ut) || std::fabs(jd_ut) > 1.0e9) return {};
    const auto minutes = static_cast<std::int64_t>(std::llround((jd_ut + 0.5) * 1440.0));
    return hours_minutes_text(((minutes % 1440) + 1440) % 1440, "");
}

} // namespace vespera::report

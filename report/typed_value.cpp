#include "report/typed_value.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "ephemeris/calendar.h"
#include "report/report.h"
#include "zones/local_instant.h"
#include "zones/zone.h"

namespace vespera::report {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::string day_and_time(std::int64_t day_number, std::int64_t second_of_day) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "T%02d:%02d:%02d", static_cast<int>(second_of_day / 3600),
                  static_cast<int>(second_of_day / 60 % 60), static_cast<int>(second_of_day % 60));
    return iso_date(day_number) + buffer;
}

std::string offset_text(std::int32_t offset_seconds) {
    const std::int32_t magnitude = offset_seconds < 0 ? -offset_seconds : offset_seconds;
    char buffer[16];
    // RFC 3339 offsets have minutes only; local mean time before the zones
    // (Berlin +00:53:28) keeps its seconds rather than a wrong minute.
    if (magnitude % 60 == 0) {
        std::snprintf(buffer, sizeof buffer, "%c%02d:%02d", offset_seconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60);
    } else {
        std::snprintf(buffer, sizeof buffer, "%c%02d:%02d:%02d", offset_seconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    }
    return buffer;
}

} // namespace

TypedValue instant_value(Event event) {
    TypedValue value;
    value.event = event;
    return value;
}

TypedValue span_value(Event first, Event last) {
    TypedValue value;
    value.event = first;
    value.end = last;
    return value;
}

TypedValue clock_value(std::int32_t minute_of_day) {
    TypedValue value;
    value.clock_minutes = minute_of_day;
    return value;
}

TypedValue duration_value(std::int64_t minutes) {
    TypedValue value;
    value.duration_minutes = minutes;
    return value;
}

TypedValue number_value(double number, int decimals, std::string unit) {
    TypedValue value;
    value.quantity = Quantity{number, decimals, std::move(unit)};
    return value;
}

TypedValue range_value(std::int64_t first_day, std::int64_t last_day) {
    TypedValue value;
    value.days = DayRange{first_day, last_day};
    return value;
}

std::optional<Instant> instant_on_clock(const Zone& zone, double jd_ut) {
    if (!std::isfinite(jd_ut) || std::fabs(jd_ut) > 1.0e9) return std::nullopt;
    const LocalInstant local = split_local_instant(zone.local_jd(jd_ut));
    return Instant{local.day_number, local.minute_of_day,
                   static_cast<std::int32_t>(std::lround(zone.at(jd_ut).hours * 3600.0))};
}

std::string local_text(const Instant& at) {
    return day_and_time(at.day_number, std::int64_t{at.minute_of_day} * 60) + offset_text(at.offset_seconds);
}

std::string utc_text(const Instant& at) {
    const std::int64_t seconds = at.day_number * kSecondsPerDay + std::int64_t{at.minute_of_day} * 60 - at.offset_seconds;
    return day_and_time(floor_div(seconds, kSecondsPerDay), floor_mod(seconds, kSecondsPerDay)) + "Z";
}

std::string clock_text(std::int32_t minute_of_day) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", minute_of_day / 60 % 100, minute_of_day % 60);
    return buffer;
}

const char* status_key(EventStatus status) {
    switch (status) {
    case EventStatus::Happens: return "";
    case EventStatus::AlwaysAbove: return "immer_oben";
    case EventStatus::AlwaysBelow: return "immer_unten";
    case EventStatus::NotThatDay: return "nicht_an_diesem_tag";
    }
    return "";
}

std::string number_text(const Quantity& quantity) {
    if (!std::isfinite(quantity.number)) return {};
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, quantity.number, std::chars_format::fixed,
                                      quantity.decimals < 0 ? 0 : quantity.decimals);
    if (result.ec != std::errc()) return {};
    std::string text(buffer, result.ptr);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1); // never "-0.0"
    return text;
}

} // namespace vespera::report

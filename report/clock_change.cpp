#include "report/clock_change.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "base/number_text.h"

namespace vespera::report {
namespace {

// Europe's zone times by their German names: MEZ and MESZ as the Einheiten-
// und Zeitgesetz (§ 4, § 5) names them, WEZ and OEZ with their summer times
// after the same pattern (Duden).
struct ZoneTimeName {
    double standard_hours;
    const char* standard;
    const char* summer;
};
constexpr std::array<ZoneTimeName, 3> kEuropeanZoneTimes = {{
    {0.0, "WEZ", "WESZ"},
    {1.0, "MEZ", "MESZ"},
    {2.0, "OEZ", "OESZ"},
}};

// The names hold in Europe and for the German rules (a place without a zone);
// elsewhere the same offsets mean other zone times (Lagos, Cairo).
bool uses_european_names(const Zone& zone) {
    const std::string& name = zone.name();
    return name.empty() || name.starts_with("Europe/") || name == "Atlantic/Canary" || name == "Atlantic/Madeira" ||
           name == "Atlantic/Faroe";
}

// One hour of summer time on a named zone time, as the change shows both
// sides: Berlin's double summer time of 1945 and 1947 keeps plain offsets.
const ZoneTimeName* named_pair(const Zone& zone, const ClockChange& change) {
    if (!uses_european_names(zone) || change.before.summer == change.after.summer) return nullptr;
    const ClockOffset& standard = change.before.summer ? change.after : change.before;
    const ClockOffset& summer = change.before.summer ? change.before : change.after;
    if (summer.hours != standard.hours + 1.0) return nullptr;
    for (const ZoneTimeName& name : kEuropeanZoneTimes) {
        if (name.standard_hours == standard.hours) return &name;
    }
    return nullptr;
}

// "UTC+1", "UTC−3:30", "UTC+0:53:28" (Berlin's mean time before 1893).
std::string utc_offset_text(double hours) {
    const auto seconds = static_cast<std::int64_t>(std::llround(hours * 3600.0));
    const std::int64_t magnitude = seconds < 0 ? -seconds : seconds;
    std::string text = seconds < 0 ? "UTC\u2212" : "UTC+";
    text += std::to_string(magnitude / 3600);
    if (magnitude % 3600 != 0) text += ':' + two_digits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) text += ':' + two_digits(magnitude % 60);
    return text;
}

std::string offset_name(const ZoneTimeName* pair, const ClockOffset& offset) {
    if (pair == nullptr) return utc_offset_text(offset.hours);
    return offset.summer ? pair->summer : pair->standard;
}

// The clock's reading at the change, counted from the day's midnight: a
// change at midnight that turns the clock back reads 24:00.
std::string reading_text(double jd_ut, double offset_hours, std::int32_t day_number) {
    const double local_jd = jd_ut + offset_hours / 24.0;
    const auto seconds = static_cast<std::int64_t>(std::llround((local_jd - (day_number - 0.5)) * 86400.0));
    std::string text = two_digits(seconds / 3600) + ':' + two_digits(seconds / 60 % 60);
    if (seconds % 60 != 0) text += ':' + two_digits(seconds % 60);
    return text;
}

// "23 Stunden", "24 Stunden 30 Minuten".
std::string length_text(std::int64_t seconds) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on " " + string.
    std::string text = std::to_string(seconds / 3600);
    text += seconds / 3600 == 1 ? " Stunde" : " Stunden";
    if (seconds / 60 % 60 != 0) {
        text += ' ';
        text += std::to_string(seconds / 60 % 60);
        text += " Minuten";
    }
    if (seconds % 60 != 0) {
        text += ' ';
        text += std::to_string(seconds % 60);
        text += " Sekunden";
    }
    return text;
}

std::string_view what_changes(const ClockChange& change) {
    if (!change.before.summer && change.after.summer) return "Sommerzeit beginnt";
    if (change.before.summer && !change.after.summer) return "Sommerzeit endet";
    return "neue Zonenzeit";
}

} // namespace

std::optional<ClockChangeRow> clock_change_row(const Zone& zone, std::int32_t day_number) {
    const std::vector<ClockChange> changes = clock_changes_on(zone, day_number);
    if (changes.empty()) return std::nullopt;
    const LocalDay day = local_day(zone, day_number);
    const auto day_seconds = static_cast<std::int64_t>(std::llround(day.span_hours * 3600.0));
    ClockChangeRow row;
    for (const ClockChange& change : changes) {
        if (!row.text.empty()) row.text += "; ";
        const ZoneTimeName* pair = named_pair(zone, change);
        row.text += reading_text(change.jd_ut, change.before.hours, day_number) + " " +
                    offset_name(pair, change.before) + " \u2192 " +
                    reading_text(change.jd_ut, change.after.hours, day_number) + " " + offset_name(pair, change.after) +
                    " (" + std::string(what_changes(change));
        if (changes.size() == 1) row.text += ", der Tag hat " + length_text(day_seconds);
        row.text += ")";
    }
    if (changes.size() > 1) row.text += "; der Tag hat " + length_text(day_seconds);
    if (const std::optional<Instant> at = instant_on_clock(zone, changes.front().jd_ut)) {
        row.typed = instant_value(happens_at(*at));
    }
    row.typed.duration_minutes = day_seconds / 60;
    return row;
}

} // namespace vespera::report

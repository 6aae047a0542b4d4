#include "holidays/ical_import.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/data_files.h"
#include "base/ical_reader.h"
#include "base/text.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

constexpr std::string_view kDefaultName = "Ferien";
constexpr int kYearsBack = 2;
constexpr int kYearsAhead = 10;

// The engine's school-holiday tables begin with the Gregorian calendar.
const std::int64_t kFirstDay = day_number(1583, 1, 1);
const std::int64_t kLastDay = day_number(9999, 12, 31);

// The place's offset from UTC at an instant, in whole seconds; any clock on
// Earth is less than a day away, so more is a broken zone and counts as none.
std::int64_t offset_seconds(const IcsImportFrame& frame, ical::DayTime utc) {
    if (!frame.local_jd) return 0;
    const double jd_ut = static_cast<double>(utc.day) - 0.5 + utc.seconds / static_cast<double>(ical::kDaySeconds);
    const double offset = (frame.local_jd(jd_ut) - jd_ut) * ical::kDaySeconds;
    if (!std::isfinite(offset) || std::abs(offset) >= ical::kDaySeconds) return 0;
    return std::llround(offset);
}

// The local days an occurrence touches. Its end is exclusive (RFC 5545
// 3.6.1): an end at the local midnight closes the day before.
DayRange local_days(const ical::Occurrence& occurrence, const IcsImportFrame& frame) {
    ical::DayTime start = occurrence.start, end = occurrence.end;
    if (occurrence.clock == ical::Clock::utc) {
        start = ical::add_seconds(start, offset_seconds(frame, occurrence.start));
        end = ical::add_seconds(end, offset_seconds(frame, occurrence.end));
    }
    const std::int64_t last = (end.seconds == 0 && end.day > start.day) ? end.day - 1 : end.day;
    return {start.day, std::max(last, start.day)};
}

bool has_recurrence(const ical::Series& series) { return !series.rrule.empty() || !series.rdates.empty(); }

std::string count_text(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

// "„Sommer“: Die Angabe DTSTART ist nicht lesbar", for the first refusal.
std::string reason_text(const ical::Refusal& refusal) {
    std::string reason = refusal.reason;
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    const std::string name = clean_display_line(refusal.event, 40);
    return (name.empty() ? std::string() : "\u201e" + name + "\u201c: ") + reason;
}

} // namespace

DayRange import_days_around(std::int64_t today) {
    const std::int64_t year = civil_date(today).year;
    return {day_number(year - kYearsBack, 1, 1), day_number(year + kYearsAhead, 12, 31)};
}

IcsImport import_school_holidays_ics(std::string_view bytes, const IcsImportFrame& frame) {
    IcsImport result;
    ical::ReadOptions options;
    options.limits.max_bytes = kMaxIcsBytes;
    options.limits.max_events = kMaxIcsEvents;
    const ical::Calendar calendar = ical::read_calendar(bytes, options);
    if (!calendar.ok) {
        result.message = calendar.message;
        return result;
    }
    std::optional<ical::Refusal> refusal;
    if (!calendar.refused.empty()) refusal = calendar.refused.front();
    result.skipped_events = calendar.refused.size() + calendar.over_limit;

    const ical::ZoneSet zones(calendar.timezones);
    const ical::DaySpan window{frame.expanded.first_day, frame.expanded.last_day};
    for (const ical::Event& event : calendar.events) {
        const bool recurring = has_recurrence(event.series);
        // A single event counts on its own day, wherever that lies.
        const ical::DaySpan days = recurring ? window : ical::DaySpan{event.series.start.at.day, event.series.start.at.day};
        const ical::Expansion expansion = ical::expand(event.series, days, zones, kMaxIcsEvents);
        std::string name = clean_display_line(event.summary, kMaxSchoolHolidayNameBytes);
        if (name.empty()) name = kDefaultName;
        const std::string too_many = "Mehr als " + std::to_string(kMaxIcsEvents) + " Zeiträume";
        std::string left_out = expansion.cut ? too_many : std::string();
        if (!recurring && expansion.occurrences.empty()) left_out = "Der Termin hat keinen Tag";
        for (const ical::Occurrence& occurrence : expansion.occurrences) {
            const DayRange range = local_days(occurrence, frame);
            if (recurring && (range.last_day < window.first_day || range.first_day > window.last_day)) continue;
            if (range.first_day < kFirstDay || range.last_day > kLastDay) {
                left_out = "Der Termin liegt vor 1583 oder nach 9999";
            } else if (range.last_day - range.first_day >= kMaxSchoolHolidayDays) {
                left_out = "Der Termin dauert länger als ein Jahr";
            } else if (result.periods.size() >= kMaxIcsEvents) {
                left_out = too_many;
            } else {
                result.periods.push_back({range.first_day, range.last_day, name, recurring});
            }
        }
        if (!left_out.empty()) {
            ++result.skipped_events;
            if (!refusal) refusal = ical::Refusal{event.summary, left_out};
        }
    }

    const std::string skipped = count_text(result.skipped_events, "Termin", "Termine") + " übersprungen";
    const std::string why = refusal ? reason_text(*refusal) : std::string();
    if (result.periods.empty()) {
        result.message = "Die Datei enthält keine lesbaren Ferientermine";
        if (result.skipped_events > 0) result.message += " (" + skipped + (why.empty() ? "" : "; " + why) + ")";
        result.message += ".";
        return result;
    }
    result.ok = true;
    result.message = count_text(result.periods.size(), "Ferienzeitraum", "Ferienzeiträume") + " gelesen";
    if (result.skipped_events > 0) result.message += ", " + skipped + (why.empty() ? "" : " (" + why + ")");
    return result;
}

IcsImport import_school_holidays_ics_file(const std::filesystem::path& path, const IcsImportFrame& frame) {
    const std::optional<std::string> content = read_regular_file(path, kMaxIcsBytes);
    if (!content) {
        IcsImport result;
        result.message = "Die Datei kann nicht gelesen werden oder ist größer als 2 MB.";
        return result;
    }
    return import_school_holidays_ics(*content, frame);
}

std::string imported_school_holidays_path(std::string_view region_code) {
    return "ferien/" + std::string(region_code) + ".ics";
}

} // namespace vespera

#include "zones/zone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <mutex>

#include "base/date_math.h"
#include "ephemeris/time_scales.h"
#include "zones/german_summer_time.h"
#include "zones/tz_database.h"

namespace vespera {

namespace {

constexpr std::int64_t kDaySeconds = 86400;
// The engine's years -27968 .. 27968 as UT instants, with two days to spare
// for the offsets and for the walks around a year's ends.
constexpr std::int64_t kFirstDay = -8494254; // 1 January -27968 (Julian)
constexpr std::int64_t kDayAfterLast = 11936528; // 1 January 27969
constexpr double kEarliest_jd_ut = kFirstDay - 2.5;
constexpr double kLatest_jd_ut = kDayAfterLast + 1.5;
// With summer time the clock stays within a day of UT, so a local time is read
// from UT instants within a day of it.
constexpr double kLargestStandardOffset_hours = 23.0;
constexpr std::size_t kCacheCapacity = 256;
// A local time near changes meets at most a handful of intervals.
constexpr int kMostIntervalsPerLocalTime = 16;
// zic writes a zone's transitions up to 2037 and leaves later years to a rule
// in the file's footer, which the date library does not apply.
constexpr std::int64_t kExplicitDataEndYear = 2037;
constexpr std::int64_t kYearAfterAllData = 3000;
// Every weekday of 1 January and of 1 March recurs within 28 years.
constexpr std::int64_t kCalendarCycleYears = 28;

bool in_span(double jd_ut) { return jd_ut >= kEarliest_jd_ut && jd_ut < kLatest_jd_ut; }

// The day number of a Julian Day (local midnight at .5).
std::int64_t whole_day_of(double jd) { return static_cast<std::int64_t>(std::floor(jd + 0.5)); }

// The German rules' intervals run within a year of the local standard-time
// clock: winter, summer, winter (or winter alone).
Zone::Interval german_interval(double standard_hours, double jd_ut) {
    const double shift = standard_hours / 24.0;
    const auto year_begin = [&](std::int64_t year) {
        return static_cast<double>(day_number(year, 1, 1)) - 0.5 - shift;
    };
    std::int64_t year = civil_date(whole_day_of(jd_ut + shift)).year;
    if (jd_ut < year_begin(year)) --year;
    if (jd_ut >= year_begin(year + 1)) ++year;
    const double begin = year_begin(year);
    const double end = year_begin(year + 1);
    const ClockOffset standard{standard_hours, false};
    const SummerTimeDays days = german_summer_time_days(year);
    if (days.start_day == 0) return {begin, end, standard};
    const double change = kGermanChangeHour / 24.0 - 0.5 - shift;
    const double start = days.start_day + change;
    const double stop = days.end_day + change;
    if (jd_ut < start) return {begin, start, standard};
    if (jd_ut < stop) return {start, stop, {standard_hours + 1.0, true}};
    return {stop, end, standard};
}

// ---- zones of the tz database, in seconds since 1970 ------------------------

struct Segment {
    std::int64_t begin_s;
    std::int64_t end_s;
    ClockOffset offset;
};

double jd_of(std::int64_t unix_s) { return kUnixEpoch_jd + static_cast<double>(unix_s) / kDaySeconds; }

// Only for instants within the engine's span, so the result fits easily.
std::int64_t seconds_of(double jd_ut) {
    return static_cast<std::int64_t>(std::floor((jd_ut - kUnixEpoch_jd) * kDaySeconds));
}

std::int64_t year_of_second(std::int64_t unix_s) {
    return civil_date(floor_div(unix_s, kDaySeconds) + kUnixEpochDay).year;
}

std::int64_t year_start_s(std::int64_t year) { return (day_number(year, 1, 1) - kUnixEpochDay) * kDaySeconds; }

using Raw = std::optional<tzdb::RawInterval>;

Raw raw_before(const tzdb::TzZone& zone, const tzdb::RawInterval& interval) {
    return interval.open_begin ? std::nullopt : tzdb::raw_interval(zone, interval.begin_s - 1);
}

Raw raw_after(const tzdb::TzZone& zone, const tzdb::RawInterval& interval) {
    return interval.open_end ? std::nullopt : tzdb::raw_interval(zone, interval.end_s);
}

// Negative summer time (Europe/Dublin's winter, Africa/Windhoek's winter,
// Morocco's Ramadan): the database flags the lower offset as DST. Such an
// interval lies below an unflagged clock on every side it has.
bool is_lowered_winter(const tzdb::RawInterval& interval, const Raw& before, const Raw& after) {
    if (!interval.dst_flag || (!before && !after)) return false;
    const auto above = [&](const Raw& side) {
        return !side || (!side->dst_flag && side->offset_s > interval.offset_s);
    };
    return above(before) && above(after);
}

// Unflagged, but summer: the higher clock between two lowered winters.
bool is_raised_summer(const tzdb::TzZone& zone, const tzdb::RawInterval& interval, const Raw& before,
                      const Raw& after) {
    const auto lowered = [&](const Raw& side, bool is_before) {
        if (!side || !side->dst_flag || side->offset_s >= interval.offset_s) return false;
        const Raw beyond = is_before ? raw_before(zone, *side) : raw_after(zone, *side);
        return is_before ? is_lowered_winter(*side, beyond, interval) : is_lowered_winter(*side, interval, beyond);
    };
    return lowered(before, true) && lowered(after, false);
}

std::optional<Segment> explicit_segment(const tzdb::TzZone& zone, std::int64_t unix_s) {
    const Raw here = tzdb::raw_interval(zone, unix_s);
    if (!here) return std::nullopt;
    const Raw before = raw_before(zone, *here);
    const Raw after = raw_after(zone, *here);
    const bool summer = here->dst_flag ? !is_lowered_winter(*here, before, after)
                                       : is_raised_summer(zone, *here, before, after);
    return Segment{here->begin_s, here->end_s, {here->offset_s / 3600.0, summer}};
}

// The offsets a UT year's changes go between, in order: the same for years
// under the same rule.
using YearPattern = std::vector<std::pair<ClockOffset, ClockOffset>>;

YearPattern year_pattern(const tzdb::TzZone& zone, std::int64_t year) {
    YearPattern pattern;
    const std::int64_t end_s = year_start_s(year + 1);
    std::optional<Segment> segment = explicit_segment(zone, year_start_s(year));
    for (int step = 0; step < 64 && segment && segment->end_s < end_s; ++step) {
        const std::optional<Segment> next = explicit_segment(zone, segment->end_s);
        if (next && next->offset != segment->offset) pattern.emplace_back(segment->offset, next->offset);
        segment = next;
    }
    return pattern;
}

std::int64_t unix_day_start_s(std::int64_t day) { return (day - kUnixEpochDay) * kDaySeconds; }

} // namespace

// The data's explicit transitions end (in 2037 for most zones); later years
// repeat earlier ones.
// A change is tied to a weekday after a date (last Sunday in March, first
// Sunday in October), so January and February come from a year whose 1
// January falls on the same weekday, March to December from one whose 1 March
// does, moved by whole weeks. The model is the latest such year that changes
// the clocks as the last complete year does: a rule adopted in 2023 (Egypt,
// Greenland) or a one-off year (Cuba 2026) must not be repeated.
struct Zone::Source {
    std::shared_ptr<const tzdb::TzZone> zone;
    std::optional<std::int64_t> last_complete_year; // set when the changes go on past the data
    // Chosen when a year past the data is first asked for: most uses of a
    // zone (a holiday list, a day report) never ask.
    mutable std::once_flag models_chosen;
    mutable std::array<std::int64_t, 7> january_model{}; // by weekday of 1 January; 0 = none
    mutable std::array<std::int64_t, 7> march_model{};   // by weekday of 1 March; 0 = none

    void choose_models() const {
        const std::int64_t last = *last_complete_year;
        std::vector<YearPattern> patterns;
        for (std::int64_t back = 0; back < kCalendarCycleYears; ++back) {
            patterns.push_back(year_pattern(*zone, last - back));
        }
        for (const bool same_rule_only : {true, false}) {
            for (std::int64_t back = 0; back < kCalendarCycleYears; ++back) {
                if (same_rule_only && patterns[back] != patterns.front()) continue;
                const std::int64_t year = last - back;
                std::int64_t& january = january_model[weekday_index(day_number(year, 1, 1))];
                std::int64_t& march = march_model[weekday_index(day_number(year, 3, 1))];
                if (january == 0) january = year;
                if (march == 0) march = year;
            }
        }
    }

    std::optional<Segment> segment_at(std::int64_t unix_s) const {
        if (!last_complete_year) return explicit_segment(*zone, unix_s);
        const std::int64_t last = *last_complete_year;
        const std::int64_t year = year_of_second(unix_s);
        if (year <= last) {
            std::optional<Segment> segment = explicit_segment(*zone, unix_s);
            if (segment) segment->end_s = std::min(segment->end_s, year_start_s(last + 1));
            return segment;
        }
        std::call_once(models_chosen, [this] { choose_models(); });
        const std::int64_t day = floor_div(unix_s, kDaySeconds) + kUnixEpochDay;
        const std::int64_t march = day_number(year, 3, 1);
        const bool early = day < march;
        const std::int64_t part_begin = early ? day_number(year, 1, 1) : march;
        const std::int64_t part_end = early ? march : day_number(year + 1, 1, 1);
        const std::int64_t model = (early ? january_model : march_model)[weekday_index(part_begin)];
        std::int64_t shift_s = 0;
        if (model != 0) shift_s = (part_begin - day_number(model, early ? 1 : 3, 1)) * kDaySeconds;
        std::optional<Segment> segment = explicit_segment(*zone, unix_s - shift_s);
        if (!segment) return std::nullopt;
        segment->begin_s = std::max(segment->begin_s + shift_s, unix_day_start_s(part_begin));
        segment->end_s = std::min(segment->end_s + shift_s, unix_day_start_s(part_end));
        return segment;
    }
};

Zone Zone::german_rules(double standard_offset_hours) {
    Zone zone;
    constexpr double kLimit = kLargestStandardOffset_hours;
    zone.standard_hours_ =
        std::isfinite(standard_offset_hours) ? std::clamp(standard_offset_hours, -kLimit, kLimit) : 0.0;
    return zone;
}

std::optional<Zone> Zone::named(std::string_view iana_name) {
    return from_database_zone(iana_name, tzdb::find_zone(iana_name));
}

std::optional<Zone> Zone::from_tzif(std::string_view name, std::string_view bytes) {
    return from_database_zone(name, tzdb::zone_from_tzif(bytes));
}

std::optional<Zone> Zone::from_database_zone(std::string_view iana_name, std::shared_ptr<const tzdb::TzZone> found) {
    if (!found) return std::nullopt;
    const Raw last = tzdb::raw_interval(*found, year_start_s(kYearAfterAllData));
    if (!last) return std::nullopt;
    auto source = std::make_shared<Source>();
    source->zone = found;
    if (!last->open_begin && year_of_second(last->begin_s) >= kExplicitDataEndYear) {
        source->last_complete_year = year_of_second(last->begin_s);
    }
    Zone zone;
    zone.name_ = std::string(iana_name);
    // The standard offset: the latest offset without summer time.
    std::optional<Segment> segment = explicit_segment(*found, year_start_s(kYearAfterAllData));
    if (!segment) return std::nullopt;
    zone.standard_hours_ = segment->offset.hours;
    for (int back = 0; back < 4 && segment->offset.summer; ++back) {
        segment = explicit_segment(*found, segment->begin_s - 1);
        if (!segment) break;
        if (!segment->offset.summer) zone.standard_hours_ = segment->offset.hours;
    }
    zone.source_ = std::move(source);
    return zone;
}

std::vector<std::string> Zone::known_names() { return tzdb::canonical_names(); }

std::optional<Zone::Interval> Zone::look_up(double jd_ut) const {
    if (!source_) return german_interval(standard_hours_, jd_ut);
    // Rounding between seconds and days may land next to the interval wanted.
    std::int64_t unix_s = seconds_of(jd_ut);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<Segment> segment = source_->segment_at(unix_s);
        if (!segment) return std::nullopt;
        const double begin = jd_of(segment->begin_s);
        const double end = jd_of(segment->end_s);
        if (jd_ut < begin) {
            unix_s = segment->begin_s - 1;
        } else if (jd_ut >= end) {
            unix_s = segment->end_s;
        } else {
            return Interval{begin, end, segment->offset};
        }
    }
    return std::nullopt;
}

Zone::Interval Zone::interval_at(double jd_ut) const {
    const auto holds = [jd_ut](const Interval& interval) {
        return interval.begin_jd_ut <= jd_ut && jd_ut < interval.end_jd_ut;
    };
    if (last_hit_ < cache_.size() && holds(cache_[last_hit_])) return cache_[last_hit_];
    const auto later = [](double jd, const Interval& interval) { return jd < interval.begin_jd_ut; };
    auto next = std::upper_bound(cache_.begin(), cache_.end(), jd_ut, later);
    if (next != cache_.begin() && holds(*std::prev(next))) {
        last_hit_ = static_cast<std::size_t>(std::prev(next) - cache_.begin());
        return cache_[last_hit_];
    }
    const std::optional<Interval> found = look_up(jd_ut);
    if (!found) {
        // The database failed: answer with the standard offset, cache nothing.
        return {jd_ut, std::nextafter(jd_ut, kLatest_jd_ut), {standard_hours_, false}};
    }
    if (cache_.size() >= kCacheCapacity) cache_.clear();
    next = std::upper_bound(cache_.begin(), cache_.end(), jd_ut, later);
    last_hit_ = static_cast<std::size_t>(cache_.insert(next, *found) - cache_.begin());
    return *found;
}

ClockOffset Zone::at(double jd_ut) const {
    if (!in_span(jd_ut)) return {standard_hours_, false};
    return interval_at(jd_ut).offset;
}

double Zone::local_jd(double jd_ut) const { return jd_ut + at(jd_ut).hours / 24.0; }

ClockOffset Zone::at_local(double local_jd) const {
    if (!(local_jd - 1.0 >= kEarliest_jd_ut && local_jd + 1.0 < kLatest_jd_ut)) return {standard_hours_, false};
    // A day before, as UT, lies before every instant that reads as local_jd.
    Interval interval = interval_at(local_jd - 1.0);
    for (int step = 0; step < kMostIntervalsPerLocalTime; ++step) {
        if (local_jd - interval.offset.hours / 24.0 < interval.end_jd_ut) return interval.offset;
        const Interval next = interval_at(interval.end_jd_ut);
        // Skipped by the change: read with the offset before it.
        if (local_jd - next.offset.hours / 24.0 < next.begin_jd_ut) return interval.offset;
        interval = next;
    }
    return interval.offset;
}

double Zone::ut_of_local(double local_jd) const { return local_jd - at_local(local_jd).hours / 24.0; }

std::vector<ClockChange> Zone::changes_in_year(std::int64_t year) const {
    std::vector<ClockChange> changes;
    if (year < -kLargestYear || year > kLargestYear) return changes;
    const double local_begin = static_cast<double>(day_number(year, 1, 1)) - 0.5;
    const double local_end = static_cast<double>(day_number(year + 1, 1, 1)) - 0.5;
    const double last_jd_ut = local_end + 1.0;
    Interval interval = interval_at(local_begin - 1.0);
    // Each step moves at least one second on; a year holds a few dozen intervals at most.
    for (int step = 0; step < 4096 && interval.end_jd_ut < last_jd_ut; ++step) {
        const Interval next = interval_at(interval.end_jd_ut);
        const double local = interval.end_jd_ut + interval.offset.hours / 24.0;
        if (next.offset != interval.offset && local >= local_begin && local < local_end) {
            changes.push_back({interval.end_jd_ut, interval.offset, next.offset});
        }
        interval = next;
    }
    return changes;
}

SummerTimeDays Zone::summer_time_days(std::int64_t year) const {
    if (year < -kLargestYear || year > kLargestYear) return {};
    if (!source_) return german_summer_time_days(year);
    SummerTimeDays days;
    for (const ClockChange& change : changes_in_year(year)) {
        const auto day = static_cast<std::int32_t>(whole_day_of(change.jd_ut + change.before.hours / 24.0));
        if (!change.before.summer && change.after.summer && days.start_day == 0) days.start_day = day;
        if (change.before.summer && !change.after.summer) days.end_day = day;
    }
    return days;
}

} // namespace vespera

#include "own_dates/occurrences.h"

#include <algorithm>

#include "ephemeris/calendar.h"

namespace vespera::own_dates {
namespace {

constexpr std::size_t kMaxPerYear = 5000; // a daily date has 366

// RFC 5545 dates are proleptic Gregorian, whatever the engine's calendar
// before 1582.
bool gregorian_leap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

CivilDate gregorian(std::int64_t day) { return date_in(Calendar::Gregorian, day); }

std::int64_t gregorian_day(std::int64_t year, std::int64_t month, std::int64_t day) {
    return day_number_in(Calendar::Gregorian, year, month, day);
}

bool counts_years(const OwnDate& date) {
    return date.year_known && date.repeat != Repeat::once && date.kind != Kind::termin;
}

bool on_wall_clock(const OwnDate& date) {
    return date.repeat != Repeat::rule && (!date.start_seconds || date.clock == ical::Clock::floating);
}

bool earlier(const DateOccurrence& a, const DateOccurrence& b) {
    if (a.first_day != b.first_day) return a.first_day < b.first_day;
    if (a.start_seconds.has_value() != b.start_seconds.has_value()) return !a.start_seconds.has_value();
    if (a.start_seconds != b.start_seconds) return a.start_seconds < b.start_seconds;
    return a.index < b.index;
}

} // namespace

OccurrenceIndex::OccurrenceIndex(const std::vector<OwnDate>& dates, const std::map<std::string, std::string>& timezones,
                                 OccurrenceOptions options)
    : zones_(timezones), options_(std::move(options)) {
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const OwnDate& date = dates[i];
        const CivilDate first = gregorian(date.first_day);
        if (on_wall_clock(date)) {
            const WallDate wall{i,
                                date.first_day,
                                std::max(date.day_count, 1),
                                first.month,
                                first.day,
                                first.year,
                                date.repeat == Repeat::yearly,
                                counts_years(date),
                                date.start_seconds};
            if (wall.yearly && wall.day_count == 1 && !(wall.month == 2 && wall.day == 29)) {
                yearly_by_month_[static_cast<std::size_t>(wall.month - 1)].push_back(wall);
            } else {
                wall_.push_back(wall);
            }
            longest_days_ = std::max<std::int64_t>(longest_days_, date.day_count);
        } else {
            ical::Series series = series_of(date);
            longest_days_ = std::max<std::int64_t>(longest_days_, series.duration_seconds / ical::kDaySeconds + 2);
            expanded_.push_back({i, std::move(series), first.year, counts_years(date)});
        }
    }
}

void OccurrenceIndex::add_wall(const WallDate& date, std::int64_t first_day, std::int64_t last_day,
                               std::vector<DateOccurrence>& out) const {
    if (!date.yearly) {
        const std::int64_t last = date.first_day + date.day_count - 1;
        if (date.first_day <= last_day && last >= first_day) {
            out.push_back({date.index, date.first_day, last, date.start_seconds, std::nullopt, false});
        }
        return;
    }
    const std::int64_t from = gregorian(first_day - date.day_count).year;
    const std::int64_t to = gregorian(last_day).year;
    for (std::int64_t year = from; year <= to; ++year) add_in_year(date, year, first_day, last_day, out);
}

void OccurrenceIndex::add_in_year(const WallDate& date, std::int64_t year, std::int64_t first_day,
                                  std::int64_t last_day, std::vector<DateOccurrence>& out) const {
    if (year < date.year) return; // not before the first date
    std::int32_t month = date.month, day = date.day;
    const bool moved = month == 2 && day == 29 && !gregorian_leap(year);
    if (moved) {
        month = options_.leap_day == LeapDayRule::february_28 ? 2 : 3;
        day = options_.leap_day == LeapDayRule::february_28 ? 28 : 1;
    }
    const std::int64_t first = gregorian_day(year, month, day);
    const std::int64_t last = first + date.day_count - 1;
    if (first > last_day || last < first_day) return;
    out.push_back({date.index, first, last, date.start_seconds,
                   date.counts_years ? std::optional(year - date.year) : std::nullopt, moved});
}

const std::vector<DateOccurrence>& OccurrenceIndex::expanded_year(std::int64_t year) {
    if (const auto it = expanded_years_.find(year); it != expanded_years_.end()) return it->second;
    std::vector<DateOccurrence>& occurrences = expanded_years_[year];
    const std::int64_t first_day = gregorian_day(year, 1, 1);
    const std::int64_t last_day = gregorian_day(year, 12, 31);
    const auto local = [this](const ical::Occurrence& o, ical::DayTime time) {
        return o.clock == ical::Clock::utc && options_.local_clock ? options_.local_clock(time) : time;
    };
    for (const Expanded& date : expanded_) {
        if (date.first_year > year) continue;
        const ical::Expansion expansion = ical::expand(date.series, {first_day, last_day}, zones_, kMaxPerYear);
        cut_ = cut_ || expansion.cut;
        for (const ical::Occurrence& o : expansion.occurrences) {
            const ical::DayTime start = local(o, o.start);
            // The day of the last second the occurrence covers, at least its first.
            const ical::DayTime end = local(o, o.end);
            const std::int64_t last = std::max(start.day, ical::add_seconds(end, -1).day);
            if (start.day < first_day || start.day > last_day) continue;
            const std::int64_t occurrence_year = gregorian(start.day).year;
            occurrences.push_back({date.index, start.day, last,
                                   o.clock == ical::Clock::all_day ? std::nullopt : std::optional(start.seconds),
                                   date.counts_years ? std::optional(occurrence_year - date.first_year) : std::nullopt,
                                   false});
        }
    }
    return occurrences;
}

std::vector<DateOccurrence> OccurrenceIndex::between(std::int64_t first_day, std::int64_t last_day) {
    std::vector<DateOccurrence> out;
    if (last_day < first_day) return out;
    for (const WallDate& date : wall_) add_wall(date, first_day, last_day, out);
    const CivilDate first = gregorian(first_day), last = gregorian(last_day);
    for (std::int64_t year = first.year; year <= last.year; ++year) {
        const int from = year == first.year ? first.month : 1;
        const int to = year == last.year ? last.month : 12;
        for (int month = from; month <= to; ++month) {
            for (const WallDate& date : yearly_by_month_[static_cast<std::size_t>(month - 1)]) {
                add_in_year(date, year, first_day, last_day, out);
            }
        }
    }
    if (!expanded_.empty()) {
        const std::int64_t from = gregorian(first_day - longest_days_).year;
        const std::int64_t to = gregorian(last_day).year;
        for (std::int64_t year = from; year <= to; ++year) {
            for (const DateOccurrence& o : expanded_year(year)) {
                if (o.first_day <= last_day && o.last_day >= first_day) out.push_back(o);
            }
        }
    }
    std::sort(out.begin(), out.end(), earlier);
    return out;
}

std::vector<DateOccurrence> OccurrenceIndex::in_year(std::int64_t year) {
    return between(gregorian_day(year, 1, 1), gregorian_day(year, 12, 31));
}

} // namespace vespera::own_dates

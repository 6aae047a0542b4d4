#include "base/ical_recurrence.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/text.h"
#include "base/ical_libical.h"
#include "ephemeris/calendar.h"

namespace vespera::ical {
namespace {

// libical steps through a rule one candidate at a time; a rule that can
// never match (30 February every day) spins inside one call until UNTIL, so
// every iteration carries an UNTIL, and a rule is first probed over the
// years in which any sound rule matches again: four for a daily rule (a leap
// day), 28 for the others (a weekday on a date repeats within the Gregorian
// 28-year cycle, centuries aside).
constexpr std::size_t kMaxSteps = 100000;
constexpr int kProbeYearsDaily = 4;
constexpr int kProbeYears = 28;
constexpr int kLastRuleYear = 2582; // libical 3.0 ends every recurrence there (MAX_TIME_T_YEAR)
constexpr std::array<int, 12> kLongestMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool listed(short value) { return value != ICAL_RECURRENCE_ARRAY_MAX; }

int listed_count(const short* values, int size) {
    int n = 0;
    while (n < size && listed(values[n])) ++n;
    return n;
}

// Whether a day of the month `day` (negative: from the end) can be the n-th
// (negative: n-th last) weekday in a month of `length` days.
bool ordinal_meets_month_day(int ordinal, int day, int length) {
    const int d = day > 0 ? day : length + 1 + day;
    if (d < 1 || d > length) return false;
    const int first = ordinal > 0 ? 7 * (ordinal - 1) + 1 : length + 7 * ordinal + 1;
    return d >= first && d <= first + 6;
}

// libical's iterator looks for the first day of a MONTHLY or YEARLY rule
// when it is made, up to the year 20000 whatever UNTIL says: a second for a
// rule that never matches. So these rules are judged here first, and only
// the shapes that calendars write and whose days can be judged are read.
std::string monthly_or_yearly_problem(const icalrecurrencetype& rule) {
    const std::string never = "Die Wiederholungsregel ergibt keinen Tag.";
    const std::string unsupported = "Diese Wiederholungsregel wird nicht unterstützt.";
    const bool monthly = rule.freq == ICAL_MONTHLY_RECURRENCE;
    const int months = listed_count(rule.by_month, ICAL_BY_MONTH_SIZE);
    const int month_days = listed_count(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    const int week_days = listed_count(rule.by_day, ICAL_BY_DAY_SIZE);
    const int year_days = listed_count(rule.by_year_day, ICAL_BY_YEARDAY_SIZE);
    const int weeks = listed_count(rule.by_week_no, ICAL_BY_WEEKNO_SIZE);
    const int positions = listed_count(rule.by_set_pos, ICAL_BY_SETPOS_SIZE);
    const bool times = listed(rule.by_hour[0]) || listed(rule.by_minute[0]) || listed(rule.by_second[0]);
    const bool in_month = monthly || months > 0; // BYDAY ordinals count within a month
    // With INTERVAL > 1 the rule visits only some months or years: it must
    // match in every one (a leap day every other year may never come).
    const bool every_period = rule.interval > 1;
    const int slack = every_period ? 1 : 0;
    bool ordinals = false, plain_weekdays = false;
    for (int i = 0; i < week_days; ++i) {
        const int position = icalrecurrencetype_day_position(rule.by_day[i]);
        if (std::abs(position) > (in_month ? 5 : 53) - slack) return every_period ? unsupported : never;
        (position != 0 ? ordinals : plain_weekdays) = true;
    }
    for (int i = 0; i < year_days; ++i) {
        if (rule.by_year_day[i] == 0 || std::abs(rule.by_year_day[i]) > 366 - slack) {
            return every_period ? unsupported : never;
        }
    }
    for (int i = 0; i < weeks; ++i) {
        if (rule.by_week_no[i] == 0 || std::abs(rule.by_week_no[i]) > 53 - slack) {
            return every_period ? unsupported : never;
        }
    }
    if (every_period) {
        if ((monthly && months > 0) || (month_days > 0 && week_days > 0)) return unsupported;
        int shortest = 28;
        if (months > 0) {
            shortest = 31;
            for (int i = 0; i < months; ++i) {
                const int month = icalrecurrencetype_month_month(rule.by_month[i]);
                if (month >= 1 && month <= 12) {
                    shortest = std::min(shortest, month == 2 ? 28 : kLongestMonth[static_cast<std::size_t>(month - 1)]);
                }
            }
        }
        for (int i = 0; i < month_days; ++i) {
            if (std::abs(rule.by_month_day[i]) > shortest) return unsupported;
        }
    }
    if (year_days > 0 && (months > 0 || month_days > 0 || week_days > 0 || weeks > 0)) return unsupported;
    if (weeks > 0 && (months > 0 || month_days > 0 || ordinals)) return unsupported;
    if (positions > 0) {
        // A set of whole weekdays holds each of them at least four times a
        // month, 52 times a year.
        if (week_days == 0 || ordinals || month_days > 0 || year_days > 0 || weeks > 0 || times) return unsupported;
        const int smallest_set = week_days * (in_month ? 4 * std::max(1, monthly ? 1 : months) : 52);
        for (int i = 0; i < positions; ++i) {
            if (rule.by_set_pos[i] == 0 || std::abs(rule.by_set_pos[i]) > smallest_set) return unsupported;
        }
    }
    if (ordinals && month_days > 0 && !plain_weekdays) {
        if (!in_month) return unsupported;
        std::vector<int> lengths;
        for (int i = 0; i < months; ++i) {
            const int month = icalrecurrencetype_month_month(rule.by_month[i]);
            if (month == 2) lengths.push_back(28);
            if (month >= 1 && month <= 12) lengths.push_back(kLongestMonth[static_cast<std::size_t>(month - 1)]);
        }
        if (months == 0) lengths = {28, 29, 30, 31};
        for (const int length : lengths) {
            for (int d = 0; d < month_days; ++d) {
                for (int w = 0; w < week_days; ++w) {
                    const int position = icalrecurrencetype_day_position(rule.by_day[w]);
                    if (ordinal_meets_month_day(position, rule.by_month_day[d], length)) return {};
                }
            }
        }
        return never;
    }
    return {};
}

// A rule without BY… parts matches once in every interval; only BY… parts
// can make it match rarely or never, and only those need the probe (which
// costs libical an ICU calendar).
bool has_by_parts(const icalrecurrencetype& rule) {
    return listed(rule.by_second[0]) || listed(rule.by_minute[0]) || listed(rule.by_hour[0]) ||
           listed(rule.by_day[0]) || listed(rule.by_month_day[0]) || listed(rule.by_year_day[0]) ||
           listed(rule.by_week_no[0]) || listed(rule.by_month[0]) || listed(rule.by_set_pos[0]);
}

// BYMONTHDAY beyond every month that BYMONTH allows (30 February).
bool month_days_impossible(const icalrecurrencetype& rule) {
    if (!listed(rule.by_month_day[0])) return false;
    int longest = 0;
    if (!listed(rule.by_month[0])) longest = 31;
    for (int i = 0; i < ICAL_BY_MONTH_SIZE && listed(rule.by_month[i]); ++i) {
        const int month = icalrecurrencetype_month_month(rule.by_month[i]);
        if (month >= 1 && month <= 12) longest = std::max(longest, kLongestMonth[static_cast<std::size_t>(month - 1)]);
    }
    for (int i = 0; i < ICAL_BY_MONTHDAY_SIZE && listed(rule.by_month_day[i]); ++i) {
        if (std::abs(rule.by_month_day[i]) <= longest) return false;
    }
    return true;
}

struct Frame {
    Clock clock = Clock::floating; // of DTSTART; zoned only with a known zone
    icaltimezone* zone = nullptr;
};

Frame frame_of(const EventTime& start, const ZoneSet::Zones& zones) {
    if (start.clock != Clock::zoned) return {start.clock, nullptr};
    icaltimezone* zone = zones.find(start.tzid);
    return zone != nullptr ? Frame{Clock::zoned, zone} : Frame{Clock::floating, nullptr};
}

icaltimetype in_frame(DayTime time, const Frame& frame) {
    icaltimetype value = to_icaltime(time, frame.clock == Clock::all_day);
    if (frame.clock == Clock::utc) value = icaltime_set_timezone(&value, icaltimezone_get_utc_timezone());
    if (frame.clock == Clock::zoned) value = icaltime_set_timezone(&value, frame.zone);
    return value;
}

// A zoned time as UTC; the others as they read.
std::optional<DayTime> on_output_clock(icaltimetype value) {
    if (!value.is_date && value.zone != nullptr && !icaltime_is_utc(value)) {
        value = icaltime_convert_to_zone(value, icaltimezone_get_utc_timezone());
    }
    return from_icaltime(value);
}

std::optional<DayTime> on_output_clock(const EventTime& time, const ZoneSet::Zones& zones) {
    if (time.clock != Clock::zoned) return time.at;
    icaltimezone* zone = zones.find(time.tzid);
    if (zone == nullptr) return time.at;
    icaltimetype value = to_icaltime(time.at, false);
    value = icaltime_set_timezone(&value, zone);
    return on_output_clock(value);
}

DayTime start_of_day(std::int64_t day) { return {day, 0}; }

// The rule with an UNTIL no later than `limit`.
icalrecurrencetype bounded(icalrecurrencetype rule, icaltimetype limit) {
    if (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, limit) > 0) rule.until = limit;
    return rule;
}

std::optional<icalrecurrencetype> parse_rule(const std::string& text) {
    const icalrecurrencetype rule = icalrecurrencetype_from_string(text.c_str());
    if (rule.freq == ICAL_NO_RECURRENCE) return std::nullopt;
    return rule;
}

} // namespace

DayTime add_seconds(DayTime time, std::int64_t seconds) {
    const std::int64_t total = time.seconds + seconds;
    return {time.day + floor_div(total, kDaySeconds), static_cast<std::int32_t>(floor_mod(total, kDaySeconds))};
}

std::int64_t seconds_between(DayTime from, DayTime to) {
    return (to.day - from.day) * kDaySeconds + (to.seconds - from.seconds);
}

ZoneSet::ZoneSet() : zones_(std::make_unique<Zones>()) {}

ZoneSet::ZoneSet(std::map<std::string, std::string> definitions) : ZoneSet() {
    for (const auto& [tzid, text] : definitions) {
        icalcomponent* component = icalcomponent_new_from_string(text.c_str());
        if (component == nullptr) continue;
        if (icalcomponent_isa(component) != ICAL_VTIMEZONE_COMPONENT) {
            icalcomponent_free(component);
            continue;
        }
        icaltimezone* zone = icaltimezone_new();
        if (icaltimezone_set_component(zone, component) == 0) {
            icalcomponent_free(component);
            icaltimezone_free(zone, 1);
            continue;
        }
        zones_->owned.emplace(tzid, zone);
    }
    zones_->definitions = std::move(definitions);
}

ZoneSet::~ZoneSet() = default;
ZoneSet::ZoneSet(ZoneSet&&) noexcept = default;
ZoneSet& ZoneSet::operator=(ZoneSet&&) noexcept = default;

const std::map<std::string, std::string>& ZoneSet::definitions() const { return zones_->definitions; }

bool ZoneSet::knows(std::string_view tzid) const { return zones_->find(tzid) != nullptr; }

std::string series_problem(const Series& series, const ZoneSet& zones) {
    const std::int64_t longest = kMaxEventDays * kDaySeconds;
    if (series.duration_seconds < 0) return "Der Termin endet vor seinem Beginn.";
    if (series.duration_seconds > longest) return "Der Termin dauert länger als zehn Jahre.";
    if (series.rrule.empty()) return {};
    const std::optional<icalrecurrencetype> rule = parse_rule(series.rrule);
    if (!rule) return "Die Wiederholungsregel (RRULE) ist nicht lesbar.";
    if (rule->freq < ICAL_DAILY_RECURRENCE) {
        return "Termine, die sich öfter als täglich wiederholen, werden nicht gelesen.";
    }
    const std::string never = "Die Wiederholungsregel ergibt keinen Tag.";
    if (rule->rscale != nullptr && *rule->rscale != '\0') {
        if (!equal_ignoring_ascii_case(rule->rscale, "GREGORIAN")) {
            return "Wiederholungen nach einem anderen Kalender (RSCALE) werden nicht gelesen.";
        }
    }
    if (series.start.at.day > day_number_in(vespera::Calendar::Gregorian, kLastRuleYear, 12, 31)) {
        return "Eine Wiederholung, die nach dem Jahr 2582 beginnt, wird nicht gelesen.";
    }
    if (month_days_impossible(*rule)) return never;
    if (!has_by_parts(*rule)) return {};
    if (rule->freq == ICAL_MONTHLY_RECURRENCE || rule->freq == ICAL_YEARLY_RECURRENCE) {
        if (std::string problem = monthly_or_yearly_problem(*rule); !problem.empty()) return problem;
    }

    const Frame frame = frame_of(series.start, zones.zones());
    const icaltimetype start = in_frame(series.start.at, frame);
    const int years = rule->freq == ICAL_DAILY_RECURRENCE ? kProbeYearsDaily : kProbeYears;
    icaltimetype horizon = start;
    horizon.year = std::min(horizon.year + years, kLastYear);
    // A rule that ends within the probe may rightly have no second day.
    const bool ends_in_probe =
        rule->count == 1 || (!icaltime_is_null_time(rule->until) && icaltime_compare(rule->until, horizon) <= 0);
    const IteratorPtr iterator(icalrecur_iterator_new(bounded(*rule, horizon), start));
    if (!iterator) return "Die Wiederholungsregel (RRULE) ist nicht lesbar.";
    for (int i = 0; i < 2; ++i) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next)) break;
        if (icaltime_compare(next, start) != 0) return {};
    }
    return ends_in_probe ? std::string() : never;
}

Expansion expand(const Series& series, DaySpan window, const ZoneSet& zones, std::size_t max_occurrences) {
    Expansion result;
    const ZoneSet::Zones& known = zones.zones();
    const Frame frame = frame_of(series.start, known);
    const Clock clock = frame.clock == Clock::zoned ? Clock::utc : frame.clock;
    const std::int64_t duration = frame.clock == Clock::all_day
                                      ? std::max<std::int64_t>(kDaySeconds, series.duration_seconds)
                                      : std::max<std::int64_t>(0, series.duration_seconds);
    // On the output clock: starts before `high` whose end comes after `low`.
    const DayTime low = add_seconds(start_of_day(window.first_day - kMarginDays), -duration);
    const DayTime high = start_of_day(window.last_day + kMarginDays + 1);

    struct Candidate {
        DayTime wall; // on DTSTART's clock, for an EXDATE given as a whole day
        DayTime out;
    };
    std::vector<Candidate> candidates;
    const auto consider = [&](DayTime wall, DayTime out) {
        if (out < high && add_seconds(out, std::max<std::int64_t>(duration, 1)) > low) {
            candidates.push_back({wall, out});
        }
    };

    const icaltimetype start = in_frame(series.start.at, frame);
    if (const std::optional<DayTime> out = on_output_clock(start)) consider(series.start.at, *out);

    if (const std::optional<icalrecurrencetype> rule = series.rrule.empty() ? std::nullopt : parse_rule(series.rrule)) {
        // The wall clock of a zone is within a day of UTC: one more day each side.
        const icaltimetype limit = in_frame(
            start_of_day(std::min(high.day + 1, day_number_in(vespera::Calendar::Gregorian, kLastYear, 12, 31))),
            frame);
        const IteratorPtr iterator(icalrecur_iterator_new(bounded(*rule, limit), start));
        if (iterator) {
            const DayTime from = add_seconds(low, -kDaySeconds);
            if (rule->count == 0 && series.start.at < from) {
                icalrecur_iterator_set_start(iterator.get(), in_frame(from, frame));
            }
            // DTSTART counts as the first of COUNT even off the rule (RFC 5545
            // 3.3.10); libical then counts only the rule's own days.
            std::size_t steps = 0;
            bool start_on_rule = false;
            for (icaltimetype next = icalrecur_iterator_next(iterator.get()); !icaltime_is_null_time(next);
                 next = icalrecur_iterator_next(iterator.get())) {
                if (steps == 0) start_on_rule = icaltime_compare(next, start) == 0;
                if (rule->count > 0 && !start_on_rule && steps + 1 >= static_cast<std::size_t>(rule->count)) break;
                if (++steps > kMaxSteps || candidates.size() > max_occurrences) {
                    result.cut = true;
                    break;
                }
                const std::optional<DayTime> wall = from_icaltime(next);
                const std::optional<DayTime> out = on_output_clock(next);
                if (!wall || !out) break;
                if (*out >= high) break;
                consider(*wall, *out);
            }
        }
    }
    for (const EventTime& rdate : series.rdates) {
        if (const std::optional<DayTime> out = on_output_clock(rdate, known)) consider(rdate.at, *out);
    }

    std::vector<DayTime> excluded_times;
    std::vector<std::int64_t> excluded_days;
    for (const EventTime& exdate : series.exdates) {
        if (exdate.clock == Clock::all_day || frame.clock == Clock::all_day) {
            excluded_days.push_back(exdate.at.day);
        } else if (const std::optional<DayTime> out = on_output_clock(exdate, known)) {
            excluded_times.push_back(*out);
        }
    }
    const auto excluded = [&](const Candidate& c) {
        return std::find(excluded_days.begin(), excluded_days.end(), c.wall.day) != excluded_days.end() ||
               std::find(excluded_times.begin(), excluded_times.end(), c.out) != excluded_times.end();
    };
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.out < b.out; });
    for (const Candidate& c : candidates) {
        if (excluded(c)) continue;
        if (!result.occurrences.empty() && result.occurrences.back().start == c.out) continue;
        if (result.occurrences.size() == max_occurrences) {
            result.cut = true;
            break;
        }
        result.occurrences.push_back({clock, c.out, add_seconds(c.out, duration)});
    }
    return result;
}

} // namespace vespera::ical

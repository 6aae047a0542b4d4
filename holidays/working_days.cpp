#include "holidays/working_days.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>

#include "ephemeris/calendar.h"
#include "holidays/region_days.h"

namespace vespera::holidays {
namespace {

bool is_weekend(std::int64_t day) { return weekday_index(day) >= 5; }

// The statutory days of the years a span touches, found year by year.
class HolidayYears {
public:
    HolidayYears(const Region& region, const Locality& place) : region_(region), place_(place) {}

    bool is_holiday(std::int64_t day) {
        // A walk through a year asks day by day: the year's bounds answer
        // without turning each day into a date.
        if (day < first_day_ || day >= end_day_) {
            const std::int64_t year = civil_date(day).year;
            days_ = statutory_days(region_, place_, year);
            first_day_ = day_number(year, 1, 1);
            end_day_ = day_number(year + 1, 1, 1);
        }
        return std::binary_search(days_.begin(), days_.end(), day);
    }

    bool is_working_day(std::int64_t day) { return !is_weekend(day) && !is_holiday(day); }

private:
    Region region_;
    Locality place_;
    std::int64_t first_day_ = 0; // the days_ of [first_day_, end_day_)
    std::int64_t end_day_ = 0;
    std::vector<std::int64_t> days_;
};

std::int64_t days_in_month(std::int64_t year, std::int32_t month) {
    const std::int64_t next_year = month == 12 ? year + 1 : year;
    const std::int32_t next_month = month == 12 ? 1 : month + 1;
    return day_number(next_year, next_month, 1) - day_number(year, month, 1);
}

// The first and the last year in which a row or a statute of the law begins
// or ends; before and after them every year reads the law alike.
struct LawYears {
    std::int64_t first = 0;
    std::int64_t last = -1;
};

LawYears changing_years(const CountryLaw& law) {
    std::int64_t first = INT64_MAX;
    std::int64_t last = INT64_MIN;
    const auto note = [&](Years years) {
        for (const std::int64_t bound : {std::int64_t{years.first}, std::int64_t{years.last}}) {
            if (bound == Years{}.first || bound == Years{}.last) continue;
            first = std::min(first, bound);
            last = std::max(last, bound);
        }
    };
    for (const DayRow& row : law.days) {
        note(row.listed);
        for (const Statute& statute : row.statutes) note(statute.years);
    }
    if (first > last) return {};
    return {first, last};
}

} // namespace

std::vector<std::int64_t> statutory_days(const Region& region, const Locality& place, std::int64_t year) {
    std::vector<std::int64_t> days;
    for (const NamedDay& day : year_days(region, place, year)) {
        if (day.status == Status::Statutory) days.push_back(day.day_number);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

namespace {

// The statutory days of a whole year that fall on Monday to Friday.
std::int64_t weekday_holidays(const Region& region, const Locality& place, std::int64_t year) {
    const std::vector<std::int64_t> days = statutory_days(region, place, year);
    return std::count_if(days.begin(), days.end(), [](std::int64_t day) { return !is_weekend(day); });
}

} // namespace

std::int64_t working_days(const Region& region, const Locality& place, std::int64_t first_day,
                          std::int64_t last_day) {
    if (last_day < first_day) std::swap(first_day, last_day);
    // Monday to Friday by whole weeks, then the statutory days on them.
    const std::int64_t length = last_day - first_day + 1;
    std::int64_t count = length / 7 * 5;
    for (std::int64_t day = first_day + length / 7 * 7; day <= last_day; ++day) {
        if (!is_weekend(day)) ++count;
    }
    const std::int64_t first_year = civil_date(first_day).year;
    const std::int64_t last_year = civil_date(last_day).year;
    for (const std::int64_t year : {first_year, last_year}) {
        for (const std::int64_t day : statutory_days(region, place, year)) {
            if (day >= first_day && day <= last_day && !is_weekend(day)) --count;
        }
        if (first_year == last_year) break;
    }
    // The whole years between. Outside the years in which the law changes, a
    // year's holidays follow from its place in the calendar's cycle of
    // weekdays and leap days (Gregorian: 400 years, 146,097 days; Julian,
    // before 1582: 28 years, 10,227 days; both whole weeks) and from its
    // Easter, so a span of millennia counts each such pair once.
    const LawYears changes = changing_years(region.law != nullptr ? *region.law : law_de());
    std::unordered_map<std::int64_t, std::int64_t> by_cycle_and_easter;
    for (std::int64_t year = first_year + 1; year < last_year; ++year) {
        if ((year >= changes.first && year <= changes.last) || year == 1582) {
            count -= weekday_holidays(region, place, year);
            continue;
        }
        const std::int64_t cycle = year < 1582 ? floor_mod(year, 28) : 28 + floor_mod(year, 400);
        const std::int64_t key = ((year > changes.last ? 428 : 0) + cycle) * 512 +
                                 (year_anchors(year).easter_day - day_number(year, 1, 1));
        const auto [at, added] = by_cycle_and_easter.try_emplace(key, 0);
        if (added) at->second = weekday_holidays(region, place, year);
        count -= at->second;
    }
    return count;
}

std::vector<std::int64_t> bridge_days(const Region& region, const Locality& place, std::int64_t year) {
    HolidayYears holidays(region, place);
    std::vector<std::int64_t> bridges;
    const std::int64_t first = day_number(year, 1, 1);
    const std::int64_t end = day_number(year + 1, 1, 1);
    for (std::int64_t day = first; day < end; ++day) {
        if (!holidays.is_working_day(day)) continue;
        // A weekend on both sides cannot happen; at least one side is a holiday.
        // The day after is asked only when the day before is free: on
        // 31 December that is a table of the next year.
        if (!is_weekend(day - 1) && !holidays.is_holiday(day - 1)) continue;
        if (is_weekend(day + 1) || holidays.is_holiday(day + 1)) bridges.push_back(day);
    }
    return bridges;
}

CalendarSpan calendar_span(std::int64_t from_day, std::int64_t to_day) {
    CalendarSpan span;
    if (to_day < from_day) {
        std::swap(from_day, to_day);
        span.earlier_first = false;
    }
    const CivilDate a = civil_date(from_day);
    const CivilDate b = civil_date(to_day);
    std::int64_t months = (b.year - a.year) * 12 + (std::int64_t{b.month} - a.month);
    if (b.day < a.day) --months;
    // The earlier date moved on by the whole months, its day kept or, past
    // the month's end, its last day (31 January + 1 month: 28 February).
    const std::int64_t month_index = a.year * 12 + (a.month - 1) + months;
    const std::int64_t year = floor_div(month_index, 12);
    const auto month = static_cast<std::int32_t>(floor_mod(month_index, 12) + 1);
    const std::int64_t day = std::min<std::int64_t>(a.day, days_in_month(year, month));
    const std::int64_t days = to_day - day_number(year, month, day);
    const std::int64_t years = months / 12;
    months %= 12;
    span.years = years;
    span.months = months;
    span.days = days;
    return span;
}

} // namespace vespera::holidays

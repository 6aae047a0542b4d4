#include "engine/zone.h"

#include <array>
#include <cmath>

#include "engine/date_math.h"

namespace vespera {

namespace {

constexpr int kMonday = 0;
constexpr int kSunday = 6;

struct FixedChange {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

// The war and post-war years, by decree (start and end of summer time).
constexpr std::array<FixedChange, 9> kFixedStarts = {{
    {1916, 4, 30}, {1943, 3, 29}, {1944, 4, 3}, {1945, 4, 2}, {1946, 4, 14},
    {1947, 4, 6}, {1948, 4, 18}, {1949, 4, 10}, {1980, 4, 6},
}};
constexpr std::array<FixedChange, 9> kFixedEnds = {{
    {1916, 10, 1}, {1943, 10, 4}, {1944, 10, 2}, {1945, 11, 18}, {1946, 10, 7},
    {1947, 10, 5}, {1948, 10, 3}, {1949, 10, 2}, {1980, 9, 28},
}};

std::int64_t third_monday_from(std::int64_t day) {
    int hits = 0;
    for (int ahead = 0; ahead <= 30; ++ahead) {
        if (weekday_index(day + ahead) == kMonday && ++hits == 3) return day + ahead;
    }
    return 0;
}

std::int64_t fixed_change(const std::array<FixedChange, 9>& table, std::int64_t year) {
    for (const FixedChange& change : table) {
        if (change.year == year) return day_number(year, change.month, change.day);
    }
    return 0;
}

SummerTimeDays german_summer_time_days(std::int64_t year) {
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (year >= 1981) {
        start = weekday_on_or_before(day_number(year, 3, 31), kSunday);
        end = year >= 1996 ? weekday_on_or_before(day_number(year, 10, 31), kSunday)
                           : weekday_on_or_before(day_number(year, 9, 30), kSunday);
    } else if (year == 1917 || year == 1918) {
        start = third_monday_from(day_number(year, 4, 1));
        end = third_monday_from(day_number(year, 9, 1));
    } else {
        start = fixed_change(kFixedStarts, year);
        end = fixed_change(kFixedEnds, year);
    }
    return {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end)};
}


// The clocks change at 02:00 local standard time both ways.
constexpr double kChangeHour = 2.0;

} // namespace

Zone Zone::german_rules(double standard_offset_hours) {
    Zone zone;
    zone.standard_offset_hours_ = standard_offset_hours;
    return zone;
}

std::optional<Zone> Zone::named(std::string_view) { return std::nullopt; }

std::vector<std::string> Zone::known_names() { return {}; }

SummerTimeDays Zone::summer_time_days(std::int64_t year) const { return german_summer_time_days(year); }

ClockOffset Zone::at(double jd_ut) const {
    const double standard = jd_ut + standard_offset_hours_ / 24.0;
    if (!(std::fabs(standard) < 1e9)) return {standard_offset_hours_, false};
    const auto day = static_cast<std::int64_t>(std::floor(standard + 0.5));
    const SummerTimeDays days = summer_time_days(civil_date(day).year);
    if (days.start_day == 0) return {standard_offset_hours_, false};
    const double begins = days.start_day - 0.5 + kChangeHour / 24.0;
    const double ends = days.end_day - 0.5 + kChangeHour / 24.0;
    const bool summer = standard >= begins && standard < ends;
    return {standard_offset_hours_ + (summer ? 1.0 : 0.0), summer};
}

ClockOffset Zone::at_local(double local_jd) const {
    // Read with the offset in force before a change: standard time first.
    const ClockOffset standard = at(local_jd - standard_offset_hours_ / 24.0);
    if (!standard.summer) return standard;
    const ClockOffset summer = at(local_jd - (standard_offset_hours_ + 1.0) / 24.0);
    return summer.summer ? summer : standard;
}

std::vector<ClockChange> Zone::changes_in_year(std::int64_t) const { return {}; }

} // namespace vespera

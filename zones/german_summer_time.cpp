#include "zones/german_summer_time.h"

#include <array>

#include "base/date_math.h"

namespace vespera {
namespace {

constexpr int kMonday = 0;
constexpr int kSunday = 6;

struct FixedChange {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

// German summer time: the war and post-war years by decree, 1980 and from 1981
// on by the Sommerzeitverordnung (start and end of summer time).
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

} // namespace

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
    // Day numbers of the engine's years fit 32 bits.
    return {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end)};
}

} // namespace vespera

// Rows every country but Germany lists alike, after its own: the season
// starts, the Celtic year festivals and two international observances.
// (Germany lists the season starts and the year festivals among its
// described slots.)
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "holidays/region_law.h"

namespace vespera::holidays {

inline constexpr DayRow kSeasonStarts[] = {
    {"Frühlingsanfang", season(0), Category::Astronomisch},
    {"Sommeranfang", season(1), Category::Astronomisch},
    {"Herbstanfang", season(2), Category::Astronomisch},
    {"Winteranfang", season(3), Category::Astronomisch},
};

inline constexpr DayRow kYearFestivals[] = {
    {"Imbolc", fixed(2, 2), Category::Jahreskreisfest},
    {"Ostara", fixed(3, 21), Category::Jahreskreisfest},
    {"Beltaine", fixed(4, 30), Category::Jahreskreisfest},
    {"Litha", fixed(6, 21), Category::Jahreskreisfest},
    {"Lammas", fixed(8, 2), Category::Jahreskreisfest},
    {"Mabon", fixed(9, 21), Category::Jahreskreisfest},
    {"Samhain", fixed(10, 31), Category::Jahreskreisfest},
    {"Yulefest", fixed(12, 21), Category::Jahreskreisfest},
};

inline constexpr DayRow kObservances[] = {
    {"Valentinstag", fixed(2, 14), Category::Brauchtum},
    {"Internationaler Frauentag", fixed(3, 8), Category::Gedenktag},
};

// Tables of rows one after another.
template <std::size_t... N>
constexpr std::array<DayRow, (N + ...)> joined(const DayRow (&... parts)[N]) {
    std::array<DayRow, (N + ...)> rows{};
    std::size_t at = 0;
    ((std::copy(std::begin(parts), std::end(parts), rows.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return rows;
}

// A country's own rows followed by the shared ones.
template <std::size_t N>
constexpr auto with_shared_days(const DayRow (&own)[N]) {
    return joined(own, kSeasonStarts, kYearFestivals, kObservances);
}

} // namespace vespera::holidays

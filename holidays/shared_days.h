// Rows every country but Germany lists alike, after its own: the season
// starts, the Celtic year festivals and two international observances.
// (Germany keeps them in its described slots.)
#pragma once

#include <array>
#include <cstddef>

#include "holidays/region_law.h"

namespace vespera::holidays {

inline constexpr DayRow kSharedDays[] = {
    {"Frühlingsanfang", season(0), Category::Astronomisch},
    {"Sommeranfang", season(1), Category::Astronomisch},
    {"Herbstanfang", season(2), Category::Astronomisch},
    {"Winteranfang", season(3), Category::Astronomisch},
    {"Imbolc", fixed(2, 2), Category::Jahreskreisfest},
    {"Ostara", fixed(3, 21), Category::Jahreskreisfest},
    {"Beltaine", fixed(4, 30), Category::Jahreskreisfest},
    {"Litha", fixed(6, 21), Category::Jahreskreisfest},
    {"Lammas", fixed(8, 2), Category::Jahreskreisfest},
    {"Mabon", fixed(9, 21), Category::Jahreskreisfest},
    {"Samhain", fixed(10, 31), Category::Jahreskreisfest},
    {"Yulefest", fixed(12, 21), Category::Jahreskreisfest},
    {"Valentinstag", fixed(2, 14), Category::Brauchtum},
    {"Internationaler Frauentag", fixed(3, 8), Category::Gedenktag},
};

// A country's own rows followed by the shared ones.
template <std::size_t N>
constexpr std::array<DayRow, N + std::size(kSharedDays)> with_shared_days(const DayRow (&own)[N]) {
    std::array<DayRow, N + std::size(kSharedDays)> rows{};
    for (std::size_t i = 0; i < N; ++i) rows[i] = own[i];
    for (std::size_t i = 0; i < std::size(kSharedDays); ++i) rows[N + i] = kSharedDays[i];
    return rows;
}

} // namespace vespera::holidays

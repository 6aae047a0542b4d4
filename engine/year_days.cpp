// The year's tables as day numbers: where a report carries a date as data
// (an ISO date beside the German text), it reads the day the text was made from.
#include "engine/clsCalendar.h"

std::int32_t clsCalendar::full_moon_day(std::int32_t Index) {
    return guarded("full_moon_day", std::int32_t{0}, [&] {
        return tables_.full_moon_local[vespera::checked_index(Index, tables_.full_moon_local.size())].day_number;
    });
}

std::int32_t clsCalendar::new_moon_day(std::int32_t Index) {
    return guarded("new_moon_day", std::int32_t{0}, [&] {
        return tables_.new_moon_local[vespera::checked_index(Index, tables_.new_moon_local.size())].day_number;
    });
}

std::int32_t clsCalendar::season_day(std::int32_t Index) {
    return guarded("season_day", std::int32_t{0}, [&] {
        const std::size_t season = vespera::checked_index(Index, 51, 54);
        return season_local(tables_.season_jd_ut[season]).day_number;
    });
}

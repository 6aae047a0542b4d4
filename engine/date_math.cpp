#include "engine/date_math.h"

namespace vespera {

std::int64_t weekday_on_or_before(std::int64_t day, int weekday, int max_days_back) {
    for (int back = 0; back <= max_days_back; ++back) {
        if (weekday_index(day - back) == weekday) return day - back;
    }
    return 0;
}

} // namespace vespera

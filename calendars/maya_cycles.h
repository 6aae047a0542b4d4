// The two Maya cycles beside the Long Count: the Tzolk'in of 260 days (13
// numbers and 20 day names) and the Haab' of 365 days (18 months of 20
// days and the 5 days of Wayeb), by the same GMT correlation (584283).
#pragma once

#include <cstdint>
#include <string>

namespace vespera {

struct MayaCycles {
    std::int32_t tzolkin_number; // 1..13
    std::int32_t tzolkin_name;   // 0 = Imix ... 19 = Ajaw
    std::int32_t haab_day;       // 0..19 (0..4 in Wayeb): the month's seating is day 0
    std::int32_t haab_month;     // 0 = Pop ... 17 = Kumk'u, 18 = Wayeb
};

MayaCycles maya_cycles(std::int64_t day_number);

// "4 Ajaw 3 K'ank'in".
std::string maya_cycles_text(const MayaCycles& cycles);

} // namespace vespera

// The sign of the zodiac by calendar date, as the almanac has always named it.
#pragma once

#include <cstdint>
#include <string_view>

namespace vespera {

// "Widder" for 8 April; empty for a day 0 or a month outside 1..12.
std::string_view zodiac_sign(std::int32_t month, std::int32_t day);

} // namespace vespera

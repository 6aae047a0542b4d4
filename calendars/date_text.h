// A date of another calendar as German text: "15. Nisan 5785".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vespera {

inline std::string dated_text(std::int64_t day, std::string_view month_name, std::int64_t year) {
    return std::to_string(day) + ". " + std::string(month_name) + " " + std::to_string(year);
}

} // namespace vespera

#include "calendars/maya_cycles.h"

#include <array>
#include <string_view>

#include "ephemeris/calendar.h"

namespace vespera {
namespace {

// The Long Count's zero, 13.0.0.0.0 4 Ajaw 8 Kumk'u, is day 584283 (GMT).
constexpr std::int64_t kCorrelationDay = 584283;
constexpr std::int64_t kEpochTzolkinNumber = 4;
constexpr std::int64_t kEpochTzolkinName = 19;   // Ajaw
constexpr std::int64_t kEpochHaabDayOfYear = 348; // 8 Kumk'u = 17 * 20 + 8

// The spelling of current Maya epigraphy (the Guatemalan Academy's
// alphabet, with b for b').
constexpr std::array<std::string_view, 20> kTzolkinNames = {
    "Imix", "Ik'", "Ak'bal", "K'an", "Chikchan", "Kimi", "Manik'", "Lamat", "Muluk", "Ok",
    "Chuwen", "Eb", "Ben", "Ix", "Men", "K'ib", "Kaban", "Etz'nab", "Kawak", "Ajaw"};
constexpr std::array<std::string_view, 19> kHaabMonths = {
    "Pop", "Wo", "Sip", "Sotz'", "Sek", "Xul", "Yaxk'in", "Mol", "Ch'en", "Yax",
    "Sak'", "Keh", "Mak", "K'ank'in", "Muwan", "Pax", "K'ayab", "Kumk'u", "Wayeb"};

} // namespace

MayaCycles maya_cycles(std::int64_t day_number) {
    const std::int64_t days = day_number - kCorrelationDay;
    const std::int64_t haab = floor_mod(days + kEpochHaabDayOfYear, 365);
    return {static_cast<std::int32_t>(floor_mod(days + kEpochTzolkinNumber - 1, 13) + 1),
            static_cast<std::int32_t>(floor_mod(days + kEpochTzolkinName, 20)),
            static_cast<std::int32_t>(haab % 20), static_cast<std::int32_t>(haab / 20)};
}

std::string maya_cycles_text(const MayaCycles& cycles) {
    if (cycles.tzolkin_name < 0 || cycles.tzolkin_name >= 20 || cycles.haab_month < 0 || cycles.haab_month >= 19) {
        return {};
    }
    return std::to_string(cycles.tzolkin_number) + " " +
           std::string(kTzolkinNames[static_cast<std::size_t>(cycles.tzolkin_name)]) + " " +
           std::to_string(cycles.haab_day) + " " + std::string(kHaabMonths[static_cast<std::size_t>(cycles.haab_month)]);
}

} // namespace vespera

// Month names of the Islamic calendar, shared by the tabular and the Umm
// al-Qura calendar; each with ". " before and a blank after, so that day,
// name and year read as one date.
#pragma once

#include <array>
#include <string_view>

namespace vespera {

inline constexpr std::array<std::string_view, 12> kIslamicMonths = {
    ". Muharram ", ". Safar ", ". Rabi al-Awwal ", ". Rabi al-Akhir ",
    ". Djumada l-Ula ", ". Djumada l-Akhira ", ". Radjab ", ". Shaban ",
    ". Ramadan ", ". Shawwal ", ". Dhu l-Kada ", ". Dhu l-Hidjdja "};

} // namespace vespera

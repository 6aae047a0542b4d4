#include "calendars/zodiac.h"

#include <array>

namespace vespera {
namespace {

struct ZodiacBoundary {
    std::int32_t last_day; // the first sign holds up to this day of the month
    std::string_view up_to;
    std::string_view from_next_day;
};

constexpr std::array<ZodiacBoundary, 12> kZodiac = {{
    {20, "Steinbock", "Wassermann"}, {19, "Wassermann", "Fische"}, {20, "Fische", "Widder"},
    {20, "Widder", "Stier"},         {20, "Stier", "Zwillinge"},   {21, "Zwillinge", "Krebs"},
    {22, "Krebs", "Löwe"},           {23, "Löwe", "Jungfrau"},     {23, "Jungfrau", "Waage"},
    {23, "Waage", "Skorpion"},       {22, "Skorpion", "Schütze"},  {21, "Schütze", "Steinbock"},
}};

} // namespace

std::string_view zodiac_sign(std::int32_t month, std::int32_t day) {
    if (day == 0 || month <= 0 || month > 12) return {};
    const ZodiacBoundary& boundary = kZodiac[static_cast<std::size_t>(month - 1)];
    return day <= boundary.last_day ? boundary.up_to : boundary.from_next_day;
}

} // namespace vespera

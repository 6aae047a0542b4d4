#include "calendars/calendar_texts.h"

#include <array>
#include <string_view>

#include "base/fault.h"
#include "base/german_names.h"
#include "base/number_text.h"
#include "calendars/calendar_conversions.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

constexpr std::array<std::string_view, 12> kIslamicMonths = {
    ". Muharram ", ". Safar ", ". Rabi al-Awwal ", ". Rabi al-Akhir ",
    ". Djumada l-Ula ", ". Djumada l-Akhira ", ". Radjab ", ". Shaban ",
    ". Ramadan ", ". Shawwal ", ". Dhu l-Kada ", ". Dhu l-Hidjdja "};

// Months 1..13; a month without a name gets no date text.
constexpr std::array<std::string_view, 13> kEgyptianMonths = {
    ". Thot ", ". Phaophi ", ". Athyr ", ". Choiak ", ". Tybi ", ". Mechir ",
    ". Phamenoth ", ". Pharmuthi ", ". Pachon ", ". Payni ", ". Epiphi ",
    ". Mesore ", ". Epagomenen "}; // the five days after Mesore are month 13

constexpr std::array<std::string_view, 13> kRepublicanMonths = {
    ". Vendémiaire ", ". Brumaire ", ". Frimaire ", ". Nivôse ", ". Pluviôse ",
    ". Ventôse ", ". Germinal ", ". Floréal ", ". Prairial ", ". Messidor ",
    ". Thermidor ", ". Fructidor ", ". Sansculottides "};

struct EgyptianEra {
    std::int32_t Aera;
    std::int64_t epoch_day; // 1 Thot of year 1
    std::string_view suffix;
};

// Epochs (Julian): 19 Jul 4241 BC, 26 Feb 747 BC, 12 Nov 324 BC, 11 Jul 552, 16 Jun 632 (Yazdegerd).
constexpr std::array<EgyptianEra, 5> kEgyptianEras = {{
    {4, 172598, ""},
    {5, 1448638, " (Nabonassar)"},
    {6, 1603398, " (Alexander)"},
    {7, 1922868, " (Armenisch)"},
    {8, 1952063, " (Altpersisch)"},
}};

constexpr std::int64_t kYearsFromRomeToJulian = 752;

std::string month_of(const auto& names, std::int64_t month) {
    return std::string(names[checked_index(month, 1, static_cast<std::int64_t>(names.size()))]);
}

std::string german_month(std::int64_t month) {
    (void)checked_index(month, 1, 12);
    return ". " + std::string(month_name(month)) + " ";
}

std::string dated_text(std::int64_t day, std::string_view name, std::int64_t year) {
    return std::to_string(day) + std::string(name) + std::to_string(year);
}


} // namespace

std::string gregorian_text(std::int64_t day_number) {
    const CivilDate date = date_in(Calendar::Gregorian, day_number);
    return dated_text(date.day, german_month(date.month), date.year);
}

std::string julian_text(std::int64_t day_number, bool ab_urbe_condita) {
    const CivilDate date = date_in(Calendar::Julian, day_number);
    if (!ab_urbe_condita) return dated_text(date.day, german_month(date.month), date.year);
    return dated_text(date.day, german_month(date.month), date.year + kYearsFromRomeToJulian) +
           " a.u.c.";
}

std::string islamic_text(std::int64_t day_number) {
    const CalendarDate date = islamic_date(day_number);
    if (date.month < 1 || date.month > 12) return {};
    return dated_text(date.day, month_of(kIslamicMonths, date.month), date.year);
}

std::string egyptian_text(std::int64_t day_number, std::int32_t era) {
    EgyptianEra chosen{era, 0, ""};
    for (const EgyptianEra& known : kEgyptianEras) {
        if (known.Aera == era) chosen = known;
    }
    const CalendarDate date = egyptian_date(day_number, chosen.epoch_day);
    const std::string name = month_of(kEgyptianMonths, date.month);
    if (name.empty()) return {};
    return dated_text(date.day, name, date.year) + std::string(chosen.suffix);
}

std::string republican_text(std::int64_t day_number) {
    const CalendarDate date = republican_date(day_number);
    // The Republican names are not carried back before the calendar's year 0.
    if (day_number < kRepublicanYearZeroDay || date.month < 1 || date.month > 13) {
        return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
    }
    return dated_text(date.day, month_of(kRepublicanMonths, date.month), date.year);
}

std::string maya_text(std::int64_t day_number, char separator) {
    std::string text;
    for (const std::int64_t count : maya_long_count(day_number)) {
        if (!text.empty()) text += '.';
        text += general(static_cast<double>(count), separator);
    }
    return text;
}

} // namespace vespera

// The current day written in other calendars, for the "andere Kalender" rows
// of the day report. The arithmetic is in calendar_conversions.cpp, the
// cyclic week calendar in cyclic_week_calendar.cpp.
#include <cmath>

#include "calendars/islamic_months.h"
#include "engine/calendar_conversions.h"
#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"
#include "engine/clsCalendar.h"
#include "engine/number_text.h"

namespace {

constexpr std::array<std::string_view, 12> kGermanMonths = {
    ". Januar ", ". Februar ", ". März ", ". April ", ". Mai ", ". Juni ",
    ". Juli ", ". August ", ". September ", ". Oktober ", ". November ", ". Dezember "};

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

constexpr std::int32_t kUnixEpochDay = 2440588; // 1 January 1970
constexpr std::int64_t kYearsFromRomeToJulian = 752;

std::string month_name(const auto& names, std::int64_t month) {
    return std::string(names[vespera::checked_index(month, 1, static_cast<std::int64_t>(names.size()))]);
}

std::string dated_text(std::int64_t day, std::string_view name, std::int64_t year) {
    return std::to_string(day) + std::string(name) + std::to_string(year);
}

} // namespace

std::string clsCalendar::ConvertDate(std::int32_t Kal, std::int32_t Aera) {
    return guarded("ConvertDate", std::string{}, [&]() -> std::string {
        special_day_.clear();
        special_info_.clear();
        switch (Kal) {
        case 1: return gregorian_text();
        case 2: return julian_text(false);
        case 3: return cyclic_week_text();
        case 4: return islamic_text();
        case 5: return egyptian_text(Aera);
        case 6: return julian_text(true);
        case 8: return republican_text();
        case 9: return maya_text();
        case 10: return unix_time_text();
        default: return {};
        }
    });
}

std::string clsCalendar::SpezialTag() {
    return guarded("SpezialTag", std::string{}, [&]() -> std::string {
        if (special_day_.empty()) return {};
        return " (" + special_day_ + ")";
    });
}

std::string clsCalendar::SpezialInfo() {
    return guarded("SpezialInfo", std::string{}, [&] { return special_info_; });
}

std::string clsCalendar::gregorian_text() const {
    const vespera::CivilDate date = vespera::date_in(vespera::Calendar::Gregorian, f_.JD);
    return dated_text(date.day, month_name(kGermanMonths, date.month), date.year);
}

std::string clsCalendar::julian_text(bool ab_urbe_condita) const {
    const vespera::CivilDate date = vespera::date_in(vespera::Calendar::Julian, f_.JD);
    if (!ab_urbe_condita) return dated_text(date.day, month_name(kGermanMonths, date.month), date.year);
    return dated_text(date.day, month_name(kGermanMonths, date.month), date.year + kYearsFromRomeToJulian) +
           " a.u.c.";
}

std::string clsCalendar::islamic_text() const {
    const vespera::CalendarDate date = vespera::islamic_date(f_.JD);
    if (date.month < 1 || date.month > 12) return {};
    return dated_text(date.day, month_name(vespera::kIslamicMonths, date.month), date.year);
}

std::string clsCalendar::egyptian_text(std::int32_t Aera) const {
    EgyptianEra era{Aera, 0, ""};
    for (const EgyptianEra& known : kEgyptianEras) {
        if (known.Aera == Aera) era = known;
    }
    const vespera::CalendarDate date = vespera::egyptian_date(f_.JD, era.epoch_day);
    const std::string name = month_name(kEgyptianMonths, date.month);
    if (name.empty()) return {};
    return dated_text(date.day, name, date.year) + std::string(era.suffix);
}

std::string clsCalendar::republican_text() const {
    const vespera::CalendarDate date = vespera::republican_date(f_.JD);
    // The Republican names are not carried back before the calendar's year 0.
    if (f_.JD < vespera::kRepublicanYearZeroDay || date.month < 1 || date.month > 13) {
        return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
    }
    return dated_text(date.day, month_name(kRepublicanMonths, date.month), date.year);
}

std::string clsCalendar::maya_text() const {
    std::string text;
    for (const std::int64_t count : vespera::maya_long_count(f_.JD)) {
        if (!text.empty()) text += '.';
        text += vespera::general(static_cast<double>(count), decimal_separator_);
    }
    return text;
}

std::string clsCalendar::unix_time_text() {
    // Seconds of the day difference are exact in a double; the sum needs 64 bits.
    const auto day_seconds = static_cast<std::int64_t>(DatumsDifferenz(kUnixEpochDay, f_.JD, 3, false));
    // The time of day is local civil time: the offset in force then comes off,
    // since Unix time counts universal seconds.
    const double local_hours = f_.Stunde + f_.Minute / 60.0 + f_.Sekunde / 3600.0;
    const double zone_hours = zone().at_local(static_cast<double>(f_.JD) - 0.5 + local_hours / 24.0).hours;
    if (!std::isfinite(zone_hours) || std::fabs(zone_hours) > 1e6) vespera::raise_fault(vespera::FaultCode::Overflow);
    const std::int64_t seconds = day_seconds + std::int64_t{3600} * f_.Stunde + std::int64_t{60} * f_.Minute +
                                 f_.Sekunde - std::llround(zone_hours * 3600.0);
    return vespera::general(static_cast<double>(seconds), decimal_separator_);
}

// Seasons of the year on the place's clock, and the zodiac sign.
#include <cmath>

#include "engine/clsCalendar.h"
#include "base/date_math.h"
#include "base/german_names.h"
#include "calendars/zodiac.h"
#include "sky/seasons.h"

namespace {

constexpr std::int32_t kFirstSeasonCode = 51;

constexpr std::array<std::string_view, 4> kNorthernSeasons = {"Frühling", "Sommer", "Herbst", "Winter"};
constexpr std::array<std::string_view, 4> kSouthernSeasons = {"Herbst", "Winter", "Frühling", "Sommer"};

} // namespace

vespera::LocalInstant clsCalendar::season_local(double jd_ut) const {
    return vespera::split_local_instant(zone().local_jd(jd_ut));
}

vespera::SeasonDays clsCalendar::season_days(const std::array<double, 4>& season_jd_ut) const {
    vespera::SeasonDays days{};
    for (std::size_t i = 0; i < days.size(); ++i) days[i] = season_local(season_jd_ut[i]).day_number;
    return days;
}

void clsCalendar::Jahreszeiten_Berechnen() {
    guarded_void("Jahreszeiten_Berechnen", [&] {
        YearTables next = tables_;
        next.season_jd_ut = vespera::season_instants_ut(f_.Jahr);
        vespera::move_season_days(next.holidays, season_days(next.season_jd_ut));
        tables_ = next;
    });
}

std::string clsCalendar::Jahreszeit() {
    return guarded("Jahreszeit", std::string{}, [&] {
        // A season begins on the local day that carries its named day.
        std::size_t season = 3;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::int32_t begins = season_local(tables_.season_jd_ut[i]).day_number;
            const std::int32_t ends = season_local(tables_.season_jd_ut[i + 1]).day_number;
            if (begins <= f_.JD && f_.JD < ends) season = i;
        }
        return std::string(f_.Latitude >= 0 ? kNorthernSeasons[season] : kSouthernSeasons[season]);
    });
}

std::string clsCalendar::Jahreszeit_Name(std::int32_t Index) {
    if (Index < kFirstSeasonCode || Index > kFirstSeasonCode + 3) return {};
    const auto season = static_cast<std::size_t>(Index - kFirstSeasonCode);
    return std::string(f_.Latitude >= 0 ? kNorthernSeasons[season] : kSouthernSeasons[season]);
}

std::string clsCalendar::Jahreszeit_Datum(std::int32_t Index) {
    return guarded("Jahreszeit_Datum", std::string{}, [&] {
        // Another index shows noon (universal time) of the engine's own day.
        const bool is_season = Index >= kFirstSeasonCode && Index <= kFirstSeasonCode + 3;
        const double instant =
            is_season ? tables_.season_jd_ut[static_cast<std::size_t>(Index - kFirstSeasonCode)] : f_.JD;
        const vespera::LocalInstant local = season_local(instant);
        return day_and_weekday(local.day_number) + " um " + hrsmin(local.hours(), true);
    });
}

std::int64_t clsCalendar::season_length_in_minutes(std::int32_t Index) const {
    const auto& s = tables_.season_jd_ut;
    double length_days = 0.0;
    switch (Index) {
    case 51: length_days = s[1] - s[0]; break;
    case 52: length_days = s[2] - s[1]; break;
    case 53: length_days = s[3] - s[2]; break;
    case 54: length_days = vespera::season_instants_ut(std::int64_t{f_.Jahr} + 1)[0] - s[3]; break;
    default: length_days = 0.0; break;
    }
    if (!std::isfinite(length_days) || std::fabs(length_days) > 1e6) vespera::raise_fault(vespera::FaultCode::Overflow);
    // Whole minutes first, so that 23:59:40 carries into the next day.
    return static_cast<std::int64_t>(std::llround(length_days * 1440.0));
}

std::string clsCalendar::Jahreszeit_Laenge(std::int32_t Index) {
    return guarded("Jahreszeit_Laenge", std::string{}, [&] {
        const std::int64_t minutes = season_length_in_minutes(Index);
        return std::to_string(vespera::floor_div(minutes, 1440)) + " Tage, " +
               hrsmin(static_cast<double>(vespera::floor_mod(minutes, 1440)) / 60.0, false);
    });
}

std::int64_t clsCalendar::season_length_minutes(std::int32_t Index) {
    return guarded("Jahreszeit_Laenge", std::int64_t{0}, [&] { return season_length_in_minutes(Index); });
}

clsCalendar::ClockEvent clsCalendar::season_event(std::int32_t Index) {
    return guarded("Jahreszeit_Datum", ClockEvent{}, [&] {
        const double jd_ut = tables_.season_jd_ut[vespera::checked_index(Index, 51, 54)];
        const vespera::LocalInstant local = season_local(jd_ut);
        return ClockEvent{ClockEvent::Status::Happens, local.day_number, local.minute_of_day, zone().at(jd_ut).hours};
    });
}

std::string clsCalendar::Sternzeichen() { return std::string(vespera::zodiac_sign(f_.Monat, f_.Tag)); }

// The local day on which season 51..54 begins.
std::int32_t clsCalendar::season_day(std::int32_t Index) {
    return guarded("season_day", std::int32_t{0}, [&] {
        const std::size_t season = vespera::checked_index(Index, 51, 54);
        return season_local(tables_.season_jd_ut[season]).day_number;
    });
}

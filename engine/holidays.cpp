// The year's tables: named days, school holidays, clock changes, seasons and
// lunar phases, rebuilt in one pass whenever the engine's year changes.
#include <algorithm>
#include <cmath>

#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/local_instant.h"
#include "engine/named_days.h"
#include "engine/seasons.h"

static_assert(vespera::kNamedDays.size() == clsCalendar::kHolidayCount,
              "one rule per slot of the holiday table");

namespace vespera {

MonthDay easter_sunday(std::int64_t year) {
    // Gauss's Easter formula with the supplement for April 25/26; floor
    // remainders keep it right for years before the era as well.
    std::int64_t m = 15;
    std::int64_t s = 0;
    if (year > 1582) {
        const std::int64_t k = floor_div(year, 100);
        m = 15 + floor_div(3 * k + 3, 4) - floor_div(8 * k + 13, 25);
        s = 2 - floor_div(3 * k + 3, 4);
    }
    const std::int64_t a = floor_mod(year, 19);
    const std::int64_t d = floor_mod(19 * a + m, 30);
    const auto r = static_cast<std::int64_t>(std::floor((static_cast<double>(d) + a / 11.0) / 29.0));
    const std::int64_t full_moon_march_day = 21 + d - r;
    const std::int64_t first_sunday = 7 - floor_mod(year + floor_div(year, 4) + s, 7);
    const std::int64_t to_sunday = 7 - floor_mod(full_moon_march_day - first_sunday, 7);
    const std::int64_t march_day = full_moon_march_day + to_sunday;
    if (march_day <= 31) return {3, static_cast<std::int32_t>(march_day)};
    return {4, static_cast<std::int32_t>(march_day - 31)};
}

} // namespace vespera

namespace {

constexpr int kSunday = 6;


// The last Sunday before Christmas Day.
std::int64_t fourth_advent(std::int64_t year) {
    return vespera::weekday_on_or_before(vespera::day_number(year, 12, 24), kSunday, 9);
}

} // namespace

void clsCalendar::Berechne_Ostersonntag(YearTables& tables) {
    const vespera::MonthDay easter = vespera::easter_sunday(f_.Jahr);
    tables.easter_day = day_number_of(f_.Jahr, easter.month, easter.day);
}

void clsCalendar::fill_school_holidays(YearTables& tables) const {
    tables.school_holiday.fill(0);
    const std::int64_t new_year = vespera::day_number(f_.Jahr, 1, 1);
    for (std::size_t period = 0; period < vespera::kSchoolHolidays.size(); ++period) {
        const vespera::SchoolHoliday& holiday = vespera::kSchoolHolidays[period];
        const std::int64_t first =
            vespera::day_number(f_.Jahr, holiday.month, holiday.day) - new_year + 1;
        for (std::int64_t day = first; day < first + holiday.length_days; ++day) {
            tables.school_holiday[vespera::checked_index(day, tables.school_holiday.size())] =
                static_cast<std::uint8_t>(period + 1);
        }
    }
}

void clsCalendar::fill_named_days(YearTables& tables) {
    Berechne_Ostersonntag(tables);
    const std::int64_t advent = fourth_advent(f_.Jahr);
    const std::array<double, 4> seasons = vespera::season_instants_ut(f_.Jahr);
    for (std::size_t slot = 0; slot < vespera::kNamedDays.size(); ++slot) {
        const vespera::NamedDayRule& rule = vespera::kNamedDays[slot];
        std::int64_t day = 0;
        switch (rule.rule) {
        case vespera::DayRule::Fixed: day = vespera::day_number(f_.Jahr, rule.month, rule.days); break;
        case vespera::DayRule::EasterOffset: day = std::int64_t{tables.easter_day} + rule.days; break;
        case vespera::DayRule::AdventOffset: day = advent + rule.days; break;
        case vespera::DayRule::Season:
            day = season_local(seasons[static_cast<std::size_t>(rule.days)]).day_number;
            break;
        }
        tables.holidays[slot] = {vespera::to_long(day), rule.name, static_cast<std::uint8_t>(slot)};
    }
    tables.season_jd_ut = seasons;
}

// By day; entries of the same day keep their slot order ("Reformationstag"
// before "Samhain").
void clsCalendar::sort_holidays(YearTables& tables) {
    std::sort(tables.holidays.begin(), tables.holidays.end(), [](const Holiday& a, const Holiday& b) {
        return a.day != b.day ? a.day < b.day : a.slot < b.slot;
    });
}

void clsCalendar::Feiertage_Einlesen() {
    guarded_void("Feiertage_Einlesen", [&] {
        YearTables next{};
        fill_school_holidays(next);
        // The clock changes come first: the local days of the seasons and
        // phases depend on them.
        Berechne_SommerWinterzeit(next);
        fill_named_days(next);
        fill_phase_lists(next);
        sort_holidays(next);
        tables_ = next;
    });
}

std::int32_t clsCalendar::Feiertage_Anzahl() { return kHolidayCount - 1; }

std::string clsCalendar::Feiertag_NurName(std::int32_t Index) {
    return guarded("Feiertag_NurName", std::string{}, [&] {
        return std::string(tables_.holidays[vespera::checked_index(Index, tables_.holidays.size())].name);
    });
}

void clsCalendar::Feiertag_Datum(std::int32_t Index) {
    guarded_void("Feiertag_Datum", [&] {
        f_.JD = tables_.holidays[vespera::checked_index(Index, tables_.holidays.size())].day;
        ConvertJD();
    });
}

std::string clsCalendar::Feiertag_Name(std::int32_t mjd) {
    return guarded("Feiertag_Name", std::string{}, [&] {
        std::string names;
        for (const Holiday& holiday : tables_.holidays) {
            if (holiday.day == mjd) {
                names += holiday.name;
                names += "\r\n";
            }
        }
        return names;
    });
}

std::string clsCalendar::FerienName(std::int32_t Index) {
    return guarded("FerienName", std::string{}, [&] {
        const std::uint8_t period = tables_.school_holiday[vespera::checked_index(Index, 1, 366) + 1];
        return period == 0 ? std::string{} : std::string(vespera::kSchoolHolidays[period - 1u].name);
    });
}

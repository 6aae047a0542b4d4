// The year's tables: named days, clock changes, seasons and lunar phases,
// rebuilt in one pass whenever the engine's year or region changes; and the
// region with its school holidays.
#include <algorithm>

#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/local_instant.h"
#include "engine/named_days.h"
#include "engine/region_school_holidays.h"
#include "engine/regions.h"
#include "engine/seasons.h"

static_assert(vespera::kNamedDays.size() == clsCalendar::kHolidayCount,
              "one rule per slot of the holiday table");
static_assert(vespera::kDayRows.size() == clsCalendar::kMaxHolidayEntries,
              "room for every row of the rule table");

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
        tables.holidays[slot] = {vespera::to_long(day), rule.name, static_cast<std::uint8_t>(slot),
                                 vespera::statutory_status(rule, region_, f_.Jahr, place_name_), false};
    }
    tables.holiday_count = clsCalendar::kHolidayCount;
    tables.season_jd_ut = seasons;
}

// The rows after the described ones, where the region lists them. Without a
// region the table stays the described one.
void clsCalendar::add_region_days(YearTables& tables) const {
    if (region_.empty()) return;
    for (std::size_t row = vespera::kDescribedDayCount; row < vespera::kDayRows.size(); ++row) {
        const vespera::NamedDayRule& rule = vespera::kDayRows[row];
        if (!vespera::is_listed(rule, region_, f_.Jahr, place_name_)) continue;
        const std::optional<std::int64_t> day = vespera::rule_day_number(rule, f_.Jahr);
        if (!day) continue; // the added rows have fixed dates; a season row would need the place's clock
        const vespera::StatutoryStatus status = vespera::statutory_status(rule, region_, f_.Jahr, place_name_);
        const bool one_place = status == vespera::StatutoryStatus::Yes && !rule.statutes.empty() &&
                               std::all_of(rule.statutes.begin(), rule.statutes.end(), [](const vespera::Statute& s) {
                                   return s.extent == vespera::StatuteExtent::OnePlace;
                               });
        tables.holidays[static_cast<std::size_t>(tables.holiday_count)] = {
            vespera::to_long(*day), rule.name, static_cast<std::uint8_t>(row), status, one_place};
        ++tables.holiday_count;
    }
}

// By day; entries of the same day keep their slot order ("Reformationstag"
// before "Samhain").
void clsCalendar::sort_holidays(YearTables& tables) {
    std::sort(tables.holidays.begin(), tables.holidays.begin() + tables.holiday_count,
              [](const Holiday& a, const Holiday& b) { return a.day != b.day ? a.day < b.day : a.slot < b.slot; });
}

void clsCalendar::Feiertage_Einlesen() {
    guarded_void("Feiertage_Einlesen", [&] {
        YearTables next{};
        next.new_year_day = day_number_of(f_.Jahr, 1, 1);
        next.days_in_year =
            vespera::to_long(day_number_of(std::int64_t{f_.Jahr} + 1, 1, 1) - std::int64_t{next.new_year_day});
        // The clock changes come first: the local days of the seasons and
        // phases depend on them.
        Berechne_SommerWinterzeit(next);
        fill_named_days(next);
        add_region_days(next);
        fill_phase_lists(next);
        sort_holidays(next);
        tables_ = next;
        // Austria's school holidays are computed for the years around the engine's.
        if (vespera::school_holidays_by_law(region_) && school_year_loaded_ != f_.Jahr) {
            load_region_school_holidays();
            merge_school_holidays();
        }
    });
}

std::int32_t clsCalendar::Feiertage_Anzahl() { return tables_.holiday_count - 1; }

std::string clsCalendar::Feiertag_NurName(std::int32_t Index) {
    return guarded("Feiertag_NurName", std::string{}, [&] {
        const std::size_t entries = static_cast<std::size_t>(tables_.holiday_count);
        return std::string(tables_.holidays[vespera::checked_index(Index, entries)].name);
    });
}

void clsCalendar::Feiertag_Datum(std::int32_t Index) {
    guarded_void("Feiertag_Datum", [&] {
        const std::size_t entries = static_cast<std::size_t>(tables_.holiday_count);
        f_.JD = tables_.holidays[vespera::checked_index(Index, entries)].day;
        ConvertJD();
    });
}

std::string clsCalendar::Feiertag_Name(std::int32_t mjd) {
    return guarded("Feiertag_Name", std::string{}, [&] {
        std::string names;
        for (std::int32_t i = 0; i < tables_.holiday_count; ++i) {
            const Holiday& holiday = tables_.holidays[static_cast<std::size_t>(i)];
            if (holiday.day == mjd) {
                names += holiday.name;
                names += "\r\n";
            }
        }
        return names;
    });
}

vespera::NamedDayEntry clsCalendar::named_day(std::int32_t Index) {
    return guarded("named_day", vespera::NamedDayEntry{}, [&] {
        const Holiday& holiday =
            tables_.holidays[vespera::checked_index(Index, static_cast<std::size_t>(tables_.holiday_count))];
        const vespera::NamedDayRule& row = vespera::kDayRows[holiday.slot];
        return vespera::NamedDayEntry{holiday.day, holiday.name, row.category, holiday.status, holiday.one_place,
                                      !row.statutes.empty()};
    });
}

std::vector<vespera::NamedDayEntry> clsCalendar::named_days_on(std::int32_t mjd) const {
    std::vector<vespera::NamedDayEntry> entries;
    for (std::int32_t i = 0; i < tables_.holiday_count; ++i) {
        const Holiday& holiday = tables_.holidays[static_cast<std::size_t>(i)];
        if (holiday.day != mjd) continue;
        const vespera::NamedDayRule& row = vespera::kDayRows[holiday.slot];
        entries.push_back({holiday.day, holiday.name, row.category, holiday.status, holiday.one_place,
                           !row.statutes.empty()});
    }
    return entries;
}

// Only the region's own data: a year or a region without data has no
// school holidays at all, never made-up ones.
std::string clsCalendar::FerienName(std::int32_t Index) {
    return guarded("FerienName", std::string{}, [&] {
        const std::int64_t day_of_year = static_cast<std::int64_t>(vespera::checked_index(Index, 1, 366)) + 1;
        if (!school_table_ || day_of_year > tables_.days_in_year) return std::string{};
        return std::string(
            vespera::school_holiday_name(*school_table_, std::int64_t{tables_.new_year_day} + day_of_year - 1));
    });
}

void clsCalendar::setRegion(const std::string& iso) {
    guarded_void("setRegion", [&] {
        if (!iso.empty() && vespera::region_name(iso).empty()) vespera::raise_fault(vespera::FaultCode::InvalidCall);
        if (iso == region_) return;
        std::string previous = region_;
        region_ = iso;
        try {
            Feiertage_Einlesen();
        } catch (const vespera::EngineFault&) {
            region_ = std::move(previous);
            throw;
        }
        // The region's own school holidays; the imports were the previous region's.
        school_imported_.clear();
        load_region_school_holidays();
        merge_school_holidays();
    });
}

void clsCalendar::setPlaceName(const std::string& name) {
    guarded_void("setPlaceName", [&] {
        if (name == place_name_) return;
        std::string previous = place_name_;
        place_name_ = name;
        try {
            Feiertage_Einlesen();
        } catch (const vespera::EngineFault&) {
            place_name_ = std::move(previous);
            throw;
        }
    });
}

void clsCalendar::setImportedSchoolHolidays(std::vector<vespera::SchoolHolidayPeriod> periods) {
    school_imported_ = std::move(periods);
    merge_school_holidays();
}

void clsCalendar::load_region_school_holidays() {
    vespera::SchoolHolidayLoad load = vespera::load_region_school_holidays(region_, f_.Jahr);
    school_file_table_ = std::move(load.table);
    school_problem_ = std::move(load.error);
    school_year_loaded_ = f_.Jahr;
}

void clsCalendar::merge_school_holidays() {
    if (!school_file_table_ && school_imported_.empty()) {
        school_table_.reset();
        return;
    }
    vespera::SchoolHolidayTable table = school_file_table_ ? *school_file_table_ : vespera::SchoolHolidayTable{};
    vespera::merge_imported(table, school_imported_);
    school_table_ = std::move(table);
}

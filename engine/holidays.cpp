// The year's tables: named days, clock changes, seasons and lunar phases
// (these on first use), rebuilt in one pass whenever the engine's year or region changes; and the
// region with its school holidays.
#include "engine/clsCalendar.h"
#include "base/regions.h"
#include "sky/seasons.h"

static_assert(clsCalendar::kHolidayCount == 73, "the described holiday table has 73 slots");

void clsCalendar::Feiertage_Einlesen() {
    guarded_void("Feiertage_Einlesen", [&] {
        YearTables next{};
        next.new_year_day = day_number_of(f_.Jahr, 1, 1);
        next.days_in_year =
            vespera::to_long(day_number_of(std::int64_t{f_.Jahr} + 1, 1, 1) - std::int64_t{next.new_year_day});
        // The clock changes come first: the local days of the seasons and
        // phases depend on them.
        next.summer_time = zone().summer_time_days(f_.Jahr);
        // The seasons are UT instants: a new zone keeps them.
        next.season_jd_ut = tables_.season_year == f_.Jahr ? tables_.season_jd_ut
                                                           : vespera::season_instants_ut(f_.Jahr);
        next.season_year = f_.Jahr;
        next.holidays = vespera::holiday_year(f_.Jahr, region_, {commune_key_, place_name_},
                                              season_days(next.season_jd_ut));
        next.built_year = f_.Jahr;
        next.built_zone_offset_hours = f_.Zeitzone_Offset;
        tables_ = std::move(next);
        school_holidays_.set_year(f_.Jahr);
    });
}

bool clsCalendar::year_tables_current() const {
    return tables_.built_year == f_.Jahr && tables_.built_zone_offset_hours == f_.Zeitzone_Offset;
}

void clsCalendar::rebuild_holidays() {
    if (!year_tables_current()) {
        Feiertage_Einlesen();
        return;
    }
    guarded_void("Feiertage_Einlesen", [&] {
        YearTables next = tables_;
        next.holidays = vespera::holiday_year(f_.Jahr, region_, {commune_key_, place_name_},
                                              season_days(next.season_jd_ut));
        tables_ = std::move(next);
    });
}

std::int32_t clsCalendar::Feiertage_Anzahl() { return tables_.holidays.count - 1; }

namespace {

const vespera::Holiday& entry(const vespera::HolidayYear& table, std::int32_t Index) {
    return table.entries[vespera::checked_index(Index, static_cast<std::size_t>(table.count))];
}

} // namespace

std::string clsCalendar::Feiertag_NurName(std::int32_t Index) {
    return guarded("Feiertag_NurName", std::string{}, [&] { return std::string(entry(tables_.holidays, Index).name); });
}

void clsCalendar::Feiertag_Datum(std::int32_t Index) {
    guarded_void("Feiertag_Datum", [&] {
        f_.JD = entry(tables_.holidays, Index).day;
        ConvertJD();
    });
}

std::string clsCalendar::Feiertag_Name(std::int32_t mjd) {
    return guarded("Feiertag_Name", std::string{}, [&] {
        std::string names;
        for (const vespera::NamedDayEntry& named : vespera::named_days_on(tables_.holidays, mjd)) {
            names += named.name;
            names += "\r\n";
        }
        return names;
    });
}

vespera::NamedDayEntry clsCalendar::named_day(std::int32_t Index) {
    return guarded("named_day", vespera::NamedDayEntry{},
                   [&] { return vespera::named_day_entry(entry(tables_.holidays, Index)); });
}

std::vector<vespera::NamedDayEntry> clsCalendar::named_days_on(std::int32_t mjd) const {
    return vespera::named_days_on(tables_.holidays, mjd);
}

// Only the region's own data: a year or a region without data has no
// school holidays at all, never made-up ones.
std::string clsCalendar::FerienName(std::int32_t Index) {
    return guarded("FerienName", std::string{}, [&] {
        const std::int64_t day_of_year = static_cast<std::int64_t>(vespera::checked_index(Index, 1, 366)) + 1;
        const vespera::SchoolHolidayTable* table = school_holidays_.table();
        if (table == nullptr || day_of_year > tables_.days_in_year) return std::string{};
        return std::string(vespera::school_holiday_name(*table, std::int64_t{tables_.new_year_day} + day_of_year - 1));
    });
}

void clsCalendar::setRegion(const std::string& iso) {
    guarded_void("setRegion", [&] {
        if (!iso.empty() && vespera::region_name(iso).empty()) vespera::raise_fault(vespera::FaultCode::InvalidCall);
        if (iso == region_) return;
        std::string previous = region_;
        region_ = iso;
        try {
            rebuild_holidays();
        } catch (const vespera::EngineFault&) {
            region_ = std::move(previous);
            throw;
        }
        school_holidays_.set_region(iso, f_.Jahr);
    });
}

void clsCalendar::setPlaceName(const std::string& name) {
    guarded_void("setPlaceName", [&] {
        if (name == place_name_) return;
        std::string previous = place_name_;
        place_name_ = name;
        try {
            rebuild_holidays();
        } catch (const vespera::EngineFault&) {
            place_name_ = std::move(previous);
            throw;
        }
    });
}

void clsCalendar::setCommuneKey(const std::string& key) {
    guarded_void("setCommuneKey", [&] {
        if (key == commune_key_) return;
        std::string previous = commune_key_;
        commune_key_ = key;
        try {
            rebuild_holidays();
        } catch (const vespera::EngineFault&) {
            commune_key_ = std::move(previous);
            throw;
        }
    });
}

void clsCalendar::setImportedSchoolHolidays(std::vector<vespera::SchoolHolidayPeriod> periods) {
    school_holidays_.set_imported(std::move(periods));
}

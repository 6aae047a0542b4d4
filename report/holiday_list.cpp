#include "report/holiday_list.h"

#include <algorithm>
#include <array>
#include <variant>

#include "base/date_math.h"
#include "base/german_names.h"
#include "base/regions.h"
#include "calendars/umm_al_qura.h"
#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"
#include "holidays/working_days.h"
#include "report/restore_day.h"
#include "report/row_writer.h"
#include "report/school_holiday_coverage.h"
#include "report/report.h"

namespace vespera::report {
namespace {

struct YearSpan {
    std::int64_t first_day;
    std::int64_t last_day;
};

YearSpan year_span(std::int64_t year) { return {day_number(year, 1, 1), day_number(year + 1, 1, 1) - 1}; }

std::string for_region(std::string_view code) {
    const std::string_view name = region_name(code);
    if (name.empty()) return {};
    return code == "CH" ? "für die Schweiz" : "für " + std::string(name);
}

void add_period_items(const SchoolHolidayTable& table, std::int64_t year_number, std::vector<HolidayItem>& items) {
    const YearSpan year = year_span(year_number);
    for (const SchoolHolidayPeriod& period : table.periods) {
        if (period.last_day < year.first_day || period.first_day > year.last_day) continue;
        const std::string dates = period.first_day == period.last_day
                                      ? date_text(period.first_day)
                                      : date_text(period.first_day) + " \u2013 " + date_text(period.last_day);
        items.push_back(
            {period.first_day, period.last_day, period.name, HolidayCategory::Ferien, dates, period.name, {}});
    }
}

void add_festival_items(clsCalendar& cal, CategorySet categories, std::vector<HolidayItem>& items) {
    if ((categories & kFestivalCategories) == 0) return;
    const YearFestivals& year = cal.festivals_of_year();
    for (std::size_t t = 0; t < kTraditionCount; ++t) {
        const auto tradition = static_cast<Tradition>(t);
        const HolidayCategory category = category_of(tradition);
        if (!chosen(categories, category)) continue;
        for (const Festival& festival : year.by_tradition[t].days) {
            items.push_back({festival.day_number, festival.day_number, std::string(festival.name), category,
                             date_text(festival.day_number),
                             std::string(weekday_name(weekday_index(festival.day_number))) + ", " +
                                 std::string(festival.name),
                             std::string(festival_status(tradition))});
        }
    }
}

constexpr std::array<std::string_view, kTraditionCount> kTraditionHeadings = {
    "Jüdische Feste", "Islamische Feste", "Orthodoxe Feste", "Chinesisches Neujahr", "Nouruz"};

// Why a tradition's days of the year are missing: the Umm al-Qura table's
// years, the years before its rules, or the years the astronomy is
// modelled for.
std::string uncovered_text(Tradition tradition, std::int64_t year, bool some_days) {
    if (tradition == Tradition::Islamic) {
        return "für " + year_text(year) + (some_days ? " nicht vollständig" : " nicht abgedeckt") +
               ": die Umm-al-Qura-Tafel reicht vom " +
               date_text(first_umm_al_qura_day()) + " bis zum " + date_text(last_umm_al_qura_day());
    }
    if (year < first_festival_year(tradition)) {
        return "für " + year_text(year) + " nicht berechnet: die Regeln des Kalenders gelten erst seit " +
               std::to_string(first_festival_year(tradition));
    }
    return "für " + year_text(year) + " nicht berechnet: außerhalb der Jahre " + std::to_string(kFirstDeltaTModelYear) +
           " bis " + std::to_string(kLastDeltaTModelYear);
}

// The convention the Islamic dates follow, and every tradition whose days
// the year does not (fully) have.
bool add_festival_notes(RowWriter& rows, clsCalendar& cal, CategorySet categories) {
    if (chosen(categories, HolidayCategory::Islamisch) &&
        !rows.add({"Islamische Feste",
                   "nach dem Umm-al-Qura-Kalender Saudi-Arabiens; wo der Monat mit der Sichtung der Mondsichel "
                   "beginnt, oft einen Tag später",
                   RowKind::Entry, {}, "islamisch"})) {
        return false;
    }
    if ((categories & kFestivalCategories) == 0) return true;
    const YearFestivals& year = cal.festivals_of_year();
    for (std::size_t t = 0; t < kTraditionCount; ++t) {
        const auto tradition = static_cast<Tradition>(t);
        const HolidayCategory category = category_of(tradition);
        if (!chosen(categories, category) || year.by_tradition[t].covered) continue;
        if (!rows.add({std::string(kTraditionHeadings[t]), uncovered_text(tradition, year.gregorian_year, !year.by_tradition[t].days.empty()),
                       RowKind::Entry, {}, std::string(category_label(category))})) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<HolidayItem> holiday_items(clsCalendar& cal, CategorySet categories) {
    const RestoreDay restore(cal);
    const std::string region = cal.Region();
    const std::string place = cal.PlaceName();
    const std::uint64_t faults = cal.fault_count();
    std::vector<HolidayItem> items;
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        const NamedDayEntry entry = cal.named_day(i);
        const HolidayCategory category = category_of(entry);
        if (!chosen(categories, category)) continue;
        cal.Feiertag_Datum(i);
        if (cal.fault_count() != faults) return items;
        const clsCalendar::Variant weekday = cal.Wochentag(0);
        const std::string weekday_name =
            std::holds_alternative<std::string>(weekday) ? std::get<std::string>(weekday) : "";
        items.push_back({entry.day_number, entry.day_number, std::string(entry.name), category, cal.Format_Datum(0),
                         weekday_name + ", " + std::string(entry.name), status_text(entry, region, place)});
    }
    const holidays::Region law_region = holidays::region_of(region);
    if (chosen(categories, HolidayCategory::Brueckentag) && law_region.law != nullptr) {
        const std::string commune_key = cal.CommuneKey();
        const std::string where = in_region(region);
        for (const std::int64_t day : holidays::bridge_days(law_region, {commune_key, place}, cal.Jahr())) {
            items.push_back({day, day, "Br\u00fcckentag", HolidayCategory::Brueckentag, date_text(day),
                             std::string(weekday_name(weekday_index(day))) + ", Br\u00fcckentag",
                             "Arbeitstag zwischen Feiertag und Wochenende " + where});
        }
    }
    add_festival_items(cal, categories, items);
    // The school holidays' file is read only for a list that shows them.
    if (chosen(categories, HolidayCategory::Ferien)) {
        if (const SchoolHolidayTable* table = cal.school_holiday_table()) add_period_items(*table, cal.Jahr(), items);
    }
    // Named days first, then the bridge days and the festivals, on a day shared with the start of a period.
    std::stable_sort(items.begin(), items.end(),
                     [](const HolidayItem& a, const HolidayItem& b) { return a.first_day < b.first_day; });
    return items;
}

std::string school_holiday_gap(const clsCalendar& cal) {
    const std::int64_t year = cal.Jahr();
    const SchoolHolidayTable* table = cal.school_holiday_table();
    if (table == nullptr) {
        if (!cal.school_holiday_problem().empty()) return cal.school_holiday_problem();
        const std::string where = for_region(cal.Region());
        if (where.empty()) return "keine Ferientermine hinterlegt (nur f\u00fcr die deutschen L\u00e4nder)";
        return "keine Ferientermine " + where + " hinterlegt";
    }
    const YearSpan span = year_span(year);
    std::vector<std::string> parts;
    std::int64_t covered_days = 0;
    for (const DayRange& range : table->covered) {
        const std::int64_t first = std::max(range.first_day, span.first_day);
        const std::int64_t last = std::min(range.last_day, span.last_day);
        if (first > last) continue;
        covered_days += last - first + 1;
        parts.push_back("vom " + date_text(first) + " bis " + date_text(last));
    }
    if (parts.empty()) return "keine Ferientermine f\u00fcr " + year_text(year) + " hinterlegt";
    if (covered_days == span.last_day - span.first_day + 1) return {};
    std::string text = "Ferientermine f\u00fcr " + year_text(year) + " nur ";
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i == 0 ? "" : " und ") + parts[i];
    return text + " hinterlegt";
}

Report holiday_list(clsCalendar& cal, CategorySet categories) {
    Report report;
    RowWriter rows(cal, report);
    const std::string_view region = region_name(cal.Region());
    std::string heading = "Feiertage im Jahr " + year_heading_text(cal.Jahr());
    if (!region.empty()) heading += " \u00b7 " + std::string(region);
    if (!rows.heading(std::move(heading))) return report;
    if (chosen(categories, HolidayCategory::Ferien)) {
        // What the year lacks, and up to when the region's dates reach.
        const std::string gap = school_holiday_gap(cal);
        const std::string known = school_holidays_known(cal, year_span(cal.Jahr()).first_day);
        std::string value = gap;
        // A gap already names the stretch a later one would repeat.
        if (!known.empty() && known != gap && !(!gap.empty() && known.starts_with("bekannt vom"))) {
            value += (value.empty() ? "" : "; ") + known;
        }
        if (!value.empty() && !rows.add({"Schulferien", value, RowKind::Entry, {}, "Ferien"})) return report;
    }
    if (!add_festival_notes(rows, cal, categories)) return report;
    const std::vector<HolidayItem> items = holiday_items(cal, categories);
    for (const HolidayItem& item : items) {
        // A period's last day is a value of its own; a named day is its datum.
        TypedValue days = item.category == HolidayCategory::Ferien ? range_value(item.first_day, item.last_day)
                                                                   : TypedValue{};
        if (!rows.add({item.date_label, item.value, RowKind::Entry, iso_date(item.first_day),
                       std::string(category_label(item.category)), std::move(days)})) {
            return report;
        }
    }
    (void)rows.fine();
    return report;
}

} // namespace vespera::report

// The "andere Kalender" report: the described calendars through the
// engine's ConvertDate, the Hebrew, Umm al-Qura, Persian, Chinese, Coptic,
// Ethiopian and Indian calendars and the Maya cycles from calendars/; every
// row with its date as numbers beside the text.
#include <cmath>

#include "calendars/calendar_conversions.h"
#include "calendars/calendar_texts.h"
#include "calendars/coptic_ethiopian.h"
#include "calendars/cyclic_week_calendar.h"
#include "calendars/hebrew.h"
#include "calendars/indian.h"
#include "calendars/maya_cycles.h"
#include "calendars/umm_al_qura.h"
#include "ephemeris/calendar.h"
#include "ephemeris/time_scales.h"
#include "report/day_report.h"
#include "report/row_writer.h"

namespace vespera::report {
namespace {

CalendarParts dated(std::string_view id, std::int64_t year, std::int64_t month, std::int64_t day) {
    return {id, {{"jahr", year}, {"monat", month}, {"tag", day}}, std::nullopt};
}

CalendarParts civil(std::string_view id, const CivilDate& date, std::int64_t year_offset = 0) {
    return dated(id, date.year + year_offset, date.month, date.day);
}

CalendarParts calendar_date(std::string_view id, const CalendarDate& date) {
    return dated(id, date.year, date.month, date.day);
}

// The years whose new moons and equinoxes rest on a modelled Delta T.
std::string outside_model_text() {
    return "nicht berechnet: au\u00dferhalb der Jahre " + std::to_string(kFirstDeltaTModelYear) + " bis " +
           std::to_string(kLastDeltaTModelYear);
}

struct DescribedRow {
    const char* label;
    std::int32_t kind;
    std::int32_t variant;
    std::string_view id;
};

// The described rows, in their order; the five Egyptian rows differ in
// their era only.
constexpr DescribedRow kAfterMaya[] = {
    {"Französischer Revolutionskalender", 8, 4, "franzoesisch-republikanisch"},
    {"Ägyptischer Kalender", 5, 4, "aegyptisch"},
    {"Ägyptischer Kalender", 5, 6, "aegyptisch-alexander"},
    {"Ägyptischer Kalender", 5, 5, "aegyptisch-nabonassar"},
    {"Ägyptischer Kalender", 5, 8, "aegyptisch-altpersisch"},
    {"Ägyptischer Kalender", 5, 7, "aegyptisch-armenisch"},
};

CalendarParts described_parts(const DescribedRow& row, std::int64_t day) {
    if (row.kind == 8) return calendar_date(row.id, republican_date(day));
    return calendar_date(row.id, egyptian_date(day, egyptian_epoch_day(row.variant)));
}

class CalendarRows {
public:
    CalendarRows(RowWriter& rows, clsCalendar& cal) : rows_(rows), cal_(cal) {}

    bool add(std::string label, std::string value, std::optional<CalendarParts> parts, TypedValue typed = {}) {
        Row row(std::move(label), std::move(value));
        row.calendar = std::move(parts);
        row.typed = std::move(typed);
        return rows_.add(std::move(row));
    }
    // A described row: its text from the engine, which reports its faults.
    bool described(const char* label, std::int32_t kind, std::int32_t variant, CalendarParts parts) {
        std::string text = cal_.ConvertDate(kind, variant);
        return rows_.fine() && add(label, std::move(text), std::move(parts));
    }

private:
    RowWriter& rows_;
    clsCalendar& cal_;
};

bool add_astronomical_rows(CalendarRows& out, clsCalendar& cal, std::int64_t day) {
    const AstronomicalCalendarYears& years = cal.astronomical_years();
    const std::optional<CalendarDate> persian = persian_date(years, day);
    const std::optional<ChineseDate> chinese = chinese_date(years, day);
    if (!out.add("Persischer Kalender", persian ? persian_text(*persian) : outside_model_text(),
                 persian ? calendar_date("persisch", *persian) : CalendarParts{"persisch", {}, std::nullopt})) {
        return false;
    }
    CalendarParts chinese_parts{"chinesisch", {}, std::nullopt};
    if (chinese) {
        chinese_parts = dated("chinesisch", chinese->year, chinese->month, chinese->day);
        chinese_parts.leap_month = chinese->leap_month;
    }
    return out.add("Chinesischer Kalender", chinese ? chinese_text(*chinese) : outside_model_text(),
                   std::move(chinese_parts));
}

bool add_world_calendar_rows(CalendarRows& out, clsCalendar& cal, std::int64_t day) {
    const std::optional<CalendarDate> umm_al_qura = umm_al_qura_date(day);
    const std::string uncovered = "nicht abgedeckt: die Umm-al-Qura-Tafel reicht vom " +
                                  date_text(first_umm_al_qura_day()) + " bis zum " + date_text(last_umm_al_qura_day());
    if (!out.add("Islamischer Kalender (Umm al-Qura)", umm_al_qura ? umm_al_qura_text(*umm_al_qura) : uncovered,
                 umm_al_qura ? calendar_date("islamisch-umm-al-qura", *umm_al_qura)
                             : CalendarParts{"islamisch-umm-al-qura", {}, std::nullopt})) {
        return false;
    }
    const HebrewDate hebrew = hebrew_date(day);
    CalendarParts hebrew_parts = dated("hebraeisch", hebrew.year, hebrew.month, hebrew.day);
    hebrew_parts.leap_month = is_leap_month(hebrew);
    if (!out.add("Jüdischer Kalender", hebrew_text(hebrew) + " (" + hebrew_year_text(hebrew_year(hebrew.year)) + ")",
                 std::move(hebrew_parts)) ||
        !add_astronomical_rows(out, cal, day)) {
        return false;
    }
    const CalendarDate coptic = coptic_date(day);
    const CalendarDate ethiopian = ethiopian_date(day);
    const CalendarDate indian = indian_date(day);
    return out.add("Koptischer Kalender", coptic_text(coptic), calendar_date("koptisch", coptic)) &&
           out.add("Äthiopischer Kalender", ethiopian_text(ethiopian), calendar_date("aethiopisch", ethiopian)) &&
           out.add("Indischer Nationalkalender", indian_text(indian), calendar_date("indisch", indian));
}

bool add_maya_rows(CalendarRows& out, std::int64_t day) {
    static constexpr std::string_view kUnits[] = {"kinchiltun", "kalabtun", "piktun", "baktun",
                                                  "katun",      "tun",      "uinal",  "kin"};
    const std::array<std::int64_t, 8> count = maya_long_count(day);
    CalendarParts long_count{"maya-lange-zaehlung", {}, std::nullopt};
    for (std::size_t i = 0; i < count.size(); ++i) long_count.parts.push_back({kUnits[i], count[i]});
    if (!out.described("Maya Kalender", 9, 4, std::move(long_count))) return false;
    const MayaCycles cycles = maya_cycles(day);
    // Day names and Haab' months counted from 1 like every month here; the
    // Haab' day from 0, its seating.
    return out.add("Maya Kalender (Tzolk'in, Haab')", maya_cycles_text(cycles),
                   CalendarParts{"maya-tzolkin-haab",
                                 {{"tzolkin_zahl", cycles.tzolkin_number},
                                  {"tzolkin_tag", cycles.tzolkin_name + 1},
                                  {"haab_monat", cycles.haab_month + 1},
                                  {"haab_tag", cycles.haab_day}},
                                 std::nullopt});
}

} // namespace

Report other_calendars_report(clsCalendar& cal, std::string_view place, ClockTime time) {
    Report report;
    RowWriter rows(cal, report);
    CalendarRows out(rows, cal);
    set_time(cal, time);
    if (!rows.heading(with_place(date_heading(cal, true), place))) return report;
    const auto day = static_cast<std::int64_t>(std::llround(cal.JD()));
    report.iso_date = iso_date(day);

    std::string unix_text = cal.ConvertDate(10, 4);
    if (!rows.fine()) return report;
    const std::int64_t unix_seconds = cal.unix_time_seconds();
    if (!out.add("Unixtime", std::move(unix_text), CalendarParts{"unixzeit", {{"sekunden", unix_seconds}}, std::nullopt},
                 number_value(static_cast<double>(unix_seconds), 0, "s"))) {
        return report;
    }
    const CivilDate julian = date_in(Calendar::Julian, day);
    if (!out.described("Gregorianischer Kalender", 1, 4, civil("gregorianisch", date_in(Calendar::Gregorian, day))) ||
        !out.described("Julianischer Kalender", 2, 4, civil("julianisch", julian)) ||
        !out.described("Julianischer Kalender (a.u.c.)", 6, 4,
                       civil("julianisch-auc", julian, kYearsFromRomeToJulian)) ||
        !out.described("Islamischer Kalender", 4, 4, calendar_date("islamisch-tabellarisch", islamic_date(day))) ||
        !add_world_calendar_rows(out, cal, day) || !add_maya_rows(out, day)) {
        return report;
    }
    for (const DescribedRow& row : kAfterMaya) {
        if (!out.described(row.label, row.kind, row.variant, described_parts(row, day))) return report;
    }
    // The cyclic week calendar's numbers only after the engine has made its
    // text without a fault: the same day then converts here as well.
    std::string aneris_text = cal.ConvertDate(3, 4);
    if (!rows.fine()) return report;
    const CyclicWeekDate aneris = cyclic_week_date(day);
    CalendarParts aneris_parts{"aneris", {{"jahr", aneris.year}, {"monat", std::nullopt}, {"tag", std::nullopt}},
                               std::nullopt};
    if (aneris.month != 0) aneris_parts = dated("aneris", aneris.year, aneris.month, aneris.day);
    (void)out.add("Anéris", std::move(aneris_text), std::move(aneris_parts));
    return report;
}

} // namespace vespera::report

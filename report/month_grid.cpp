#include "report/month_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <variant>

#include "base/date_math.h"
#include "ephemeris/calendar.h"
#include "report/eclipses.h"
#include "report/holiday_categories.h"
#include "report/sky_event_list.h"
#include "report/sky_texts.h"

namespace vespera::report {
namespace {

std::vector<std::string> split_names(const std::string& joined) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < joined.size()) {
        const std::size_t end = joined.find("\r\n", start);
        const std::string name = joined.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!name.empty()) names.push_back(name);
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return names;
}

constexpr int kSunday = 6;

// "totale Mondfinsternis, …" opens a tooltip line: "Totale Mondfinsternis, …".
std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

void add_holiday_marks(const clsCalendar& cal, MonthGridDay& entry) {
    entry.sunday = weekday_index(entry.day_number) == kSunday;
    for (const NamedDayEntry& named : cal.named_days_on(entry.day_number)) {
        entry.statutory = entry.statutory || named.status == StatutoryStatus::Yes;
        entry.regional = entry.regional || named.status == StatutoryStatus::Regional;
        // The Celtic year festivals are listed, never marked.
        if (named.category == DayCategory::Jahreskreisfest) continue;
        entry.named_day_texts.push_back(std::string(named.name) + " \u2013 " +
                                        day_description(named, cal.Region(), cal.PlaceName()));
    }
    if (const SchoolHolidayTable* table = cal.school_holiday_table()) {
        entry.school_holiday = std::string(school_holiday_name(*table, entry.day_number));
    }
}

// A phase on a day: the Moon's lit part at local noon of that day.
void add_moon_disc(clsCalendar& cal, MonthGridDay& entry, MoonPhase phase) {
    entry.moon_phase = phase;
    const double noon_jd_ut = cal.jd_ut_of_local(static_cast<double>(entry.day_number));
    entry.moon_lit_fraction = cal.moon_lit_fraction_at(noon_jd_ut);
    entry.moon_waxing = cal.moon_waxing_at(noon_jd_ut);
}

void add_festivals(clsCalendar& cal, CategorySet shown, std::int64_t first_day, std::vector<MonthGridDay>& days) {
    const YearFestivals& year = cal.festivals_of_year();
    for (std::size_t t = 0; t < kTraditionCount; ++t) {
        const auto tradition = static_cast<Tradition>(t);
        if ((shown & category_bit(category_of(tradition))) == 0) continue;
        for (const Festival& festival : year.by_tradition[t].days) {
            const std::int64_t index = festival.day_number - first_day;
            if (index < 0 || index >= static_cast<std::int64_t>(days.size())) continue;
            days[static_cast<std::size_t>(index)].festival_texts.push_back(std::string(festival.name) + " \u2013 " +
                                                                           std::string(festival_status(tradition)));
        }
    }
}

} // namespace

std::string moon_phase_name(MoonPhase phase) {
    switch (phase) {
    case MoonPhase::New: return "Neumond";
    case MoonPhase::FirstQuarter: return "Erstes Viertel";
    case MoonPhase::Full: return "Vollmond";
    case MoonPhase::LastQuarter: return "Letztes Viertel";
    case MoonPhase::None: break;
    }
    return {};
}

int iso_week(std::int64_t day_number) {
    // The week belongs to the year of its Thursday.
    const std::int64_t thursday = day_number - weekday_index(day_number) + 3;
    const std::int64_t first = vespera::day_number(civil_date(thursday).year, 1, 1);
    return static_cast<int>((thursday - first) / 7 + 1);
}

std::vector<SkyEventDay> sky_event_days(clsCalendar& cal, const Zone& zone) {
    std::vector<SkyEventDay> days;
    if (!planets_cover_year(cal.Jahr())) return days;
    const char separator = cal.DecimalSeparator();
    for (const SkyEvent& e : cal.sky_events_of_year().events) {
        const std::optional<Instant> at = instant_on_clock(zone, e.jd_ut);
        if (!at) continue;
        // The time first: the texts of perigee and full moon carry times of their own.
        days.push_back({at->day_number, clock_time_text(zone, e.jd_ut) + ": " + sky_event_text(e, zone, separator),
                        e.kind == SkyEventKind::Opposition});
    }
    return days;
}

MonthGrid month_grid(clsCalendar& cal, CategorySet shown) {
    YearSky sky;
    sky.eclipses = cal.eclipses_of_year();
    return month_grid(cal, sky, shown);
}

const YearSky& YearSkyDays::of(clsCalendar& cal, const Zone& zone) {
    const PlaceYear place = place_year_of(cal);
    PlaceYear clock = place;
    clock.longitude_deg = 0.0;
    clock.latitude_deg = 0.0;
    // After a fault the next call counts again.
    if (!eclipses_valid_ || !(place == eclipses_key_)) {
        const std::uint64_t faults = cal.fault_count();
        sky_.eclipses = cal.eclipses_of_year();
        eclipses_key_ = place;
        eclipses_valid_ = cal.fault_count() == faults;
    }
    if (!events_valid_ || !(clock == events_key_) || separator_ != cal.DecimalSeparator()) {
        const std::uint64_t faults = cal.fault_count();
        sky_.events = sky_event_days(cal, zone);
        events_key_ = clock;
        separator_ = cal.DecimalSeparator();
        events_valid_ = cal.fault_count() == faults;
    }
    return sky_;
}

MonthGrid month_grid(clsCalendar& cal, const YearSky& sky, CategorySet shown) {
    const YearEclipses& eclipses = sky.eclipses;
    const char separator = cal.DecimalSeparator();
    MonthGrid grid;
    const std::int32_t kept_day = cal.Tag();
    cal.setTag(1);
    grid.month = cal.Monat();
    grid.year = cal.Jahr();
    grid.month_name = cal.MonatsName(grid.month);
    const clsCalendar::Variant weekday = cal.Wochentag(2);
    grid.first_weekday = std::holds_alternative<std::int32_t>(weekday) ? std::get<std::int32_t>(weekday) : 0;
    for (int i = 0; i < 7; ++i) grid.weekday_names[static_cast<std::size_t>(i)] = cal.Wochentag_Name(i);
    const auto first_day = static_cast<std::int32_t>(cal.JD());
    const std::int32_t days = cal.MonatsTage(grid.month);
    for (std::int32_t day = 1; day <= days; ++day) {
        MonthGridDay& entry = grid.days.emplace_back();
        entry.day_number = first_day + day - 1;
        entry.named_days = split_names(cal.Feiertag_Name(entry.day_number));
        add_holiday_marks(cal, entry);
        entry.full_moon = cal.IstVollmond(entry.day_number);
        entry.blue_moon = cal.IstBluemoon(entry.day_number);
        entry.new_moon = cal.IstNeumond(entry.day_number);
        for (const SolarEclipseDay& e : eclipses.solar) {
            if (e.day_number != entry.day_number) continue;
            entry.solar_eclipse = true;
            entry.sky_texts.push_back(capitalised(solar_eclipse_summary(e, separator)));
        }
        for (const LunarEclipseDay& e : eclipses.lunar) {
            if (e.day_number != entry.day_number) continue;
            entry.lunar_eclipse = true;
            entry.sky_texts.push_back(capitalised(lunar_eclipse_summary(e, separator)));
        }
        if (entry.full_moon) entry.moon_time = cal.IstVollmond_Info(entry.day_number);
        if (entry.new_moon) entry.moon_time = cal.IstNeumond_Info(entry.day_number);
        if (entry.full_moon) add_moon_disc(cal, entry, MoonPhase::Full);
        if (entry.new_moon) add_moon_disc(cal, entry, MoonPhase::New);
    }
    if ((shown & kFestivalCategories) != 0) add_festivals(cal, shown, first_day, grid.days);
    for (const SkyEventDay& e : sky.events) {
        const std::int64_t index = e.day_number - first_day;
        if (index < 0 || index >= static_cast<std::int64_t>(grid.days.size())) continue;
        MonthGridDay& entry = grid.days[static_cast<std::size_t>(index)];
        entry.opposition = entry.opposition || e.opposition;
        entry.sky_texts.push_back(e.text);
    }
    for (const clsCalendar::QuarterDay& quarter : cal.moon_quarters_of_month()) {
        const std::int64_t index = std::int64_t{quarter.day_number} - first_day;
        if (index < 0 || index >= static_cast<std::int64_t>(grid.days.size())) continue;
        MonthGridDay& entry = grid.days[static_cast<std::size_t>(index)];
        add_moon_disc(cal, entry, quarter.quarter == 1 ? MoonPhase::FirstQuarter : MoonPhase::LastQuarter);
        const double local = cal.local_jd_at(quarter.jd_ut) + 0.5;
        // A quarter in the day's last half minute stays on its day, as 23:59.
        const int minutes =
            std::clamp(static_cast<int>(std::floor((local - std::floor(local)) * 1440.0 + 0.5)), 0, 1439);
        char text[32];
        std::snprintf(text, sizeof text, "um %02d:%02d Uhr", minutes / 60, minutes % 60);
        entry.moon_time = text;
    }
    for (std::size_t row = 0; row < grid.iso_weeks.size(); ++row) {
        grid.iso_weeks[row] = iso_week(first_day - grid.first_weekday + 7 * static_cast<std::int64_t>(row));
    }
    cal.setTag(kept_day);
    return grid;
}

} // namespace vespera::report

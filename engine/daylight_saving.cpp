// German summer time from 1916 on: the day it starts and the day it ends.
#include "engine/clsCalendar.h"
#include "engine/date_math.h"

namespace {

constexpr int kMonday = 0;
constexpr int kSunday = 6;

struct FixedChange {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

// The war and post-war years, by decree (start and end of summer time).
constexpr std::array<FixedChange, 9> kFixedStarts = {{
    {1916, 4, 30}, {1943, 3, 29}, {1944, 4, 3}, {1945, 4, 2}, {1946, 4, 14},
    {1947, 4, 6}, {1948, 4, 18}, {1949, 4, 10}, {1980, 4, 6},
}};
constexpr std::array<FixedChange, 9> kFixedEnds = {{
    {1916, 10, 1}, {1943, 10, 4}, {1944, 10, 2}, {1945, 11, 18}, {1946, 10, 7},
    {1947, 10, 5}, {1948, 10, 3}, {1949, 10, 2}, {1980, 9, 28},
}};

std::int64_t third_monday_from(std::int64_t day) {
    int hits = 0;
    for (int ahead = 0; ahead <= 30; ++ahead) {
        if (vespera::weekday_index(day + ahead) == kMonday && ++hits == 3) return day + ahead;
    }
    return 0;
}

std::int64_t fixed_change(const std::array<FixedChange, 9>& table, std::int64_t year) {
    for (const FixedChange& change : table) {
        if (change.year == year) return vespera::day_number(year, change.month, change.day);
    }
    return 0;
}

} // namespace

void clsCalendar::Berechne_SommerWinterzeit(YearTables& tables) {
    const std::int64_t year = f_.Jahr;
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (year >= 1981) {
        start = vespera::weekday_on_or_before(vespera::day_number(year, 3, 31), kSunday);
        end = year >= 1996 ? vespera::weekday_on_or_before(vespera::day_number(year, 10, 31), kSunday)
                           : vespera::weekday_on_or_before(vespera::day_number(year, 9, 30), kSunday);
    } else if (year == 1917 || year == 1918) {
        start = third_monday_from(vespera::day_number(year, 4, 1));
        end = third_monday_from(vespera::day_number(year, 9, 1));
    } else {
        start = fixed_change(kFixedStarts, year);
        end = fixed_change(kFixedEnds, year);
    }
    tables.summer_time_start_day = vespera::to_long(start);
    tables.summer_time_end_day = vespera::to_long(end);
}

bool clsCalendar::IstSommerzeit() {
    return f_.JD >= tables_.summer_time_start_day && f_.JD < tables_.summer_time_end_day;
}

bool clsCalendar::IstSommerzeitDatum(std::int32_t mjd) { return mjd == tables_.summer_time_start_day; }

bool clsCalendar::IstWinterzeitDatum(std::int32_t mjd) { return mjd == tables_.summer_time_end_day; }

std::string clsCalendar::changeover_text(std::int32_t day_number, bool with_duration) {
    if (day_number == 0) return "keine Zeitumstellung";
    std::string text = format_day(day_number, 0) + ", " +
                       GetWochentagName(vespera::weekday_index(day_number)).substr(0, 2);
    if (with_duration) {
        const std::int64_t days =
            static_cast<std::int64_t>(tables_.summer_time_end_day) - tables_.summer_time_start_day;
        text += " (für " + std::to_string(days) + " Tage)";
    }
    return text;
}

std::string clsCalendar::Sommerzeit_Datum() {
    return guarded("Sommerzeit_Datum", std::string{},
                   [&] { return changeover_text(tables_.summer_time_start_day, true); });
}

std::string clsCalendar::Winterzeit_Datum() {
    return guarded("Winterzeit_Datum", std::string{},
                   [&] { return changeover_text(tables_.summer_time_end_day, false); });
}

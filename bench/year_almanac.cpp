#include "bench/year_almanac.h"

#include <chrono>

namespace vespera::bench {

clsCalendar almanac_calendar(const AlmanacPlace& place) {
    clsCalendar cal;
    cal.setClock([] { return std::chrono::seconds(12 * 3600); });
    cal.setLongitude(place.longitude_deg);
    cal.setLatitude(place.latitude_deg);
    cal.setZeitzone_Offset(place.zone_offset_hours);
    cal.setKalender(1);
    return cal;
}

std::int32_t year_almanac(clsCalendar& cal, std::int32_t year, const AlmanacSink& sink) {
    cal.setJahr(year);
    std::int32_t day_of_year = 0;
    AlmanacDay rows;
    for (std::int32_t month = 1; month <= 12; ++month) {
        // As the month view turns a page: the first, then the month.
        cal.setTag(1);
        cal.setMonat(month);
        const std::int32_t days = cal.MonatsTage(month);
        for (std::int32_t day = 1; day <= days; ++day) {
            cal.setTag(day);
            rows.day_of_year = ++day_of_year;
            rows.month = month;
            rows.day = day;
            rows.sunrise = cal.AufgangSonne();
            rows.sunset = cal.UntergangSonne();
            rows.dawn = cal.DaemmerungAnfang();
            rows.dusk = cal.DaemmerungEnde();
            rows.day_length = cal.Tageslaenge();
            rows.culmination = cal.Kulmination_Sonne();
            rows.moonrise = cal.AufgangMond();
            rows.moonset = cal.UntergangMond();
            rows.moon_phase = cal.MondPhase(false);
            rows.moon_distance_km = cal.MondEntfernung();
            sink(rows);
        }
    }
    return day_of_year;
}

} // namespace vespera::bench

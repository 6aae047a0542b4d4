#include "calendars/calendar_years.h"

namespace vespera {

AstronomicalCalendarYears astronomical_calendar_years(std::int64_t gregorian_year) {
    const std::int64_t persian = gregorian_year - kPersianToGregorianYears;
    return {gregorian_year,
            {chinese_year(gregorian_year - 1), chinese_year(gregorian_year)},
            {persian_year(persian - 1), persian_year(persian)}};
}

std::optional<ChineseDate> chinese_date(const AstronomicalCalendarYears& years, std::int64_t day_number) {
    for (const std::optional<ChineseYear>& year : years.chinese) {
        if (!year) continue;
        if (const std::optional<ChineseDate> date = chinese_date_in(*year, day_number)) return date;
    }
    return chinese_date(day_number);
}

std::optional<CalendarDate> persian_date(const AstronomicalCalendarYears& years, std::int64_t day_number) {
    for (const std::optional<PersianYear>& year : years.persian) {
        if (!year) continue;
        if (const std::optional<CalendarDate> date = persian_date_in(*year, day_number)) return date;
    }
    return persian_date(day_number);
}

} // namespace vespera

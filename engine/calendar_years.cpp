// The other calendars' years beside the engine's year, kept while it stays.
#include "engine/clsCalendar.h"

const vespera::AstronomicalCalendarYears& clsCalendar::astronomical_years() {
    if (!astronomical_years_ || astronomical_years_->gregorian_year != f_.Jahr) {
        astronomical_years_ = vespera::astronomical_calendar_years(f_.Jahr);
    }
    return *astronomical_years_;
}

const vespera::YearFestivals& clsCalendar::festivals_of_year() {
    if (!festivals_ || festivals_->gregorian_year != f_.Jahr) festivals_ = vespera::year_festivals(f_.Jahr);
    return *festivals_;
}

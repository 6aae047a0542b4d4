#include "bench/address_book.h"

#include <string>

#include "ephemeris/calendar.h"

namespace vespera::bench {

own_dates::OwnDateFile address_book() {
    namespace od = own_dates;
    od::OwnDateFile file;
    for (int i = 0; i < kAddressBookDates; ++i) {
        od::OwnDate date;
        date.uid = "kontakt-" + std::to_string(i) + "@vespera";
        date.title = "Kontakt Nummer " + std::to_string(i);
        date.kind = i % 5 == 0 ? od::Kind::jahrestag : od::Kind::geburtstag;
        if (date.kind == od::Kind::jahrestag) date.title = "Hochzeitstag " + date.title;
        date.repeat = od::Repeat::yearly;
        date.year_known = i % 7 != 0;
        const int year = date.year_known ? 1930 + i % 90 : static_cast<int>(od::kYearUnknown);
        date.first_day = day_number_in(Calendar::Gregorian, year, 1 + i % 12, 1 + i % 28);
        date.modified_unix = 1800000000;
        file.dates.push_back(std::move(date));
    }
    return file;
}

} // namespace vespera::bench

// Own dates from other calendars (.ics) and address books (.vcf): what is
// new, what the store knows already, and what is refused and why.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/ical_reader.h"
#include "own_dates/own_date.h"

namespace vespera::own_dates {

struct ImportBatch {
    std::string error; // German, when the file as a whole cannot be read
    std::vector<OwnDate> dates;
    std::map<std::string, std::string> timezones;
    std::vector<ical::Refusal> refused;
    std::size_t without_dates = 0; // address-book cards with neither birthday nor anniversary
};

ImportBatch read_ics_import(std::string_view bytes);
// A card's birthday becomes a yearly Geburtstag titled with its name, its
// anniversary a yearly Jahrestag "Hochzeitstag <name>" (RFC 6350 6.2.6: the
// date of marriage or its equivalent). UIDs follow from the card's, so that
// a second import of the same address book finds them known.
ImportBatch read_vcard_import(std::string_view bytes);
// vCard when the file starts with BEGIN:VCARD, else iCalendar.
ImportBatch read_import(std::string_view bytes);

// Dates already kept: the same UID, or the same title on the same day (for
// a yearly date the same day and month) at the same time.
class KnownDates {
public:
    explicit KnownDates(const std::vector<OwnDate>& dates);
    bool knows(const OwnDate& date) const;
    void add(const OwnDate& date);

private:
    static std::string key_of(const OwnDate& date);
    std::set<std::string, std::less<>> uids_;
    std::set<std::string, std::less<>> keys_;
};

struct ImportReport {
    bool ok = false;
    std::size_t added = 0, known = 0, refused = 0;
    std::vector<std::string> reasons; // „Anna“: …, one per refused date
    // "3 Termine neu übernommen, 2 schon vorhanden, 1 abgelehnt." or why
    // nothing was read.
    std::string message;
};

void finish_report(ImportReport& report, const ImportBatch& batch);

} // namespace vespera::own_dates

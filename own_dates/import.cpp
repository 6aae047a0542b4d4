#include "own_dates/import.h"

#include <cstdio>
#include <functional>

#include "base/text.h"
#include "ephemeris/calendar.h"
#include "own_dates/calendar_file.h"
#include "own_dates/vcard.h"

namespace vespera::own_dates {
namespace {

constexpr std::string_view kNoName = "(ohne Namen)";

std::string hex_hash(std::string_view text) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%016zx", std::hash<std::string_view>{}(text));
    return buffer;
}

OwnDate yearly_date(const Card& card, const CardDate& when, Kind kind, std::string title, std::string_view suffix) {
    OwnDate date;
    date.title = std::move(title);
    date.kind = kind;
    date.repeat = Repeat::yearly;
    date.year_known = when.year.has_value();
    date.first_day = day_number_in(Calendar::Gregorian, when.year.value_or(kYearUnknown), when.month, when.day);
    const std::string stem =
        !card.uid.empty() ? card.uid
                          : "vcard-" + hex_hash(date.title + '\x1f' + std::to_string(when.year.value_or(0)) + '-' +
                                                std::to_string(when.month) + '-' + std::to_string(when.day));
    date.uid = stem + "-" + std::string(suffix);
    return date;
}

std::string count_text(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

} // namespace

ImportBatch read_ics_import(std::string_view bytes) {
    ImportBatch batch;
    const ical::Calendar calendar = ical::read_calendar(bytes, {});
    if (!calendar.ok) {
        batch.error = calendar.message;
        return batch;
    }
    CalendarDates dates = dates_of_calendar(calendar);
    batch.dates = std::move(dates.dates);
    batch.refused = std::move(dates.refused);
    if (calendar.over_limit > 0) {
        batch.refused.push_back({count_text(calendar.over_limit, "Termin", "Termine"),
                                 "Die Datei enthält mehr als " + std::to_string(ical::ReadLimits{}.max_events) +
                                     " Termine; die übrigen werden nicht gelesen."});
    }
    batch.timezones = calendar.timezones;
    return batch;
}

ImportBatch read_vcard_import(std::string_view bytes) {
    ImportBatch batch;
    CardRead read = read_vcards(bytes);
    batch.error = std::move(read.error);
    batch.refused = std::move(read.refused);
    batch.without_dates = read.without_dates;
    const auto offer = [&batch](OwnDate date) {
        if (std::string problem = date_problem(date); !problem.empty()) {
            batch.refused.push_back({date.title, std::move(problem)});
        } else {
            batch.dates.push_back(std::move(date));
        }
    };
    for (const Card& card : read.cards) {
        const std::string name = card.name.empty() ? std::string(kNoName) : card.name;
        if (card.birthday) offer(yearly_date(card, *card.birthday, Kind::geburtstag, name, "geburtstag"));
        if (card.anniversary) {
            offer(yearly_date(card, *card.anniversary, Kind::jahrestag, clean_title("Hochzeitstag " + name),
                              "jahrestag"));
        }
    }
    return batch;
}

ImportBatch read_import(std::string_view bytes) {
    std::string_view start = bytes;
    if (start.substr(0, 3) == "\xEF\xBB\xBF") start.remove_prefix(3);
    while (!start.empty() &&
           (start.front() == ' ' || start.front() == '\t' || start.front() == '\r' || start.front() == '\n')) {
        start.remove_prefix(1);
    }
    return equal_ignoring_ascii_case(start.substr(0, 11), "BEGIN:VCARD") ? read_vcard_import(bytes)
                                                                         : read_ics_import(bytes);
}

KnownDates::KnownDates(const std::vector<OwnDate>& dates) {
    for (const OwnDate& date : dates) add(date);
}

std::string KnownDates::key_of(const OwnDate& date) {
    std::string key = date.title + '\x1f';
    if (date.repeat == Repeat::yearly) {
        const CivilDate day = date_in(Calendar::Gregorian, date.first_day);
        key += "yearly " + std::to_string(day.month) + "-" + std::to_string(day.day);
    } else {
        key += std::to_string(date.first_day);
    }
    if (date.start_seconds) (key += ' ') += std::to_string(*date.start_seconds);
    return key;
}

bool KnownDates::knows(const OwnDate& date) const {
    return (!date.uid.empty() && uids_.contains(date.uid)) || keys_.contains(key_of(date));
}

void KnownDates::add(const OwnDate& date) {
    uids_.insert(date.uid);
    keys_.insert(key_of(date));
}

void finish_report(ImportReport& report, const ImportBatch& batch) {
    report.refused += batch.refused.size();
    for (const ical::Refusal& refusal : batch.refused) {
        report.reasons.push_back("„" + refusal.event + "“: " + refusal.reason);
    }
    if (!batch.error.empty()) {
        report.ok = false;
        report.message = batch.error;
        return;
    }
    report.ok = true;
    report.message = count_text(report.added, "Termin", "Termine") + " neu übernommen, " +
                     std::to_string(report.known) + " schon vorhanden, " + std::to_string(report.refused) +
                     " abgelehnt.";
    if (batch.without_dates > 0) {
        ((report.message += ' ') += count_text(batch.without_dates, "Kontakt", "Kontakte")) +=
            " ohne Geburtstag oder Jahrestag.";
    }
}

} // namespace vespera::own_dates

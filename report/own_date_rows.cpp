#include "report/own_date_rows.h"

#include <cmath>
#include <utility>

#include "base/text.h"
#include "ephemeris/calendar.h"
#include "own_dates/occurrence_text.h"

namespace vespera::report {
namespace {

using own_dates::Kind;

// A reading of UTC on the place's clock. A day number is the Julian Day at
// noon, so the day's midnight is half a day before it.
ical::DayTime on_clock(const Zone& zone, ical::DayTime utc) {
    const double jd_ut = static_cast<double>(utc.day) - 0.5 + utc.seconds / 86400.0;
    const double local = zone.local_jd(jd_ut) + 0.5;
    auto day = static_cast<std::int64_t>(std::floor(local));
    auto seconds = static_cast<std::int64_t>(std::llround((local - static_cast<double>(day)) * 86400.0));
    if (seconds >= 86400) {
        ++day;
        seconds -= 86400;
    }
    return {day, static_cast<std::int32_t>(seconds)};
}

std::string clock_words(std::int32_t minutes) { return clock_text(minutes) + " Uhr"; }

std::string span_words(const OwnDateEntry& entry) {
    return date_text(entry.first_day) + " \u2013 " + date_text(entry.last_day);
}

// "Annas", "Hans’": the German genitive of a name (Duden: an apostrophe
// alone after s, ss, ß, x, z, tz and ce).
std::string genitive(const std::string& name) {
    for (const char* ending : {"s", "ß", "x", "z", "ce"}) {
        if (name.ends_with(ending)) return name + "\u2019";
    }
    return name + "s";
}

bool names_a_birthday(const std::string& title) {
    std::string lower;
    for (const char c : title) lower += lower_ascii(c);
    return lower.find("geburtstag") != std::string::npos;
}

std::string today_words(const OwnDateEntry& entry) {
    switch (entry.kind) {
    case Kind::geburtstag: {
        std::string text = names_a_birthday(entry.title) ? entry.title : genitive(entry.title) + " Geburtstag";
        if (entry.years && *entry.years > 0) text += " (" + std::to_string(*entry.years) + ")";
        return text;
    }
    case Kind::jahrestag:
        if (entry.years && *entry.years > 0) {
            return entry.title + " (" + std::to_string(*entry.years) + (*entry.years == 1 ? " Jahr)" : " Jahre)");
        }
        return entry.title;
    case Kind::termin: break;
    }
    return entry.start_minutes ? entry.title + " um " + clock_words(*entry.start_minutes) : entry.title;
}

std::string short_words(const own_dates::OwnDate& date, const own_dates::DateOccurrence& occurrence) {
    const std::optional<std::int64_t>& years = occurrence.years;
    if (date.kind != Kind::termin) {
        return years && *years > 0 ? date.title + " (" + std::to_string(*years) + ")" : date.title;
    }
    return occurrence.start_seconds ? clock_text(*occurrence.start_seconds / 60) + " " + date.title : date.title;
}

// What the row says beside the label: the kind, the time or the span, and
// where a 29 February went.
std::string value_words(const OwnDateEntry& entry, bool with_kind) {
    std::string text = with_kind ? std::string(own_dates::kind_name(entry.kind)) : std::string();
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (entry.start_minutes) add(clock_words(*entry.start_minutes));
    if (entry.last_day != entry.first_day) add(span_words(entry));
    if (entry.leap_day_moved) add("am 29. Februar, im Gemeinjahr verlegt");
    return text;
}

TypedValue typed_of(const OwnDateEntry& entry) {
    TypedValue typed = entry.last_day != entry.first_day ? range_value(entry.first_day, entry.last_day)
                                                          : TypedValue{};
    if (entry.start_minutes) typed.clock_minutes = *entry.start_minutes;
    if (entry.years) typed.quantity = Quantity{static_cast<double>(*entry.years), 0, "Jahre"};
    return typed;
}

} // namespace

own_dates::OccurrenceOptions occurrence_options(const Zone& zone, own_dates::LeapDayRule leap_day) {
    own_dates::OccurrenceOptions options;
    options.leap_day = leap_day;
    options.local_clock = [zone](ical::DayTime utc) { return on_clock(zone, utc); };
    return options;
}

OwnDateCalendar::OwnDateCalendar(std::vector<own_dates::OwnDate> dates,
                                 const std::map<std::string, std::string>& timezones, const Zone& zone,
                                 own_dates::LeapDayRule leap_day)
    : dates_(std::move(dates)) {
    index_.emplace(dates_, timezones, occurrence_options(zone, leap_day));
}

std::vector<OwnDateEntry> OwnDateCalendar::entries(const std::vector<own_dates::DateOccurrence>& found) const {
    std::vector<OwnDateEntry> result;
    result.reserve(found.size());
    for (const own_dates::DateOccurrence& occurrence : found) {
        if (occurrence.index >= dates_.size()) continue;
        const own_dates::OwnDate& date = dates_[occurrence.index];
        OwnDateEntry entry;
        entry.first_day = occurrence.first_day;
        entry.last_day = occurrence.last_day;
        entry.label = own_dates::occurrence_label(date, occurrence);
        entry.title = date.title;
        entry.kind = date.kind;
        entry.years = occurrence.years;
        if (occurrence.start_seconds) entry.start_minutes = *occurrence.start_seconds / 60;
        entry.leap_day_moved = occurrence.leap_day_moved;
        entry.uid = date.uid;
        entry.short_label = short_words(date, occurrence);
        result.push_back(std::move(entry));
    }
    return result;
}

std::vector<OwnDateEntry> OwnDateCalendar::between(std::int64_t first_day, std::int64_t last_day) {
    if (!index_) return {};
    return entries(index_->between(first_day, last_day));
}

std::vector<OwnDateEntry> OwnDateCalendar::in_year(std::int64_t year) {
    if (!index_) return {};
    return entries(index_->in_year(year));
}

std::string kind_plural(Kind kind) {
    switch (kind) {
    case Kind::geburtstag: return "Geburtstage";
    case Kind::jahrestag: return "Jahrestage";
    case Kind::termin: break;
    }
    return "Termine";
}

void add_own_date_section(Report& report, OwnDateCalendar& dates, std::int64_t day) {
    const std::vector<OwnDateEntry> found = dates.between(day, day);
    if (found.empty()) return;
    report.rows.push_back({"Termine", {}, RowKind::Heading});
    for (const OwnDateEntry& entry : found) {
        report.rows.push_back({entry.label, value_words(entry, true), RowKind::Entry, iso_date(day), {},
                               typed_of(entry)});
    }
}

Report own_date_list(OwnDateCalendar& dates, std::int64_t year, std::optional<Kind> kind) {
    Report report;
    report.heading = "Termine " + year_heading_text(year);
    if (kind) report.heading += " \u00b7 " + kind_plural(*kind);
    for (const OwnDateEntry& entry : dates.in_year(year)) {
        if (kind && entry.kind != *kind) continue;
        std::string label = date_text(entry.first_day);
        if (entry.last_day != entry.first_day) label = span_words(entry);
        std::string value = entry.label;
        if (const std::string more = value_words(entry, false); !more.empty()) value += " (" + more + ")";
        report.rows.push_back({std::move(label), std::move(value), RowKind::Entry, iso_date(entry.first_day),
                               std::string(own_dates::kind_name(entry.kind)), typed_of(entry)});
    }
    if (report.rows.empty()) {
        report.rows.push_back({kind ? "Keine " + kind_plural(*kind) : std::string("Keine Termine"),
                               "in diesem Jahr", RowKind::Entry});
    }
    return report;
}

void OwnDateCalendar::mark_month(MonthGrid& grid) {
    if (grid.days.empty() || !index_ || dates_.empty()) return;
    const std::int64_t first = grid.days.front().day_number;
    const std::int64_t last = grid.days.back().day_number;
    for (const own_dates::DateOccurrence& occurrence : index_->between(first, last)) {
        if (occurrence.index >= dates_.size()) continue;
        const own_dates::OwnDate& date = dates_[occurrence.index];
        const std::string label = own_dates::occurrence_label(date, occurrence);
        for (std::int64_t day = std::max(occurrence.first_day, first); day <= std::min(occurrence.last_day, last);
             ++day) {
            MonthGridDay& cell = grid.days[static_cast<std::size_t>(day - first)];
            if (cell.own_dates.empty()) cell.own_date_short = short_words(date, occurrence);
            cell.own_dates.push_back(label);
        }
    }
}

void add_own_dates(MonthGrid& grid, OwnDateCalendar& dates) { dates.mark_month(grid); }

std::string today_text(const std::vector<OwnDateEntry>& today) {
    std::string text;
    for (const OwnDateEntry& entry : today) text += (text.empty() ? "Heute: " : ", ") + today_words(entry);
    return text;
}

bool BirthdayCalendar::empty() const {
    for (const auto& month : months) {
        if (!month.empty()) return false;
    }
    return true;
}

BirthdayCalendar birthday_calendar(OwnDateCalendar& dates, std::int64_t year) {
    BirthdayCalendar calendar;
    calendar.year = year;
    for (OwnDateEntry& entry : dates.in_year(year)) {
        if (entry.kind == Kind::termin) continue;
        const CivilDate date = date_in(Calendar::Gregorian, entry.first_day);
        if (date.year != year) continue; // a span from the year before
        calendar.months[static_cast<std::size_t>(date.month - 1)].push_back(std::move(entry));
    }
    return calendar;
}

} // namespace vespera::report

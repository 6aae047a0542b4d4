#include "report/date_difference.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/clsCalendar.h"
#include "base/date_math.h"
#include "base/german_names.h"
#include "base/number_text.h"
#include "base/text.h"
#include "ephemeris/calendar.h"
#include "holidays/working_days.h"
#include "report/holiday_categories.h"

namespace vespera::report {
namespace {

constexpr const char* kHowToType = ". Datum als T.M.JJJJ eingeben, etwa 3.5.2024";

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Typed text may bring any white space along, pasted line breaks too.
std::string_view without_white_space(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// Messages repeat what was typed, but not a pasted page.
std::string shown(std::string_view text) {
    std::size_t length = 40;
    if (text.size() <= length) return std::string(text);
    // Not inside a character of several UTF-8 bytes.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    return std::string(text.substr(0, length)) + "\u2026";
}

std::string quoted(std::string_view text) { return "\u201e" + shown(text) + "\u201c"; }

TypedDate refused(std::string problem) { return {std::nullopt, std::move(problem), {}}; }

bool year_in_range(std::int64_t year) { return year >= -kLargestYear && year <= kLargestYear; }

std::string beyond_years(std::string_view typed) {
    return shown(typed) + " liegt au\u00dferhalb der Jahre -" + std::to_string(kLargestYear) + " bis " +
           std::to_string(kLargestYear);
}

// Years before 100 are valid, so "24.12.26" stays the year 26; the note
// says so, since 2026 was likely meant.
std::string short_year_note(std::string_view text, std::string_view year_piece, std::int64_t year, std::int64_t month,
                            std::int64_t day) {
    if (year_piece.empty() || year_piece.size() > 2 || year_piece.front() == '+' || year_piece.front() == '-') return {};
    const std::string era = year < 1 ? year_heading_text(year) : std::to_string(year) + " n. Chr.";
    return shown(text) + " als " + std::to_string(day) + ". " + std::string(month_name(month)) + " " + era + " gelesen";
}

TypedDate read_dotted(std::string_view text) {
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t dot = text.find('.', start);
        pieces.push_back(without_white_space(text.substr(start, dot == std::string_view::npos ? text.npos : dot - start)));
        if (dot == std::string_view::npos || pieces.size() > 3) break;
        start = dot + 1;
    }
    if (pieces.size() != 3) return refused(quoted(text) + " ist kein Datum" + kHowToType);
    const auto day = whole_number(pieces[0], false);
    const auto month = whole_number(pieces[1], false);
    const auto year = whole_number(pieces[2], true);
    if (!day || !month || !year) return refused(quoted(text) + " ist kein Datum" + kHowToType);
    if (!year_in_range(*year)) return refused(beyond_years(text));
    if (*year == 1582 && *month == 10 && *day >= 5 && *day <= 14) {
        return refused(shown(text) + " gibt es nicht: auf den 4. folgte der 15. Oktober 1582");
    }
    // The civil calendar's own round trip refuses 31.2. and 1.13.
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return refused(shown(text) + " gibt es nicht");
    const std::int64_t number = day_number(*year, *month, *day);
    const CivilDate back = civil_date(number);
    if (back.year != *year || back.month != *month || back.day != *day) {
        return refused(shown(text) + " gibt es nicht");
    }
    return {static_cast<std::int32_t>(number), {}, short_year_note(text, pieces[2], *year, *month, *day)};
}

// [sign] year of at least four digits "-" MM "-" DD.
TypedDate read_iso(std::string_view text) {
    const auto not_a_date = [text] { return refused(quoted(text) + " ist kein Datum" + kHowToType); };
    if (text.size() < 10 || text[text.size() - 6] != '-' || text[text.size() - 3] != '-') return not_a_date();
    const std::string_view year_text = text.substr(0, text.size() - 6);
    const bool signed_year = year_text.front() == '-' || year_text.front() == '+';
    if (year_text.size() - (signed_year ? 1 : 0) < 4) return not_a_date();
    const auto year = whole_number(year_text, true);
    const auto month = whole_number(text.substr(text.size() - 5, 2), false);
    const auto day = whole_number(text.substr(text.size() - 2), false);
    if (!year || !month || !day) return not_a_date();
    if (!year_in_range(*year)) return refused(beyond_years(text));
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return refused(shown(text) + " gibt es nicht");
    const std::int64_t number = day_number_in(Calendar::Gregorian, *year, *month, *day);
    const CivilDate back = date_in(Calendar::Gregorian, number);
    if (back.year != *year || back.month != *month || back.day != *day) {
        return refused(shown(text) + " gibt es nicht");
    }
    // Near the ends of the range the civil (Julian) year differs.
    if (!year_in_range(civil_date(number).year)) return refused(beyond_years(text));
    return {static_cast<std::int32_t>(number), {}, {}};
}

} // namespace

TypedDate read_typed_date(std::string_view text) {
    text = without_white_space(text);
    if (text.empty()) return refused(std::string("nichts eingegeben") + kHowToType);
    if (text.find('.') != std::string_view::npos) return read_dotted(text);
    return read_iso(text);
}

std::optional<std::int32_t> day_number_of_typed_date(std::string_view text) { return read_typed_date(text).day; }

std::string typed_date_notes(std::string_view first, std::string_view second) {
    const std::string one = read_typed_date(first).note;
    const std::string two = read_typed_date(second).note;
    std::string notes = one.empty() ? std::string() : one + '\n';
    if (!two.empty() && two != one) notes += two + '\n';
    return notes;
}

namespace {

// The engine's count of days from `first` to `second`; nullopt when it fails.
std::optional<double> days_between(std::int32_t first, std::int32_t second) {
    bool failed = false;
    clsCalendar counter;
    counter.setErrorReporter([&failed](const std::string&) { failed = true; });
    const double days = counter.DatumsDifferenz(first, second, 0, false);
    if (failed) return std::nullopt;
    return days;
}

} // namespace

std::string difference_sentence(std::optional<std::int32_t> first, std::optional<std::int32_t> second,
                                char decimal_separator) {
    static const std::string kFailed = "Bei der Berechnung ist ein Fehler aufgetreten.";
    if (!first || !second) return kFailed;
    if (*first == *second) return "Die Differenz beträgt Null Tage.";
    const std::optional<double> days = days_between(*first, *second);
    if (!days) return kFailed;
    const char* unit = std::fabs(*days) == 1.0 ? " Tag." : " Tage.";
    return "Die Differenz beträgt " + general(*days, decimal_separator) + unit;
}

std::string difference_message(std::string_view first, std::string_view second, char decimal_separator) {
    const TypedDate one = read_typed_date(first);
    if (!one.day) return "Erstes Datum: " + one.problem;
    const TypedDate two = read_typed_date(second);
    if (!two.day) return "Zweites Datum: " + two.problem;
    return difference_sentence(one.day, two.day, decimal_separator);
}

namespace {

std::string counted(std::int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::string span_text(std::int32_t first, std::int32_t second) {
    const holidays::CalendarSpan span = holidays::calendar_span(first, second);
    std::vector<std::string> parts;
    if (span.years != 0) parts.push_back(counted(span.years, "Jahr", "Jahre"));
    if (span.months != 0) parts.push_back(counted(span.months, "Monat", "Monate"));
    if (span.days != 0 || parts.empty()) parts.push_back(counted(span.days, "Tag", "Tage"));
    std::string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) text += (i + 1 == parts.size() ? " und " : ", ") + parts[i];
    return text;
}

namespace {

std::string working_days_phrase(std::int64_t count, const holidays::Region& region, std::string_view region_code) {
    const std::string days = counted(count, "Arbeitstag", "Arbeitstage");
    if (region.law == nullptr) {
        return days + " (Montag bis Freitag, ohne Feiertage: keine Feiertagsregion; beide Endtage z\u00e4hlen mit)";
    }
    return days + " " + in_region(region_code) +
           " (Montag bis Freitag ohne die gesetzlichen Feiertage; beide Endtage z\u00e4hlen mit)";
}

std::int64_t working_day_count(std::int32_t first, std::int32_t second, const holidays::Region& region,
                               const WorkingDayPlace& where) {
    return holidays::working_days(region, holidays::Locality{where.commune_key, where.place_name}, first, second);
}

} // namespace

std::string working_days_text(std::int32_t first, std::int32_t second, const WorkingDayPlace& where) {
    const holidays::Region region = holidays::region_of(where.region_code);
    return working_days_phrase(working_day_count(first, second, region, where), region, where.region_code);
}

Report difference_report(std::int32_t first, std::int32_t second, char decimal_separator,
                         const WorkingDayPlace& where) {
    Report report;
    report.heading = difference_sentence(first, second, decimal_separator);
    report.rows.push_back({"Erstes Datum", date_text(first), RowKind::Entry, iso_date(first)});
    report.rows.push_back({"Zweites Datum", date_text(second), RowKind::Entry, iso_date(second)});
    const std::optional<double> days = days_between(first, second);
    if (!days) {
        report.stopped = true;
        return report;
    }
    report.rows.push_back(
        {"Tage", general(*days, decimal_separator), RowKind::Entry, {}, {}, number_value(*days, 0, "Tage")});
    // The span as its two days, the earlier first: years and months have no fixed length.
    report.rows.push_back({"Zeitspanne", span_text(first, second), RowKind::Entry, {}, {},
                           range_value(std::min(first, second), std::max(first, second))});
    const holidays::Region region = holidays::region_of(where.region_code);
    const std::int64_t working = working_day_count(first, second, region, where);
    report.rows.push_back({"Arbeitstage", working_days_phrase(working, region, where.region_code), RowKind::Entry,
                           {}, {}, number_value(static_cast<double>(working), 0, "Arbeitstage")});
    return report;
}

} // namespace vespera::report

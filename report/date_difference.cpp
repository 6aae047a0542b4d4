#include "report/date_difference.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "engine/clsCalendar.h"
#include "engine/date_math.h"
#include "engine/number_text.h"

namespace vespera::report {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// A whole number with an optional sign; nullopt for anything else or beyond 64 bits.
std::optional<long long> whole_number(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int32_t> day_number_of_typed_date(std::string_view text) {
    text = trimmed(text);
    std::array<long long, 3> numbers{};
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t dot = text.find('.', start);
        const std::string_view piece = text.substr(start, dot == std::string_view::npos ? text.npos : dot - start);
        if (count >= 3) return std::nullopt;
        const std::optional<long long> number = whole_number(trimmed(piece));
        if (!number) return std::nullopt;
        numbers[count] = *number;
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    if (count != 2) return std::nullopt;
    const long long day = numbers[0], month = numbers[1], year = numbers[2];
    if (year < -kLargestYear || year > kLargestYear || month < 1 || month > 12 || day < 1) return std::nullopt;
    bool failed = false;
    clsCalendar cal;
    cal.setErrorReporter([&failed](const std::string&) { failed = true; });
    cal.setTag(static_cast<std::int32_t>(day));
    cal.setMonat(static_cast<std::int32_t>(month));
    cal.setJahr(static_cast<std::int32_t>(year));
    if (failed || day > cal.MonatsTage(static_cast<std::int32_t>(month))) return std::nullopt;
    const double jd = cal.JD();
    if (failed) return std::nullopt;
    return static_cast<std::int32_t>(std::lround(jd));
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
    return "Die Differenz beträgt " + general(*days, decimal_separator) + " Tage.";
}

Report difference_report(std::int32_t first, std::int32_t second, char decimal_separator) {
    Report report;
    report.heading = difference_sentence(first, second, decimal_separator);
    report.rows.push_back({"Erstes Datum", date_text(first), RowKind::Entry, iso_date(first)});
    report.rows.push_back({"Zweites Datum", date_text(second), RowKind::Entry, iso_date(second)});
    const std::optional<double> days = days_between(first, second);
    if (!days) {
        report.stopped = true;
        return report;
    }
    report.rows.push_back({"Tage", general(*days, decimal_separator), RowKind::Entry, {}});
    return report;
}

} // namespace vespera::report

// The days between two dates, as the date-difference panel says it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "report/report.h"

namespace vespera::report {

// A typed date read: its day number, or in German why it names no day.
struct TypedDate {
    std::optional<std::int32_t> day;
    std::string problem; // "31.2.2024 gibt es nicht"; empty when `day` holds
    // "24.12.26 als 24. Dezember 26 n. Chr. gelesen" where the year has one
    // or two digits: it is read as it stands, but may have meant 2026.
    std::string note;
};

// "3.5.2024" (day.month.year in the civil calendar: Julian up to 4 October
// 1582, Gregorian from 15 October 1582) or "2024-05-03" (ISO 8601, Gregorian
// also before 1582, the year with a sign where it is negative: "-0044-03-13").
// Blanks around the text and the pieces of the dotted form are ignored; the
// year may carry a sign. Years -27968..27968 only.
TypedDate read_typed_date(std::string_view text);

// read_typed_date's day.
std::optional<std::int32_t> day_number_of_typed_date(std::string_view text);

// The notes of two typed dates, each ended by a line feed; one note for
// both when they say the same.
std::string typed_date_notes(std::string_view first, std::string_view second);

// "Die Differenz beträgt 235 Tage." (second minus first), "… 1 Tag." and
// "… Null Tage." for the same day; "Bei der Berechnung ist ein Fehler
// aufgetreten." when either is nullopt or the engine fails. No engine
// outside is touched.
std::string difference_sentence(std::optional<std::int32_t> first, std::optional<std::int32_t> second,
                                char decimal_separator);

// The two typed dates' sentence, or what is wrong with the first or else the
// second: "Erstes Datum: 31.2.2024 gibt es nicht".
std::string difference_message(std::string_view first, std::string_view second, char decimal_separator);

// Where working days are counted: a holiday region code ("DE-BY"; empty or
// unknown: Monday to Friday without holidays) and the place in it.
struct WorkingDayPlace {
    std::string region_code;
    std::string place_name;
    std::string commune_key;
};

// "1 Jahr, 2 Monate und 3 Tage", "1 Monat", "0 Tage": the calendar span
// between the two days, whichever comes first.
std::string span_text(std::int32_t first, std::int32_t second);

// "22 Arbeitstage in Bayern (Montag bis Freitag ohne die gesetzlichen
// Feiertage; beide Endtage zählen mit)".
std::string working_days_text(std::int32_t first, std::int32_t second, const WorkingDayPlace& where);

// The same as a report: the sentence as its heading, then the two dates, the
// difference in days, the calendar span and the working days.
Report difference_report(std::int32_t first, std::int32_t second, char decimal_separator,
                         const WorkingDayPlace& where = {});

} // namespace vespera::report

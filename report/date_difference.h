// The days between two dates, as the date-difference panel says it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "report/report.h"

namespace vespera::report {

// "3.5.2024" -> its day number through an engine of its own; nullopt for a
// missing or extra piece, a piece that is not a whole number, a date that is
// not in the calendar (31.2.2024) or outside the engine's years.
std::optional<std::int32_t> day_number_of_typed_date(std::string_view text);

// "Die Differenz beträgt 235 Tage." (second minus first), "… Null Tage." for
// the same day; "Bei der Berechnung ist ein Fehler aufgetreten." when either
// is nullopt or the engine fails. No engine outside is touched.
std::string difference_sentence(std::optional<std::int32_t> first, std::optional<std::int32_t> second,
                                char decimal_separator);

// The same as a report: the sentence as its heading, then the two dates and
// the difference in days.
Report difference_report(std::int32_t first, std::int32_t second, char decimal_separator);

} // namespace vespera::report

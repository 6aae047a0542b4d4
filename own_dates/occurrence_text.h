// An occurrence of an own date as the day's list names it.
#pragma once

#include <string>

#include "own_dates/occurrences.h"
#include "own_dates/own_date.h"

namespace vespera::own_dates {

// "Anna: 40. Geburtstag", "Anna: Geburtstag" (year unknown), "Anna: geboren"
// (the day itself); "Hochzeitstag: 25 Jahre", "Hochzeitstag" (the day
// itself or year unknown); an appointment by its title.
std::string occurrence_label(const OwnDate& date, const DateOccurrence& occurrence);

} // namespace vespera::own_dates

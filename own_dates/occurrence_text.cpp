#include "own_dates/occurrence_text.h"

namespace vespera::own_dates {

std::string occurrence_label(const OwnDate& date, const DateOccurrence& occurrence) {
    const std::optional<std::int64_t> years = occurrence.years;
    switch (date.kind) {
    case Kind::geburtstag:
        if (!years) return date.title + ": Geburtstag";
        if (*years == 0) return date.title + ": geboren";
        return date.title + ": " + std::to_string(*years) + ". Geburtstag";
    case Kind::jahrestag:
        if (!years || *years == 0) return date.title;
        return date.title + ": " + std::to_string(*years) + (*years == 1 ? " Jahr" : " Jahre");
    case Kind::termin: break;
    }
    return date.title;
}

} // namespace vespera::own_dates

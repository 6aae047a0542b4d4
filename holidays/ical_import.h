// School holidays from an iCalendar file (RFC 5545) as states and schools
// publish them: one VEVENT per period. Recurring events are not expanded.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/school_holidays.h"

namespace vespera {

inline constexpr std::size_t kMaxIcsBytes = 2 * 1024 * 1024;
inline constexpr std::size_t kMaxIcsEvents = 5000;

struct IcsImport {
    bool ok = false;
    std::vector<SchoolHolidayPeriod> periods; // in file order
    std::size_t skipped_events = 0;           // recurring, cancelled, undated or malformed
    // "12 Ferienzeiträume gelesen, 1 Termin übersprungen", or the German error.
    std::string message;
};

IcsImport import_school_holidays_ics(std::string_view bytes);
IcsImport import_school_holidays_ics_file(const std::filesystem::path& path);

} // namespace vespera

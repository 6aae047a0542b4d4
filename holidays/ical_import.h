// School holidays from an iCalendar file (RFC 5545) as states and schools
// publish them, read with the shared libical reader: one period per event
// or per occurrence of a recurring one, on the place's local days.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/school_holidays.h"

namespace vespera {

inline constexpr std::size_t kMaxIcsBytes = 2 * 1024 * 1024;
inline constexpr std::size_t kMaxIcsEvents = 5000; // events read, and periods kept

// Where the periods land: the place's clock and the days that RRULE and
// RDATE are expanded over (single events count wherever they lie).
struct IcsImportFrame {
    DayRange expanded;
    // The place's local Julian date of an instant, as Zone::local_jd gives it.
    std::function<double(double jd_ut)> local_jd;
};

// The days an import read on `today` expands recurring events over: from
// two years back to ten ahead, whole years.
DayRange import_days_around(std::int64_t today);

struct IcsImport {
    bool ok = false;
    std::vector<SchoolHolidayPeriod> periods; // in file order, occurrences by date
    std::size_t skipped_events = 0;           // cancelled, undated, unreadable or beyond the limits
    // "12 Ferienzeiträume gelesen, 1 Termin übersprungen (…)", or the German error.
    std::string message;
};

IcsImport import_school_holidays_ics(std::string_view bytes, const IcsImportFrame& frame);
IcsImport import_school_holidays_ics_file(const std::filesystem::path& path, const IcsImportFrame& frame);

// Where the window keeps a state's imported file, relative to its settings
// folder: "ferien/DE-BY.ics".
std::string imported_school_holidays_path(std::string_view region_code);

} // namespace vespera

#include "report/school_holiday_coverage.h"

#include <string_view>
#include <utility>
#include <vector>

#include "base/regions.h"
#include "engine/clsCalendar.h"
#include "holidays/region_school_holidays.h"
#include "report/report.h"

namespace vespera::report {
namespace {

SchoolHolidayCoverage coverage_of(const clsCalendar& cal, std::int64_t from_day) {
    SchoolHolidayCoverage coverage;
    if (school_holidays_by_law(cal.Region())) {
        coverage.by_law = true;
    } else if (const SchoolHolidayTable* table = cal.school_holiday_table()) {
        coverage = school_holiday_coverage(*table, from_day);
    } else {
        coverage.problem = cal.school_holiday_problem();
    }
    return coverage;
}

// From the stretch that holds the day, or the next one, to its end; a day
// after the data's end reads as how far the data reaches.
std::string in_words(const SchoolHolidayCoverage& coverage) {
    if (coverage.by_law) return "nach dem Schulzeitgesetz berechnet, vom Schuljahr 2020/21 an ohne Ende";
    if (!coverage.problem.empty()) return coverage.problem;
    if (!coverage.last_known_day) return {};
    std::string text;
    std::int64_t until = *coverage.last_known_day;
    if (coverage.complete_until) {
        until = *coverage.complete_until;
        text = "bekannt bis " + date_text(until);
    } else if (coverage.next_stretch) {
        until = coverage.next_stretch->last_day;
        text = "bekannt vom " + date_text(coverage.next_stretch->first_day) + " bis " + date_text(until);
    } else {
        return "bekannt nur bis " + date_text(until);
    }
    if (*coverage.last_known_day != until) text += " (einzelne Ferien bis " + date_text(*coverage.last_known_day) + ")";
    return text;
}

// Country codes name no school holidays of their own; their parts do.
bool has_parts(std::string_view code) { return code == "DE" || code == "AT" || code == "CH"; }

} // namespace

std::string school_holidays_known(const clsCalendar& cal, std::int64_t from_day) {
    return in_words(coverage_of(cal, from_day));
}

std::string school_holidays_known_briefly(const clsCalendar& cal, std::int64_t from_day) {
    const SchoolHolidayCoverage coverage = coverage_of(cal, from_day);
    if (coverage.by_law) return "nach dem Schulzeitgesetz";
    if (!coverage.problem.empty() || !coverage.last_known_day) return "keine hinterlegt";
    if (coverage.complete_until) return "bekannt bis " + date_text(*coverage.complete_until);
    if (coverage.next_stretch) return "bekannt ab " + date_text(coverage.next_stretch->first_day);
    return "hinterlegt bis " + date_text(*coverage.last_known_day);
}

std::string school_holiday_overview(std::int64_t from_day) {
    std::vector<std::pair<std::string, std::string>> groups; // what is known, the regions
    for (const std::string_view code : holiday_region_codes()) {
        if (has_parts(code)) continue;
        std::string known = in_words(school_holiday_coverage(code, from_day));
        if (known.empty()) known = "keine Ferientermine hinterlegt";
        std::pair<std::string, std::string>* group = nullptr;
        for (auto& each : groups) {
            if (each.first == known) group = &each;
        }
        if (group == nullptr) group = &groups.emplace_back(std::move(known), std::string{});
        group->second += (group->second.empty() ? "" : ", ") + std::string(region_name(code));
    }
    std::string text = "Schulferien";
    for (std::size_t i = 0; i < groups.size(); ++i) {
        text += (i == 0 ? " " : "; ") + groups[i].first + ": " + groups[i].second;
    }
    return text + ".";
}

} // namespace vespera::report

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
    struct Country {
        std::string_view prefix; // codes of its parts begin with it
        std::string_view name;
        std::vector<std::pair<std::string, std::string>> parts; // name, what is known
    };
    std::vector<Country> countries = {{"DE-", "Deutschland", {}}, {"AT-", "\u00d6sterreich", {}},
                                      {"CH-", "Schweiz", {}}, {"", "", {}}};
    for (const std::string_view code : holiday_region_codes()) {
        if (has_parts(code)) continue;
        const SchoolHolidayCoverage coverage = school_holiday_coverage(code, from_day);
        std::string known = "keine";
        if (coverage.by_law) {
            known = "nach dem Schulzeitgesetz, vom Schuljahr 2020/21 an ohne Ende";
        } else if (!coverage.problem.empty()) {
            known = coverage.problem;
        } else if (coverage.complete_until) {
            known = "bis " + date_text(*coverage.complete_until);
        } else if (coverage.next_stretch) {
            known = "vom " + date_text(coverage.next_stretch->first_day) + " bis " +
                    date_text(coverage.next_stretch->last_day);
        } else if (coverage.last_known_day) {
            known = "nur bis " + date_text(*coverage.last_known_day);
        }
        Country* country = &countries.back();
        for (Country& each : countries) {
            if (!each.prefix.empty() && code.starts_with(each.prefix)) country = &each;
        }
        country->parts.emplace_back(std::string(region_name(code)), std::move(known));
    }
    std::string text = "Schulferien bekannt (einzelne Ferien, etwa die Sommerferien, oft l\u00e4nger)";
    for (const Country& country : countries) {
        text += "\n" + (country.name.empty() ? std::string() : std::string(country.name) + ": ");
        bool alike = true;
        for (const auto& part : country.parts) alike = alike && part.second == country.parts.front().second;
        if (alike && country.parts.size() > 1) {
            text += "alle " + country.parts.front().second;
            continue;
        }
        for (std::size_t i = 0; i < country.parts.size(); ++i) {
            text += (i == 0 ? "" : ", ") + country.parts[i].first + " " + country.parts[i].second;
        }
    }
    return text;
}

} // namespace vespera::report

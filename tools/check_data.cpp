// Up to when the school holidays of every region are known (scripts/check-data).
// Fails when a German state's complete stretch ends less than twelve months
// after today, so that a maintainer adds the next school year in time.
//
//   vespera_check_data [JJJJ-MM-TT]   (default: today on this computer's clock)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "holidays/region_school_holidays.h"
#include "base/regions.h"
#include "holidays/school_holidays.h"
#include "ephemeris/calendar.h"

namespace {

std::string date_text(std::int64_t day) {
    const vespera::CivilDate date = vespera::civil_date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04lld", date.day, date.month, static_cast<long long>(date.year));
    return text;
}

std::int64_t today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return vespera::day_number(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool parse_date(std::string_view text, std::int64_t& day) {
    int year = 0, month = 0, d = 0;
    if (text.size() != 10 || std::sscanf(std::string(text).c_str(), "%4d-%2d-%2d", &year, &month, &d) != 3 ||
        month < 1 || month > 12 || d < 1 || d > 31) {
        return false;
    }
    day = vespera::day_number(year, month, d);
    return vespera::civil_date(day).day == d;
}

} // namespace

int main(int argc, char** argv) {
    std::int64_t from = today();
    if (argc > 2 || (argc == 2 && !parse_date(argv[1], from))) {
        std::fprintf(stderr, "Aufruf: vespera_check_data [JJJJ-MM-TT]\n");
        return 2;
    }
    const vespera::CivilDate start = vespera::civil_date(from);
    const std::int64_t deadline = vespera::day_number(start.year + 1, start.month, start.day);
    std::printf("Schulferien, Stand %s (Frist für die deutschen Länder: %s)\n", date_text(from).c_str(),
                date_text(deadline).c_str());
    // Every region with a holiday law, and any shipped file of a code outside
    // that list, so that no shipped file goes unchecked.
    std::vector<vespera::Region> listed;
    for (const std::string_view code : vespera::holiday_region_codes()) {
        listed.push_back({code, vespera::region_name(code)});
    }
    for (const std::string_view code : vespera::school_holiday_files()) {
        const bool known = std::any_of(listed.begin(), listed.end(),
                                       [&](const vespera::Region& region) { return region.code == code; });
        if (!known) listed.push_back({code, code});
    }
    std::string late;
    for (const vespera::Region& region : listed) {
        const vespera::SchoolHolidayCoverage coverage = vespera::school_holiday_coverage(region.code, from);
        std::string line = std::string(region.code) + "\t" + std::string(region.name) + "\t";
        if (coverage.by_law) {
            line += "nach dem Schulzeitgesetz berechnet, ohne Ende";
        } else if (!coverage.problem.empty()) {
            line += "FEHLER: " + coverage.problem;
        } else if (!coverage.last_known_day) {
            line += "keine Ferientermine hinterlegt";
        } else {
            line += coverage.complete_until ? "vollständig bis " + date_text(*coverage.complete_until)
                                            : std::string("heute nicht hinterlegt");
            if (coverage.last_known_day != coverage.complete_until) {
                line += ", einzelne Ferien bis " + date_text(*coverage.last_known_day);
            }
        }
        const bool german = region.code.starts_with("DE-");
        if (german && (!coverage.complete_until || *coverage.complete_until < deadline)) {
            line += "\tZU KURZ";
            late += (late.empty() ? "" : ", ") + std::string(region.code);
        }
        std::printf("%s\n", line.c_str());
    }
    if (!late.empty()) {
        std::fprintf(stderr, "Nicht zwölf Monate im Voraus hinterlegt: %s\n", late.c_str());
        return 1;
    }
    return 0;
}

#include "report/report.h"

#include <cstdio>

#include "base/regions.h"
#include "base/text.h"
#include "ephemeris/calendar.h"

namespace vespera::report {

std::string iso_date(std::int64_t day_number) {
    const CivilDate date = date_in(Calendar::Gregorian, day_number);
    const std::int64_t year = date.year;
    const bool expanded = year < 0 || year > 9999;
    const unsigned long long magnitude = year < 0 ? 0ULL - static_cast<unsigned long long>(year)
                                                  : static_cast<unsigned long long>(year);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%04llu-%02d-%02d", expanded ? (year < 0 ? "-" : "+") : "", magnitude,
                  date.month, date.day);
    return buffer;
}

std::string date_text(std::int64_t day_number) {
    const CivilDate date = civil_date(day_number);
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
}

std::string year_text(std::int64_t year) {
    if (year < 1) return std::to_string(1 - year) + " v. Chr.";
    return std::to_string(year);
}

std::string year_heading_text(std::int64_t year) {
    if (year < 1) return year_text(year) + " (astronomisches Jahr " + std::to_string(year) + ")";
    return year_text(year);
}

std::string place_heading(std::string_view name, std::string_view region_code) {
    const std::string_view shown = trimmed(name);
    std::string text(shown);
    const std::string_view region = region_name(region_code);
    if (!shown.empty() && !region.empty() && region != shown && shown.find('(') == std::string_view::npos) {
        text += " (";
        text += region;
        text += ')';
    }
    return text;
}

std::string with_place(std::string heading, std::string_view place) {
    if (place.empty()) return heading;
    heading += " \u00b7 ";
    heading += place;
    return heading;
}

std::string copied_text(const Report& report) {
    std::string text;
    if (!report.heading.empty()) text += report.heading + '\n';
    for (const Row& row : report.rows) {
        text += row.label;
        if (!row.is_heading()) {
            text += '\t';
            text += row.value;
            if (!row.category.empty()) {
                text += '\t';
                text += row.category;
            }
        }
        text += '\n';
    }
    return text;
}

} // namespace vespera::report

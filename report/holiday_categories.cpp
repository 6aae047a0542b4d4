#include "report/holiday_categories.h"

#include <array>

#include "base/regions.h"
#include "base/text.h"

namespace vespera::report {
namespace {

constexpr std::array<std::string_view, kHolidayCategoryCount> kLabels = {
    "gesetzlich", "regional", "kirchlich", "Gedenktag", "Brauchtum",  "astronomisch",
    "Ferien",     "jüdisch",  "islamisch", "orthodox", "chinesisch", "persisch",
    "schulfrei",  "Jahreskreisfest", "Brückentag"};

constexpr std::array<std::string_view, kTraditionCount> kFestivalStatus = {
    "jüdisches Fest, beginnt am Vorabend", "islamisches Fest (Umm al-Qura), beginnt am Vorabend",
    "orthodoxes Fest (julianischer Kalender)", "chinesisches Fest", "persisches Fest"};

// The category where the entry is no statutory holiday.
std::string_view category_phrase(DayCategory category) {
    switch (category) {
    case DayCategory::Kirchlich: return "Tag im Kirchenjahr";
    case DayCategory::Gedenktag: return "Gedenktag";
    case DayCategory::Brauchtum: return "Brauchtum";
    case DayCategory::Astronomisch: return "Beginn einer Jahreszeit";
    case DayCategory::Ferien: return "Schulferien";
    case DayCategory::Jahreskreisfest: return "Jahreskreisfest";
    case DayCategory::Gesetzlich: break;
    }
    return "Feiertag";
}

} // namespace

HolidayCategory category_of(const NamedDayEntry& entry) {
    if (entry.status == StatutoryStatus::Yes) return HolidayCategory::Gesetzlich;
    if (entry.status == StatutoryStatus::Regional) return HolidayCategory::Regional;
    if (entry.status == StatutoryStatus::SchoolFree) return HolidayCategory::Schulfrei;
    switch (entry.category) {
    case DayCategory::Kirchlich: return HolidayCategory::Kirchlich;
    case DayCategory::Gedenktag: return HolidayCategory::Gedenktag;
    case DayCategory::Brauchtum: return HolidayCategory::Brauchtum;
    case DayCategory::Astronomisch: return HolidayCategory::Astronomisch;
    case DayCategory::Ferien: return HolidayCategory::Ferien;
    case DayCategory::Jahreskreisfest: return HolidayCategory::Jahreskreisfest;
    // A statutory-only row is listed only where it holds.
    case DayCategory::Gesetzlich: return HolidayCategory::Gesetzlich;
    }
    return HolidayCategory::Gedenktag;
}

HolidayCategory category_of(Tradition tradition) {
    return static_cast<HolidayCategory>(static_cast<unsigned>(HolidayCategory::Juedisch) +
                                        static_cast<unsigned>(tradition));
}

std::string_view festival_status(Tradition tradition) { return kFestivalStatus[static_cast<std::size_t>(tradition)]; }

std::string_view category_label(HolidayCategory category) { return kLabels[static_cast<std::size_t>(category)]; }

std::optional<CategorySet> parse_categories(std::string_view text) {
    CategorySet set = 0;
    bool any = false;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = trimmed(text.substr(0, comma));
        if (equal_ignoring_ascii_case(name, "alle")) {
            set |= kAllNamedDays;
        } else {
            bool known = false;
            for (std::size_t i = 0; i < kLabels.size(); ++i) {
                if (!equal_ignoring_ascii_case(name, kLabels[i])) continue;
                set |= category_bit(static_cast<HolidayCategory>(i));
                known = true;
            }
            // The labels with an umlaut, as a shell without one types them.
            if (!known && equal_ignoring_ascii_case(name, "juedisch")) {
                set |= category_bit(HolidayCategory::Juedisch);
                known = true;
            }
            if (!known && equal_ignoring_ascii_case(name, "Brueckentag")) {
                set |= category_bit(HolidayCategory::Brueckentag);
                known = true;
            }
            if (!known) return std::nullopt;
        }
        any = true;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return any ? std::optional<CategorySet>(set) : std::nullopt;
}

std::string in_region(std::string_view region_code) {
    const std::string_view name = region_name(region_code);
    if (name.empty()) return {};
    if (region_code == "CH") return "in der Schweiz";
    if (region_code == "DE-SL") return "im Saarland";
    // Cantons take the article with "Kanton": "im Kanton Wallis".
    if (region_code.starts_with("CH-")) return "im Kanton " + std::string(name);
    return "in " + std::string(name);
}

std::string status_text(const NamedDayEntry& entry, std::string_view region_code, std::string_view place) {
    const std::string where = in_region(region_code);
    switch (entry.status) {
    case StatutoryStatus::Yes:
        if (entry.one_place && !place.empty()) return "gesetzlicher Feiertag in " + std::string(place);
        return "gesetzlicher Feiertag " + where;
    case StatutoryStatus::Regional:
        return "gesetzlicher Feiertag in Teilen von " + std::string(region_name(region_code));
    case StatutoryStatus::SchoolFree: return "schulfrei " + where + ", kein gesetzlicher Feiertag";
    case StatutoryStatus::No: break;
    }
    if (entry.has_statutes && !where.empty()) return "kein gesetzlicher Feiertag " + where;
    return std::string(category_phrase(entry.category));
}

std::string day_description(const NamedDayEntry& entry, std::string_view region_code, std::string_view place) {
    const std::string status = status_text(entry, region_code, place);
    if (entry.status == StatutoryStatus::Regional || entry.status == StatutoryStatus::SchoolFree) {
        return entry.note.empty() ? status : status + " (" + std::string(entry.note) + ")";
    }
    if (entry.status != StatutoryStatus::No || !status.starts_with("kein ")) return status;
    return std::string(category_phrase(entry.category)) + ", " + status;
}

} // namespace vespera::report

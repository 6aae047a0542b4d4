#include "holidays/festivals.h"

#include <algorithm>
#include <array>
#include <limits>

#include "calendars/chinese.h"
#include "calendars/hebrew.h"
#include "calendars/persian.h"
#include "calendars/umm_al_qura.h"
#include "holidays/easter.h"
#include "ephemeris/calendar.h"

namespace vespera {
namespace {

struct DateRule {
    std::string_view name;
    std::int32_t month;
    std::int32_t day;
};

// Biblical month count; Purim is in Adar II in a leap year, in Adar otherwise.
constexpr std::array<DateRule, 9> kJewishFestivals = {{
    {"Rosch ha-Schana", kTischri, 1},
    {"Jom Kippur", kTischri, 10},
    {"Sukkot", kTischri, 15},
    {"Schemini Azeret", kTischri, 22},
    {"Simchat Tora", kTischri, 23}, // the diaspora's second day after Sukkot
    {"Chanukka", kKislew, 25},
    {"Purim", kAdarII, 14},
    {"Pessach", kNisan, 15},
    {"Schawuot", kSiwan, 6},
}};

constexpr std::array<DateRule, 5> kIslamicFestivals = {{
    {"Islamisches Neujahr", 1, 1},
    {"Maulid an-Nabi", 3, 12},
    {"Beginn des Ramadan", 9, 1},
    {"Fest des Fastenbrechens", 10, 1},
    {"Opferfest", 12, 10},
}};

constexpr std::int64_t kYearsFromGregorianToHebrew = 3760; // the Hebrew year in spring

struct GregorianYear {
    std::int64_t first_day;
    std::int64_t last_day;
    bool contains(std::int64_t day) const { return day >= first_day && day <= last_day; }
};

GregorianYear gregorian_year_days(std::int64_t year) {
    return {day_number_in(Calendar::Gregorian, year, 1, 1), day_number_in(Calendar::Gregorian, year, 12, 31)};
}

void sort_by_day(Festivals& festivals) {
    std::stable_sort(festivals.days.begin(), festivals.days.end(),
                     [](const Festival& a, const Festival& b) { return a.day_number < b.day_number; });
}

} // namespace

Festivals jewish_festivals(std::int64_t gregorian_year) {
    const GregorianYear days = gregorian_year_days(gregorian_year);
    Festivals festivals;
    // A Gregorian year holds the spring of one Hebrew year and the autumn of
    // the next; both are tried, as the two calendars drift apart over
    // millennia.
    for (const std::int64_t year : {gregorian_year + kYearsFromGregorianToHebrew,
                                    gregorian_year + kYearsFromGregorianToHebrew + 1}) {
        const bool leap = is_hebrew_leap_year(year);
        for (const DateRule& rule : kJewishFestivals) {
            const std::int32_t month = rule.month == kAdarII && !leap ? kAdar : rule.month;
            const std::int64_t day = hebrew_day_number(year, month, rule.day);
            if (days.contains(day)) festivals.days.push_back({day, rule.name});
        }
    }
    sort_by_day(festivals);
    return festivals;
}

Festivals islamic_festivals(std::int64_t gregorian_year) {
    const GregorianYear days = gregorian_year_days(gregorian_year);
    Festivals festivals;
    festivals.covered = days.first_day >= first_umm_al_qura_day() && days.last_day <= last_umm_al_qura_day();
    // 33 Islamic years to 32 Gregorian ones; two on either side of the
    // estimate cover every year that meets this one.
    const std::int64_t estimate = floor_div((gregorian_year - 622) * 33, 32) + 1;
    for (std::int64_t year = estimate - 2; year <= estimate + 2; ++year) {
        for (const DateRule& rule : kIslamicFestivals) {
            const std::optional<std::int64_t> day = umm_al_qura_day_number(year, rule.month, rule.day);
            if (day && days.contains(*day)) festivals.days.push_back({*day, rule.name});
        }
    }
    sort_by_day(festivals);
    return festivals;
}

Festivals orthodox_festivals(std::int64_t gregorian_year) {
    const GregorianYear days = gregorian_year_days(gregorian_year);
    Festivals festivals;
    for (const std::int64_t year : {gregorian_year - 1, gregorian_year}) {
        const std::int64_t christmas = day_number_in(Calendar::Julian, year, 12, 25);
        if (days.contains(christmas)) festivals.days.push_back({christmas, "Weihnachten"});
        const MonthDay easter = julian_easter_sunday(year);
        const std::int64_t easter_day = day_number_in(Calendar::Julian, year, easter.month, easter.day);
        if (days.contains(easter_day)) festivals.days.push_back({easter_day, "Ostersonntag"});
        if (days.contains(easter_day + 49)) festivals.days.push_back({easter_day + 49, "Pfingsten"});
    }
    sort_by_day(festivals);
    return festivals;
}

Festivals chinese_festivals(std::int64_t gregorian_year) {
    Festivals festivals;
    const std::optional<ChineseYear> year = chinese_year(gregorian_year);
    if (!year) {
        festivals.covered = false;
        return festivals;
    }
    festivals.days.push_back({year->months[0].first_day, "Chinesisches Neujahr"});
    return festivals;
}

Festivals persian_festivals(std::int64_t gregorian_year) {
    Festivals festivals;
    const std::optional<std::int64_t> new_year = persian_new_year_day(gregorian_year - kPersianToGregorianYears);
    if (!new_year) {
        festivals.covered = false;
        return festivals;
    }
    festivals.days.push_back({*new_year, "Nouruz"});
    return festivals;
}

std::int64_t first_festival_year(Tradition tradition) {
    switch (tradition) {
    case Tradition::Jewish: return 359;
    case Tradition::Persian: return 1925;
    case Tradition::Chinese: return 1929;
    case Tradition::Islamic:
    case Tradition::Orthodox: break;
    }
    return std::numeric_limits<std::int64_t>::min();
}

YearFestivals year_festivals(std::int64_t gregorian_year) {
    using Compute = Festivals (*)(std::int64_t);
    constexpr std::array<Compute, kTraditionCount> kCompute = {jewish_festivals, islamic_festivals, orthodox_festivals,
                                                               chinese_festivals, persian_festivals};
    YearFestivals year;
    year.gregorian_year = gregorian_year;
    for (std::size_t t = 0; t < kTraditionCount; ++t) {
        if (gregorian_year >= first_festival_year(static_cast<Tradition>(t))) {
            year.by_tradition[t] = kCompute[t](gregorian_year);
        } else {
            year.by_tradition[t].covered = false;
        }
    }
    return year;
}

} // namespace vespera

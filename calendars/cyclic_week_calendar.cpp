// The cyclic week calendar: years of 52 whole weeks that keep step with the
// sun by whole leap weeks. In 896 years, 97 years have one leap week and 31
// have two, so the cycle holds 896 x 364 + 97 x 7 + 31 x 14 = 327257 days,
// a mean year of 365.24219 days. Every year begins on the same weekday.
//
// Days of a year, counted from 0 (common year 364, one leap week 371, two
// leap weeks 378 days):
//
//   day        date text                   special-day text
//   0          1. Jul                      1. Jul
//   1..360     1..30 of the months Lótesse, Solmath, Rethe, Astron, Thrimidge,
//              Ringare, Frery, Mede, Wedmath, Halimath, Winterfilth, Blothmath
//                                          (none)
//   361        2. Jul                      2. Jul
//   362        Nachjul                     Nachjul
//   363..369   1..7 Ergänzungswoche        Nachjul - Vorjul   (years with leap weeks)
//   370..376   1..7 Schaltwoche            Nachjul - Vorjul   (years with two)
//   last day   Vorjul (363, 370 or 377)    Vorjul
//
// The leap weeks lie between Nachjul and Vorjul; " - " names that span.
// Vorjul is the eve of the next year's 1. Jul.
#include "calendars/cyclic_week_calendar.h"

#include <array>
#include <string_view>
#include <utility>

#include "base/date_math.h"
#include "base/fault.h"

namespace vespera {
namespace {

constexpr std::int64_t kEpochDay = 1663344; // 1. Jul of year 1

constexpr std::int64_t kPeriod_days = 327257;  // 896 years
constexpr std::int64_t kGroup_days = 10227;    // 28 years: three with one leap week, one with two
constexpr std::int64_t kSubgroup_days = 2555;  // 7 years, the last with one leap week
constexpr std::int64_t kYear_days = 364;
constexpr std::int64_t kWeek_days = 7;
constexpr std::int64_t kLastGroup = 31;        // the 32nd group of a period is a week short
constexpr std::int64_t kLastSubgroup = 3;      // the 4th subgroup takes the second leap week
constexpr std::int64_t kLastYearOfSubgroup = 6;

constexpr std::int64_t kFirstMonthDay = 1;
constexpr std::int64_t kMonth_days = 30;
constexpr std::int64_t kLastMonthDay = 360;
constexpr std::int64_t kSecondJulDay = 361;
constexpr std::int64_t kNachjulDay = 362;
constexpr std::int64_t kFirstLeapWeekDay = 363;

constexpr std::array<std::string_view, 14> kMonthNames = {
    ". Lótesse ", ". Solmath ", ". Rethe ", ". Astron ", ". Thrimidge ", ". Ringare ", ". Frery ",
    ". Mede ", ". Wedmath ", ". Halimath ", ". Winterfilth ", ". Blothmath ", ". Ergänzungswoche ",
    ". Schaltwoche "};


bool Aji_Jahr_KalThor(std::int64_t v) {
    return (v % 7 == 0 && v % 28 != 0) || v % 896 == 0;
}

bool Baji_Jahr_KalThor(std::int64_t v) { return v % 28 == 0 && v % 896 != 0; }

std::int64_t Minimum(std::int64_t a, std::int64_t b) { return a < b ? a : b; }

} // namespace

CyclicWeekDate cyclic_week_date(std::int64_t day_number) {
    // Floor division keeps the nesting valid before the epoch: every count is
    // then at least 0 and the years run on through 0 into negative numbers.
    std::int64_t days = day_number - kEpochDay;
    const std::int64_t period = floor_div(days, kPeriod_days);
    days -= period * kPeriod_days;
    const std::int64_t group = Minimum(days / kGroup_days, kLastGroup);
    days -= group * kGroup_days;
    const std::int64_t subgroup = Minimum(days / kSubgroup_days, kLastSubgroup);
    days -= subgroup * kSubgroup_days;
    const std::int64_t year_of_subgroup = Minimum(days / kYear_days, kLastYearOfSubgroup);
    const std::int64_t day_of_year = days - year_of_subgroup * kYear_days;
    const std::int64_t year = 896 * period + 28 * group + 7 * subgroup + year_of_subgroup + 1;

    const std::int64_t leap_weeks = Baji_Jahr_KalThor(year) ? 2 : (Aji_Jahr_KalThor(year) ? 1 : 0);
    const std::int64_t year_length = kYear_days + kWeek_days * leap_weeks;
    // The nesting and the leap tests describe the same years; a day beyond
    // its year would mean they had come apart.
    if (day_of_year >= year_length) raise_fault(FaultCode::InvalidCall);

    const std::string year_text = std::to_string(year);
    std::string text;
    std::string special;
    if (day_of_year == 0) {
        special = "1. Jul";
        text = special + " " + year_text;
    } else if (day_of_year <= kLastMonthDay) {
        const std::int64_t month_index = (day_of_year - kFirstMonthDay) / kMonth_days;
        const std::int64_t day = (day_of_year - kFirstMonthDay) % kMonth_days + 1;
        text = std::to_string(day) +
               std::string(kMonthNames[checked_index(month_index, kMonthNames.size())]) + year_text;
    } else if (day_of_year == kSecondJulDay) {
        special = "2. Jul";
        text = special + " " + year_text;
    } else if (day_of_year == kNachjulDay) {
        special = "Nachjul";
        text = special + " " + year_text;
    } else if (day_of_year == year_length - 1) {
        special = "Vorjul";
        text = special + " " + year_text;
    } else {
        const std::int64_t leap_day = day_of_year - kFirstLeapWeekDay; // 0..13
        const std::int64_t month_index = 12 + leap_day / kWeek_days;
        special = "Nachjul - Vorjul";
        text = std::to_string(leap_day % kWeek_days + 1) +
               std::string(kMonthNames[checked_index(month_index, kMonthNames.size())]) + year_text;
    }

    std::string info = "Zyklus: (K " + std::to_string(period) + ", B " + std::to_string(group) + ", A " +
                       std::to_string(subgroup) + ", N " + std::to_string(year_of_subgroup) + ")";
    return {std::move(text), std::move(special), std::move(info)};
}

} // namespace vespera

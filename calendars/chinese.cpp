#include "calendars/chinese.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/calendar.h"
#include "ephemeris/lunar_phases.h"
#include "ephemeris/time_scales.h"
#include "ephemeris/solar_longitude.h"

namespace vespera {
namespace {

constexpr double kWinterSolstice_deg = 270.0;
constexpr double kPrincipalTerm_deg = 30.0;

// Stems and branches in pinyin, animals in German, as in the German
// Wikipedia's articles of the sexagenary cycle ("Holz-Büffel (Yichou)").
constexpr std::array<std::string_view, 10> kStems = {"Jia", "Yi", "Bing", "Ding", "Wu",
                                                     "Ji", "Geng", "Xin", "Ren", "Gui"};
constexpr std::array<std::string_view, 12> kBranches = {"Zi", "Chou", "Yin", "Mao", "Chen", "Si",
                                                        "Wu", "Wei", "Shen", "You", "Xu", "Hai"};
constexpr std::array<std::string_view, 12> kYearsOfAnimals = {
    "Jahr der Ratte", "Jahr des Büffels", "Jahr des Tigers", "Jahr des Hasen",
    "Jahr des Drachen", "Jahr der Schlange", "Jahr des Pferdes", "Jahr der Ziege",
    "Jahr des Affen", "Jahr des Hahns", "Jahr des Hundes", "Jahr des Schweins"};

// The civil day (UTC+8) of new moon k (Meeus's lunation number).
std::int64_t new_moon_day(double k) {
    const double jde = lunar_phase(k, false).jde;
    const double local = jde - delta_t_seconds(jde) / kSecondsPerDay + kChinaZone_hours / 24.0;
    return static_cast<std::int64_t>(std::floor(local + 0.5));
}

// The Sun's apparent longitude at the midnight (UTC+8) that begins a day. A
// solar term falls on a month's days exactly when the longitude passes its
// value between the month's first midnight and the next month's: one
// evaluation per month instead of a search per term, and only in the
// years that have a leap month.
double longitude_at_start_deg(std::int64_t day) {
    return solar_longitude_at_ut_deg(static_cast<double>(day) - 0.5 - kChinaZone_hours / 24.0);
}

// The months from the one holding the winter solstice of `year` up to the
// one holding the next solstice (not included).
struct Sui {
    std::array<ChineseMonth, 13> months{};
    std::size_t count = 0;
    std::int64_t end_day = 0; // first day of the next 11th month
};

Sui sui_from_solstice(std::int64_t year) {
    // Longitudes unwrapped from the solstice: the month holding it starts at
    // or before longitude 270 and the next one after it.
    const auto past_solstice = [](double longitude_deg) {
        return std::remainder(longitude_deg - kWinterSolstice_deg, 360.0);
    };
    const double near_jde = static_cast<double>(day_number_in(Calendar::Gregorian, year, 12, 21));
    double k = nearest_lunation(near_jde, false);
    std::array<std::int64_t, 14> starts{};
    std::array<double, 14> longitude{};
    starts[0] = new_moon_day(k);
    longitude[0] = past_solstice(longitude_at_start_deg(starts[0]));
    for (int i = 0; i < 3 && longitude[0] > 0.0; ++i) { // the solstice came before this month
        k -= 1.0;
        starts[0] = new_moon_day(k);
        longitude[0] = past_solstice(longitude_at_start_deg(starts[0]));
    }
    starts[1] = new_moon_day(k + 1.0);
    longitude[1] = past_solstice(longitude_at_start_deg(starts[1]));
    for (int i = 0; i < 3 && longitude[1] <= 0.0; ++i) { // the solstice comes after this month
        k += 1.0;
        starts[0] = starts[1];
        longitude[0] = longitude[1];
        starts[1] = new_moon_day(k + 1.0);
        longitude[1] = past_solstice(longitude_at_start_deg(starts[1]));
    }
    for (std::size_t j = 2; j < starts.size(); ++j) starts[j] = new_moon_day(k + static_cast<double>(j));
    Sui sui;
    // 13 months when the 13th month after this one begins before the next
    // solstice; the Sun has then gone round once, give or take 40 degrees.
    longitude[13] = 360.0 + past_solstice(longitude_at_start_deg(starts[13]));
    sui.count = longitude[13] <= 360.0 ? 13 : 12;
    sui.end_day = starts[sui.count];
    std::size_t leap = sui.count; // none
    if (sui.count == 13) {
        // Only here do the other months' terms matter.
        for (std::size_t j = 2; j < 13; ++j) {
            const double raw = past_solstice(longitude_at_start_deg(starts[j]));
            longitude[j] = longitude[j - 1] + reduce_degrees(raw - longitude[j - 1]);
        }
        for (std::size_t j = 1; j < 13 && leap == 13; ++j) {
            const double terms =
                std::ceil(longitude[j + 1] / kPrincipalTerm_deg) - std::ceil(longitude[j] / kPrincipalTerm_deg);
            if (terms == 0.0) leap = j;
        }
    }
    std::int32_t number = 11;
    for (std::size_t j = 0; j < sui.count; ++j) {
        if (j > 0 && j != leap) number = number % 12 + 1;
        sui.months[j] = {starts[j], number, j == leap};
    }
    return sui;
}

// A year's months reach from the solstice before it to the one after it.
bool covered(std::int64_t gregorian_year) {
    return gregorian_year > kFirstDeltaTModelYear && gregorian_year < kLastDeltaTModelYear;
}

// Index of the first month numbered 1 (not leap) in a sui.
std::size_t first_month_index(const Sui& sui) {
    for (std::size_t j = 0; j < sui.count; ++j) {
        if (sui.months[j].number == 1 && !sui.months[j].leap) return j;
    }
    return sui.count;
}

ChineseDate date_in_month(std::int64_t year, const ChineseMonth& month, std::int64_t day_number) {
    const std::int64_t cycle = floor_mod(year - 4, 60); // 1984 began a cycle with Jia-Zi
    return {year, month.number, month.leap, static_cast<std::int32_t>(day_number - month.first_day + 1),
            static_cast<std::int32_t>(cycle % 10), static_cast<std::int32_t>(cycle % 12)};
}

} // namespace

std::optional<ChineseYear> chinese_year(std::int64_t gregorian_year) {
    if (!covered(gregorian_year)) return std::nullopt;
    const Sui before = sui_from_solstice(gregorian_year - 1);
    const Sui after = sui_from_solstice(gregorian_year);
    ChineseYear year{};
    year.gregorian_year = gregorian_year;
    for (std::size_t j = first_month_index(before); j < before.count && year.month_count < year.months.size(); ++j) {
        year.months[year.month_count++] = before.months[j];
    }
    const std::size_t next_first = first_month_index(after);
    for (std::size_t j = 0; j < next_first && year.month_count < year.months.size(); ++j) {
        year.months[year.month_count++] = after.months[j];
    }
    year.next_first_day = next_first < after.count ? after.months[next_first].first_day : after.end_day;
    return year;
}

std::optional<ChineseDate> chinese_date_in(const ChineseYear& year, std::int64_t day_number) {
    if (year.month_count == 0 || day_number < year.months[0].first_day || day_number >= year.next_first_day) {
        return std::nullopt;
    }
    std::size_t j = 0;
    while (j + 1 < year.month_count && year.months[j + 1].first_day <= day_number) ++j;
    return date_in_month(year.gregorian_year, year.months[j], day_number);
}

std::optional<ChineseDate> chinese_date(std::int64_t day_number) {
    // Only the months from the solstice before the day are needed. Their
    // 11th month begins within 29 days before the solstice, which falls
    // on 19 to 23 December (UTC+8) over the covered years.
    const std::int64_t gregorian_year = date_in(Calendar::Gregorian, day_number).year;
    if (!covered(gregorian_year)) return std::nullopt;
    std::int64_t solstice_year = gregorian_year - 1;
    Sui sui;
    if (day_number >= day_number_in(Calendar::Gregorian, gregorian_year, 11, 18)) {
        sui = sui_from_solstice(gregorian_year);
        if (day_number >= sui.months[0].first_day) solstice_year = gregorian_year;
    }
    if (solstice_year != gregorian_year) sui = sui_from_solstice(solstice_year);
    if (day_number < sui.months[0].first_day || day_number >= sui.end_day) return std::nullopt;
    std::size_t j = 0;
    while (j + 1 < sui.count && sui.months[j + 1].first_day <= day_number) ++j;
    // The months before the first month belong to the year begun in the solstice's year.
    const std::int64_t year = j < first_month_index(sui) ? solstice_year : solstice_year + 1;
    return date_in_month(year, sui.months[j], day_number);
}

std::string_view heavenly_stem_name(std::int32_t stem) {
    return stem >= 0 && stem < 10 ? kStems[static_cast<std::size_t>(stem)] : std::string_view{};
}

std::string_view earthly_branch_name(std::int32_t branch) {
    return branch >= 0 && branch < 12 ? kBranches[static_cast<std::size_t>(branch)] : std::string_view{};
}

std::string_view year_of_animal_text(std::int32_t branch) {
    return branch >= 0 && branch < 12 ? kYearsOfAnimals[static_cast<std::size_t>(branch)] : std::string_view{};
}

std::string chinese_text(const ChineseDate& date) {
    const std::string_view stem = heavenly_stem_name(date.stem);
    const std::string_view branch = earthly_branch_name(date.branch);
    if (stem.empty() || branch.empty()) return {};
    // "Yichou": the stem, then the branch in lower case.
    std::string cycle_name = std::string(stem) + std::string(branch);
    cycle_name[stem.size()] = static_cast<char>(cycle_name[stem.size()] - 'A' + 'a');
    return std::to_string(date.day) + ". Tag des " + std::to_string(date.month) + ". Monats" +
           (date.leap_month ? " (Schaltmonat)" : "") + " im Jahr " + cycle_name + " (" +
           std::string(year_of_animal_text(date.branch)) + ")";
}

} // namespace vespera

#include "holidays/region_days.h"

#include <algorithm>

namespace vespera::holidays {
namespace {

int strength(Status status) {
    switch (status) {
    case Status::None: return 0;
    case Status::SchoolFree: return 1;
    case Status::Regional: return 2;
    case Status::Statutory: return 3;
    }
    return 0;
}

std::string_view law_of(const CountryLaw& law, const Statute& statute, const Region& region) {
    if (!statute.law.empty()) return statute.law;
    if (region.subdivision >= 0) {
        const std::string_view own = law.subdivisions[static_cast<std::size_t>(region.subdivision)].law;
        if (!own.empty()) return own;
    }
    return law.law;
}

Parts all_parts(const CountryLaw& law) {
    return {law.subdivisions.size() >= 32 ? 0xFFFFFFFFu : (1u << law.subdivisions.size()) - 1u};
}

// A subdivision's answer to one statute in force.
RowStatus in_subdivision(const CountryLaw& law, const Statute& statute, const Region& region,
                         const Locality& place) {
    RowStatus result{statute.status, statute.note, law_of(law, statute, region)};
    switch (statute.scope) {
    case Scope::Whole: result.note = {}; break;
    case Scope::Parts: result.status = Status::Regional; break;
    case Scope::Communes: {
        if (statute.communes == nullptr) return {};
        const CommuneAnswer answer = resolve(*statute.communes, place);
        if (answer.status == Status::None) return {};
        result.status = answer.status == Status::Statutory ? statute.status : Status::Regional;
        result.note = answer.note;
        result.by_commune = result.status == Status::Statutory;
        break;
    }
    }
    return result;
}

// The country as a whole: a day of every part is statutory, a day of some
// parts regional; school-free days of some parts say nothing for the whole.
RowStatus in_country(const CountryLaw& law, const Statute& statute) {
    const Parts all = all_parts(law);
    const bool everywhere = statute.where.covers(all) && statute.scope == Scope::Whole;
    if (statute.status == Status::SchoolFree) {
        return everywhere ? RowStatus{Status::SchoolFree, {}, statute.law.empty() ? law.law : statute.law}
                          : RowStatus{};
    }
    if (everywhere) return {Status::Statutory, {}, statute.law.empty() ? law.law : statute.law};
    return {Status::Regional, law.regional_note, statute.law.empty() ? law.law : statute.law};
}

bool is_listed(const DayRow& row, const Region& region, std::int64_t year) {
    if (!row.listed.contain(year)) return false;
    if (row.listed_in.covers(kEverywhere)) return true;
    return region.subdivision >= 0 && row.listed_in.meets(region.parts());
}

} // namespace

RowStatus row_status(const CountryLaw& law, const DayRow& row, const Region& region, const Locality& place,
                     std::int64_t year, std::int64_t day_number) {
    RowStatus best{};
    const std::uint8_t weekday = weekday_bit(static_cast<int>(((day_number % 7) + 7) % 7));
    for (const Statute& statute : row.statutes) {
        if (!statute.years.contain(year) || (statute.on_weekdays & weekday) == 0) continue;
        RowStatus here{};
        if (region.subdivision < 0) here = in_country(law, statute);
        else if (statute.where.meets(region.parts())) here = in_subdivision(law, statute, region, place);
        if (strength(here.status) > strength(best.status)) best = here;
    }
    return best;
}

std::vector<NamedDay> year_days(const Region& region, const Locality& place, std::int64_t year,
                                const std::optional<SeasonDays>& seasons) {
    const CountryLaw& law = region.law != nullptr ? *region.law : law_de();
    const YearAnchors anchors = year_anchors(year);
    std::vector<NamedDay> days;
    days.reserve(law.days.size());
    for (std::size_t i = 0; i < law.days.size(); ++i) {
        const DayRow& row = law.days[i];
        if (region.law != nullptr && !is_listed(row, region, year)) continue;
        if (region.law == nullptr && (!row.listed.contain(year) || !row.listed_in.covers(kEverywhere))) continue;
        const std::optional<std::int64_t> day = day_of(row.date, anchors, seasons);
        if (!day) continue;
        const RowStatus status = region.law != nullptr ? row_status(law, row, region, place, year, *day) : RowStatus{};
        if (row.category == Category::Gesetzlich && status.status == Status::None) continue;
        days.push_back({*day, row.name, row.category, status.status, status.note, status.law,
                        static_cast<std::int16_t>(i), !row.statutes.empty(), status.by_commune});
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const NamedDay& a, const NamedDay& b) { return a.day_number < b.day_number; });
    return days;
}

std::vector<NamedDay> year_days(std::string_view region_code, const Locality& place, std::int64_t year,
                                const std::optional<SeasonDays>& seasons) {
    return year_days(region_of(region_code), place, year, seasons);
}

std::string_view status_id(Status status) {
    switch (status) {
    case Status::None: return "";
    case Status::Statutory: return "gesetzlich";
    case Status::Regional: return "regional";
    case Status::SchoolFree: return "schulfrei";
    }
    return "";
}

std::string_view category_id(Category category) {
    switch (category) {
    case Category::Gesetzlich: return "gesetzlich";
    case Category::Kirchlich: return "kirchlich";
    case Category::Gedenktag: return "Gedenktag";
    case Category::Brauchtum: return "Brauchtum";
    case Category::Astronomisch: return "astronomisch";
    case Category::Jahreskreisfest: return "Jahreskreisfest";
    }
    return "";
}

} // namespace vespera::holidays

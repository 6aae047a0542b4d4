// South Tyrol (Autonome Provinz Bozen, IT-32-BZ): Italy's national holidays and the
// Pfingstmontag, which the province keeps in place of the communes' patron days.
//
// Sources: Legge 27 maggio 1949, n. 260, Art. 2, as amended by Legge 5 marzo 1977, n. 54,
// D.P.R. 28 dicembre 1985, n. 792 (Epiphany again from 1986), Legge 20 novembre 2000,
// n. 336 (2 June again from 2001) and Legge 8 ottobre 2025, n. 151 (4 October, San
// Francesco d'Assisi, from 2026; openholidaysapi.data does not list it yet). The patron
// day of each commune (Legge 260/1949) is kept in South Tyrol on Pfingstmontag;
// published sources differ on whether private employers are bound by it (see the research
// notes): it is listed as statutory in the whole province. German names as the province
// uses them.
#include "holidays/church_year.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kLaw = "Legge 27 maggio 1949, n. 260, Art. 2";

constexpr Subdivision kProvince[] = {{"IT-32-BZ", {}}};

constexpr Statute kLawDay[] = {{}};
constexpr Statute kEpiphany[] = {{kEverywhere, {-32768, 1976}}, {kEverywhere, {1986}}};
constexpr Statute kRepublicDay[] = {{kEverywhere, {-32768, 1976}}, {kEverywhere, {2001}}};
constexpr Statute kSaintFrancis[] = {{kEverywhere, {2026}, Status::Statutory, Scope::Whole, nullptr, {},
                                      "Legge 8 ottobre 2025, n. 151"}};
constexpr Statute kWhitMonday[] = {{kEverywhere, {}, Status::Statutory, Scope::Whole, nullptr, {},
                                    "Patronatsfest nach Legge 260/1949, in Südtirol am Pfingstmontag"}};

constexpr DayRow kOwnDays[] = {
    {"Neujahr", fixed(1, 1), Category::Brauchtum, kLawDay},
    {"Heilige Drei Könige", church::kEpiphany, Category::Kirchlich, kEpiphany},
    {"Mariä Lichtmess", church::kCandlemas, Category::Kirchlich},
    {"Unsinniger Donnerstag", easter(-52), Category::Brauchtum},
    {"Faschingsdienstag", church::kFatTuesday, Category::Brauchtum},
    {"Aschermittwoch", church::kAshWednesday, Category::Kirchlich},
    {"Josefitag", church::kSaintJoseph, Category::Kirchlich},
    {"Palmsonntag", church::kPalmSunday, Category::Kirchlich},
    {"Gründonnerstag", church::kMaundyThursday, Category::Kirchlich},
    {"Karfreitag", church::kGoodFriday, Category::Kirchlich},
    {"Ostersonntag", church::kEasterSunday, Category::Kirchlich, kLawDay},
    {"Ostermontag", church::kEasterMonday, Category::Kirchlich, kLawDay},
    {"Tag der Befreiung", fixed(4, 25), Category::Gesetzlich, kLawDay},
    {"Tag der Arbeit", fixed(5, 1), Category::Gedenktag, kLawDay},
    {"Muttertag", nth_weekday(5, kSunday, 2), Category::Brauchtum},
    {"Christi Himmelfahrt", church::kAscension, Category::Kirchlich},
    {"Pfingstsonntag", church::kWhitSunday, Category::Kirchlich},
    {"Pfingstmontag", church::kWhitMonday, Category::Kirchlich, kWhitMonday},
    {"Tag der Republik", fixed(6, 2), Category::Gesetzlich, kRepublicDay},
    {"Fronleichnam", church::kCorpusChristi, Category::Kirchlich},
    {"Herz-Jesu-Fest", church::kSacredHeart, Category::Kirchlich},
    {"Peter und Paul", church::kSaintsPeterAndPaul, Category::Kirchlich},
    {"Mariä Himmelfahrt", church::kAssumption, Category::Kirchlich, kLawDay},
    {"Hl. Franz von Assisi", fixed(10, 4), Category::Gesetzlich, kSaintFrancis},
    {"Allerheiligen", church::kAllSaints, Category::Kirchlich, kLawDay},
    {"Allerseelen", church::kAllSouls, Category::Kirchlich},
    {"Martini", church::kSaintMartin, Category::Brauchtum},
    {"1. Advent", church::kFirstAdvent, Category::Kirchlich},
    {"2. Advent", church::kSecondAdvent, Category::Kirchlich},
    {"3. Advent", church::kThirdAdvent, Category::Kirchlich},
    {"4. Advent", church::kFourthAdvent, Category::Kirchlich},
    {"Krampus", fixed(12, 5), Category::Brauchtum},
    {"Nikolaus", church::kSaintNicholas, Category::Brauchtum},
    {"Mariä Empfängnis", church::kImmaculateConception, Category::Kirchlich, kLawDay},
    {"Heiliger Abend", church::kChristmasEve, Category::Kirchlich},
    {"Christtag", church::kChristmasDay, Category::Kirchlich, kLawDay},
    {"Stephanstag", church::kSaintStephen, Category::Kirchlich, kLawDay},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
};

constexpr auto kDays = with_shared_days(kOwnDays);
constexpr CountryLaw kSouthTyrol{"IT-32-BZ", kLaw, kProvince, kDays, {}};

} // namespace

const CountryLaw& law_it_bz() { return kSouthTyrol; }

} // namespace vespera::holidays

// Liechtenstein: the public holidays of the Arbeitsgesetz, the same in every commune.
//
// Sources: Gesetz vom 29. Dezember 1966 über die Arbeit in Industrie, Gewerbe und Handel
// (Arbeitsgesetz, LGBl. 1967 Nr. 6, LR 822.10) Art. 18 Abs. 2 as amended by LGBl. 1970 Nr. 10
// (1 May from 1970, Mariä Geburt dropped) and LGBl. 1986 Nr. 85 (Mariä Geburt again, in force
// 18 December 1986; gesetze.li, and the government's report BuA 1986/14); Staatsfeiertag on
// 15 August since 1940 (Historisches Lexikon des Fürstentums Liechtenstein, "Feiertage").
// The law's list from 1967 on; earlier years have no statutory days here.
// Lichtmess and Josefstag are days off by collective agreements only; Berchtoldstag,
// Fasnachtsdienstag, Karfreitag, Heiligabend and Silvester are bank holidays: none of them
// is statutory. Custom: the Funkensonntag, the first Sunday of Lent.
#include "holidays/church_year.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kLaw = "Arbeitsgesetz (LR 822.10) Art. 18 Abs. 2 in der Fassung LGBl. 1986 Nr. 85";

constexpr Statute kLawDay[] = {{kEverywhere, {1967}}};
constexpr Statute kLabourDay[] = {{kEverywhere, {1970}}};
constexpr Statute kNativityOfMary[] = {{kEverywhere, {1967, 1969}}, {kEverywhere, {1987}}};

constexpr DayRow kOwnDays[] = {
    {"Neujahr", fixed(1, 1), Category::Brauchtum, kLawDay},
    {"Berchtoldstag", fixed(1, 2), Category::Brauchtum},
    {"Heilige Drei Könige", church::kEpiphany, Category::Kirchlich, kLawDay},
    {"Mariä Lichtmess", church::kCandlemas, Category::Kirchlich},
    {"Fasnachtsdienstag", church::kFatTuesday, Category::Brauchtum},
    {"Aschermittwoch", church::kAshWednesday, Category::Kirchlich},
    {"Funkensonntag", church::kFirstSundayOfLent, Category::Brauchtum},
    {"Josefstag", church::kSaintJoseph, Category::Kirchlich},
    {"Palmsonntag", church::kPalmSunday, Category::Kirchlich},
    {"Gründonnerstag", church::kMaundyThursday, Category::Kirchlich},
    {"Karfreitag", church::kGoodFriday, Category::Kirchlich},
    {"Ostersonntag", church::kEasterSunday, Category::Kirchlich},
    {"Ostermontag", church::kEasterMonday, Category::Kirchlich, kLawDay},
    {"Tag der Arbeit", fixed(5, 1), Category::Gedenktag, kLabourDay},
    {"Muttertag", nth_weekday(5, kSunday, 2), Category::Brauchtum},
    {"Auffahrt", church::kAscension, Category::Kirchlich, kLawDay},
    {"Pfingstsonntag", church::kWhitSunday, Category::Kirchlich},
    {"Pfingstmontag", church::kWhitMonday, Category::Kirchlich, kLawDay},
    {"Fronleichnam", church::kCorpusChristi, Category::Kirchlich, kLawDay},
    {"Staatsfeiertag", church::kAssumption, Category::Kirchlich, kLawDay},
    {"Mariä Geburt", church::kNativityOfMary, Category::Kirchlich, kNativityOfMary},
    {"Allerheiligen", church::kAllSaints, Category::Kirchlich, kLawDay},
    {"Allerseelen", church::kAllSouls, Category::Kirchlich},
    {"1. Advent", church::kFirstAdvent, Category::Kirchlich},
    {"2. Advent", church::kSecondAdvent, Category::Kirchlich},
    {"3. Advent", church::kThirdAdvent, Category::Kirchlich},
    {"4. Advent", church::kFourthAdvent, Category::Kirchlich},
    {"Nikolaus", church::kSaintNicholas, Category::Brauchtum},
    {"Mariä Empfängnis", church::kImmaculateConception, Category::Kirchlich, kLawDay},
    {"Heiligabend", church::kChristmasEve, Category::Kirchlich},
    {"Weihnachten", church::kChristmasDay, Category::Kirchlich, kLawDay},
    {"Stephanstag", church::kSaintStephen, Category::Kirchlich, kLawDay},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
};

constexpr auto kDays = with_shared_days(kOwnDays);
constexpr CountryLaw kLiechtenstein{"LI", kLaw, {}, kDays, {}};

} // namespace

const CountryLaw& law_li() { return kLiechtenstein; }

} // namespace vespera::holidays

// Luxembourg: the legal holidays of the Code du travail.
//
// Sources: Code du travail Art. L.232-2 (the ten days; Europatag, 9 May, added by the law
// of 25 April 2019, first kept in 2019); German names as the Luxembourg government's
// German texts write them. Karfreitag is a bank holiday only. Muttertag is the second
// Sunday in June in Luxembourg. Customs: the Buergbrennen on the first Sunday of Lent,
// the Éimaischen market on Easter Monday.
#include "holidays/church_year.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kLaw = "Code du travail Art. L.232-2";

constexpr Statute kLawDay[] = {{}};
constexpr Statute kEuropeDay[] = {{kEverywhere, {2019}}};

constexpr DayRow kOwnDays[] = {
    {"Neujahr", fixed(1, 1), Category::Brauchtum, kLawDay},
    {"Heilige Drei Könige", church::kEpiphany, Category::Kirchlich},
    {"Mariä Lichtmess", church::kCandlemas, Category::Kirchlich},
    {"Aschermittwoch", church::kAshWednesday, Category::Kirchlich},
    {"Buergbrennen", church::kFirstSundayOfLent, Category::Brauchtum},
    {"Palmsonntag", church::kPalmSunday, Category::Kirchlich},
    {"Gründonnerstag", church::kMaundyThursday, Category::Kirchlich},
    {"Karfreitag", church::kGoodFriday, Category::Kirchlich},
    {"Ostersonntag", church::kEasterSunday, Category::Kirchlich},
    {"Ostermontag", church::kEasterMonday, Category::Kirchlich, kLawDay},
    {"Éimaischen", church::kEasterMonday, Category::Brauchtum},
    {"Tag der Arbeit", fixed(5, 1), Category::Gedenktag, kLawDay},
    {"Europatag", fixed(5, 9), Category::Gesetzlich, kEuropeDay},
    {"Christi Himmelfahrt", church::kAscension, Category::Kirchlich, kLawDay},
    {"Pfingstsonntag", church::kWhitSunday, Category::Kirchlich},
    {"Pfingstmontag", church::kWhitMonday, Category::Kirchlich, kLawDay},
    {"Muttertag", nth_weekday(6, kSunday, 2), Category::Brauchtum},
    {"Nationalfeiertag", fixed(6, 23), Category::Gesetzlich, kLawDay},
    {"Mariä Himmelfahrt", church::kAssumption, Category::Kirchlich, kLawDay},
    {"Allerheiligen", church::kAllSaints, Category::Kirchlich, kLawDay},
    {"Allerseelen", church::kAllSouls, Category::Kirchlich},
    {"1. Advent", church::kFirstAdvent, Category::Kirchlich},
    {"2. Advent", church::kSecondAdvent, Category::Kirchlich},
    {"3. Advent", church::kThirdAdvent, Category::Kirchlich},
    {"4. Advent", church::kFourthAdvent, Category::Kirchlich},
    {"Nikolaus", church::kSaintNicholas, Category::Brauchtum},
    {"Heiligabend", church::kChristmasEve, Category::Kirchlich},
    {"1. Weihnachtstag", church::kChristmasDay, Category::Kirchlich, kLawDay},
    {"2. Weihnachtstag", church::kSaintStephen, Category::Kirchlich, kLawDay},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
};

constexpr auto kDays = with_shared_days(kOwnDays);
constexpr CountryLaw kLuxembourg{"LU", kLaw, {}, kDays, {}};

} // namespace

const CountryLaw& law_lu() { return kLuxembourg; }

} // namespace vespera::holidays

// Austria: the federal holidays and the states' patron days.
//
// Sources: Feiertagsruhegesetz 1957 (BGBl. Nr. 153/1957) § 1 and Arbeitsruhegesetz
// (BGBl. Nr. 144/1983) § 7 Abs. 2, with their names of the days (Christtag, Stefanitag);
// the Nationalfeiertag a day of rest since the amendment of 1967 (BGBl. Nr. 263/1967).
// Karfreitag was a day off for members of the Protestant and Old Catholic churches and
// the Methodists only (ARG § 7 Abs. 3) and is none since 2019: listed as a church day.
// Patron days (Landespatron) and Kärnten's 10 October: school-free (Schulzeitgesetz
// 1985 § 2 Abs. 5 and the states' school-time laws) and off in the state's service, no
// general day off.
// Customs: Krampus (5 December), Nikolo (6 December), Martini (11 November); Muttertag on
// the second Sunday in May (kept in Austria since 1924).
#include "holidays/church_year.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kFederal = "Feiertagsruhegesetz 1957 § 1; Arbeitsruhegesetz § 7 Abs. 2";

constexpr Subdivision kStates[] = {
    {"AT-1", "Landespatron Hl. Martin: schulfrei (Burgenland)"},
    {"AT-2", "Landespatron Hl. Josef; 10. Oktober: schulfrei (Kärnten)"},
    {"AT-3", "Landespatron Hl. Leopold: schulfrei (Niederösterreich)"},
    {"AT-4", "Landespatron Hl. Florian: schulfrei (Oberösterreich)"},
    {"AT-5", "Landespatron Hl. Rupert: schulfrei (Salzburg)"},
    {"AT-6", "Landespatron Hl. Josef: schulfrei (Steiermark)"},
    {"AT-7", "Landespatron Hl. Josef: schulfrei (Tirol)"},
    {"AT-8", "Landespatron Hl. Josef: schulfrei (Vorarlberg)"},
    {"AT-9", "Landespatron Hl. Leopold: schulfrei (Wien)"},
};

constexpr Parts in(std::string_view states) { return parts_of(kStates, states); }

constexpr Statute kFederalDay[] = {{kEverywhere, {}, Status::Statutory, Scope::Whole, nullptr, {}, kFederal}};
constexpr Statute kNationalDay[] = {{kEverywhere, {1967}, Status::Statutory, Scope::Whole, nullptr, {}, kFederal}};
constexpr Statute patron(Parts states) { return {states, {}, Status::SchoolFree}; }
constexpr Statute kJoseph[] = {patron(in("2 6 7 8"))};
constexpr Statute kFlorian[] = {patron(in("4"))};
constexpr Statute kRupert[] = {patron(in("5"))};
constexpr Statute kPlebiscite[] = {patron(in("2"))};
constexpr Statute kMartin[] = {patron(in("1"))};
constexpr Statute kLeopold[] = {patron(in("3 9"))};

constexpr DayRow kOwnDays[] = {
    {"Neujahr", fixed(1, 1), Category::Brauchtum, kFederalDay},
    {"Heilige Drei Könige", church::kEpiphany, Category::Kirchlich, kFederalDay},
    {"Mariä Lichtmess", church::kCandlemas, Category::Kirchlich},
    {"Josefitag", church::kSaintJoseph, Category::Kirchlich, kJoseph},
    {"Faschingsdienstag", church::kFatTuesday, Category::Brauchtum},
    {"Aschermittwoch", church::kAshWednesday, Category::Kirchlich},
    {"Palmsonntag", church::kPalmSunday, Category::Kirchlich},
    {"Gründonnerstag", church::kMaundyThursday, Category::Kirchlich},
    {"Karfreitag", church::kGoodFriday, Category::Kirchlich},
    {"Ostersonntag", church::kEasterSunday, Category::Kirchlich},
    {"Ostermontag", church::kEasterMonday, Category::Kirchlich, kFederalDay},
    {"Weißer Sonntag", church::kLowSunday, Category::Kirchlich},
    {"Staatsfeiertag", fixed(5, 1), Category::Gesetzlich, kFederalDay},
    {"Florianitag", fixed(5, 4), Category::Kirchlich, kFlorian},
    {"Muttertag", nth_weekday(5, kSunday, 2), Category::Brauchtum},
    {"Christi Himmelfahrt", church::kAscension, Category::Kirchlich, kFederalDay},
    {"Pfingstsonntag", church::kWhitSunday, Category::Kirchlich},
    {"Pfingstmontag", church::kWhitMonday, Category::Kirchlich, kFederalDay},
    {"Fronleichnam", church::kCorpusChristi, Category::Kirchlich, kFederalDay},
    {"Mariä Himmelfahrt", church::kAssumption, Category::Kirchlich, kFederalDay},
    {"Rupertitag", fixed(9, 24), Category::Kirchlich, kRupert},
    {"Tag der Volksabstimmung", fixed(10, 10), Category::Gedenktag, kPlebiscite, in("2")},
    {"Nationalfeiertag", fixed(10, 26), Category::Gesetzlich, kNationalDay},
    {"Allerheiligen", church::kAllSaints, Category::Kirchlich, kFederalDay},
    {"Allerseelen", church::kAllSouls, Category::Kirchlich},
    {"Martini", church::kSaintMartin, Category::Brauchtum, kMartin},
    {"Leopolditag", fixed(11, 15), Category::Kirchlich, kLeopold},
    {"1. Advent", church::kFirstAdvent, Category::Kirchlich},
    {"2. Advent", church::kSecondAdvent, Category::Kirchlich},
    {"3. Advent", church::kThirdAdvent, Category::Kirchlich},
    {"4. Advent", church::kFourthAdvent, Category::Kirchlich},
    {"Krampus", fixed(12, 5), Category::Brauchtum},
    {"Nikolo", church::kSaintNicholas, Category::Brauchtum},
    {"Mariä Empfängnis", church::kImmaculateConception, Category::Kirchlich, kFederalDay},
    {"Heiliger Abend", church::kChristmasEve, Category::Kirchlich},
    {"Christtag", church::kChristmasDay, Category::Kirchlich, kFederalDay},
    {"Stefanitag", church::kSaintStephen, Category::Kirchlich, kFederalDay},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
};

constexpr auto kDays = with_shared_days(kOwnDays);
constexpr CountryLaw kAustria{"AT", kFederal, kStates, kDays, "in einigen Bundesländern"};

} // namespace

const CountryLaw& law_at() { return kAustria; }

} // namespace vespera::holidays

// Austria: the federal holidays and the states' patron days.
//
// Sources: Feiertagsruhegesetz 1957 (BGBl. Nr. 153/1957) Art. I § 1 Abs. 1 (RIS), which
// names the days "Weihnachten" and "Stephanstag" (25 December is listed as Christtag, the
// Austrian name), and Arbeitsruhegesetz (BGBl. Nr. 144/1983) § 7 Abs. 2; the
// Nationalfeiertag a day of rest since the amendment BGBl. Nr. 264/1967 (in force 26 July
// 1967). Karfreitag was a day off for members of the Protestant and Old Catholic churches
// and the Methodists only (FRG § 1 Abs. 2 and ARG § 7 Abs. 3, both up to 21 March 2019)
// and is none since: listed as a church day.
// School-free besides the public holidays (Schulzeitgesetz 1985 § 2 Abs. 5 and the states'
// school-time laws; the Bildungsministerium's list "Gesetzliche Feiertage, Allerseelentag,
// Festtage der Landespatrone"): Allerseelen everywhere and each state's patron day. The
// patron days and Kärnten's 10 October are no general days off; offices of the state
// close in most states (help.gv.at texts on kalender.digital; kurier.at 2019: in
// Niederösterreich by the state's service law, in Wien schools only).
// Customs: Krampus (5 December), Nikolo (6 December), Martini (11 November); Muttertag on
// the second Sunday in May (kept in Austria since 1924).
#include "holidays/church_year.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kFederal = "Feiertagsruhegesetz 1957 Art. I § 1 Abs. 1; Arbeitsruhegesetz § 7 Abs. 2";

// The states' own days are school-free by the federal school-time law; each state names its
// patron (the Bildungsministerium's list).
constexpr Subdivision kStates[] = {
    {"AT-1", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Martin (Burgenland)"},
    {"AT-2", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Josef (Kärnten)"},
    {"AT-3", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Leopold (Niederösterreich)"},
    {"AT-4", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Florian (Oberösterreich)"},
    {"AT-5", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Rupert (Salzburg)"},
    {"AT-6", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Josef (Steiermark)"},
    {"AT-7", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Josef (Tirol)"},
    {"AT-8", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Josef (Vorarlberg)"},
    {"AT-9", "Schulzeitgesetz 1985 § 2 Abs. 5: Landespatron hl. Leopold (Wien)"},
};

constexpr Parts in(std::string_view states) { return parts_of(kStates, states); }

constexpr Statute kFederalDay[] = {{kEverywhere, {}, Status::Statutory, Scope::Whole, nullptr, {}, kFederal}};
constexpr Statute kNationalDay[] = {{kEverywhere, {1967}, Status::Statutory, Scope::Whole, nullptr, {}, kFederal}};
constexpr Statute patron(Parts states) { return {states, {}, Status::SchoolFree}; }
constexpr Statute kJoseph[] = {patron(in("2 6 7 8"))};
constexpr Statute kFlorian[] = {patron(in("4"))};
constexpr Statute kRupert[] = {patron(in("5"))};
// Schools and the state's offices close (help.gv.at); not in the federal list of patron days.
constexpr Statute kPlebiscite[] = {{in("2"), {}, Status::SchoolFree, Scope::Whole, nullptr, {},
                                    "Landesrecht Kärnten: 10. Oktober, Schulen und Landesämter geschlossen"}};
constexpr Statute kMartin[] = {patron(in("1"))};
constexpr Statute kLeopold[] = {patron(in("3 9"))};
constexpr std::string_view kSchoolTime = "Schulzeitgesetz 1985 § 2 Abs. 5";
constexpr Statute kAllSouls[] = {{kEverywhere, {}, Status::SchoolFree, Scope::Whole, nullptr, {}, kSchoolTime}};

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
    {"Allerseelen", church::kAllSouls, Category::Kirchlich, kAllSouls},
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
    {"Stephanstag", church::kSaintStephen, Category::Kirchlich, kFederalDay},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
};

constexpr auto kDays = with_shared_days(kOwnDays);
constexpr CountryLaw kAustria{"AT", kFederal, kStates, kDays, "in einigen Bundesländern"};

} // namespace

const CountryLaw& law_at() { return kAustria; }

} // namespace vespera::holidays

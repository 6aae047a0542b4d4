// Germany: each state's holiday law, the federal day of 3 October, and the
// church year. The first 73 rows are the engine's described slots, in slot
// order; the state's own days and the observances follow.
//
// Sources, one per state (where each day is statutory):
//   BW Feiertagsgesetz (FTG) § 1; BY Gesetz über den Schutz der Sonn- und Feiertage
//   (Feiertagsgesetz – FTG) Art. 1 (gesetze-bayern.de: Mariä Himmelfahrt in Gemeinden mit
//   überwiegend katholischer Bevölkerung, Art. 1 Abs. 1 Nr. 2 and Abs. 3; Friedensfest in der
//   Stadt Augsburg, Abs. 2) and Art. 4 (protects Mariä Himmelfahrt where it is no public
//   holiday, and the Buß- und Bettag; Nr. 3: an den Schulen entfällt der Unterricht);
//   BE Gesetz über die Sonn- und Feiertage § 1 (Frauentag from 2019; 8 May 2020 and 2025,
//   17 June 2028 once); BB Feiertagsgesetz § 2; HB Gesetz über die Sonn- und
//   Feiertage § 1; HH Feiertagsgesetz § 1; HE Hessisches Feiertagsgesetz § 1; MV
//   Feiertagsgesetz M-V § 2 (Frauentag from 2023); NI Niedersächsisches Gesetz über die
//   Feiertage § 2; NW Feiertagsgesetz NW § 2; RP Landesgesetz über den Schutz der Sonn- und
//   Feiertage § 2; SL Feiertagsgesetz § 2; SN Gesetz über Sonn- und Feiertage im Freistaat
//   Sachsen § 1 with the FronleichnamsVO of 4 May 1993 (revosax); ST Gesetz über die Sonn- und
//   Feiertage § 2; SH Gesetz über Sonn- und Feiertage § 2; TH Thüringer Feier- und
//   Gedenktagsgesetz § 2 (Weltkindertag from 2019; Fronleichnam in Gemeinden mit überwiegend
//   katholischer Wohnbevölkerung, Abs. 2, kept by the transitional § 10 Abs. 1 where it was a
//   holiday in 1994, no regulation naming the communes having been found).
//   All states: Einigungsvertrag Art. 2 Abs. 2 (3 October from 1990); Gesetz über den Tag
//   der deutschen Einheit of 4 August 1953 (17 June 1954-1990 in the western states, the
//   Saarland from 1957); Reformationstag 2017 once everywhere, from 2018 in HB, HH, NI, SH;
//   Buß- und Bettag in every state up to 1994, from 1995 in Sachsen only.
// Observances: Muttertag on the second Sunday in May (since 1923); Erntedankfest on the
// first Sunday in October (the date the Evangelische Kirche in Deutschland and the German
// bishops' conference keep); Johannistag 24 June, Martinstag 11 November, Valentinstag
// 14 February.
#include "holidays/communes.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr Subdivision kStates[] = {
    {"DE-BW", "Feiertagsgesetz Baden-Württemberg (FTG) § 1"},
    {"DE-BY", "Gesetz über den Schutz der Sonn- und Feiertage (Feiertagsgesetz – FTG) Art. 1"},
    {"DE-BE", "Gesetz über die Sonn- und Feiertage (Berlin) § 1"},
    {"DE-BB", "Feiertagsgesetz Brandenburg (FTG) § 2"},
    {"DE-HB", "Gesetz über die Sonn- und Feiertage (Bremen) § 1"},
    {"DE-HH", "Gesetz über Sonntage, Feiertage, Gedenktage und Trauertage (Hamburg) § 1"},
    {"DE-HE", "Hessisches Feiertagsgesetz (HFeiertagsG) § 1"},
    {"DE-MV", "Feiertagsgesetz Mecklenburg-Vorpommern (FTG M-V) § 2"},
    {"DE-NI", "Niedersächsisches Gesetz über die Feiertage (NFeiertagsG) § 2"},
    {"DE-NW", "Gesetz über die Sonn- und Feiertage (Feiertagsgesetz NW) § 2"},
    {"DE-RP", "Landesgesetz über den Schutz der Sonn- und Feiertage (LFtG) § 2"},
    {"DE-SL", "Feiertagsgesetz des Saarlandes (SFG) § 2"},
    {"DE-SN", "Gesetz über Sonn- und Feiertage im Freistaat Sachsen (SächsSFG) § 1"},
    {"DE-ST", "Gesetz über die Sonn- und Feiertage (FeiertG LSA) § 2"},
    {"DE-SH", "Gesetz über Sonn- und Feiertage (SFTG) § 2"},
    {"DE-TH", "Thüringer Feier- und Gedenktagsgesetz (ThürFGtG) § 2"},
};

constexpr Parts in(std::string_view states) { return parts_of(kStates, states); }
constexpr Parts kWest = in("BW BY BE HB HH HE NI NW RP SL SH"); // the Federal Republic before 1990; West Berlin too

constexpr std::string_view kUnityTreaty = "Einigungsvertrag Art. 2 Abs. 2";
constexpr std::string_view kUnityLaw1953 = "Gesetz über den Tag der deutschen Einheit vom 4. August 1953";

constexpr Statute kEverywhereStatute[] = {{}};
constexpr Statute kEpiphany[] = {{in("BW BY")}, {in("ST"), {1991}}};
constexpr Statute kEasterAndWhitSunday[] = {{in("BB"), {1990}}};
constexpr Statute kCorpusChristi[] = {
    {in("BW BY HE NW RP SL")},
    {in("SN"), {1990, 1992}, Status::Statutory, Scope::Parts, nullptr,
     "in einigen Gemeinden des sorbischen Siedlungsgebiets (vor der Verordnung von 1993)"},
    {in("SN"), {1993}, Status::Statutory, Scope::Communes, &kSaxonyCorpusChristi},
    {in("TH"), {1990}, Status::Statutory, Scope::Communes, &kThuringiaCorpusChristi},
};
constexpr std::string_view kBavarianArticle4 = "Feiertagsgesetz (FTG) Art. 4";
constexpr Statute kAssumption[] = {
    {in("SL")},
    // Where it is no public holiday the day is protected and the schools close (Art. 4 Nr. 3).
    {in("BY"), {}, Status::SchoolFree, Scope::Whole, nullptr, {}, kBavarianArticle4},
    // The Landesamt's lists by census are kept from the 2011 census on (valid from 2014).
    {in("BY"), {-32768, 2013}, Status::Statutory, Scope::Parts, nullptr,
     "in Gemeinden mit überwiegend katholischer Bevölkerung (nach der Volkszählung 1987)"},
    {in("BY"), {2014}, Status::Statutory, Scope::Communes, &kBavariaAssumption},
};
constexpr Statute kAllSaints[] = {{in("BW BY NW RP SL")}};
constexpr Statute kRepentance[] = {
    {kEverywhere, {-32768, 1994}},
    {in("SN"), {1995}},
    {in("BY"), {1995}, Status::SchoolFree, Scope::Whole, nullptr, {}, kBavarianArticle4},
};
constexpr Statute kReformation[] = {
    {in("BB MV SN ST TH"), {1990}}, {kEverywhere, {2017, 2017}}, {in("HB HH NI SH"), {2018}}};
constexpr Statute kUnityDay[] = {{kEverywhere, {1990}, Status::Statutory, Scope::Whole, nullptr, {}, kUnityTreaty}};
constexpr Statute kWomensDay[] = {{in("BE"), {2019}}, {in("MV"), {2023}}};
constexpr Statute kChildrensDay[] = {{in("TH"), {2019}}};
constexpr Statute kAugsburgPeaceDay[] = {{in("BY"), {}, Status::Statutory, Scope::Communes, &kAugsburgPeace}};
// The Saarland joined the Federal Republic on 1 January 1957.
constexpr Statute kSeventeenthOfJune[] = {
    {Parts{kWest.bits & ~in("SL").bits}, {1954, 1990}, Status::Statutory, Scope::Whole, nullptr, {}, kUnityLaw1953},
    {in("SL"), {1957, 1990}, Status::Statutory, Scope::Whole, nullptr, {}, kUnityLaw1953}};
constexpr Statute kBerlin2020[] = {{in("BE"), {2020, 2020}}};
constexpr Statute kBerlin2025[] = {{in("BE"), {2025, 2025}}};
constexpr Statute kBerlin2028[] = {{in("BE"), {2028, 2028}}};

// Trinitatis is Easter + 56; the Sundays after it follow a week apart.
constexpr int kTrinitatis = 56;
constexpr DayRow trinity(std::string_view name, int k) { return {name, easter(kTrinitatis + 7 * k), Category::Kirchlich}; }

// The rows in the engine's slot order; the season starts and the year
// festivals are the rows every country lists.
constexpr DayRow kBeforeSeasons[] = {
    {"Neujahr", fixed(1, 1), Category::Brauchtum, kEverywhereStatute},
    {"Heilige Drei Könige", fixed(1, 6), Category::Kirchlich, kEpiphany},
    {"Ostersonntag", easter(0), Category::Kirchlich, kEasterAndWhitSunday},
    {"Gründonnerstag", easter(-3), Category::Kirchlich},
    {"Karfreitag", easter(-2), Category::Kirchlich, kEverywhereStatute},
    {"Ostermontag", easter(1), Category::Kirchlich, kEverywhereStatute},
    {"Himmelfahrt", easter(39), Category::Kirchlich, kEverywhereStatute},
    {"Pfingstsonntag", easter(49), Category::Kirchlich, kEasterAndWhitSunday},
    {"Pfingstmontag", easter(50), Category::Kirchlich, kEverywhereStatute},
    {"Fronleichnam", easter(60), Category::Kirchlich, kCorpusChristi},
    {"Mariä Himmelfahrt", fixed(8, 15), Category::Kirchlich, kAssumption},
    {"Allerheiligen", fixed(11, 1), Category::Kirchlich, kAllSaints},
    // The Wednesday before Totensonntag, 16..22 November.
    {"Buß-und Bettag", advent(-32), Category::Kirchlich, kRepentance},
    {"Heiligabend", fixed(12, 24), Category::Kirchlich},
    {"Nikolaus", fixed(12, 6), Category::Kirchlich},
    {"1. Weihnachtstag", fixed(12, 25), Category::Kirchlich, kEverywhereStatute},
    {"2. Weihnachtstag", fixed(12, 26), Category::Kirchlich, kEverywhereStatute},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
    {"Aschermittwoch", easter(-46), Category::Kirchlich},
    {"Fastnacht", easter(-47), Category::Brauchtum},
    {"Weiberfastnacht", easter(-52), Category::Brauchtum},
    {"Rosenmontag", easter(-48), Category::Brauchtum},
    {"Allerseelen", fixed(11, 2), Category::Kirchlich},
    {"Reformationstag", fixed(10, 31), Category::Kirchlich, kReformation},
    {"Palmsonntag", easter(-7), Category::Kirchlich},
    {"Trinitatis", easter(kTrinitatis), Category::Kirchlich},
    trinity("1. n. Trinitatis", 1), trinity("2. n. Trinitatis", 2), trinity("3. n. Trinitatis", 3),
    trinity("4. n. Trinitatis", 4), trinity("5. n. Trinitatis", 5), trinity("6. n. Trinitatis", 6),
    trinity("7. n. Trinitatis", 7), trinity("8. n. Trinitatis", 8), trinity("9. n. Trinitatis", 9),
    trinity("10. n. Trinitatis", 10), trinity("11. n. Trinitatis", 11), trinity("12. n. Trinitatis", 12),
    trinity("13. n. Trinitatis", 13), trinity("14. n. Trinitatis", 14), trinity("15. n. Trinitatis", 15),
    trinity("16. n. Trinitatis", 16), trinity("17. n. Trinitatis", 17), trinity("18. n. Trinitatis", 18),
    trinity("19. n. Trinitatis", 19), trinity("20. n. Trinitatis", 20), trinity("21. n. Trinitatis", 21),
    trinity("22. n. Trinitatis", 22), trinity("23. n. Trinitatis", 23), trinity("24. n. Trinitatis", 24),
    trinity("25. n. Trinitatis", 25),
};

constexpr DayRow kAdventToWhiteSunday[] = {
    {"1. Advent", advent(-21), Category::Kirchlich},
    {"2. Advent", advent(-14), Category::Kirchlich},
    {"3. Advent", advent(-7), Category::Kirchlich},
    {"4. Advent", advent(0), Category::Kirchlich},
    {"Totensonntag", advent(-28), Category::Kirchlich},
    {"Volkstrauertag", advent(-35), Category::Gedenktag},
    {"Mariä Lichtmess", fixed(2, 2), Category::Kirchlich},
    {"Weißer Sonntag", easter(7), Category::Kirchlich},
};

constexpr DayRow kFromLabourDay[] = {
    {"Tag der Arbeit", fixed(5, 1), Category::Gedenktag, kEverywhereStatute},
    {"Tag der Deutschen Einheit", fixed(10, 3), Category::Gedenktag, kUnityDay},
    // The states' own days and the observances.
    {"Internationaler Frauentag", fixed(3, 8), Category::Gedenktag, kWomensDay},
    {"Weltkindertag", fixed(9, 20), Category::Gedenktag, kChildrensDay},
    {"Augsburger Friedensfest", fixed(8, 8), Category::Gesetzlich, kAugsburgPeaceDay},
    {"Tag der deutschen Einheit", fixed(6, 17), Category::Gesetzlich, kSeventeenthOfJune},
    {"75. Jahrestag der Befreiung vom Nationalsozialismus", fixed(5, 8), Category::Gesetzlich, kBerlin2020},
    {"80. Jahrestag der Befreiung vom Nationalsozialismus", fixed(5, 8), Category::Gesetzlich, kBerlin2025},
    {"75. Jahrestag des Volksaufstandes in der DDR", fixed(6, 17), Category::Gesetzlich, kBerlin2028},
    {"Mariä Empfängnis", fixed(12, 8), Category::Kirchlich},
    {"Valentinstag", fixed(2, 14), Category::Brauchtum},
    {"Muttertag", nth_weekday(5, kSunday, 2), Category::Brauchtum},
    {"Johannistag", fixed(6, 24), Category::Kirchlich},
    {"Erntedankfest", nth_weekday(10, kSunday, 1), Category::Kirchlich},
    {"Martinstag", fixed(11, 11), Category::Brauchtum},
};

constexpr auto kDays = joined(kBeforeSeasons, kSeasonStarts, kAdventToWhiteSunday, kYearFestivals, kFromLabourDay);

constexpr CountryLaw kGermany{"DE", "Feiertagsgesetze der Länder", kStates, kDays, "in einigen Ländern"};

} // namespace

const CountryLaw& law_de() { return kGermany; }

} // namespace vespera::holidays

// Switzerland: the Bundesfeier by federal law, every other public holiday by the
// canton's law, often only in some districts or communes.
//
// Sources: Bundesverfassung Art. 110 Abs. 3 (1 August, in force since 1 July 1994);
// Arbeitsgesetz (ArG) Art. 20a Abs. 1 (the cantons name up to eight more days equal to
// Sundays, differently by part of the canton); the cantonal laws named below. The days
// per canton and district as openholidaysapi.data lists them (openpotato, ODbL, commit
// dd3dfa8 of 21 January 2026), checked against the cantonal laws; where they differ the
// law decides (see the decisions in the research notes):
//   - The Eidgenössischer Dank-, Buss- und Bettag is always a Sunday: the cantons that
//     protect it keep it as a Sunday of special quiet, not as an added day off, so it is
//     listed everywhere and statutory nowhere (Basel-Stadt names nine public holidays besides
//     the Sundays, the Bettag not among them).
//   - Wallis: Berchtoldstag, Ostermontag, Pfingstmontag and Stephanstag are no public
//     holidays (the canton's eight days besides 1 August are Neujahr, Josefstag, Auffahrt,
//     Fronleichnam, Mariä Himmelfahrt, Allerheiligen, Mariä Empfängnis, Weihnachten).
//   - Neuenburg: Ostermontag and Pfingstmontag are no public holidays; Fronleichnam only in
//     Le Landeron and Le Cerneux-Péquignot; 2 January and 26 December only after a Sunday.
//   - Appenzell: Stephanstag not when it would be the third day of rest in a row (AI
//     Ruhetagsgesetz Art. 2 lit. b, ai.ch; AR: hallo-ar.ch, fm1today.ch 2017).
//   - Freiburg: nine days, different in the catholic and the reformed communes (the canton's
//     Amt für den Arbeitsmarkt, fr.ch); no Ostermontag, Pfingstmontag, Stephanstag or
//     Berchtoldstag in the catholic part.
//   - Glarus, Luzern, Nidwalden, Obwalden, St. Gallen, Schaffhausen and Zug do not name the
//     Berchtoldstag, and Nidwalden, Obwalden and Zug not Ostermontag, Pfingstmontag and
//     Stephanstag: days off by custom there, no public holidays (Zug's Amt für Wirtschaft und
//     Arbeit, Feiertage 2026/2027; the counts of legal days per cantonal capital,
//     feiertagskalender.ch via watson.ch 2014, agree).
// Customs: Basler Fasnacht from the Monday after Ash Wednesday (Morgenstreich);
// Sechseläuten on the third Monday in April, a week later while that is Easter Monday or
// in Holy Week (Zentralkomitee der Zünfte Zürichs); Knabenschiessen on the Monday after
// the second Sunday in September; the Luzerner Fasnacht from the Schmutziger Donnerstag.
// Näfelser Fahrt: the first Thursday in April, a week later when that is in Holy Week
// (Regierungsrat des Kantons Glarus, gl.ch; a public holiday by the Ruhetagsgesetz Art. 2).
#include "holidays/church_year.h"
#include "holidays/communes.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kFederal = "Bundesverfassung Art. 110 Abs. 3";

// Each canton's law that names its public holidays, by its title and number in the canton's
// systematic collection. Where the days equal to Sundays (Arbeitsgesetz Art. 20a) and the
// canton's public rest days stand in two acts, the act that names the rest days.
constexpr Subdivision kCantons[] = {
    {"CH-AG", "Einführungsgesetz zum Arbeitsrecht (EG ArR), SAR 961.200, § 6"},
    {"CH-AI", "Gesetz über die öffentlichen Ruhetage (Ruhetagsgesetz), GS 822.200, Art. 2"},
    {"CH-AR", "Verordnung zum Arbeitsgesetz, bGS 822.11, Art. 7"},
    {"CH-BE", "Gesetz über die Ruhe an öffentlichen Feiertagen (FRG), BSG 555.1, Art. 2"},
    {"CH-BL", "Ruhetagsgesetz (RTG), SGS 547, § 2"},
    {"CH-BS", "Einführungsgesetz zum Arbeitsgesetz, SG 812.100, § 9"},
    {"CH-FR", "Gesetz über die Beschäftigung und den Arbeitsmarkt (BAMG), SGF 866.1.1, Art. 49"},
    {"CH-GE", "Loi sur les jours fériés (LJF), rsGE J 1 45, art. 1"},
    {"CH-GL", "Gesetz über die öffentlichen Ruhetage (Ruhetagsgesetz), GS IX B/21/1, Art. 2"},
    {"CH-GR", "Gesetz über die öffentlichen Ruhetage (Ruhetagsgesetz), BR 520.100, Art. 2"},
    {"CH-JU", "Loi sur les jours fériés officiels, RSJU 555.1"},
    {"CH-LU", "Ruhetagsgesetz, SRL Nr. 855, § 1a"},
    {"CH-NE", "Loi sur le dimanche et les jours fériés, RSN 941.02, art. 3"},
    {"CH-NW", "Gesetz über die öffentlichen Ruhetage (RTG), NG 921.1, Art. 2"},
    {"CH-OW", "Gesetz über die öffentlichen Ruhetage (Ruhetagsgesetz), GDB 975.2, Art. 2"},
    {"CH-SG", "Gesetz über Ruhetag und Ladenöffnung, sGS 552.1, Art. 2"},
    {"CH-SH", "Gesetz betreffend die öffentlichen Ruhetage, SHR 900.200"},
    {"CH-SO", "Gesetz über die öffentlichen Ruhetage (Ruhetagsgesetz), BGS 512.41, § 1"},
    {"CH-SZ", "Ruhetagsgesetz, SRSZ 545.110, § 2"},
    {"CH-TG", "Ruhetagsgesetz, RB 822.9, § 1"},
    {"CH-TI", "Legge concernente i giorni festivi ufficiali, RL 843.200, art. 1"},
    {"CH-UR", "Gesetz über den Ladenschluss und die Sonntagsruhe (LSG), RB 70.1421, Art. 9"},
    {"CH-VD", "Loi sur l'emploi (LEmp), BLV 822.11, art. 47"},
    {"CH-VS", "Ordonnance cantonale sur le travail (OcTr), RS 822.100, art. 7"},
    {"CH-ZG", "Ruhetags- und Ladenöffnungsgesetz, BGS 942.31, § 1"},
    {"CH-ZH", "Ruhetags- und Ladenöffnungsgesetz, LS 822.4, § 1"},
};

constexpr Parts in(std::string_view cantons) { return parts_of(kCantons, cantons); }

constexpr Statute whole(Parts cantons) { return {cantons}; }
constexpr Statute parts(Parts canton, std::string_view where) {
    return {canton, {}, Status::Statutory, Scope::Parts, nullptr, where};
}
// Freiburg's two parts, decided by the place's commune.
constexpr Statute kFribourgReformedPart{in("FR"), {}, Status::Statutory, Scope::Communes, &kFribourgReformed};
constexpr Statute kFribourgCatholicPart{in("FR"), {}, Status::Statutory, Scope::Communes, &kFribourgCatholic};

// Neuenburg: 2 January and 26 December only after a Sunday (1 January, Christmas Day).
constexpr Statute kNeuchatelAfterSunday = only_on(whole(in("NE")), weekday_bit(kMonday));
constexpr Statute kEveryCanton[] = {whole(in("AG AI AR BE BL BS FR GE GL GR JU LU NE NW OW SG SH SO SZ TG TI UR VD VS ZG ZH"))};
constexpr Statute kFederalDay[] = {{kEverywhere, {1994}, Status::Statutory, Scope::Whole, nullptr, {}, kFederal},
                                   // Zürich kept 1 August as a cantonal holiday before the federal one.
                                   whole(in("ZH"))};
constexpr Statute kBerchtold[] = {
    whole(in("BE JU SO TG VD")),
    parts(in("AG"), "in den Bezirken Aarau, Brugg, Kulm, Lenzburg, Zofingen und Zurzach und in Bergdietikon"),
    kFribourgReformedPart,
    kNeuchatelAfterSunday,
};
constexpr Statute kEpiphany[] = {whole(in("SZ TI UR"))};
constexpr Statute kNeuchatelRepublic[] = {whole(in("NE"))};
constexpr Statute kJoseph[] = {whole(in("NW SZ TI UR VS"))};
constexpr Statute kGoodFriday[] = {whole(in("AG AI AR BE BL BS FR GE GL GR JU LU NE NW OW SG SH SO SZ TG UR VD ZG ZH"))};
constexpr std::string_view kAargauEasterDistricts =
    "in den Bezirken Aarau, Baden, Brugg, Kulm, Lenzburg und Zofingen und in Kaiseraugst, Magden, Möhlin, Olsberg, "
    "Rheinfelden, Wallbach, Zeiningen und Zuzgen";
constexpr Statute kEasterAndWhitMonday[] = {
    whole(in("AI AR BE BL BS GE GL GR JU LU SG SH SO SZ TG TI UR VD ZH")),
    parts(in("AG"), kAargauEasterDistricts),
    kFribourgReformedPart};
constexpr Statute kGlarusFahrt[] = {whole(in("GL"))};
constexpr Statute kLabourDay[] = {
    whole(in("AG BL BS JU NE SH TG TI ZH")),
    parts(in("SO"), "ab 12 Uhr in den meisten Gemeinden, ganztags in Aedermannsdorf")};
constexpr Statute kCorpusChristi[] = {
    whole(in("AI JU LU NW OW SZ TI UR VS ZG")),
    kFribourgCatholicPart,
    parts(in("NE"), "in Le Landeron und Le Cerneux-Péquignot"),
    parts(in("AG"), "in den Bezirken Bremgarten, Laufenburg, Muri und Zurzach, im Bezirk Baden ausser in Baden "
                    "selbst nicht überall, und in einigen Gemeinden des Bezirks Rheinfelden"),
    parts(in("SO"), "in den Bezirken Dorneck, Gäu, Gösgen, Lebern, Olten, Solothurn, Thal, Thierstein und Wasseramt")};
constexpr Statute kJuraIndependence[] = {whole(in("JU"))};
constexpr Statute kPeterAndPaul[] = {whole(in("TI"))};
constexpr Statute kAssumption[] = {
    whole(in("AI JU LU NW OW SZ TI UR VS ZG")),
    kFribourgCatholicPart,
    parts(in("AG"), "in den Bezirken Bremgarten, Laufenburg und Muri und in einigen Gemeinden des Bezirks "
                    "Rheinfelden"),
    parts(in("SO"), "in den Bezirken Dorneck, Gäu, Gösgen, Lebern, Olten, Solothurn, Thal, Thierstein und Wasseramt")};
constexpr Statute kGenevaFast[] = {whole(in("GE"))};
constexpr Statute kFastMonday[] = {whole(in("VD"))};
constexpr Statute kBrotherKlaus[] = {whole(in("OW"))};
constexpr Statute kMaurice[] = {parts(in("AI"), "in Appenzell, Gonten, Schlatt-Haslen und Schwende-Rüte")};
constexpr Statute kAllSaints[] = {
    whole(in("AI GL GR JU LU NW OW SG SZ TI UR VS ZG")),
    kFribourgCatholicPart,
    parts(in("AG"), "in den Bezirken Bremgarten, Laufenburg, Muri, Rheinfelden und Zurzach"),
    parts(in("SO"), "in den Bezirken Dorneck, Gäu, Gösgen, Lebern, Olten, Solothurn, Thal, Thierstein und Wasseramt")};
constexpr Statute kImmaculateConception[] = {
    whole(in("AI LU NW OW SZ TI UR VS ZG")),
    kFribourgCatholicPart,
    parts(in("AG"), "in den Bezirken Laufenburg und Muri und in einigen Gemeinden des Bezirks Rheinfelden")};
// Appenzell: not when it would make three days of rest in a row (Christmas Day on a
// Monday or a Friday): AI Ruhetagsgesetz Art. 2 lit. b; AR the same.
constexpr std::uint8_t kNotTuesdayOrSaturday = kAnyWeekday & ~weekday_bit(1) & ~weekday_bit(5);
constexpr Statute kStephen[] = {
    whole(in("BE BL BS GL GR LU SG SH SO SZ TG TI UR ZH")),
    only_on(whole(in("AI AR")), kNotTuesdayOrSaturday),
    kNeuchatelAfterSunday,
    kFribourgReformedPart,
    parts(in("AG"), "in den Bezirken Aarau, Baden, Bremgarten, Brugg, Kulm, Lenzburg, Zofingen und Zurzach und in "
                    "einigen Gemeinden des Bezirks Rheinfelden")};
constexpr Statute kGenevaRestoration[] = {whole(in("GE"))};
// Patron days of single communes.
constexpr Statute kEinsiedeln[] = {parts(in("SZ"), "in Einsiedeln")};
constexpr Statute kSchwyzAnthony[] = {parts(in("SZ"), "in Rothenthurm")};
constexpr Statute kSolothurnAnthony[] = {parts(in("SO"), "in Aedermannsdorf")};
constexpr Statute kUnteriberg[] = {parts(in("SZ"), "in Unteriberg")};
constexpr Statute kSattel[] = {parts(in("SZ"), "in Sattel")};
constexpr Statute kMuotathal[] = {parts(in("SZ"), "in Muotathal")};
constexpr Statute kEngelberg[] = {parts(in("OW"), "in Engelberg")};
constexpr Statute kMorschach[] = {parts(in("SZ"), "in Morschach")};
constexpr Statute kSchwyzMartin[] = {parts(in("SZ"), "in der Gemeinde Schwyz")};

constexpr DayRow kOwnDays[] = {
    {"Neujahr", fixed(1, 1), Category::Brauchtum, kEveryCanton},
    {"Berchtoldstag", fixed(1, 2), Category::Brauchtum, kBerchtold},
    {"Dreikönigstag", church::kEpiphany, Category::Kirchlich, kEpiphany},
    {"Antoniustag", fixed(1, 17), Category::Kirchlich, kSchwyzAnthony, in("SZ")},
    {"Antoniustag", fixed(1, 17), Category::Kirchlich, kSolothurnAnthony, in("SO")},
    {"Meinradstag", fixed(1, 21), Category::Kirchlich, kEinsiedeln, in("SZ")},
    {"Mariä Lichtmess", church::kCandlemas, Category::Kirchlich, kUnteriberg},
    {"Agathatag", fixed(2, 5), Category::Kirchlich, kSattel, in("SZ")},
    {"Luzerner Fasnacht", easter(-52), Category::Brauchtum, {}, in("LU")},
    {"Basler Fasnacht", easter(-41), Category::Brauchtum, {}, in("BS BL")},
    {"Aschermittwoch", church::kAshWednesday, Category::Kirchlich},
    {"Jahrestag der Ausrufung der Republik", fixed(3, 1), Category::Gesetzlich, kNeuchatelRepublic},
    {"Josefstag", church::kSaintJoseph, Category::Kirchlich, kJoseph},
    {"Heiliger Benedikt", fixed(3, 21), Category::Kirchlich, kEngelberg, in("OW")},
    {"Palmsonntag", church::kPalmSunday, Category::Kirchlich},
    {"Gründonnerstag", church::kMaundyThursday, Category::Kirchlich},
    {"Karfreitag", church::kGoodFriday, Category::Kirchlich, kGoodFriday},
    {"Ostersonntag", church::kEasterSunday, Category::Kirchlich},
    {"Ostermontag", church::kEasterMonday, Category::Kirchlich, kEasterAndWhitMonday},
    {"Näfelser Fahrt", shifted_off_easter(nth_weekday(4, kThursday, 1), -3), Category::Gedenktag, kGlarusFahrt,
     in("GL")},
    {"Sechseläuten", shifted_off_easter(nth_weekday(4, kMonday, 3), -6, 1), Category::Brauchtum, {}, in("ZH")},
    {"Tag der Arbeit", fixed(5, 1), Category::Gedenktag, kLabourDay},
    {"Heiliger Sigismund", fixed(5, 1), Category::Kirchlich, kMuotathal, in("SZ")},
    {"Muttertag", nth_weekday(5, kSunday, 2), Category::Brauchtum},
    {"Auffahrt", church::kAscension, Category::Kirchlich, kEveryCanton},
    {"Pfingstsonntag", church::kWhitSunday, Category::Kirchlich},
    {"Pfingstmontag", church::kWhitMonday, Category::Kirchlich, kEasterAndWhitMonday},
    {"Fronleichnam", church::kCorpusChristi, Category::Kirchlich, kCorpusChristi},
    {"Fest der Unabhängigkeit", fixed(6, 23), Category::Gesetzlich, kJuraIndependence},
    {"Peter und Paul", church::kSaintsPeterAndPaul, Category::Kirchlich, kPeterAndPaul},
    {"Bundesfeier", fixed(8, 1), Category::Gesetzlich, kFederalDay},
    {"Mariä Himmelfahrt", church::kAssumption, Category::Kirchlich, kAssumption},
    {"Genfer Bettag", nth_weekday(9, kSunday, 1, 4), Category::Gesetzlich, kGenevaFast},
    {"Knabenschiessen", nth_weekday(9, kSunday, 2, 1), Category::Brauchtum, {}, in("ZH")},
    {"Engelweihe", fixed(9, 14), Category::Kirchlich, kEinsiedeln, in("SZ")},
    {"Eidgenössischer Dank-, Buss- und Bettag", nth_weekday(9, kSunday, 3), Category::Kirchlich},
    {"Bettagsmontag", nth_weekday(9, kSunday, 3, 1), Category::Gesetzlich, kFastMonday},
    {"Mauritiustag", fixed(9, 22), Category::Kirchlich, kMaurice, in("AI")},
    {"Bruder-Klausen-Fest", fixed(9, 25), Category::Kirchlich, kBrotherKlaus, in("OW")},
    {"Gallustag", fixed(10, 16), Category::Kirchlich, kMorschach, in("SZ SG")},
    {"Allerheiligen", church::kAllSaints, Category::Kirchlich, kAllSaints},
    {"Allerseelen", church::kAllSouls, Category::Kirchlich},
    {"Martinstag", church::kSaintMartin, Category::Brauchtum, kSchwyzMartin},
    {"1. Advent", church::kFirstAdvent, Category::Kirchlich},
    {"2. Advent", church::kSecondAdvent, Category::Kirchlich},
    {"3. Advent", church::kThirdAdvent, Category::Kirchlich},
    {"4. Advent", church::kFourthAdvent, Category::Kirchlich},
    {"Samichlaus", church::kSaintNicholas, Category::Brauchtum},
    {"Mariä Empfängnis", church::kImmaculateConception, Category::Kirchlich, kImmaculateConception},
    {"Heiligabend", church::kChristmasEve, Category::Kirchlich},
    {"Weihnachtstag", church::kChristmasDay, Category::Kirchlich, kEveryCanton},
    {"Stephanstag", church::kSaintStephen, Category::Kirchlich, kStephen},
    {"Wiederherstellung der Republik", fixed(12, 31), Category::Gesetzlich, kGenevaRestoration},
    {"Silvester", fixed(12, 31), Category::Brauchtum},
};

constexpr auto kDays = with_shared_days(kOwnDays);
constexpr CountryLaw kSwitzerland{"CH", kFederal, kCantons, kDays, "in einigen Kantonen"};

} // namespace

const CountryLaw& law_ch() { return kSwitzerland; }

} // namespace vespera::holidays

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
//     listed everywhere and statutory nowhere (Basel-Stadt's Ruhetagsgesetz lists nine
//     public holidays besides the Sundays, the Bettag not among them).
//   - Wallis: Berchtoldstag, Ostermontag, Pfingstmontag and Stephanstag are no public
//     holidays (the canton's eight days besides 1 August are Neujahr, Josefstag, Auffahrt,
//     Fronleichnam, Mariä Himmelfahrt, Allerheiligen, Mariä Empfängnis, Weihnachten).
//   - Neuenburg: Ostermontag and Pfingstmontag are no public holidays; Fronleichnam only in
//     Le Landeron and Le Cerneux-Péquignot; 2 January and 26 December only after a Sunday.
//   - Appenzell: Stephanstag not when it would be the third day of rest in a row.
// Customs: Basler Fasnacht from the Monday after Ash Wednesday (Morgenstreich);
// Sechseläuten on the third Monday in April, a week later while that is Easter Monday or
// in Holy Week (Zentralkomitee der Zünfte Zürichs); Knabenschiessen on the Monday after
// the second Sunday in September; the Luzerner Fasnacht from the Schmutziger Donnerstag.
// Näfelser Fahrt: the first Thursday in April, a week later when it is Maundy Thursday
// (Glarus, Gesetz über die öffentlichen Ruhetage).
#include "holidays/church_year.h"
#include "holidays/region.h"
#include "holidays/shared_days.h"

namespace vespera::holidays {
namespace {

constexpr std::string_view kFederal = "Bundesverfassung Art. 110 Abs. 3";

constexpr Subdivision kCantons[] = {
    {"CH-AG", "Gesetz über die öffentlichen Ruhetage (Aargau)"},
    {"CH-AI", "Verordnung über die öffentlichen Ruhetage (Appenzell Innerrhoden)"},
    {"CH-AR", "Gesetz über die öffentlichen Ruhetage (Appenzell Ausserrhoden)"},
    {"CH-BE", "Gesetz über die Ruhe an öffentlichen Feiertagen (Bern) Art. 2"},
    {"CH-BL", "Gesetz über die öffentlichen Ruhetage (Basel-Landschaft)"},
    {"CH-BS", "Gesetz über öffentliche Ruhetage und Ladenöffnung (Basel-Stadt)"},
    {"CH-FR", "Gesetz über die öffentlichen Ruhetage (Freiburg)"},
    {"CH-GE", "Loi sur les jours fériés (Genf)"},
    {"CH-GL", "Gesetz über die öffentlichen Ruhetage (Glarus)"},
    {"CH-GR", "Gesetz über die öffentlichen Ruhetage (Graubünden)"},
    {"CH-JU", "Loi sur les jours fériés officiels (Jura)"},
    {"CH-LU", "Gesetz über die öffentlichen Ruhetage (Luzern)"},
    {"CH-NE", "Loi sur le repos hebdomadaire et les jours fériés (Neuenburg)"},
    {"CH-NW", "Gesetz über die öffentlichen Ruhetage (Nidwalden)"},
    {"CH-OW", "Gesetz über die öffentlichen Ruhetage (Obwalden)"},
    {"CH-SG", "Ruhetagsgesetz (St. Gallen)"},
    {"CH-SH", "Gesetz über die öffentlichen Ruhetage (Schaffhausen)"},
    {"CH-SO", "Gesetz über die öffentlichen Ruhetage (Solothurn)"},
    {"CH-SZ", "Verordnung über die öffentlichen Ruhetage (Schwyz)"},
    {"CH-TG", "Gesetz über die öffentlichen Ruhetage (Thurgau)"},
    {"CH-TI", "Legge sul riposo domenicale e dei giorni festivi (Tessin)"},
    {"CH-UR", "Gesetz über die öffentlichen Ruhetage (Uri)"},
    {"CH-VD", "Loi sur les jours fériés (Waadt)"},
    {"CH-VS", "Gesetz über die öffentlichen Ruhetage (Wallis)"},
    {"CH-ZG", "Gesetz über die öffentlichen Ruhetage (Zug)"},
    {"CH-ZH", "Ruhetags- und Ladenöffnungsgesetz (Zürich) § 1"},
};

constexpr Parts in(std::string_view cantons) { return parts_of(kCantons, cantons); }

constexpr Statute whole(Parts cantons) { return {cantons}; }
constexpr Statute parts(Parts canton, std::string_view where) {
    return {canton, {}, Status::Statutory, Scope::Parts, nullptr, where};
}

// Neuenburg: 2 January and 26 December only after a Sunday (1 January, Christmas Day).
constexpr Statute kNeuchatelAfterSunday = only_on(whole(in("NE")), weekday_bit(kMonday));
constexpr Statute kEveryCanton[] = {whole(in("AG AI AR BE BL BS FR GE GL GR JU LU NE NW OW SG SH SO SZ TG TI UR VD VS ZG ZH"))};
constexpr Statute kFederalDay[] = {{kEverywhere, {1994}, Status::Statutory, Scope::Whole, nullptr, {}, kFederal},
                                   // Zürich kept 1 August as a cantonal holiday before the federal one.
                                   whole(in("ZH"))};
constexpr Statute kBerchtold[] = {
    whole(in("BE GL JU LU NW OW SG SH SO TG VD ZG")),
    parts(in("AG"), "in den Bezirken Aarau, Brugg, Kulm, Lenzburg, Zofingen und Zurzach und in Bergdietikon"),
    parts(in("FR"), "im Seebezirk: Fräschels, Greng, Kerzers, Merlach, Muntelier, Mont-Vully, Murten, Ried bei "
                    "Kerzers, Ulmiz"),
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
    whole(in("AI AR BE BL BS FR GE GL GR JU LU NW OW SG SH SO SZ TG TI UR VD ZG ZH")),
    parts(in("AG"), kAargauEasterDistricts)};
constexpr Statute kGlarusFahrt[] = {whole(in("GL"))};
constexpr Statute kLabourDay[] = {
    whole(in("AG BL BS JU NE SH TG TI ZH")),
    parts(in("SO"), "ab 12 Uhr in den meisten Gemeinden, ganztags in Aedermannsdorf")};
constexpr Statute kCorpusChristi[] = {
    whole(in("AI FR JU LU NW OW SZ TI UR VS ZG")),
    parts(in("NE"), "in Le Landeron und Le Cerneux-Péquignot"),
    parts(in("AG"), "in den Bezirken Bremgarten, Laufenburg, Muri und Zurzach, im Bezirk Baden ausser in Baden "
                    "selbst nicht überall, und in einigen Gemeinden des Bezirks Rheinfelden"),
    parts(in("SO"), "in den Bezirken Dorneck, Gäu, Gösgen, Lebern, Olten, Solothurn, Thal, Thierstein und Wasseramt")};
constexpr Statute kJuraIndependence[] = {whole(in("JU"))};
constexpr Statute kPeterAndPaul[] = {whole(in("TI"))};
constexpr Statute kAssumption[] = {
    whole(in("AI FR JU LU NW OW SZ TI UR VS ZG")),
    parts(in("AG"), "in den Bezirken Bremgarten, Laufenburg und Muri und in einigen Gemeinden des Bezirks "
                    "Rheinfelden"),
    parts(in("SO"), "in den Bezirken Dorneck, Gäu, Gösgen, Lebern, Olten, Solothurn, Thal, Thierstein und Wasseramt")};
constexpr Statute kGenevaFast[] = {whole(in("GE"))};
constexpr Statute kFastMonday[] = {whole(in("VD"))};
constexpr Statute kBrotherKlaus[] = {whole(in("OW"))};
constexpr Statute kMaurice[] = {parts(in("AI"), "in Appenzell, Gonten, Schlatt-Haslen und Schwende-Rüte")};
constexpr Statute kAllSaints[] = {
    whole(in("AI FR GL GR JU LU NW OW SG SZ TI UR VS ZG")),
    parts(in("AG"), "in den Bezirken Bremgarten, Laufenburg, Muri, Rheinfelden und Zurzach"),
    parts(in("SO"), "in den Bezirken Dorneck, Gäu, Gösgen, Lebern, Olten, Solothurn, Thal, Thierstein und Wasseramt")};
constexpr Statute kImmaculateConception[] = {
    whole(in("AI FR LU NW OW SZ TI UR VS ZG")),
    parts(in("AG"), "in den Bezirken Laufenburg und Muri und in einigen Gemeinden des Bezirks Rheinfelden")};
// Appenzell: not when it would make three days of rest in a row (Christmas Day on a
// Monday or a Friday): Ruhetagsgesetz AI (GS 822.200) Art. 2 lit. b, the same in AR.
constexpr std::uint8_t kNotTuesdayOrSaturday = kAnyWeekday & ~weekday_bit(1) & ~weekday_bit(5);
constexpr Statute kStephen[] = {
    whole(in("BE BL BS FR GL GR LU NW OW SG SH SO SZ TG TI UR ZG ZH")),
    only_on(whole(in("AI AR")), kNotTuesdayOrSaturday),
    kNeuchatelAfterSunday,
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

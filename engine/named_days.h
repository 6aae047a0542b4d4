// The named days of the year as rules: one row per slot of the holiday table,
// in slot order (the order that decides between entries of the same day),
// then the days that only some regions add. Each row carries its category
// and where and when it is a statutory holiday.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "holidays/easter.h"

namespace vespera {

enum class DayRule : std::uint8_t {
    Fixed,          // month/day of the engine's year
    EasterOffset,   // Easter Sunday + offset days
    AdventOffset,   // fourth Sunday of Advent + offset days
    Season,         // the local day of an equinox or solstice (offset: 0..3)
};

// What a day is where it is not statutory. Gesetzlich marks a row that exists
// only as a statutory holiday (Austria's Staatsfeiertag): it is listed only
// where and when its statutes hold. Ferien is the category of school holidays.
enum class DayCategory : std::uint8_t {
    Gesetzlich,
    Kirchlich,
    Gedenktag,
    Brauchtum,
    Astronomisch,
    Ferien,
};

// Whole region, some of its communes ("regional"), or one named place.
enum class StatuteExtent : std::uint8_t { Whole, Regional, OnePlace };

// The regions a statute names, as bits: the 16 German states (ISO 3166-2
// DE-BW .. DE-TH), Austria, Switzerland (federal law) and the two cantons
// whose laws are kept.
namespace region_bits {
inline constexpr std::uint32_t BW = 1u << 0, BY = 1u << 1, BE = 1u << 2, BB = 1u << 3, HB = 1u << 4,
                               HH = 1u << 5, HE = 1u << 6, MV = 1u << 7, NI = 1u << 8, NW = 1u << 9,
                               RP = 1u << 10, SL = 1u << 11, SN = 1u << 12, ST = 1u << 13, SH = 1u << 14,
                               TH = 1u << 15;
inline constexpr std::uint32_t AT = 1u << 16, CH = 1u << 17, CH_ZH = 1u << 18, CH_BE = 1u << 19;
inline constexpr std::uint32_t kGermany = (1u << 16) - 1;
// The states of the Federal Republic before 3 October 1990 (West Berlin kept
// the federal holidays).
inline constexpr std::uint32_t kWesternStates = kGermany & ~(BB | MV | SN | ST | TH);
} // namespace region_bits

inline constexpr std::int16_t kEarliestYear = -32768;
inline constexpr std::int16_t kLatestYear = 32767;

// Statutory in `regions` from `from_year` to `to_year` (both included).
struct Statute {
    std::uint32_t regions;
    std::int16_t from_year = kEarliestYear;
    std::int16_t to_year = kLatestYear;
    StatuteExtent extent = StatuteExtent::Whole;
    std::string_view place = {}; // OnePlace only
};

struct NamedDayRule {
    std::string_view name;
    DayRule rule;
    std::int8_t month; // Fixed only
    std::int16_t days; // day of month (Fixed), offset (EasterOffset, AdventOffset), season index
    DayCategory category;
    std::span<const Statute> statutes = {};
};

// Where each day is statutory, from the holiday laws:
//   DE-BW Feiertagsgesetz (FTG) § 1; DE-BY Feiertagsgesetz (FTG) Art. 1 (Mariä
//   Himmelfahrt in Gemeinden mit überwiegend katholischer Bevölkerung, Friedensfest
//   im Stadtgebiet Augsburg); DE-BE Gesetz über die Sonn- und Feiertage § 1 (Frauentag
//   from 2019, 8 May 2020 and 2025 once); DE-BB Feiertagsgesetz § 2; DE-HB Gesetz über
//   die Sonn- und Feiertage § 1; DE-HH Feiertagsgesetz § 1; DE-HE Hessisches
//   Feiertagsgesetz § 1; DE-MV Feiertagsgesetz M-V § 2 (Frauentag from 2023); DE-NI
//   Niedersächsisches Gesetz über die Feiertage § 2; DE-NW Feiertagsgesetz NW § 2; DE-RP
//   Landesgesetz über den Schutz der Sonn- und Feiertage § 2; DE-SL Feiertagsgesetz § 2;
//   DE-SN Gesetz über Sonn- und Feiertage im Freistaat Sachsen § 1 (Fronleichnam in
//   sorbischen Gemeinden); DE-ST Gesetz über die Sonn- und Feiertage § 2; DE-SH Gesetz
//   über Sonn- und Feiertage § 2; DE-TH Thüringer Feier- und Gedenktagsgesetz § 2
//   (Weltkindertag from 2019, Fronleichnam in Gemeinden des Eichsfelds); all of DE:
//   Einigungsvertrag Art. 2 Abs. 2 (3 October) and the Gesetz über den Tag der deutschen
//   Einheit of 4 August 1953 (17 June, western states 1954-1990); Reformationstag 2017
//   once in every state, from 2018 in HB, HH, NI, SH; Buß- und Bettag in every state up
//   to 1994, from 1995 in Sachsen only.
//   AT Feiertagsruhegesetz 1957 § 1 and Arbeitsruhegesetz § 7 (Nationalfeiertag since
//   the 1967 amendment).
//   CH Bundesverfassung Art. 110 Abs. 3 (Bundesfeiertag, in force 1 July 1994).
//   CH-ZH Ruhetags- und Ladenöffnungsgesetz § 1.
//   CH-BE Gesetz über die Ruhe an öffentlichen Feiertagen (FRG) Art. 2.
namespace statutes {
using namespace region_bits;
inline constexpr Statute kNewYear[] = {{kGermany | AT | CH_ZH | CH_BE}};
inline constexpr Statute kEpiphany[] = {{BW | BY | AT}, {ST, 1991}};
inline constexpr Statute kEasterAndWhitSunday[] = {{BB, 1990}, {CH_BE}};
inline constexpr Statute kGoodFriday[] = {{kGermany | CH_ZH | CH_BE}};
inline constexpr Statute kEasterMonday[] = {{kGermany | AT | CH_ZH | CH_BE}};
inline constexpr Statute kAscension[] = {{kGermany | AT | CH_ZH | CH_BE}};
inline constexpr Statute kCorpusChristi[] = {{BW | BY | HE | NW | RP | SL | AT},
                                             {SN | TH, 1990, kLatestYear, StatuteExtent::Regional}};
inline constexpr Statute kAssumption[] = {{SL | AT}, {BY, kEarliestYear, kLatestYear, StatuteExtent::Regional}};
inline constexpr Statute kAllSaints[] = {{BW | BY | NW | RP | SL | AT}};
inline constexpr Statute kRepentance[] = {{kGermany, kEarliestYear, 1994}, {SN, 1995}};
inline constexpr Statute kChristmasDay[] = {{kGermany | AT | CH_ZH | CH_BE}};
inline constexpr Statute kGermanyAll[] = {{kGermany}};
inline constexpr Statute kReformation[] = {{BB | MV | SN | ST | TH, 1990}, {kGermany, 2017, 2017},
                                           {HB | HH | NI | SH, 2018}};
inline constexpr Statute kLabourDay[] = {{kGermany | CH_ZH}};
inline constexpr Statute kUnityDay[] = {{kGermany, 1990}};
inline constexpr Statute kWomensDay[] = {{BE, 2019}, {MV, 2023}};
inline constexpr Statute kChildrensDay[] = {{TH, 2019}};
inline constexpr Statute kAugsburgPeace[] = {
    {BY, kEarliestYear, kLatestYear, StatuteExtent::OnePlace, "Augsburg"}};
// The Saarland joined the Federal Republic on 1 January 1957.
inline constexpr Statute kSeventeenthOfJune[] = {{kWesternStates & ~SL, 1954, 1990}, {SL, 1957, 1990}};
inline constexpr Statute kBerlin2020[] = {{BE, 2020, 2020}};
inline constexpr Statute kBerlin2025[] = {{BE, 2025, 2025}};
inline constexpr Statute kAustria[] = {{AT}};
inline constexpr Statute kAustrianNationalDay[] = {{AT, 1967}};
inline constexpr Statute kStephensDay[] = {{AT | CH_ZH | CH_BE}};
// Zürich kept 1 August as a cantonal holiday before the federal one.
inline constexpr Statute kSwissNationalDay[] = {{CH, 1994}, {CH_ZH}};
inline constexpr Statute kBern[] = {{CH_BE}};
} // namespace statutes

// Trinitatis is Easter + 56; the Sundays after it follow a week apart.
constexpr std::int16_t kTrinitatis = 56;

// The first rows are the engine's slots; the region's own days follow.
inline constexpr std::size_t kDescribedDayCount = 73;


inline constexpr auto kDayRows = std::to_array<NamedDayRule>({
    {"Neujahr", DayRule::Fixed, 1, 1, DayCategory::Brauchtum, statutes::kNewYear},
    {"Heilige Drei Könige", DayRule::Fixed, 1, 6, DayCategory::Kirchlich, statutes::kEpiphany},
    {"Ostersonntag", DayRule::EasterOffset, 0, 0, DayCategory::Kirchlich, statutes::kEasterAndWhitSunday},
    {"Gründonnerstag", DayRule::EasterOffset, 0, -3, DayCategory::Kirchlich},
    {"Karfreitag", DayRule::EasterOffset, 0, -2, DayCategory::Kirchlich, statutes::kGoodFriday},
    {"Ostermontag", DayRule::EasterOffset, 0, 1, DayCategory::Kirchlich, statutes::kEasterMonday},
    {"Himmelfahrt", DayRule::EasterOffset, 0, 39, DayCategory::Kirchlich, statutes::kAscension},
    {"Pfingstsonntag", DayRule::EasterOffset, 0, 49, DayCategory::Kirchlich, statutes::kEasterAndWhitSunday},
    {"Pfingstmontag", DayRule::EasterOffset, 0, 50, DayCategory::Kirchlich, statutes::kEasterMonday},
    {"Fronleichnam", DayRule::EasterOffset, 0, 60, DayCategory::Kirchlich, statutes::kCorpusChristi},
    {"Mariä Himmelfahrt", DayRule::Fixed, 8, 15, DayCategory::Kirchlich, statutes::kAssumption},
    {"Allerheiligen", DayRule::Fixed, 11, 1, DayCategory::Kirchlich, statutes::kAllSaints},
    // The Wednesday before Totensonntag, 16..22 November. (Two weeks after
    // the first Wednesday of November, one more on 15 or 16 November, put it
    // after Totensonntag whenever 16 November is a Wednesday.)
    {"Buß-und Bettag", DayRule::AdventOffset, 0, -32, DayCategory::Kirchlich, statutes::kRepentance},
    {"Heiligabend", DayRule::Fixed, 12, 24, DayCategory::Kirchlich},
    {"Nikolaus", DayRule::Fixed, 12, 6, DayCategory::Kirchlich},
    {"1. Weihnachtstag", DayRule::Fixed, 12, 25, DayCategory::Kirchlich, statutes::kChristmasDay},
    {"2. Weihnachtstag", DayRule::Fixed, 12, 26, DayCategory::Kirchlich, statutes::kGermanyAll},
    {"Silvester", DayRule::Fixed, 12, 31, DayCategory::Brauchtum},
    {"Aschermittwoch", DayRule::EasterOffset, 0, -46, DayCategory::Kirchlich},
    {"Fastnacht", DayRule::EasterOffset, 0, -47, DayCategory::Brauchtum},
    {"Weiberfastnacht", DayRule::EasterOffset, 0, -52, DayCategory::Brauchtum},
    {"Rosenmontag", DayRule::EasterOffset, 0, -48, DayCategory::Brauchtum},
    {"Allerseelen", DayRule::Fixed, 11, 2, DayCategory::Kirchlich},
    {"Reformationstag", DayRule::Fixed, 10, 31, DayCategory::Kirchlich, statutes::kReformation},
    {"Palmsonntag", DayRule::EasterOffset, 0, -7, DayCategory::Kirchlich},
    {"Trinitatis", DayRule::EasterOffset, 0, kTrinitatis, DayCategory::Kirchlich},
    {"1. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 1, DayCategory::Kirchlich},
    {"2. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 2, DayCategory::Kirchlich},
    {"3. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 3, DayCategory::Kirchlich},
    {"4. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 4, DayCategory::Kirchlich},
    {"5. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 5, DayCategory::Kirchlich},
    {"6. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 6, DayCategory::Kirchlich},
    {"7. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 7, DayCategory::Kirchlich},
    {"8. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 8, DayCategory::Kirchlich},
    {"9. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 9, DayCategory::Kirchlich},
    {"10. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 10, DayCategory::Kirchlich},
    {"11. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 11, DayCategory::Kirchlich},
    {"12. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 12, DayCategory::Kirchlich},
    {"13. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 13, DayCategory::Kirchlich},
    {"14. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 14, DayCategory::Kirchlich},
    {"15. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 15, DayCategory::Kirchlich},
    {"16. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 16, DayCategory::Kirchlich},
    {"17. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 17, DayCategory::Kirchlich},
    {"18. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 18, DayCategory::Kirchlich},
    {"19. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 19, DayCategory::Kirchlich},
    {"20. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 20, DayCategory::Kirchlich},
    {"21. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 21, DayCategory::Kirchlich},
    {"22. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 22, DayCategory::Kirchlich},
    {"23. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 23, DayCategory::Kirchlich},
    {"24. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 24, DayCategory::Kirchlich},
    {"25. n. Trinitatis", DayRule::EasterOffset, 0, kTrinitatis + 7 * 25, DayCategory::Kirchlich},
    {"Frühlingsanfang", DayRule::Season, 0, 0, DayCategory::Astronomisch},
    {"Sommeranfang", DayRule::Season, 0, 1, DayCategory::Astronomisch},
    {"Herbstanfang", DayRule::Season, 0, 2, DayCategory::Astronomisch},
    {"Winteranfang", DayRule::Season, 0, 3, DayCategory::Astronomisch},
    {"1. Advent", DayRule::AdventOffset, 0, -21, DayCategory::Kirchlich},
    {"2. Advent", DayRule::AdventOffset, 0, -14, DayCategory::Kirchlich},
    {"3. Advent", DayRule::AdventOffset, 0, -7, DayCategory::Kirchlich},
    {"4. Advent", DayRule::AdventOffset, 0, 0, DayCategory::Kirchlich},
    {"Totensonntag", DayRule::AdventOffset, 0, -28, DayCategory::Kirchlich},
    {"Volkstrauertag", DayRule::AdventOffset, 0, -35, DayCategory::Gedenktag},
    {"Mariä Lichtmess", DayRule::Fixed, 2, 2, DayCategory::Kirchlich},
    {"Weißer Sonntag", DayRule::EasterOffset, 0, 7, DayCategory::Kirchlich},
    {"Imbolc", DayRule::Fixed, 2, 2, DayCategory::Brauchtum},
    {"Ostara", DayRule::Fixed, 3, 21, DayCategory::Brauchtum},
    {"Beltaine", DayRule::Fixed, 4, 30, DayCategory::Brauchtum},
    {"Litha", DayRule::Fixed, 6, 21, DayCategory::Brauchtum},
    {"Lammas", DayRule::Fixed, 8, 2, DayCategory::Brauchtum},
    {"Mabon", DayRule::Fixed, 9, 21, DayCategory::Brauchtum},
    {"Samhain", DayRule::Fixed, 10, 31, DayCategory::Brauchtum},
    {"Yulefest", DayRule::Fixed, 12, 21, DayCategory::Brauchtum},
    // Two of the nine nationwide public holidays, in every year as the others.
    {"Tag der Arbeit", DayRule::Fixed, 5, 1, DayCategory::Gedenktag, statutes::kLabourDay},
    {"Tag der Deutschen Einheit", DayRule::Fixed, 10, 3, DayCategory::Gedenktag, statutes::kUnityDay},
    // Days that only some regions add; a row of category Gesetzlich exists
    // only where and when it is statutory.
    {"Internationaler Frauentag", DayRule::Fixed, 3, 8, DayCategory::Gedenktag, statutes::kWomensDay},
    {"Weltkindertag", DayRule::Fixed, 9, 20, DayCategory::Gedenktag, statutes::kChildrensDay},
    {"Augsburger Friedensfest", DayRule::Fixed, 8, 8, DayCategory::Gesetzlich, statutes::kAugsburgPeace},
    {"Tag der deutschen Einheit", DayRule::Fixed, 6, 17, DayCategory::Gesetzlich, statutes::kSeventeenthOfJune},
    {"75. Jahrestag der Befreiung vom Nationalsozialismus", DayRule::Fixed, 5, 8, DayCategory::Gesetzlich,
     statutes::kBerlin2020},
    {"80. Jahrestag der Befreiung vom Nationalsozialismus", DayRule::Fixed, 5, 8, DayCategory::Gesetzlich,
     statutes::kBerlin2025},
    {"Staatsfeiertag", DayRule::Fixed, 5, 1, DayCategory::Gesetzlich, statutes::kAustria},
    {"Nationalfeiertag", DayRule::Fixed, 10, 26, DayCategory::Gesetzlich, statutes::kAustrianNationalDay},
    {"Mariä Empfängnis", DayRule::Fixed, 12, 8, DayCategory::Kirchlich, statutes::kAustria},
    {"Stephanstag", DayRule::Fixed, 12, 26, DayCategory::Gesetzlich, statutes::kStephensDay},
    {"Bundesfeiertag", DayRule::Fixed, 8, 1, DayCategory::Gesetzlich, statutes::kSwissNationalDay},
    {"Berchtoldstag", DayRule::Fixed, 1, 2, DayCategory::Gesetzlich, statutes::kBern},
});

// The engine's holiday table: the described rows, one per slot.
inline constexpr std::span<const NamedDayRule, kDescribedDayCount> kNamedDays{kDayRows.data(), kDescribedDayCount};

} // namespace vespera

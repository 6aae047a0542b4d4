// Reference circumstances of every solar eclipse seen from five cities from
// 1950 to 2100, by the npm package astronomy-engine, for
// compare_eclipses_with_astronomy_engine.sh.
//
//   node compare_eclipses_astronomy_engine.mjs <folder holding node_modules/astronomy-engine>
//
// One line per eclipse and place:
//   place,lat,lon,kind,first_jd_ut,peak_jd_ut,last_jd_ut,magnitude
// The magnitude is the fraction of the Sun's diameter covered at the peak,
// from the topocentric Sun and Moon (Moon's mean radius 1737.4 km).
import { createRequire } from 'node:module';
import path from 'node:path';

if (process.argv.length < 3) {
    console.error('usage: node compare_eclipses_astronomy_engine.mjs <folder holding node_modules>');
    process.exit(2);
}
const require = createRequire(path.resolve(process.argv[2], 'noop.js'));
const Astronomy = require('astronomy-engine');

const kJ2000_jd = 2451545.0;
const kSunRadius_km = 695700.0;
const kMoonRadius_km = 1737.4;
// Rows of Vespera's city table.
const kPlaces = [
    ['Berlin', 52.5222222222222, 13.2975],
    ['München', 48.13743, 11.57549],
    ['London', 51.5063209533691, -0.127140000462532],
    ['New York', 40.7145500183105, -74.0071182250977],
    ['Cape Town', -33.9190902709961, 18.421989440918],
];

const stop = Date.UTC(2101, 0, 1);
for (const [name, lat, lon] of kPlaces) {
    const observer = new Astronomy.Observer(lat, lon, 0);
    let e = Astronomy.SearchLocalSolarEclipse(Astronomy.MakeTime(new Date(Date.UTC(1950, 0, 1))), observer);
    while (e.peak.time.date.getTime() < stop) {
        const t = e.peak.time;
        const sun = Astronomy.Equator(Astronomy.Body.Sun, t, observer, true, true);
        const moon = Astronomy.Equator(Astronomy.Body.Moon, t, observer, true, true);
        const separation = Astronomy.AngleBetween(sun.vec, moon.vec);
        const sunRadius = Math.asin(kSunRadius_km / (sun.dist * Astronomy.KM_PER_AU)) * 180 / Math.PI;
        const moonRadius = Math.asin(kMoonRadius_km / (moon.dist * Astronomy.KM_PER_AU)) * 180 / Math.PI;
        const magnitude = (sunRadius + moonRadius - separation) / (2 * sunRadius);
        console.log([name, lat, lon, e.kind, e.partial_begin.time.ut + kJ2000_jd, t.ut + kJ2000_jd,
                     e.partial_end.time.ut + kJ2000_jd, magnitude].join(','));
        e = Astronomy.NextLocalSolarEclipse(t, observer);
    }
}

// Reference values for the planets, computed with the npm package
// astronomy-engine, for compare_planets_with_astronomy_engine.sh.
//
//   node compare_planets_astronomy_engine.mjs <folder holding node_modules/astronomy-engine>
//
// Lines (Julian Days of UT; "nan" where the event does not happen):
//   D,lat,lon,day_start_jd_ut,planet,rise,culmination,set,elongation_deg
//       every 23rd day from 2000 to 2050 at six places with |latitude| <= 60;
//       rise and set of the centre at -34' (refraction, no parallax for a
//       point source), upper transit, elongation at the middle of the day
//   E,planet,kind,jd_ut
//       conjunctions (kind 0) and oppositions (kind 1) 2000-2050, geocentric,
//       in apparent ecliptic longitude of date (light time and aberration)
import { createRequire } from 'node:module';
import path from 'node:path';

if (process.argv.length < 3) {
    console.error('usage: node compare_planets_astronomy_engine.mjs <folder holding node_modules>');
    process.exit(2);
}
const require = createRequire(path.resolve(process.argv[2], 'noop.js'));
const Astronomy = require('astronomy-engine');
const { Body } = Astronomy;

const kJ2000_jd = 2451545.0;
const kPlanets = [Body.Mercury, Body.Venus, Body.Mars, Body.Jupiter, Body.Saturn, Body.Uranus, Body.Neptune];
const kPlaces = [
    [52.52, 13.405],    // Berlin
    [48.137, 11.575],   // München
    [60.0, 24.94],      // Helsinki's latitude
    [0.0, -78.47],      // the equator
    [-33.92, 18.42],    // Cape Town
    [-60.0, -45.0],     // as far south
];
const kFirst = Date.UTC(2000, 0, 1);
const kLast = Date.UTC(2051, 0, 1);
const kDayStep = 23;
const kMillisPerDay = 86400000;

const jd = (time) => (time ? time.ut + kJ2000_jd : NaN);
const text = (x) => (Number.isFinite(x) ? x.toFixed(8) : 'nan');

for (const [lat, lon] of kPlaces) {
    const observer = new Astronomy.Observer(lat, lon, 0);
    for (let day = kFirst; day < kLast; day += kDayStep * kMillisPerDay) {
        const start = Astronomy.MakeTime(new Date(day));
        const middle = start.AddDays(0.5);
        kPlanets.forEach((body, index) => {
            const rise = Astronomy.SearchRiseSet(body, observer, +1, start, 1);
            const set = Astronomy.SearchRiseSet(body, observer, -1, start, 1);
            const transit = Astronomy.SearchHourAngle(body, observer, 0, start, +1);
            const culmination = transit.time.ut - start.ut < 1 ? transit.time : null;
            const elongation = Astronomy.AngleFromSun(body, middle);
            console.log(['D', lat, lon, text(jd(start)), index, text(jd(rise)), text(jd(culmination)), text(jd(set)),
                         elongation.toFixed(6)].join(','));
        });
    }
}

// Apparent geocentric ecliptic longitude of date, light time and aberration included.
const longitude = (body, time) => Astronomy.Ecliptic(Astronomy.GeoVector(body, time, true)).elon;
const wrap = (x) => ((x + 540) % 360) - 180;

kPlanets.forEach((body, index) => {
    for (const [kind, target] of [[0, 0], [1, 180]]) {
        const f = (time) => wrap(longitude(body, time) - longitude(Body.Sun, time) - target);
        let t1 = Astronomy.MakeTime(new Date(kFirst));
        let f1 = f(t1);
        const stop = Astronomy.MakeTime(new Date(kLast));
        while (t1.ut < stop.ut) {
            const t2 = t1.AddDays(1);
            const f2 = f(t2);
            if ((f1 < 0) !== (f2 < 0) && Math.abs(f2 - f1) < 90) {
                const t = Astronomy.Search(f, t1, t2, { dt_tolerance_seconds: 0.1 });
                if (t) console.log(['E', index, kind, text(jd(t))].join(','));
            }
            t1 = t2;
            f1 = f2;
        }
    }
});

// The year almanac of Vespera's benchmark, computed with the npm package
// astronomy-engine for the same place, year and results per day, and timed the
// same way: one warm-up, then the median of N runs.
//
//   node compare_astronomy_engine.mjs <folder holding node_modules/astronomy-engine> [runs]
//
// Prints `astronomy_engine_ms=<median>` and the results of one sample day
// (`sample <key>=<value>`), so a runner can set them beside Vespera's.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { performance } from 'node:perf_hooks';

const kLongitude_deg = 13.2975;
const kLatitude_deg = 52.5222222222222;
const kZoneOffset_hours = 1;
const kYear = 2024;
const kPhaseCount = 15;             // full and new moons each, as Vespera's year tables hold
const kCivilTwilightAltitude_deg = -6.0;
const kSampleDayOfYear = 173;       // 21 June 2024
const kMillisPerDay = 86400000;
const kMillisPerHour = 3600000;

const args = process.argv.slice(2);
if (args.length < 1) {
    console.error('usage: node compare_astronomy_engine.mjs <folder holding node_modules> [runs]');
    process.exit(2);
}
const runs = args.length > 1 ? Number.parseInt(args[1], 10) : 20;
if (!Number.isInteger(runs) || runs < 1) {
    console.error(`invalid run count: ${args[1]}`);
    process.exit(2);
}
const require = createRequire(path.resolve(args[0], 'noop.js'));
const Astronomy = require('astronomy-engine');
const packageJson = path.join(path.dirname(require.resolve('astronomy-engine')), 'package.json');
const engineVersion = JSON.parse(readFileSync(packageJson, 'utf8')).version;
const { Body } = Astronomy;

const observer = new Astronomy.Observer(kLatitude_deg, kLongitude_deg, 0);

// The EU clock change as Vespera's tables hold it: summer time from the last
// Sunday of March up to the day before the last Sunday of October, each whole
// local day taken at one offset.
function lastSundayUtcMillis(year, monthIndex) {
    const last = new Date(Date.UTC(year, monthIndex + 1, 0));
    return last.getTime() - last.getUTCDay() * kMillisPerDay;
}

// The year's tables: full and new moons from a month before the year on, and
// the four seasons.
function yearTables(year) {
    const phases = { full: [], new: [] };
    const start = new Date(Date.UTC(year, 0, 1) - 30 * kMillisPerDay);
    for (const [key, longitude] of [['full', 180], ['new', 0]]) {
        let from = start;
        for (let i = 0; i < kPhaseCount; ++i) {
            const t = Astronomy.SearchMoonPhase(longitude, from, 40);
            if (t === null) throw new Error(`no ${key} moon after ${Astronomy.MakeTime(from)}`);
            phases[key].push(t);
            from = t.AddDays(1);
        }
    }
    return { phases, seasons: Astronomy.Seasons(year) };
}

// One day's rows: the search starts at local midnight and looks one day ahead.
function dayRows(localDayUtcMillis, offset_hours) {
    const midnight = Astronomy.MakeTime(new Date(localDayUtcMillis - offset_hours * kMillisPerHour));
    const sunrise = Astronomy.SearchRiseSet(Body.Sun, observer, +1, midnight, 1);
    const sunset = Astronomy.SearchRiseSet(Body.Sun, observer, -1, midnight, 1);
    const dawn = Astronomy.SearchAltitude(Body.Sun, observer, +1, midnight, 1, kCivilTwilightAltitude_deg);
    const dusk = Astronomy.SearchAltitude(Body.Sun, observer, -1, midnight, 1, kCivilTwilightAltitude_deg);
    const culmination = Astronomy.SearchHourAngle(Body.Sun, observer, 0, midnight, +1);
    const moonrise = Astronomy.SearchRiseSet(Body.Moon, observer, +1, midnight, 1);
    const moonset = Astronomy.SearchRiseSet(Body.Moon, observer, -1, midnight, 1);
    const dayLength_hours = sunrise && sunset ? (sunset.ut - sunrise.ut) * 24 : null;
    const illumination = Astronomy.Illumination(Body.Moon, midnight);
    const waxing = Astronomy.MoonPhase(midnight) < 180;
    // Vespera gives the Moon's distance at 12:01 UT of the civil day.
    const distanceInstant = Astronomy.MakeTime(new Date(localDayUtcMillis + 12 * kMillisPerHour + 60000));
    const moonDistance_km = Astronomy.GeoMoon(distanceInstant).Length() * Astronomy.KM_PER_AU;
    return {
        sunrise, sunset, dawn, dusk, dayLength_hours, culmination, moonrise, moonset,
        moonFraction: illumination.phase_fraction, waxing, moonDistance_km,
    };
}

function yearAlmanac(year, sink) {
    const tables = yearTables(year);
    const summerStart = lastSundayUtcMillis(year, 2);
    const summerEnd = lastSundayUtcMillis(year, 9);
    const first = Date.UTC(year, 0, 1);
    const days = (Date.UTC(year + 1, 0, 1) - first) / kMillisPerDay;
    for (let d = 0; d < days; ++d) {
        const day = first + d * kMillisPerDay;
        const offset_hours = kZoneOffset_hours + (day >= summerStart && day < summerEnd ? 1 : 0);
        sink(d + 1, offset_hours, dayRows(day, offset_hours));
    }
    return tables;
}

function clockText(time, offset_hours) {
    if (!time) return '----';
    const local = new Date(time.date.getTime() + offset_hours * kMillisPerHour + 30000);
    const hh = String(local.getUTCHours()).padStart(2, '0');
    const mm = String(local.getUTCMinutes()).padStart(2, '0');
    return `${hh}:${mm}`;
}

function spanText(hours) {
    if (hours === null) return '----';
    const minutes = Math.round(hours * 60);
    return `${String(Math.floor(minutes / 60)).padStart(2, '0')}:${String(minutes % 60).padStart(2, '0')}`;
}

// The day report's words, as Vespera writes them.
function moonPhaseText(percent, waxing) {
    if (percent <= 0.2) return 'Neumond';
    if (percent >= 99.8) return 'Vollmond';
    return `${percent.toFixed(1).replace('.', ',')} %, ${waxing ? 'zunehmend' : 'abnehmend'}`;
}

// Warm-up: lets the JIT compile the hot paths before the timed runs.
let checksum = 0;
const consume = (_day, _offset, rows) => { checksum += rows.moonDistance_km + (rows.sunrise ? rows.sunrise.ut : 0); };
yearAlmanac(kYear, consume);

const times_ms = [];
for (let run = 0; run < runs; ++run) {
    const t0 = performance.now();
    yearAlmanac(kYear, consume);
    times_ms.push(performance.now() - t0);
}
times_ms.sort((a, b) => a - b);
const mid = Math.floor(times_ms.length / 2);
const median_ms = times_ms.length % 2 ? times_ms[mid] : (times_ms[mid - 1] + times_ms[mid]) / 2;

let sample = null;
let dayCount = 0;
const tables = yearAlmanac(kYear, (day, offset, rows) => {
    ++dayCount;
    if (day === kSampleDayOfYear) sample = { offset, rows };
});

console.log(`astronomy_engine_version=${engineVersion}`);
console.log(`astronomy_engine_runs=${runs}`);
console.log(`astronomy_engine_days=${dayCount}`);
console.log(`astronomy_engine_phases=${tables.phases.full.length}+${tables.phases.new.length}`);
console.log(`astronomy_engine_ms=${median_ms.toFixed(3)}`);
const { offset, rows } = sample;
console.log(`sample sunrise=${clockText(rows.sunrise, offset)}`);
console.log(`sample sunset=${clockText(rows.sunset, offset)}`);
console.log(`sample dawn=${clockText(rows.dawn, offset)}`);
console.log(`sample dusk=${clockText(rows.dusk, offset)}`);
console.log(`sample day_length=${spanText(rows.dayLength_hours)}`);
console.log(`sample culmination=${clockText(rows.culmination.time, offset)}`);
console.log(`sample moonrise=${clockText(rows.moonrise, offset)}`);
console.log(`sample moonset=${clockText(rows.moonset, offset)}`);
console.log(`sample moon_phase=${moonPhaseText(rows.moonFraction * 100, rows.waxing)}`);
console.log(`sample moon_distance_km=${Math.round(rows.moonDistance_km)}`);
if (!Number.isFinite(checksum)) process.exit(1);

// Writes holidays/communes_data.cpp from the commune lists in lists/*.tsv.
// Each list names its law and source in its header; rows are
//   list     <name> <key prefix, "-" for none> <others> <why a place stays regional>
//   open     <note for the communes whose answer the sources leave open>
//   mirror   <name> <others> <why a place stays regional>
//   district <prefix> <name> ja|nein|offen [note]
//   commune  <key> <name> ja|nein|offen [note] [note in the mirror list]
// <others> says what a commune the list does not name keeps: "ohne" (the
// list names every commune that keeps the day), "mit" (it names every one
// that does not) or "offen" (the list is a part). "offen" rows are communes
// the sources name without deciding them: regional, with the open note.
// A mirror list holds the same communes the other way round: the days of
// a canton's catholic part where the list names its reformed communes.
// The script checks keys (digits, the state's prefix, no key twice) and sorts
// the communes by key, keyless ones last, as the lookup expects.
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const out = join(here, '..', '..', 'holidays', 'communes_data.cpp');

const cxx = (text) => JSON.stringify(text); // UTF-8 passes through, quotes and backslashes escaped
const fail = (file, line, why) => { throw new Error(`${file}:${line}: ${why}`); };
const OTHERS = { ohne: 'Others::Without', mit: 'Others::With', offen: 'Others::Unknown' };
const isName = (name) => /^k[A-Za-z]+$/.test(name);

const lists = [];
for (const file of readdirSync(join(here, 'lists')).filter((f) => f.endsWith('.tsv')).sort()) {
  const lines = readFileSync(join(here, 'lists', file), 'utf8').split('\n');
  const header = [];
  let list = null;
  lines.forEach((text, i) => {
    if (text.startsWith('#')) { header.push(text.slice(1).trim()); return; }
    if (text.trim() === '') return;
    const [kind, ...cells] = text.split('\t');
    if (kind === 'list') {
      const [name, prefix, others, unresolved] = cells;
      if (!isName(name) || !/^(\d+|-)$/.test(prefix) || !OTHERS[others] || !unresolved) {
        fail(file, i + 1, 'list: name, key prefix or -, ohne|mit|offen, reason');
      }
      list = { file, header, name, prefix: prefix === '-' ? '' : prefix, others, unresolved, open: '', mirror: null,
               districts: [], communes: [] };
      lists.push(list);
      return;
    }
    if (!list) fail(file, i + 1, 'rows before the list line');
    if (kind === 'open') {
      if (!cells[0]) fail(file, i + 1, 'open: note');
      list.open = cells[0];
      return;
    }
    if (kind === 'mirror') {
      const [name, others, unresolved] = cells;
      if (!isName(name) || !OTHERS[others] || !unresolved) fail(file, i + 1, 'mirror: name, ohne|mit|offen, reason');
      list.mirror = { name, others, unresolved };
      return;
    }
    const holds = cells[2];
    if (!['ja', 'nein', 'offen'].includes(holds)) fail(file, i + 1, 'ja, nein or offen');
    if (holds === 'offen' && !list.open) fail(file, i + 1, '"offen" needs the list\'s open line first');
    if (kind === 'district') {
      const [prefix, name, , note = ''] = cells;
      if (!/^\d+$/.test(prefix) || !prefix.startsWith(list.prefix)) fail(file, i + 1, 'district prefix');
      list.districts.push({ prefix, name, holds: holds !== 'nein', note: holds === 'offen' ? list.open : note });
    } else if (kind === 'commune') {
      const [key, name, , note = '', mirrorNote = ''] = cells;
      if (key !== '' && (!/^\d+$/.test(key) || !key.startsWith(list.prefix))) fail(file, i + 1, `key ${key}`);
      if (!name) fail(file, i + 1, 'name');
      if (key !== '' && list.communes.some((c) => c.key === key)) fail(file, i + 1, `key ${key} twice`);
      list.communes.push({ key, name, holds: holds !== 'nein', note: holds === 'offen' ? list.open : note, mirrorNote });
    } else {
      fail(file, i + 1, `unknown row ${kind}`);
    }
  });
}

// The mirror lists: every row the other way round, or regional with its own note.
for (const list of [...lists]) {
  if (!list.mirror) continue;
  lists.push({ ...list, ...list.mirror, mirror: null, districts: [],
    communes: list.communes.map((c) => (c.mirrorNote ? { ...c, holds: true, note: c.mirrorNote }
                                                     : { ...c, holds: !c.holds, note: '' })) });
}

const byKey = (a, b) => (a.key === '') - (b.key === '') || (a.key < b.key ? -1 : a.key > b.key ? 1 : 0);
// Rows keep their texts inline (holidays/communes.h): at most so many bytes.
const KEY_BYTES = 8;
const NAME_BYTES = 38;
let text = '// Written by tools/communes/make_communes.mjs from tools/communes/lists/*.tsv; do not edit.\n' +
  '#include "holidays/communes.h"\n\nnamespace vespera::holidays {\nnamespace {\n\n';
for (const list of lists) {
  text += `// ${list.file}: ${list.header[0] ?? ''}\n`;
  const openName = `${list.name}Open`;
  const literal = (note) => (list.open && note === list.open ? openName : cxx(note));
  if (list.open && list.communes.concat(list.districts).some((r) => r.note === list.open)) {
    text += `constexpr std::string_view ${openName} = ${cxx(list.open)};\n`;
  }
  if (list.districts.length) {
    text += `constexpr District ${list.name}Districts[] = {\n`;
    for (const d of list.districts) text += `    {${cxx(d.prefix)}, ${cxx(d.name)}, ${d.holds}, ${literal(d.note)}},\n`;
    text += '};\n';
  }
  // The communes' notes by number, the first one none.
  list.notes = [''];
  for (const c of list.communes) if (!list.notes.includes(c.note)) list.notes.push(c.note);
  if (list.notes.length > 255) fail(list.file, 0, 'more than 255 notes');
  text += `constexpr std::string_view ${list.name}Notes[] = {${list.notes.map(literal).join(', ')}};\n`;
  text += `constexpr Commune ${list.name}Communes[] = {\n`;
  for (const c of [...list.communes].sort(byKey)) {
    if (Buffer.byteLength(c.key) > KEY_BYTES || Buffer.byteLength(c.name) > NAME_BYTES) {
      fail(list.file, 0, `${c.name}: key or name longer than a row holds`);
    }
    text += `    {${cxx(c.key)}, ${cxx(c.name)}, ${c.holds}, ${list.notes.indexOf(c.note)}},\n`;
  }
  text += '};\n\n';
}
text += '} // namespace\n\n';
for (const list of lists) {
  const districts = list.districts.length ? `${list.name}Districts` : '{}';
  text += `const CommuneList ${list.name}{${cxx(list.prefix)}, ${districts}, ${list.name}Communes, ${list.name}Notes,\n` +
    `    ${OTHERS[list.others]}, ${cxx(list.unresolved)}};\n`;
}
text += '\n} // namespace vespera::holidays\n';
writeFileSync(out, text);
console.log(`${out}: ${lists.length} lists, ${lists.reduce((n, l) => n + l.communes.length, 0)} communes`);

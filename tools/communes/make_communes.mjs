// Writes holidays/communes_data.cpp from the commune lists in lists/*.tsv.
// Each list names its law and source in its header; rows are
//   district <prefix> <name> ja|nein
//   commune  <key> <name> ja|nein [note]
// The script checks keys (digits, the state's prefix, no key twice) and sorts
// the communes by key, keyless ones last, as the lookup expects.
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const out = join(here, '..', '..', 'holidays', 'communes_data.cpp');

const cxx = (text) => JSON.stringify(text); // UTF-8 passes through, quotes and backslashes escaped
const fail = (file, line, why) => { throw new Error(`${file}:${line}: ${why}`); };

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
      const [name, prefix, completeness, unresolved] = cells;
      if (!/^k[A-Za-z]+$/.test(name) || !/^\d+$/.test(prefix) || !['complete', 'partial'].includes(completeness) || !unresolved) {
        fail(file, i + 1, 'list: name, key prefix, complete|partial, reason');
      }
      list = { file, header, name, prefix, complete: completeness === 'complete', unresolved, districts: [], communes: [] };
      lists.push(list);
      return;
    }
    if (!list) fail(file, i + 1, 'rows before the list line');
    const holds = cells[2];
    if (holds !== 'ja' && holds !== 'nein') fail(file, i + 1, 'ja or nein');
    if (kind === 'district') {
      const [prefix, name] = cells;
      if (!/^\d+$/.test(prefix) || !prefix.startsWith(list.prefix)) fail(file, i + 1, 'district prefix');
      list.districts.push({ prefix, name, holds: holds === 'ja' });
    } else if (kind === 'commune') {
      const [key, name, , note = ''] = cells;
      if (key !== '' && (!/^\d+$/.test(key) || !key.startsWith(list.prefix))) fail(file, i + 1, `key ${key}`);
      if (!name) fail(file, i + 1, 'name');
      if (key !== '' && list.communes.some((c) => c.key === key)) fail(file, i + 1, `key ${key} twice`);
      list.communes.push({ key, name, holds: holds === 'ja', note });
    } else {
      fail(file, i + 1, `unknown row ${kind}`);
    }
  });
}

const byKey = (a, b) => (a.key === '') - (b.key === '') || (a.key < b.key ? -1 : a.key > b.key ? 1 : 0);
let text = '// Written by tools/communes/make_communes.mjs from tools/communes/lists/*.tsv; do not edit.\n' +
  '#include "holidays/communes.h"\n\nnamespace vespera::holidays {\nnamespace {\n\n';
for (const list of lists) {
  text += `// ${list.file}: ${list.header[0] ?? ''}\n`;
  if (list.districts.length) {
    text += `constexpr District ${list.name}Districts[] = {\n`;
    for (const d of list.districts) text += `    {${cxx(d.prefix)}, ${cxx(d.name)}, ${d.holds}},\n`;
    text += '};\n';
  }
  text += `constexpr Commune ${list.name}Communes[] = {\n`;
  for (const c of [...list.communes].sort(byKey)) {
    text += `    {${cxx(c.key)}, ${cxx(c.name)}, ${c.holds}, ${cxx(c.note)}},\n`;
  }
  text += '};\n\n';
}
text += '} // namespace\n\n';
for (const list of lists) {
  const districts = list.districts.length ? `${list.name}Districts` : '{}';
  text += `const CommuneList ${list.name}{${cxx(list.prefix)}, ${districts}, ${list.name}Communes, ${list.complete},\n` +
    `    ${cxx(list.unresolved)}};\n`;
}
text += '\n} // namespace vespera::holidays\n';
writeFileSync(out, text);
console.log(`${out}: ${lists.length} lists, ${lists.reduce((n, l) => n + l.communes.length, 0)} communes`);

import { readFileSync } from 'node:fs';

// Names compared as the program's search compares them (engine/name_folding):
// case, diacritics, "ß"/"ss", "ae"/"ä" and word separators do not matter.
export function fold(name) {
  return name
    .normalize('NFD')
    .replace(/\p{M}/gu, '')
    .replace(/ß|ẞ/g, 'ss')
    .replace(/[Ææ]/g, 'ae').replace(/[Œœ]/g, 'oe')
    .replace(/[Øø]/g, 'o').replace(/[Łł]/g, 'l').replace(/[Đđ]/g, 'd')
    .toLowerCase()
    .replace(/[.'`’ʻʼ]/g, '')
    .replace(/[\s\-/(),_\u2010-\u2014]+/g, ' ')
    .trim()
    .replace(/([aou])e/g, '$1');
}

// Tab, newline and "|" separate fields and names in the output.
export function usableName(name) {
  return typeof name === 'string' && name !== '' && !/[\t\n\r|]/.test(name) && !name.startsWith('#') &&
    !name.startsWith('@');
}

// The rows of one of this folder's tables: tab-separated, "#" starts a
// comment line. Each row comes with its line's text for messages.
export function tableRows(file, columns, fail) {
  const rows = [];
  for (const [index, line] of readFileSync(file, 'utf8').split('\n').entries()) {
    if (!line || line.startsWith('#')) continue;
    const fields = line.split('\t');
    if (fields.length !== columns) fail(`${file}:${index + 1}: ${fields.length} Spalten statt ${columns}`);
    rows.push({ fields, where: `${file}:${index + 1}: ${JSON.stringify(line)}` });
  }
  return rows;
}

// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the teacher's guide, one HTML page with its pictures inside, from
// guide.html and guide.css: the version, the answers, the worksheet and the
// table of keys are written in from the quiz itself (DESIGN.json, which the
// design program prints from the core's tables and the shared list keys).
//   node make_guide.mjs DESIGN.json PICTURES_DIR OUT.html
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { escape, fill } from '../../app/web/fill.mjs';

const [designPath, pictures, out] = process.argv.slice(2);
if (!out) {
  console.error('usage: make_guide.mjs DESIGN.json PICTURES_DIR OUT.html');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const design = JSON.parse(readFileSync(designPath, 'utf8'));
const picture = (name) => `data:image/png;base64,${readFileSync(join(pictures, name)).toString('base64')}`;
const shown = (temperature) => escape(temperature.trim());

// What each list key does, in words, from where the shared list keys take
// the mark and the selection (design.keys); the row says it too, as data,
// for the test that compares it with the quiz.
function keyRows() {
  const from = design.keysFrom;
  const last = design.names.length - 1;
  const fact = (key) => {
    const found = design.keys.find((k) => k.key === key);
    if (!found) throw new Error(`no key ${key} in the design`);
    return found;
  };
  const target = (f) => {
    if (f.mark === 0) return 'първия ред';
    if (f.mark === last) return 'последния ред';
    if (f.mark === from.mark - 1) return 'предишния ред';
    if (f.mark === from.mark + 1) return 'следващия ред';
    if (f.mark === from.mark - (from.sight - 1)) return 'реда една страница по-нагоре';
    if (f.mark === from.mark + (from.sight - 1)) return 'реда една страница по-надолу';
    throw new Error(`the guide has no words for a key that takes the mark from ${from.mark} to ${f.mark}`);
  };
  const selects = (f) => f.selected === f.mark && f.selected !== from.selected;
  const effect = (f) => (selects(f) ? `Избира ${target(f)}.` : `Премества рамката на ${target(f)}, без да го избира.`);
  const data = (f) => `data-key="${f.key}" data-mark="${f.mark}" data-selected="${f.selected}"`;
  const labels = {
    up: '↑ (стрелка нагоре)',
    down: '↓ (стрелка надолу)',
    home: 'Home',
    end: 'End',
    pageup: 'Page Up',
    pagedown: 'Page Down',
  };
  const rows = Object.entries(labels).map(([key, label]) => {
    const plain = fact(key);
    const control = fact(`^${key}`);
    return `<tr ${data(plain)}><td>${escape(label)}</td><td>${effect(plain)}</td><td ${data(control)}>${effect(control)}</td></tr>`;
  });
  const space = fact('space');
  if (space.selected !== from.mark) throw new Error('the guide says Space selects the marked row');
  rows.push(`<tr ${data(space)}><td>Интервал</td><td>Избира реда с рамката.</td><td>–</td></tr>`);
  const letter = fact('letter');
  if (!selects(letter) || !design.names[letter.mark].startsWith(from.letter)) {
    throw new Error('the guide says a letter selects the next name that starts with it');
  }
  rows.push(
    `<tr ${data(letter)}><td>Буква</td><td>Избира следващото име, което започва с тази буква (например след ` +
      `„${escape(design.names[from.mark])}“ буквата „${escape(from.letter)}“ избира ` +
      `„${escape(design.names[letter.mark])}“).</td><td>–</td></tr>`,
  );
  if (Object.keys(labels).some((key) => fact(key).fromNone !== 0 || fact(`^${key}`).fromNone !== 0)) {
    throw new Error('the guide says every movement key lands on the first row of a list with no mark');
  }
  rows.push(
    '<tr><td colspan="3">В списък, в който още няма рамка, клавишите от горните шест реда отиват на първия ред.</td></tr>',
  );
  return rows.join('\n');
}

const style = readFileSync(join(here, 'guide.css'), 'utf8')
  .replace(/^(\/\* SPDX-[^*]*\*\/\n)+/, '')
  .trimEnd();
const elements = design.names.map((name, i) => ({
  name,
  symbol: design.symbols[i],
  temperature: design.keyTemperatures[i],
}));
const html = fill(
  readFileSync(join(here, 'guide.html'), 'utf8'),
  {
    VERSION: escape(design.version),
    STYLE: style,
    PICTURE_EDITIONS: picture('editions-96dpi.png'),
    PICTURE_WEB: picture('editions-web.png'),
    TABORDER: design.tabOrder.map((name) => `„${escape(name)}“`).join(' → ') + ' („Съобщение“ е полето отдолу)',
    KEYS: keyRows(),
    ANSWERS: elements
      .map((e) => `<tr><td>${escape(e.name)}</td><td>${escape(e.symbol)}</td><td>${shown(e.temperature)}</td></tr>`)
      .join('\n'),
    WORKSHEET_NAMES: design.names.map((name) => `<li>${escape(name)}</li>`).join('\n'),
    WORKSHEET_TEMPERATURES: design.shownTemperatures.map((t) => `<li>${shown(t)}</li>`).join('\n'),
    ANSWER_SHEET: elements.map((e) => `<tr><td>${escape(e.name)}</td><td>${shown(e.temperature)}</td></tr>`).join('\n'),
  },
  'guide.html',
);
writeFileSync(out, html);

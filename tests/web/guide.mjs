// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teacher's guide as the build makes it (build/web/guide), against the
// quiz: its answers and answer sheet are the pairs the in-memory window
// judges right, its worksheet the lists the program shows, in their order;
// each row of its table of keys says what the shared list keys do with
// that key (played on the in-memory window); the tab order is the design's;
// every picture shows and every link leads somewhere in the guide; no word
// mixes Latin and Cyrillic letters (a typing slip the eye misses); and in
// the PDF the worksheet and the answer sheet are each on a page of their
// own, the answer sheet right after the worksheet.
import { execFileSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { build, check, chromium, design, equal, play, run, site } from './support.mjs';

const guide = join(build, 'guide', 'rakovodstvo.html');
const pdf = join(build, 'guide', 'rakovodstvo.pdf');
// The temperature row that is right for a name, by the in-memory window.
const rightRow = (name) => {
  const states = play([...Array(10).keys()].flatMap((row) => [`c0:${name}`, `c1:${row}`, 'r']));
  return [...Array(10).keys()].findIndex((row) => states[3 * row + 1].text.startsWith('Вярно'));
};
const pairs = design.names.map((name, i) => [name, design.temperatures[rightRow(i)].trim()]);

await run('web.guide', async (onClose) => {
  const { page, seen } = await chromium(onClose);
  await page.goto(pathToFileURL(guide).href);
  const read = await page.evaluate(() => {
    const cells = (selector) =>
      [...document.querySelectorAll(`${selector} tbody tr`)].map((tr) =>
        [...tr.children].map((td) => td.textContent.trim()),
      );
    const items = (selector) => [...document.querySelectorAll(selector)].map((li) => li.textContent.trim());
    return {
      answers: cells('#answers table.answers'),
      sheet: cells('#answer-sheet table.answers'),
      left: items('#worksheet .left li'),
      right: items('#worksheet .right li'),
      keys: [...document.querySelectorAll('table.keys [data-key]')].map((cell) => ({
        key: cell.dataset.key,
        mark: Number(cell.dataset.mark),
        selected: Number(cell.dataset.selected),
        text: cell.tagName === 'TR' ? cell.children[1].textContent : cell.textContent,
      })),
      class: document.getElementById('class').textContent,
      pictures: [...document.images].map((img) => ({
        src: img.src.slice(0, 22),
        shown: img.complete && img.naturalWidth > 0,
      })),
      links: [...document.links].map((a) => a.getAttribute('href')),
      ids: [...document.querySelectorAll('[id]')].map((e) => e.id),
      text: document.body.innerText,
    };
  });
  equal(
    read.answers,
    pairs.map(([name, t], i) => [name, design.symbols[i], t]),
    'the answers',
  );
  equal(read.sheet, pairs, 'the answer sheet');
  equal(read.left, design.names, "the worksheet's elements");
  equal(
    read.right,
    design.temperatures.map((t) => t.trim()),
    "the worksheet's temperatures",
  );

  // Each key from a list whose mark is on row 5 with nothing selected (Ctrl
  // and an arrow, six times, from a list with no mark), in sight 4 rows.
  const moves = { letter: '=С' };
  const marked = Array(6).fill('k0:^down');
  check(read.keys.length >= 14, `the table of keys has the list keys (${read.keys.length})`);
  for (const row of read.keys) {
    const state = play([...marked, `k0:${moves[row.key] ?? row.key}`], 4).at(-1);
    const [mark, selected] = [state.marks[0], state.selected[0]];
    equal([row.mark, row.selected], [mark, selected], `the guide's ${row.key}: where the mark and the selection go`);
    const selects = selected === mark && selected >= 0;
    check(
      selects ? /^Избира/.test(row.text) : /без да го избира/.test(row.text),
      `the guide's ${row.key} says "${row.text}", but the key ${selects ? 'selects' : 'only moves the mark'}`,
    );
  }
  check(read.class.includes(design.tabOrder.map((c) => `„${design.spoken[c].name}“`).join(' → ')), 'the tab order');

  equal(
    read.pictures.filter((p) => !p.shown || !p.src.startsWith('data:image/png')),
    [],
    'every picture shows, inside the guide',
  );
  check(read.pictures.length >= 2, 'the guide has its pictures');
  equal(
    read.links.filter((href) => !href.startsWith('#') || !read.ids.includes(href.slice(1))),
    [],
    'every link leads to a part of the guide',
  );
  const mixed = read.text.match(/[\p{L}]*(?:[A-Za-z][\u0400-\u04FF]|[\u0400-\u04FF][A-Za-z])[\p{L}]*/gu) ?? [];
  equal(mixed, [], 'words that mix Latin and Cyrillic letters');
  equal(seen.errors, [], 'errors reported');
  check(existsSync(join(site, 'rakovodstvo.html')), 'the site carries the guide');

  // The PDF: the worksheet and the answer sheet, each on a page of its own.
  const pages = Number(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }).match(/^Pages:\s+(\d+)/m)[1]);
  const text = [...Array(pages).keys()].map((i) =>
    execFileSync('pdftotext', ['-f', String(i + 1), '-l', String(i + 1), '-layout', pdf, '-'], { encoding: 'utf8' }),
  );
  const worksheet = text.findIndex((t) => t.includes('Свържете с линия'));
  check(worksheet > 0, 'the PDF has the worksheet');
  const words = (t) => t.split(/\s+/).filter(Boolean);
  const expectedWorksheet = [...words('Тарсомел: температури на топене Име: Клас:'), ...words('Свържете с линия')];
  check(
    expectedWorksheet.every((w) => words(text[worksheet]).includes(w)),
    'the worksheet page has its heading and instruction',
  );
  for (const [name, t] of pairs)
    check(text[worksheet].includes(name) && text[worksheet].includes(t), `the worksheet has ${name} and ${t}`);
  check(!/Отговори|отговори|Бележки|Когато/.test(text[worksheet]), 'the worksheet page has nothing else');
  const answers = text[worksheet + 1] || '';
  check(answers.includes('температури на топене – отговори'), 'the answer sheet is the page after the worksheet');
  check(!/Свържете|Когато нещо/.test(answers), 'the answer sheet page has nothing else');
  check(!text[worksheet - 1].includes('Свържете'), 'the worksheet starts a page');
});

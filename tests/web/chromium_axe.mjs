// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// axe-core finds nothing wrong with the page, at start, with rows selected
// and played, after a verdict and after a restart, with the focus in each
// control; and the live region: after each verdict and restart it holds the
// shared announcement (the chosen row and the verdict's first line, then
// the paragraph; the restart's words), added once, never focused, drawing
// nothing.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { check, chromium, countAnnouncements, design, equal, onePageUrl, open, play, run } from './support.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

await run('web.chromium_axe', async (onClose) => {
  const { page, seen } = await chromium(onClose);
  await open(page, onePageUrl);
  // Evaluated through the debugging protocol, which the page's policy does
  // not cover: the page itself runs no script but its own.
  await page.evaluate(axeSource);
  await page.evaluate(countAnnouncements);
  const audit = async (when) => {
    const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
    const found = result.violations.map(
      (v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`,
    );
    equal(found, [], `axe-core ${when}`);
    check(result.passes.length > 10, `axe-core ran its rules ${when} (${result.passes.length} passed)`);
  };
  await audit('at start');

  const moves = ['c0:1', 'c1:0', 'c0:3', 'c1:4', 'c1:9', 'c0:0', 'r', 'r', 'c1:5', 'c0:9'];
  const expected = play(moves);
  let count = 0;
  for (const [i, move] of moves.entries()) {
    if (move === 'r') {
      await page.getByRole('button', { name: design.spoken.command.name }).click();
    } else {
      const list = move[1] === '0' ? '#t-names' : '#t-temperatures';
      await page
        .locator(`${list} > [role=option]`)
        .nth(Number(move.slice(3)))
        .click();
    }
    const said = await page.evaluate(() => window.tarsomelSaid);
    if (expected[i].said) {
      count += 1;
      const words = [expected[i].said.first, expected[i].said.rest].filter((part) => part);
      equal(said.length, count, `after ${move}: one announcement more`);
      equal(said[said.length - 1], words, `after ${moves.slice(0, i + 1).join(' ')}: the live region`);
    } else {
      equal(said.length, count, `after ${move}: nothing announced`);
    }
    if (i === 0 || i === 1 || i === 6) await audit(`after ${moves.slice(0, i + 1).join(' ')}`);
  }
  // The second restart is announced again, though its words are the same.
  equal(count, expected.filter((state) => state.said).length, 'every announcement');
  const live = await page.evaluate(() => {
    const region = document.querySelector('[role=status]');
    const r = region.getBoundingClientRect();
    return {
      polite: region.getAttribute('aria-live'),
      area: r.width * r.height,
      focusable: region.tabIndex >= 0 || region.contains(document.activeElement),
    };
  });
  equal(
    live,
    { polite: 'polite', area: 1, focusable: false },
    'the live region: polite, draws nothing, takes no focus',
  );
  for (const key of ['Tab', 'Tab', 'Tab']) {
    await page.keyboard.press(key);
    await audit(
      `with the focus on ${await page.evaluate(() => document.activeElement.id || document.activeElement.tagName)}`,
    );
  }
  equal(seen.errors, [], 'errors reported');
});

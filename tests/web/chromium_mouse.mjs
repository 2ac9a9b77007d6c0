// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole game by mouse in Chromium, in the one-file page opened from disk
// (file://): after every click the message box, the rows and the
// selections are those of the in-memory window playing the same clicks;
// each verdict and restart reaches the live region once, with the shared
// announcement; "Чисти" shows both lists from their first row again; the
// page asks for nothing but itself and breaks no rule of its policy; its
// WebAssembly memory never grows.
import {
  check,
  chromium,
  countAnnouncements,
  design,
  equal,
  onePageUrl,
  open,
  play,
  readPage,
  run,
  samePlay,
} from './support.mjs';
import { keepWasmMemories, wasmMemoryBytes } from './wasm_memory.mjs';

await run('web.chromium_mouse', async (onClose) => {
  const { page, seen } = await chromium(onClose);
  await page.addInitScript(keepWasmMemories);
  await page.addInitScript(() => {
    window.tarsomelViolations = [];
    document.addEventListener('securitypolicyviolation', (e) => window.tarsomelViolations.push(e.violatedDirective));
  });
  await open(page, onePageUrl);
  await page.evaluate(countAnnouncements);
  const memory = () => wasmMemoryBytes(page);
  const memoryAtStart = await memory();
  check(memoryAtStart > 0, 'the WebAssembly memory is seen');
  const start = await page.evaluate(readPage);
  equal(start.text, design.task.replace(/\r\n/g, '\n'), 'the task at start');
  equal(start.names.rows, design.names, 'the names at start');
  equal(start.temperatures.rows, design.temperatures, 'the temperatures at start');
  equal(start.focus, 'textarea', 'the focus at start');

  // Right and wrong pairs in either order, a played row chosen again, a
  // choice changed before the pair, a restart and a whole round after it.
  const moves = [
    'c0:1',
    'c1:0',
    'c1:5',
    'c0:9',
    'c0:0',
    'c0:2',
    'c1:7',
    'c0:1',
    'c1:9',
    'c1:1',
    'c0:4',
    'c0:8',
    'c1:6',
    'r',
    'c0:3',
    'c1:9',
    'c0:5',
    'c1:8',
    'c0:7',
    'c1:7',
    'c0:6',
    'c1:4',
    'c0:0',
    'c1:1',
    'c0:9',
    'c1:5',
    'c0:8',
    'c1:6',
    'c0:2',
    'c1:3',
    'c0:4',
    'c1:2',
    'c0:1',
    'c1:0',
  ];
  const expected = play(moves);
  let said = 0;
  for (const [i, move] of moves.entries()) {
    if (move === 'r') {
      // The lists are scrolled away from their top first.
      await page.locator('#t-names > [role=option]').nth(9).scrollIntoViewIfNeeded();
      await page.locator('#t-temperatures > [role=option]').nth(9).scrollIntoViewIfNeeded();
      await page.getByRole('button', { name: design.spoken.command.name }).click();
    } else {
      const list = move[1] === '0' ? '#t-names' : '#t-temperatures';
      await page
        .locator(`${list} > [role=option]`)
        .nth(Number(move.slice(3)))
        .click();
    }
    const shown = await page.evaluate(readPage);
    samePlay(shown, expected[i], `after ${moves.slice(0, i + 1).join(' ')}`);
    const announced = await page.evaluate(() => window.tarsomelSaid);
    if (expected[i].said) {
      said += 1;
      const words = [expected[i].said.first, expected[i].said.rest].filter((part) => part);
      equal(shown.live, words, `after ${move}: the live region`);
    }
    equal(announced.length, said, `after ${moves.slice(0, i + 1).join(' ')}: announcements so far`);
    if (move === 'r') {
      equal(
        [shown.names.scrollTop, shown.temperatures.scrollTop],
        [0, 0],
        'both lists from their first row after "Чисти"',
      );
      equal([shown.names.mark, shown.temperatures.mark], [-1, -1], 'no focus mark after "Чисти"');
    }
  }
  const verdicts = expected.filter((state) => state.said).map((state) => state.text.split('\r\n')[0]);
  check(
    verdicts.filter((v) => v.startsWith('Вярно')).length >= 10 &&
      verdicts.filter((v) => v.startsWith('Грешен')).length >= 3 &&
      verdicts.includes(''),
    `the game had right pairs, wrong pairs and a restart: ${verdicts.join(' | ')}`,
  );
  // The quiz keeps to the WebAssembly memory it starts with.
  equal(await memory(), memoryAtStart, 'the WebAssembly memory after the game');
  equal(seen.requests, [onePageUrl], 'the page asked for itself alone');
  equal(seen.errors, [], 'errors reported');
  equal(await page.evaluate(() => window.tarsomelViolations), [], "breaches of the page's policy");
  const csp = await page.evaluate(() => document.querySelector('meta[http-equiv=Content-Security-Policy]').content);
  check(
    /default-src 'none'/.test(csp) && !/https?:|\*/.test(csp),
    `a policy that allows nothing from elsewhere: ${csp}`,
  );
});

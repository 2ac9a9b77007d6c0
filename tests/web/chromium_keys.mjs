// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game by keyboard alone in Chromium, with every list key: Tab from the
// message box to the names, the temperatures and "Чисти" (and back with
// Shift+Tab); arrows, Home, End, Page Up and Page Down select at once, with
// Ctrl they move the focus mark alone, Space selects the marked row, a
// letter jumps to a name. After every key the page is compared with the
// in-memory window given the same keys through the shared list-key rules,
// focus marks included; "Чисти" is pressed with Space and with Enter.
// Then, on the page opened again, a long run of keys in one list (each key
// reaches the program as text, so a key that kept any of the program's
// memory would soon show) and a pair after it, against the model.
import { check, chromium, design, equal, onePageUrl, open, play, readPage, run, samePlay } from './support.mjs';

// Playwright's name of each key, and the model's.
const keys = {
  ArrowDown: 'down',
  ArrowUp: 'up',
  Home: 'home',
  End: 'end',
  PageDown: 'pagedown',
  PageUp: 'pageup',
  Space: 'space',
};
const modelKey = (key) => {
  const control = key.startsWith('Control+');
  const bare = control ? key.slice(8) : key;
  return (control ? '^' : '') + (keys[bare] || `=${bare}`);
};

await run('web.chromium_keys', async (onClose) => {
  const { page, seen } = await chromium(onClose);
  await open(page, onePageUrl);
  const sight = await page.evaluate(() => {
    const list = document.getElementById('t-names');
    return Math.floor(list.clientHeight / list.firstElementChild.offsetHeight);
  });
  equal((await page.evaluate(readPage)).focus, 'textarea', 'the focus at start');

  // [focus move, key] steps; a focus move is Tab or Shift+Tab and is
  // checked against the design's tab order.
  const order = design.tabOrder;
  const ids = { text: 'textarea', names: 't-names', temperatures: 't-temperatures', command: 'button' };
  let at = 0;
  const moves = [];
  const steps = [
    'Tab',
    'ArrowDown',
    'ArrowDown',
    'Tab',
    'ArrowDown', // Хелий with -272°C: right
    'ArrowDown',
    'End',
    'Home',
    'Control+ArrowDown',
    'Control+ArrowDown',
    'Control+End',
    'Control+Home',
    'Control+PageDown',
    'Control+PageUp',
    'Space', // marks alone, then Space
    'Shift+Tab',
    'Control+ArrowDown',
    'Space', // Водород with -249°C: wrong
    'PageDown',
    'PageUp',
    'PageDown',
    'ArrowUp',
    'Tab',
    'End', // the last temperature: a pair
    'Shift+Tab',
    'к',
    'к',
    'К',
    'Tab',
    'Home', // letters jump among names
    'Shift+Tab',
    'с',
    'Tab',
    'Control+ArrowDown',
    'Control+ArrowDown',
    'Space',
    'Tab',
    'Space', // "Чисти" with Space
    'Shift+Tab',
    'Shift+Tab',
    'ArrowDown',
    'Tab',
    'ArrowUp',
    'Tab',
    'Enter', // "Чисти" with Enter
    'Shift+Tab',
    'Shift+Tab',
    'Shift+Tab',
    'Tab',
    'Control+Space',
    'ArrowDown',
    'ж',
    'ArrowUp',
  ];
  const stepsWithMoves = [];
  for (const step of steps) {
    if (step === 'Tab' || step === 'Shift+Tab') {
      at = (at + (step === 'Tab' ? 1 : order.length - 1)) % order.length;
      stepsWithMoves.push({ step, focus: ids[order[at]] });
      continue;
    }
    const list = order[at] === 'names' ? 0 : order[at] === 'temperatures' ? 1 : null;
    const move = list === null ? 'r' : `k${list}:${modelKey(step)}`;
    if (list !== null || step === 'Space' || step === 'Enter') moves.push(move);
    stepsWithMoves.push({ step, move, focus: ids[order[at]] });
  }
  const expected = play(moves, sight);
  // A letter as a Bulgarian keyboard types it: Playwright knows the keys of
  // a US layout only.
  const cdp = await page.context().newCDPSession(page);
  const press = async (step) => {
    if ([...step].length === 1 && step !== ' ') {
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: step, text: step, unmodifiedText: step });
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: step });
      return;
    }
    await page.keyboard.press(step);
  };
  let m = 0;
  const done = [];
  for (const { step, move, focus } of stepsWithMoves) {
    await press(step === 'Space' ? ' ' : step === 'Control+Space' ? 'Control+ ' : step);
    done.push(step);
    const shown = await page.evaluate(readPage);
    equal(shown.focus, focus, `after ${done.join(' ')}: the focus`);
    if (!move) continue;
    const state = expected[m++];
    samePlay(shown, state, `after ${done.join(' ')}`);
    equal([shown.names.mark, shown.temperatures.mark], state.marks, `after ${done.join(' ')}: the focus marks`);
  }
  equal(m, moves.length, 'every key played');
  // The game had what it was meant to have.
  const verdicts = expected.filter((state) => state.said).map((state) => state.text.split('\r\n')[0]);
  equal(verdicts.filter((v) => v === '').length, 2, `two restarts among ${verdicts.join(' | ')}`);
  equal(
    verdicts.filter((v) => v.startsWith('Вярно')).length >= 1 &&
      verdicts.filter((v) => v.startsWith('Грешен')).length >= 2,
    true,
    `right and wrong pairs among ${verdicts.join(' | ')}`,
  );

  await open(page, onePageUrl);
  const long = ['ArrowDown', 'Control+ArrowUp', 'End', 'Control+Home', 'PageDown', 'ArrowUp', 'Space', 'Home'];
  const longMoves = [];
  await page.keyboard.press('Tab');
  for (let i = 0; i < 3000; ++i) {
    const key = long[i % long.length];
    await page.keyboard.press(key === 'Space' ? ' ' : key);
    longMoves.push(`k0:${modelKey(key)}`);
  }
  await page.keyboard.press('Tab');
  await page.keyboard.press('ArrowDown');
  longMoves.push('k1:down');
  const after = play(longMoves, sight).at(-1);
  const shown = await page.evaluate(readPage);
  samePlay(shown, after, `a pair after ${longMoves.length - 1} keys`);
  check(after.said && after.text !== '', `the model judged the pair after the keys: ${after.text}`);
  equal(seen.errors, [], 'errors reported');
});

// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game by touch on a phone's screen, 360×640 CSS pixels, in Chromium: the
// whole client area scaled down to the screen's width, its proportions
// kept, nothing to scroll sideways, the lists still inline list boxes; taps
// on rows and on "Чисти" play as clicks do, compared with the in-memory
// window; the page turned sideways and upright again fits each time, in
// the frames after the turn.
import {
  check,
  chromium,
  design,
  equal,
  near,
  onePageUrl,
  open,
  play,
  readPage,
  resize,
  run,
  samePlay,
} from './support.mjs';

await run('web.chromium_touch', async (onClose) => {
  const { page, seen } = await chromium(onClose, {
    viewport: { width: 360, height: 640 },
    hasTouch: true,
    isMobile: true,
    deviceScaleFactor: 2,
  });
  await open(page, onePageUrl);
  const fit = async () =>
    page.evaluate(() => {
      const client = document.querySelector('.t-client').getBoundingClientRect();
      const names = document.getElementById('t-names').getBoundingClientRect();
      return {
        client: [client.left, client.top, client.width, client.height],
        names: [names.left, names.width],
        viewport: [window.innerWidth, window.innerHeight],
        scrollWidth: document.documentElement.scrollWidth,
        roles: [...document.querySelectorAll('[role=listbox]')].map((list) => list.id),
      };
    });
  let shown = await fit();
  const { width, height } = design.client;
  near(shown.client[2], 360, 1, 'the client area as wide as the phone');
  near(shown.client[2] / shown.client[3], width / height, 0.01, "the client area's proportions");
  check(shown.client[0] >= -0.5, `the client area starts on the screen: ${shown.client}`);
  check(
    shown.scrollWidth <= shown.viewport[0],
    `nothing to scroll sideways: ${shown.scrollWidth} > ${shown.viewport[0]}`,
  );
  near(shown.names[1], (design.controls.names.width * 360) / width, 1, 'the names list scaled with the rest');
  equal(shown.roles, ['t-names', 't-temperatures'], 'the lists are list boxes');

  const moves = ['c0:1', 'c1:0', 'c1:3', 'c0:6', 'c0:9', 'c1:5', 'r', 'c1:9', 'c0:3'];
  const expected = play(moves);
  for (const [i, move] of moves.entries()) {
    if (move === 'r') {
      await page.getByRole('button', { name: design.spoken.command.name }).tap();
    } else {
      const list = move[1] === '0' ? '#t-names' : '#t-temperatures';
      await page
        .locator(`${list} > [role=option]`)
        .nth(Number(move.slice(3)))
        .tap();
    }
    samePlay(await page.evaluate(readPage), expected[i], `after the taps ${moves.slice(0, i + 1).join(' ')}`);
  }

  // Sideways: the height is what limits now.
  await resize(page, 640, 300);
  shown = await fit();
  near(shown.client[3], 300, 1, 'turned sideways, the client area as high as the screen');
  near(shown.client[2] / shown.client[3], width / height, 0.01, 'turned sideways, the proportions');
  near(shown.client[0] + shown.client[2] / 2, 320, 1, 'turned sideways, centred');
  // And upright again: the width limits once more.
  await resize(page, 360, 640);
  shown = await fit();
  near(shown.client[2], 360, 1, 'upright again, the client area as wide as the phone');
  check(shown.scrollWidth <= shown.viewport[0], `upright again, nothing to scroll sideways: ${shown.scrollWidth}`);
  equal(seen.errors, [], 'errors reported');
});

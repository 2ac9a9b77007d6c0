// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A short game in Firefox ESR, driven over WebDriver BiDi, in the one-file
// page from file://: a right pair, a wrong pair by keyboard, a restart,
// each compared with the in-memory window, the live region included; the
// page laid out as the design says.
import puppeteer from 'puppeteer-core';
import { design, equal, near, onePageUrl, play, quizReady, readPage, run, samePlay, scratch } from './support.mjs';

await run('web.firefox', async (onClose) => {
  const profile = scratch('tarsomel-firefox-');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    userDataDir: profile.dir,
    extraPrefsFirefox: {
      'network.proxy.type': 0,
      'browser.shell.checkDefaultBrowser': false,
      'app.update.enabled': false,
    },
  });
  onClose(async () => {
    await browser.close();
    profile.remove();
  });
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.setViewport({ width: 800, height: 600 });
  await page.goto(onePageUrl);
  await page.waitForFunction(quizReady);
  equal((await page.evaluate(readPage)).focus, 'textarea', 'the focus at start');
  const names = await page.evaluate(() => {
    const c = document.querySelector('.t-client').getBoundingClientRect();
    const r = document.getElementById('t-names').getBoundingClientRect();
    return [r.left - c.left, r.top - c.top, r.width, r.height];
  });
  const want = design.controls.names;
  [want.left, want.top, want.width, want.height].forEach((v, i) =>
    near(names[i], v, 1, `the names list's place (${i})`),
  );

  const moves = ['c0:1', 'c1:0', 'k0:down', 'k1:end', 'r'];
  const expected = play(moves, 7);
  await page.click('#t-names > [role=option]:nth-child(2)');
  samePlay(await page.evaluate(readPage), expected[0], 'after a name');
  await page.click('#t-temperatures > [role=option]:nth-child(1)');
  let shown = await page.evaluate(readPage);
  samePlay(shown, expected[1], 'after a right pair');
  equal(shown.live, [expected[1].said.first, expected[1].said.rest], 'the live region after a right pair');
  await page.focus('#t-names');
  await page.keyboard.press('ArrowDown');
  samePlay(await page.evaluate(readPage), expected[2], 'after Down in the names');
  await page.focus('#t-temperatures');
  await page.keyboard.press('End');
  shown = await page.evaluate(readPage);
  samePlay(shown, expected[3], 'after End in the temperatures: a wrong pair');
  equal(shown.live, [expected[3].said.first], 'the live region after a wrong pair');
  await page.focus('button');
  await page.keyboard.press('Enter');
  shown = await page.evaluate(readPage);
  samePlay(shown, expected[4], 'after "Чисти"');
  equal(shown.live, [design.restartSpoken], 'the live region after "Чисти"');
  equal(errors, [], 'errors reported');
});

// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The WebKit half of webkit.sh: through WebKitWebDriver (its address is the
// second argument), the one-file page from file:// in MiniBrowser, a short
// game: a right pair, a wrong pair by keyboard, a restart, each compared
// with the in-memory window, the live region included.
import { Builder, By, Key } from 'selenium-webdriver';
import { design, equal, near, onePageUrl, play, quizReady, readPage, run, samePlay } from './support.mjs';

const server = process.argv[3];

await run('web.webkit', async (onClose) => {
  const driver = await new Builder()
    .usingServer(server)
    .withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': {
        binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
        args: ['--automation'],
      },
    })
    .build();
  onClose(() => driver.quit());
  await driver.get(onePageUrl);
  await driver.wait(async () => driver.executeScript(quizReady), 20000);
  const read = () => driver.executeScript(`return (${readPage.toString()})()`);
  equal((await read()).focus, 'textarea', 'the focus at start');
  const names = await driver.executeScript(() => {
    const c = document.querySelector('.t-client').getBoundingClientRect();
    const r = document.getElementById('t-names').getBoundingClientRect();
    return [r.left - c.left, r.top - c.top, r.width, r.height, c.width, c.height];
  });
  const want = design.controls.names;
  [want.left, want.top, want.width, want.height, design.client.width, design.client.height].forEach((v, i) =>
    near(names[i], v, 1, `the names list's and the client area's place (${i})`),
  );

  const moves = ['c0:1', 'c1:0', 'k0:down', 'k1:end', 'r'];
  const expected = play(moves, 7);
  const row = (list, index) => driver.findElement(By.css(`#${list} > [role=option]:nth-child(${index + 1})`));
  await row('t-names', 1).click();
  samePlay(await read(), expected[0], 'after a name');
  await row('t-temperatures', 0).click();
  let shown = await read();
  samePlay(shown, expected[1], 'after a right pair');
  equal(shown.live, [expected[1].said.first, expected[1].said.rest], 'the live region after a right pair');
  await driver.executeScript(() => document.getElementById('t-names').focus());
  await driver.actions().sendKeys(Key.ARROW_DOWN).perform();
  samePlay(await read(), expected[2], 'after Down in the names');
  await driver.executeScript(() => document.getElementById('t-temperatures').focus());
  await driver.actions().sendKeys(Key.END).perform();
  shown = await read();
  samePlay(shown, expected[3], 'after End in the temperatures: a wrong pair');
  equal(shown.live, [expected[3].said.first], 'the live region after a wrong pair');
  await driver.executeScript(() => document.querySelector('button').focus());
  await driver.actions().sendKeys(Key.SPACE).perform();
  shown = await read();
  samePlay(shown, expected[4], 'after "Чисти"');
  equal(shown.live, [design.restartSpoken], 'the live region after "Чисти"');
});

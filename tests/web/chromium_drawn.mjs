// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as it is drawn before any script runs, in Chromium: with
// JavaScript off, the one-file page and the site's page show the quiz as it
// stands at the start (the design's rows, the task, every name and
// description) with one line in Bulgarian saying it needs JavaScript, and
// the one-file page carries the program's WebAssembly byte for byte; with
// it on, when the program has taken over, nothing has moved: every control
// and label within 1 CSS pixel of where the page drew it; and with its
// WebAssembly not to be had, each page says in a line, read out, that the
// program could not start.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import {
  check,
  chromium,
  design,
  equal,
  near,
  onePageUrl,
  open,
  readPage,
  run,
  scratch,
  serve,
  site,
} from './support.mjs';

// Where each control and label is, and what the page shows.
const drawn = () => {
  const box = (element) => {
    const r = element.getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height };
  };
  const client = document.querySelector('.t-client');
  const labels = [...client.querySelectorAll('.t-label')];
  return {
    client: box(client),
    places: {
      label0: box(labels[0]),
      label1: box(labels[1]),
      label2: box(labels[2]),
      names: box(document.getElementById('t-names')),
      temperatures: box(document.getElementById('t-temperatures')),
      command: box(document.querySelector('button')),
      text: box(document.querySelector('textarea')),
    },
    spoken: [...document.querySelectorAll('[role=option]')].map((row) => row.lastElementChild.textContent),
    names: ['text', 'names', 'temperatures', 'command'].map((c) => {
      const e = { text: 'textarea', names: '#t-names', temperatures: '#t-temperatures', command: 'button' }[c];
      const element = document.querySelector(e);
      return [
        element.getAttribute('aria-label'),
        document.getElementById(element.getAttribute('aria-describedby')).textContent,
      ];
    }),
    noscript: [...document.querySelectorAll('noscript > .t-noscript')].map((p) => ({
      text: p.textContent,
      shown: p.getBoundingClientRect().height > 0,
    })),
    cannotStart: [...document.querySelectorAll('#t-cannot-start')].map((p) => ({
      text: p.textContent,
      role: p.getAttribute('role'),
      shown: p.getBoundingClientRect().height > 0,
    })),
  };
};

await run('web.chromium_drawn', async (onClose) => {
  const server = await serve(onClose, site);
  for (const [what, url] of [
    ['the one-file page', onePageUrl],
    ["the site's page", `${server.url}index.html`],
  ]) {
    // JavaScript off: the quiz as it stands at the start.
    const off = await chromium(onClose, { javaScriptEnabled: false });
    await off.page.goto(url);
    const before = await off.page.evaluate(drawn);
    const shown = await off.page.evaluate(readPage);
    equal(
      [shown.names.rows, shown.temperatures.rows],
      [design.names, design.temperatures],
      `${what}, no script: the rows`,
    );
    equal(shown.text, design.task.replace(/\r\n/g, '\n'), `${what}, no script: the task in the message box`);
    equal(
      before.names,
      design.tabOrder.map((c) => [design.spoken[c].name, design.spoken[c].description]),
      `${what}, no script: the names and descriptions`,
    );
    equal(before.noscript.length, 1, `${what}, no script: one line about JavaScript`);
    equal(
      before.cannotStart.map((p) => p.shown),
      [false],
      `${what}, no script: the line for a program that cannot start is there, not shown`,
    );
    check(
      before.noscript[0].shown && /JavaScript/.test(before.noscript[0].text),
      `${what}, no script: the line is shown`,
    );
    if (what === 'the one-file page') {
      // The WebAssembly in its block, as the browser's parser gives it, is
      // the program's file, byte for byte.
      const carried = await off.page.evaluate(() =>
        Array.from(document.getElementById('t-wasm').textContent, (c) => c.charCodeAt(0) & 0xff),
      );
      check(
        Buffer.from(carried).equals(readFileSync(join(site, 'tarsomel.wasm'))),
        'the one-file page carries the WebAssembly whole',
      );
      if (process.env.TARSOMEL_PICTURE) {
        writeFileSync(join(process.env.TARSOMEL_PICTURE, 'no-script.png'), await off.page.screenshot());
      }
    }

    // JavaScript on: taken over, nothing moved.
    const on = await chromium(onClose);
    await open(on.page, url);
    const after = await on.page.evaluate(drawn);
    equal(after.noscript, [], `${what}: no line about JavaScript when it runs`);
    equal(
      after.cannotStart.map((p) => p.shown),
      [false],
      `${what}: no line for a program that cannot start when it has started`,
    );
    equal(after.spoken, before.spoken, `${what}: the rows read as they were drawn`);
    for (const name of ['client', ...Object.keys(before.places)]) {
      const [b, a] = name === 'client' ? [before.client, after.client] : [before.places[name], after.places[name]];
      for (const side of ['left', 'top', 'width', 'height']) near(a[side], b[side], 1, `${what}: ${name}'s ${side}`);
    }
    for (const [name, place] of Object.entries(design.controls)) {
      near(after.places[name].width, place.width, 1, `${what}: ${name}'s width as the design has it`);
    }
    if (what === 'the one-file page' && process.env.TARSOMEL_PICTURE) {
      writeFileSync(join(process.env.TARSOMEL_PICTURE, 'started.png'), await on.page.screenshot());
    }
    equal(on.seen.errors, [], `${what}: errors reported`);

    // Its WebAssembly not to be had: the page says so, and a screen reader
    // is told, instead of showing a quiz that answers nothing. The one-file
    // page's block not WebAssembly, or not even bytes (a character above
    // U+00FF, as a page read in another character set gives it); the site's
    // file not there.
    const cases = [];
    if (what === 'the one-file page') {
      const copy = scratch('tarsomel-broken-');
      onClose(() => copy.remove());
      const page = readFileSync(new URL(onePageUrl), 'utf8');
      const block = /(<script type="application\/x-tarsomel-wasm" id="t-wasm">)[^<]*(<\/script>)/;
      check(block.test(page), 'the one-file page has its WebAssembly block');
      for (const [name, text] of [
        ['not WebAssembly', 'not WebAssembly'],
        ['not bytes', '\u0412'],
      ]) {
        const file = join(copy.dir, `${name.replace(' ', '-')}.html`);
        writeFileSync(file, page.replace(block, `$1${text}$2`));
        cases.push([name, pathToFileURL(file).href]);
      }
    } else {
      cases.push(['not there', url]);
    }
    for (const [name, brokenUrl] of cases) {
      const broken = await chromium(onClose);
      await broken.context.route('**/tarsomel.wasm', (route) => route.fulfill({ status: 404, body: '' }));
      await broken.page.goto(brokenUrl);
      await broken.page.waitForFunction(() => !document.getElementById('t-cannot-start').hidden, null, {
        timeout: 20000,
      });
      equal(
        (await broken.page.evaluate(drawn)).cannotStart,
        [{ text: design.cannotStart, role: 'alert', shown: true }],
        `${what}, its WebAssembly ${name}: the line saying the program cannot start`,
      );
    }
  }
});

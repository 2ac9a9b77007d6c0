// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared by the browser tests: the build's pages, the design and the
// in-memory window (tests/web/model.cpp, run under node), Chromium with a
// private profile, a web server on 127.0.0.1 that notes every request,
// what the page shows read from its elements, and how a check fails.
import { execFileSync } from 'node:child_process';
import { createReadStream, mkdtempSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';

export const build = process.argv[2];
if (!build) {
  console.error("usage: node TEST.mjs BUILD_DIR (the web preset's build folder)");
  process.exit(2);
}
export const onePage = join(build, 'tarsomel.html');
export const onePageUrl = pathToFileURL(onePage).href;
export const site = join(build, 'site');

const modelJs = join(build, 'tests', 'web', 'web_model.js');
const runModel = (args) =>
  JSON.parse(
    execFileSync('node', ['--no-experimental-fetch', modelJs, ...args], { encoding: 'utf8', maxBuffer: 1 << 24 }),
  );
export const design = runModel(['design']);
// The in-memory window after each move (see model.cpp).
export const play = (moves, sight = 1) => runModel(['play', '--sight', String(sight), ...moves]);

// ---- Failing ----------------------------------------------------------------
let checks = 0;
export function check(ok, what) {
  checks += 1;
  if (!ok) throw new Error(`FAIL: ${what}`);
}
export function equal(actual, expected, what) {
  check(
    JSON.stringify(actual) === JSON.stringify(expected),
    `${what}\n  expected: ${JSON.stringify(expected)}\n  actual:   ${JSON.stringify(actual)}`,
  );
}
export function near(actual, expected, tolerance, what) {
  check(Math.abs(actual - expected) <= tolerance, `${what}: ${actual}, expected ${expected} ± ${tolerance}`);
}

// Runs the test body with what it needs closed afterwards, whatever
// happens; prints the count the way CTest's readers expect.
export async function run(name, body) {
  const closers = [];
  let status = 0;
  try {
    await body((close) => closers.push(close));
    console.log(`${name}: ${checks} checks`);
    console.log('1 passed, 0 failed');
  } catch (error) {
    console.error(error.message || error);
    if (error.stack && !String(error.message).startsWith('FAIL')) console.error(error.stack);
    console.log('0 passed, 1 failed');
    status = 1;
  }
  for (const close of closers.reverse()) {
    try {
      await close();
    } catch (error) {
      console.error(`while closing: ${error.message}`);
    }
  }
  process.exit(status);
}

export function scratch(prefix) {
  const dir = mkdtempSync(join(tmpdir(), prefix));
  return { dir, remove: () => rmSync(dir, { recursive: true, force: true }) };
}

// ---- Chromium -----------------------------------------------------------------
// Debian's own, with a fresh profile, none of its background services and
// nothing that reaches out to the network by itself.
export const chromiumArgs = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--no-first-run',
  '--disable-quic',
  '--disable-default-apps',
  '--disable-extensions',
  '--no-default-browser-check',
];

export async function chromium(onClose, options = {}) {
  const { chromium: driver } = await import('playwright-core');
  const profile = scratch('tarsomel-chromium-');
  const context = await driver.launchPersistentContext(profile.dir, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [...chromiumArgs, ...(options.args || [])],
    // Headless, the driver hides scroll bars; a desktop's take room.
    ignoreDefaultArgs: options.scrollBars ? ['--hide-scrollbars'] : [],
    viewport: options.viewport || { width: 800, height: 600 },
    hasTouch: !!options.hasTouch,
    isMobile: !!options.isMobile,
    deviceScaleFactor: options.deviceScaleFactor || 1,
    locale: 'bg-BG',
    permissions: options.permissions || [],
    javaScriptEnabled: options.javaScriptEnabled ?? true,
  });
  onClose(async () => {
    await context.close();
    profile.remove();
  });
  const page = context.pages()[0] || (await context.newPage());
  const seen = watch(page);
  return { context, page, seen };
}

// Every request the page makes, every error it reports and every breach of
// its Content-Security-Policy.
export function watch(page) {
  const seen = { requests: [], errors: [] };
  page.on('request', (request) => seen.requests.push(request.url()));
  page.on('pageerror', (error) => seen.errors.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') seen.errors.push(`console: ${message.text()}`);
  });
  return seen;
}

// Whether the program has taken over the window the page drew and the
// focus is where the page starts it (the browser gives it on its first
// frame), in the page.
export const quizReady = () =>
  !!document.querySelector('main[data-ready]') &&
  document.querySelectorAll('#t-temperatures > [role=option]').length === 10 &&
  !!document.activeElement &&
  document.activeElement !== document.body;

// Opens the page and waits for the program to take over the quiz.
export async function open(page, url) {
  await page.goto(url);
  await page.waitForFunction(quizReady, null, { timeout: 20000 });
}

// Gives the page a new size and waits until the page has it (bounded) and
// two frames have gone by: the one whose resize event the page fits in and
// the next, which the page may fit again in.
export async function resize(page, width, height) {
  await page.setViewportSize({ width, height });
  await page.waitForFunction(([w, h]) => window.innerWidth === w && window.innerHeight === h, [width, height], {
    timeout: 10000,
  });
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
}

// ---- A web server on 127.0.0.1 -----------------------------------------------
const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
  '.xml': 'application/xml',
};

export async function serve(onClose, root) {
  const requests = [];
  const server = createServer((request, response) => {
    requests.push(request.url);
    const path = normalize(join(root, decodeURIComponent(new URL(request.url, 'http://x').pathname)));
    let file = path.endsWith('/') ? join(path, 'index.html') : path;
    try {
      if (!file.startsWith(root) || !statSync(file).isFile()) throw new Error('no file');
    } catch {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-cache',
    });
    createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  onClose(
    () =>
      new Promise((resolve) => {
        server.closeAllConnections();
        server.close(resolve);
      }),
  );
  return { url: `http://127.0.0.1:${server.address().port}/`, requests };
}

// ---- What the page shows ------------------------------------------------------
// Runs in the page: the rows as shown (the shown part of each row), the
// selection and the focus mark of each list, the message box and the live
// region's parts.
export const readPage = () => {
  const list = (id) => {
    const element = document.getElementById(id);
    const rows = [...element.children].filter((row) => row.getAttribute('role') === 'option');
    const active = element.getAttribute('aria-activedescendant');
    return {
      rows: rows.map((row) => row.firstElementChild.textContent),
      selected: rows.findIndex((row) => row.getAttribute('aria-selected') === 'true'),
      mark: active ? rows.findIndex((row) => row.id === active) : -1,
      scrollTop: element.scrollTop,
    };
  };
  const box = document.querySelector('textarea');
  const live = document.querySelector('[role=status]');
  return {
    names: list('t-names'),
    temperatures: list('t-temperatures'),
    text: box.value,
    boxScrollTop: box.scrollTop,
    caret: [box.selectionStart, box.selectionEnd],
    live: [...live.querySelectorAll('p')].map((p) => p.textContent),
    focus: document.activeElement ? document.activeElement.id || document.activeElement.tagName.toLowerCase() : null,
  };
};

// The page against the in-memory window after the same move.
export function samePlay(shown, expected, what) {
  equal(shown.text, expected.text.replace(/\r\n/g, '\n'), `${what}: the message box`);
  equal(shown.names.rows, expected.names, `${what}: the names`);
  equal(shown.temperatures.rows, expected.temperatures, `${what}: the temperatures`);
  equal([shown.names.selected, shown.temperatures.selected], expected.selected, `${what}: the selections`);
}

// Installs, in the page, a count of what is added to the live region.
export const countAnnouncements = () => {
  window.tarsomelSaid = [];
  const live = document.querySelector('[role=status]');
  new MutationObserver((records) => {
    for (const record of records) {
      for (const node of record.addedNodes)
        window.tarsomelSaid.push([...node.querySelectorAll('p')].map((p) => p.textContent));
    }
  }).observe(live, { childList: true });
};

// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site (build/web/site) over a web server on 127.0.0.1 in Chromium: the
// quiz plays; the page asks only for the site's own files, and for its
// WebAssembly once, beside its script; the web app manifest is the one an
// installable app needs, with the program's icons;
// the service worker keeps the site, so that once visited it opens and
// plays with the server gone; and the site's zip holds exactly the site.
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { check, chromium, design, equal, open, play, readPage, run, samePlay, serve, site, build } from './support.mjs';

const files = (dir, prefix = '') =>
  readdirSync(dir, { withFileTypes: true })
    .flatMap((entry) =>
      entry.isDirectory() ? files(join(dir, entry.name), `${prefix}${entry.name}/`) : [`${prefix}${entry.name}`],
    )
    .sort();

await run('web.chromium_site', async (onClose) => {
  const server = await serve(onClose, site);
  const { page, context, seen } = await chromium(onClose);
  await open(page, `${server.url}index.html`);
  const moves = ['c0:1', 'c1:0', 'c0:4', 'c1:2'];
  const expected = play(moves);
  for (const [i, move] of moves.entries()) {
    const list = move[1] === '0' ? '#t-names' : '#t-temperatures';
    await page
      .locator(`${list} > [role=option]`)
      .nth(Number(move.slice(3)))
      .click();
    samePlay(await page.evaluate(readPage), expected[i], `after ${moves.slice(0, i + 1).join(' ')}`);
  }
  equal(await page.title(), design.caption.replace(/\s+/g, ' '), 'the title');

  // The WebAssembly is asked for once, while the script is still coming.
  const loads = await page.evaluate(() =>
    performance
      .getEntriesByType('resource')
      .map((entry) => [new URL(entry.name).pathname, entry.startTime, entry.responseEnd]),
  );
  const wasm = loads.filter(([path]) => path.endsWith('/tarsomel.wasm'));
  const script = loads.find(([path]) => path.endsWith('/tarsomel.js'));
  equal(wasm.length, 1, 'the WebAssembly asked for once');
  check(
    script && wasm[0][1] < script[2],
    `the WebAssembly asked for before the script had come: ${JSON.stringify(loads)}`,
  );

  // The manifest an installable app needs.
  const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
  equal(
    [manifest.display, manifest.start_url, manifest.lang],
    ['standalone', './index.html', 'bg'],
    "the manifest's display, start and language",
  );
  check(manifest.name && manifest.short_name, 'the manifest names the app');
  const hex = (rgb) => `#${rgb.map((v) => v.toString(16).padStart(2, '0')).join('')}`;
  equal(
    [manifest.theme_color, manifest.background_color],
    [hex(design.colours.window), hex(design.colours.window)],
    "the manifest's colours",
  );
  for (const size of [192, 512]) {
    const icon = manifest.icons.find((i) => i.sizes === `${size}x${size}`);
    check(icon, `an icon of ${size}×${size}`);
    equal(
      readFileSync(join(site, icon.src)).equals(
        readFileSync(join(build, '..', '..', 'ui', 'icons', `tarsomel-${size}.png`)),
      ),
      true,
      `the ${size}×${size} icon is the program's`,
    );
  }
  equal(
    await page.evaluate(() => document.querySelector('link[rel=manifest]').href),
    `${server.url}manifest.webmanifest`,
    'the page names its manifest',
  );

  // The service worker has kept the site.
  const scope = await page.evaluate(async () => (await navigator.serviceWorker.ready).scope);
  equal(scope, server.url, "the service worker's scope");
  await page.waitForFunction(
    async () => {
      const names = await caches.keys();
      if (names.length !== 1) return false;
      return (await (await caches.open(names[0])).keys()).length >= 10;
    },
    null,
    { timeout: 20000 },
  );

  const own = (url) => url.startsWith(server.url);
  check(seen.requests.every(own), `only the site's own files were asked for: ${seen.requests.filter((u) => !own(u))}`);

  // Offline: the server still there but the browser cut off, a new page.
  await context.setOffline(true);
  const offline = await context.newPage();
  await open(offline, `${server.url}index.html`);
  const movesOffline = ['c0:9', 'c1:5'];
  const expectedOffline = play(movesOffline);
  for (const [i, move] of movesOffline.entries()) {
    const list = move[1] === '0' ? '#t-names' : '#t-temperatures';
    await offline
      .locator(`${list} > [role=option]`)
      .nth(Number(move.slice(3)))
      .click();
    samePlay(
      await offline.evaluate(readPage),
      expectedOffline[i],
      `offline, after ${movesOffline.slice(0, i + 1).join(' ')}`,
    );
  }
  equal(seen.errors, [], 'errors reported');

  // The zip is the site.
  const zip = join(build, 'packages', 'tarsomel-1.00-web.zip');
  const listed = execFileSync('unzip', ['-Z1', zip], { encoding: 'utf8' })
    .split('\n')
    .filter((n) => n && !n.endsWith('/'))
    .map((n) => n.replace(/^\.\//, ''))
    .sort();
  equal(listed, files(site), "the site's zip");
});

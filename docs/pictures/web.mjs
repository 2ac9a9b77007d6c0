// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the browser edition's pictures in docs/ again, in headless Chromium:
// - editions-web.png: the one-file page at the start on a desktop (760×644),
//   beside a 360×640 phone after a right pair (helium), as a pupil sees them;
// - web-no-script.png: the page with JavaScript off (left) beside the page
//   once the program has taken it over (right), on the same desktop.
//   node docs/pictures/web.mjs BUILD_DIR DOCS_DIR   (build/web docs)
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [build, docs] = process.argv.slice(2);
if (!docs) {
  console.error('usage: web.mjs BUILD_DIR DOCS_DIR');
  process.exit(2);
}
const page = pathToFileURL(join(build, 'tarsomel.html')).href;
const scratch = mkdtempSync(join(tmpdir(), 'tarsomel-pictures-'));
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update'],
});
const ready = () => !!document.querySelector('main[data-ready]');
const sideBySide = (left, right, out) =>
  execFileSync('convert', [
    left,
    '(',
    right,
    '-bordercolor',
    '#444444',
    '-border',
    '2',
    ')',
    '-background',
    'white',
    '-gravity',
    'center',
    '+append',
    out,
  ]);
try {
  const desktop = await browser.newPage({ viewport: { width: 760, height: 644 } });
  await desktop.goto(page);
  await desktop.waitForFunction(ready);
  await desktop.screenshot({ path: join(scratch, 'desktop.png') });
  const phone = await browser.newPage({ viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  await phone.goto(page);
  await phone.waitForFunction(ready);
  await phone.locator('#t-names > [role=option]').nth(1).tap();
  await phone.locator('#t-temperatures > [role=option]').nth(0).tap();
  await phone.screenshot({ path: join(scratch, 'phone.png') });
  sideBySide(join(scratch, 'desktop.png'), join(scratch, 'phone.png'), join(docs, 'editions-web.png'));

  const off = await browser.newContext({ viewport: { width: 760, height: 644 }, javaScriptEnabled: false });
  const still = await off.newPage();
  await still.goto(page);
  await still.screenshot({ path: join(scratch, 'no-script.png') });
  await off.close();
  sideBySide(join(scratch, 'no-script.png'), join(scratch, 'desktop.png'), join(docs, 'web-no-script.png'));
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}

// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes docs/editions-web.png again: the one-file page at the start in
// headless Chromium on a desktop (760×644), beside a 360×640 phone after a
// right pair (helium), as a pupil sees them.
//   node docs/pictures/web.mjs BUILD_DIR OUT.png   (BUILD_DIR: build/web)
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [build, out] = process.argv.slice(2);
if (!out) {
  console.error('usage: web.mjs BUILD_DIR OUT.png');
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
  execFileSync('convert', [
    join(scratch, 'desktop.png'),
    '(',
    join(scratch, 'phone.png'),
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
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}

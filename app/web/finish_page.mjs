// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finishes the page emscripten linked: writes in the title (the design's
// caption), the icons and a Content-Security-Policy that lets the page load
// nothing but its own files.
//   node finish_page.mjs single LINKED.html DESIGN.json ICONS OUT.html
//     the one-file page: its script inline (allowed by its hash), the icon
//     as a data: address, no request at all after it is opened
//   node finish_page.mjs site LINKED.html DESIGN.json ICONS OUT_DIR
//     index.html, its .js and .wasm, the icons, a web app manifest and a
//     service worker that keeps them all for use offline
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const [mode, linked, designPath, icons, out] = process.argv.slice(2);
if (!['single', 'site'].includes(mode) || !out) {
  console.error('usage: finish_page.mjs single|site LINKED.html DESIGN.json ICONS OUT');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const design = JSON.parse(readFileSync(designPath, 'utf8'));
let html = readFileSync(linked, 'utf8');
const sizes = [32, 64, 128, 192, 512];

const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const sha256 = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const replaceOnce = (text, from, to) => {
  if (!text.includes(from)) throw new Error(`${linked}: no ${from}`);
  return text.replace(from, () => to);
};

// Every inline script, by its hash: the page has no other way to run code.
const inlineHashes = (page) => [...page.matchAll(/<script>([\s\S]*?)<\/script>/g)].map((m) => sha256(m[1]));

// Nothing from anywhere: no other site, no fonts, no frames, no forms.
const common = ["default-src 'none'", "base-uri 'none'", "form-action 'none'", "object-src 'none'"];

html = replaceOnce(html, '<title>Tarsomel</title>', `<title>${escape(design.caption)}</title>`);

if (mode === 'single') {
  const icon = readFileSync(join(icons, 'tarsomel-32.png')).toString('base64');
  html = replaceOnce(html, '@HEAD@', `<link rel="icon" type="image/png" sizes="32x32" href="data:image/png;base64,${icon}">`);
  const scripts = inlineHashes(html);
  if (scripts.length !== 1) throw new Error(`${linked}: ${scripts.length} inline scripts, expected the one`);
  const csp = [...common, `script-src ${scripts.join(' ')} 'wasm-unsafe-eval'`, "style-src 'unsafe-inline'",
    'img-src data:'].join('; ');
  html = replaceOnce(html, '@CSP@', csp);
  mkdirSync(dirname(out), { recursive: true });
  writeFileSync(out, html);
} else {
  mkdirSync(join(out, 'icons'), { recursive: true });
  const head = [
    '<link rel="manifest" href="manifest.webmanifest">',
    '<link rel="icon" type="image/png" sizes="32x32" href="icons/tarsomel-32.png">',
    '<link rel="apple-touch-icon" href="icons/tarsomel-192.png">',
    `<meta name="theme-color" content="${design.windowColour}">`,
    '<script defer src="install.js"></script>',
  ].join('\n');
  html = replaceOnce(html, '@HEAD@', head);
  if (inlineHashes(html).length !== 0) throw new Error(`${linked}: the site's page has an inline script`);
  const csp = [...common, "script-src 'self' 'wasm-unsafe-eval'", "connect-src 'self'", "img-src 'self'",
    "manifest-src 'self'", "worker-src 'self'", "style-src 'unsafe-inline'"].join('; ');
  html = replaceOnce(html, '@CSP@', csp);
  writeFileSync(join(out, 'index.html'), html);
  const base = basename(linked, '.html');
  for (const file of [`${base}.js`, `${base}.wasm`]) copyFileSync(join(dirname(linked), file), join(out, file));
  for (const size of sizes) copyFileSync(join(icons, `tarsomel-${size}.png`), join(out, 'icons', `tarsomel-${size}.png`));
  copyFileSync(join(here, 'install.js'), join(out, 'install.js'));

  const manifest = {
    name: 'Тарсомел',
    short_name: 'Тарсомел',
    description: 'Свържете най-разпространените в галактиката химични елементи с температурите им на топене',
    lang: 'bg',
    start_url: './index.html',
    scope: './',
    display: 'standalone',
    background_color: design.windowColour,
    theme_color: design.windowColour,
    icons: sizes.map((size) => ({ src: `icons/tarsomel-${size}.png`, sizes: `${size}x${size}`, type: 'image/png',
      purpose: 'any' })),
  };
  writeFileSync(join(out, 'manifest.webmanifest'), JSON.stringify(manifest, null, 2) + '\n');

  // The worker keeps every file of the site; its cache is named after their
  // contents, so that a new version replaces the old one whole.
  const files = ['./', 'index.html', `${base}.js`, `${base}.wasm`, 'install.js', 'manifest.webmanifest',
    ...sizes.map((size) => `icons/tarsomel-${size}.png`)];
  const digest = createHash('sha256');
  for (const file of files.slice(1)) digest.update(readFileSync(join(out, file)));
  const worker = replaceOnce(replaceOnce(readFileSync(join(here, 'sw.js'), 'utf8'), "'@FILES@'", JSON.stringify(files)),
    '@VERSION@', digest.digest('hex').slice(0, 16));
  writeFileSync(join(out, 'sw.js'), worker);
}

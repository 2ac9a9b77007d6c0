// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the pages around the linked program (tarsomel.js and its .wasm):
// the page's template (page.html) with the window drawn as markup and its
// stylesheet (page.css, with the design's values written in), both from
// the design (DESIGN.json), the title, the icons and a
// Content-Security-Policy that lets the page load nothing but its own files.
//   node finish_page.mjs single PROGRAM.js DESIGN.json ICONS OUT.html
//     the one-file page: the program inline (allowed by its hash), its
//     WebAssembly as base64 in a block of its own, the icon as a data:
//     address; no request at all after it is opened
//   node finish_page.mjs site PROGRAM.js DESIGN.json ICONS OUT_DIR [GUIDE.html]
//     index.html, the program's files, the icons, a web app manifest and a
//     service worker that keeps them all for use offline; the teacher's
//     guide beside them as rakovodstvo.html
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { escape, fill } from './fill.mjs';

const [mode, program, designPath, icons, out, guide] = process.argv.slice(2);
if (!['single', 'site'].includes(mode) || !out) {
  console.error('usage: finish_page.mjs single|site PROGRAM.js DESIGN.json ICONS OUT');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const design = JSON.parse(readFileSync(designPath, 'utf8'));
// The program in a function of its own: the runtime's hundred and more
// names stay its own instead of each becoming a property of the window.
const js = `(function () {\n${readFileSync(program, 'utf8').trimEnd()}\n})();\n`;
const wasmPath = program.replace(/\.js$/, '.wasm');
const sizes = [32, 64, 128, 192, 512];

const sha256 = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

// The stylesheet without its licence header, which the page carries once.
const style = fill(readFileSync(join(here, 'page.css'), 'utf8'), design.style, 'page.css')
  .replace(/^(\/\* SPDX-[^*]*\*\/\n)+/, '')
  .trimEnd();
if (/<\/style/i.test(style)) throw new Error("page.css: it would end the page's <style>");

// The WebAssembly as the text of the one-file page's data block: each byte
// the character of its value (UTF-8 in the page), but for the three the
// HTML parser would not keep as they are (NUL, CR, and the "<" that could
// end the block), which are moved up by 0x100. Compressed by a web server
// or in a zip it takes little more room than the file itself; base64
// would take a third more. loader.js reads it back.
const asText = (bytes) =>
  Array.from(bytes, (b) => String.fromCharCode(b === 0x00 || b === 0x0d || b === 0x3c ? 0x100 + b : b)).join('');

// Nothing from anywhere: no other site, no fonts, no frames, no forms.
const common = ["default-src 'none'", "base-uri 'none'", "form-action 'none'", "object-src 'none'"];
const page = (values) =>
  fill(
    readFileSync(join(here, 'page.html'), 'utf8'),
    { TITLE: escape(design.caption), STYLE: style, BODY: design.body.trimEnd(), ...values },
    'page.html',
  );

if (mode === 'single') {
  if (/<\/script/i.test(js)) throw new Error(`${program}: it would end the page's <script>`);
  const icon = readFileSync(join(icons, 'tarsomel-32.png')).toString('base64');
  const wasm = asText(readFileSync(wasmPath));
  const csp = [
    ...common,
    `script-src ${sha256(js)} 'wasm-unsafe-eval'`,
    "style-src 'unsafe-inline'",
    'img-src data:',
  ].join('; ');
  const html = page({
    CSP: csp,
    HEAD: `<link rel="icon" type="image/png" sizes="32x32" href="data:image/png;base64,${icon}">`,
    // The block is data, never run; the program's loader reads it.
    SCRIPTS: `<script type="application/x-tarsomel-wasm" id="t-wasm">${wasm}</script>\n<script>${js}</script>`,
  });
  mkdirSync(dirname(out), { recursive: true });
  writeFileSync(out, html);
} else {
  mkdirSync(join(out, 'icons'), { recursive: true });
  const base = basename(program);
  const wasm = basename(wasmPath);
  const head = [
    '<link rel="manifest" href="manifest.webmanifest">',
    '<link rel="icon" type="image/png" sizes="32x32" href="icons/tarsomel-32.png">',
    '<link rel="apple-touch-icon" href="icons/tarsomel-192.png">',
    `<meta name="theme-color" content="${design.windowColour}">`,
    '<script defer src="install.js"></script>',
    // The WebAssembly asked for beside the script, not after it has run.
    `<link rel="preload" href="${wasm}" as="fetch" type="application/wasm" crossorigin>`,
  ].join('\n');
  const csp = [
    ...common,
    "script-src 'self' 'wasm-unsafe-eval'",
    "connect-src 'self'",
    "img-src 'self'",
    "manifest-src 'self'",
    "worker-src 'self'",
    "style-src 'unsafe-inline'",
  ].join('; ');
  writeFileSync(
    join(out, 'index.html'),
    page({ CSP: csp, HEAD: head, SCRIPTS: `<script defer src="${base}"></script>` }),
  );
  writeFileSync(join(out, base), js);
  copyFileSync(wasmPath, join(out, wasm));
  for (const size of sizes)
    copyFileSync(join(icons, `tarsomel-${size}.png`), join(out, 'icons', `tarsomel-${size}.png`));
  copyFileSync(join(here, 'install.js'), join(out, 'install.js'));
  if (guide) copyFileSync(guide, join(out, 'rakovodstvo.html'));

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
    icons: sizes.map((size) => ({
      src: `icons/tarsomel-${size}.png`,
      sizes: `${size}x${size}`,
      type: 'image/png',
      purpose: 'any',
    })),
  };
  writeFileSync(join(out, 'manifest.webmanifest'), JSON.stringify(manifest, null, 2) + '\n');

  // The worker keeps every file of the site; its cache is named after their
  // contents, so that a new version replaces the old one whole.
  const files = [
    './',
    'index.html',
    base,
    wasm,
    'install.js',
    'manifest.webmanifest',
    ...(guide ? ['rakovodstvo.html'] : []),
    ...sizes.map((size) => `icons/tarsomel-${size}.png`),
  ];
  const digest = createHash('sha256');
  for (const file of files.slice(1)) digest.update(readFileSync(join(out, file)));
  const worker = readFileSync(join(here, 'sw.js'), 'utf8')
    .replace("'@FILES@'", () => JSON.stringify(files))
    .replace('@VERSION@', () => digest.digest('hex').slice(0, 16));
  if (worker.includes('@')) throw new Error('sw.js: a place left unfilled');
  writeFileSync(join(out, 'sw.js'), worker);
}

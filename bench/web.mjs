// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures for the browser edition, never pass or fail (bench/run runs it):
//   node bench/web.mjs BUILD_DIR [RUNS]
// - bytes of the one-file page and of the site, raw and gzip-compressed (as
//   a web server would send them);
// - in headless Chromium over 127.0.0.1, time from navigation to the quiz
//   painted (the browser's first contentful paint) and to the quiz filled,
//   playable (a frame after the program has taken the page over and its
//   last row exists), beside an empty page and beside the floor: a static
//   page with the same controls and no WebAssembly (the finished page's own
//   elements and style rules, saved from it); median of RUNS (11), each in
//   a fresh context, the pages taking turns in one run; the ratio to the
//   floor both as the ratio of the two medians and as the median of each
//   round's own ratio, with its quartiles;
// - memory once shown: the JS heap after a collection plus the WebAssembly
//   memory, beside the floor page;
// - the same for the site's page (its .js and .wasm apart), for comparison.
import { mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';
import { keepWasmMemories, wasmMemoryBytes } from '../tests/web/wasm_memory.mjs';

const [build, runsArg] = process.argv.slice(2);
const runs = Number(runsArg || 11);
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
const files = (dir) =>
  readdirSync(dir, { withFileTypes: true }).flatMap((e) =>
    e.isDirectory() ? files(join(dir, e.name)) : [join(dir, e.name)],
  );
const gz = (path) => gzipSync(readFileSync(path), { level: 9 }).length;

const one = join(build, 'tarsomel.html');
const siteFiles = files(join(build, 'site'));
const siteRaw = siteFiles.reduce((sum, f) => sum + statSync(f).size, 0);
// PNG files are compressed already; a server sends them as they are.
const siteGzip = siteFiles.reduce((sum, f) => sum + (f.endsWith('.png') ? statSync(f).size : gz(f)), 0);
console.log('Browser edition: bytes');
console.log(
  `  one-file page  tarsomel.html  ${statSync(one).size} B (${kib(statSync(one).size)}), gzip ${gz(one)} B (${kib(gz(one))})`,
);
console.log(
  `  site           ${siteFiles.length} files  ${siteRaw} B (${kib(siteRaw)}), gzip ${siteGzip} B (${kib(siteGzip)})`,
);
for (const f of siteFiles.filter((f) => !f.endsWith('.png')))
  console.log(`    ${f.slice(build.length + 1)}  ${statSync(f).size} B, gzip ${gz(f)} B`);

// The pages, served from a scratch folder.
const root = mkdtempSync(join(tmpdir(), 'tarsomel-bench-'));
writeFileSync(join(root, 'tarsomel.html'), readFileSync(one));
writeFileSync(
  join(root, 'empty.html'),
  '<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8"><title>empty</title></head><body></body></html>\n',
);
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm' };
const server = createServer((request, response) => {
  const name = new URL(request.url, 'http://x').pathname.slice(1);
  try {
    const body = readFileSync(name.startsWith('site/') ? join(build, name) : join(root, name));
    response
      .writeHead(200, {
        'Content-Type': types[extname(name)] || 'application/octet-stream',
        'Cache-Control': 'no-store',
      })
      .end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const base = `http://127.0.0.1:${server.address().port}/`;

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: [
    '--no-sandbox',
    '--disable-gpu',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
    '--no-first-run',
    '--disable-quic',
    '--disable-extensions',
  ],
});

// The floor: the finished page's elements and rules as static HTML.
{
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(`${base}tarsomel.html`);
  await page.waitForFunction(() => !!document.querySelector('main[data-ready]'));
  const floor = await page.evaluate(() => {
    const rules = [...document.styleSheets]
      .flatMap((sheet) => [...sheet.cssRules].map((rule) => rule.cssText))
      .join('\n');
    const body = document.body.cloneNode(true);
    body.querySelectorAll('script').forEach((script) => script.remove());
    return `<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1"><title>${document.title}</title><style>${rules}</style></head>${body.outerHTML}</html>\n`;
  });
  writeFileSync(join(root, 'floor.html'), floor);
  await context.close();
}

// In the page from its first script on: the time the quiz is taken over
// by the program and its last row exists (the body, for the empty page; the
// floor page, saved from a page taken over, has it at once) and a frame has
// been drawn.
const probe = () => {
  const empty = location.pathname.endsWith('empty.html');
  const ready = () =>
    empty
      ? document.body
      : !!document.querySelector('main[data-ready]') &&
        document.querySelectorAll('#t-temperatures > [role=option]').length === 10;
  const painted = () =>
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => {
        window.benchPainted = performance.now();
      };
      channel.port2.postMessage(0);
    });
  const watch = () => {
    if (ready()) return painted();
    new MutationObserver((records, observer) => {
      if (!ready()) return;
      observer.disconnect();
      painted();
    }).observe(document, { childList: true, subtree: true, attributes: true, attributeFilter: ['data-ready'] });
  };
  watch();
};

async function measure(name) {
  // No service worker: every visit is a first one.
  const context = await browser.newContext({ viewport: { width: 800, height: 600 }, serviceWorkers: 'block' });
  await context.addInitScript(probe);
  await context.addInitScript(keepWasmMemories);
  const page = await context.newPage();
  await page.goto(`${base}${name}`);
  await page.waitForFunction(() => window.benchPainted !== undefined);
  // Painted: the browser's first contentful paint (the empty page has none:
  // its first paint, or the frame after its body).
  const [filled, painted] = await page.evaluate(async () => {
    const paint = (name) => performance.getEntriesByType('paint').find((entry) => entry.name === name);
    for (let tries = 0; tries < 50 && !paint('first-contentful-paint') && !paint('first-paint'); ++tries) {
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
    const entry = paint('first-contentful-paint') || paint('first-paint');
    return [window.benchPainted, entry ? entry.startTime : window.benchPainted];
  });
  const cdp = await context.newCDPSession(page);
  await cdp.send('HeapProfiler.collectGarbage');
  const heap = (await cdp.send('Runtime.getHeapUsage')).usedSize;
  const wasm = await wasmMemoryBytes(page);
  await context.close();
  return { filled, painted, heap, wasm };
}

const names = ['empty.html', 'floor.html', 'tarsomel.html', 'site/index.html'];
const results = Object.fromEntries(names.map((n) => [n, []]));
for (const n of names) await measure(n); // a first round to warm up, not counted
for (let run = 0; run < runs; ++run) {
  for (const n of names) results[n].push(await measure(n));
}
await browser.close();
server.close();
rmSync(root, { recursive: true, force: true });

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (n) => median(results[n].map((r) => r.painted));
const filledMs = (n) => median(results[n].map((r) => r.filled));
const mem = (n) => median(results[n].map((r) => r.heap + r.wasm));
console.log();
console.log(
  `Headless ${browser.version ? 'Chromium' : 'Chromium'}, one file over http from 127.0.0.1, median of ${runs}:`,
);
// The page and the floor measured one after the other, in each round: the
// median of those pairs' ratios leaves out what the machine does from one
// round to the next, which the ratio of the two medians keeps.
const paired = (n, value) => {
  const ratios = results[n].map((r, i) => value(r) / value(results['floor.html'][i])).sort((a, b) => a - b);
  const at = (q) => ratios[Math.min(ratios.length - 1, Math.floor(q * ratios.length))];
  return `${at(0.5).toFixed(2)} (${at(0.25).toFixed(2)}–${at(0.75).toFixed(2)})`;
};
console.log(
  '                                   | Tarsomel | empty page | floor page | ratio to floor | paired (quartiles)',
);
console.log(
  `  navigation to quiz filled, frame | ${filledMs('tarsomel.html').toFixed(1)} ms | ${filledMs('empty.html').toFixed(1)} ms | ${filledMs('floor.html').toFixed(1)} ms | ${(filledMs('tarsomel.html') / filledMs('floor.html')).toFixed(2)} | ${paired('tarsomel.html', (r) => r.filled)}`,
);
console.log(
  `  navigation to quiz painted (FCP) | ${ms('tarsomel.html').toFixed(1)} ms | ${ms('empty.html').toFixed(1)} ms | ${ms('floor.html').toFixed(1)} ms | ${(ms('tarsomel.html') / ms('floor.html')).toFixed(2)} | ${paired('tarsomel.html', (r) => r.painted)}`,
);
console.log(
  `  JS heap + WebAssembly memory     | ${kib(mem('tarsomel.html'))} | ${kib(mem('empty.html'))} | ${kib(mem('floor.html'))} | ${(mem('tarsomel.html') / mem('floor.html')).toFixed(2)} | ${paired('tarsomel.html', (r) => r.heap + r.wasm)}`,
);
for (const [name, label] of [
  ['tarsomel.html', 'one-file page'],
  ['site/index.html', 'site'],
]) {
  const t = results[name];
  console.log(
    `  Tarsomel's ${label}: painted ${ms(name).toFixed(1)} ms, filled ${filledMs(name).toFixed(1)} ms, JS heap ${kib(median(t.map((r) => r.heap)))}, WebAssembly ${kib(median(t.map((r) => r.wasm)))}`,
  );
}

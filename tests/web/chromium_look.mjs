// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as the design draws it, in Chromium at zoom 1: the client area
// and every control where the design puts it (within 1 CSS pixel), centred
// on a larger page; colours sampled from a screenshot at the design's
// points, focus marks where the focus is and "Чисти" while held down; the
// design's font; the title is the window's caption and the icon is the
// program's; the spoken names and descriptions; every row read as the
// design reads it; at twice the browser's zoom the same layout, twice as
// large; in forced colours the chosen row and the button's focus still
// show.
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { check, chromium, design, equal, near, onePageUrl, open, run } from './support.mjs';

const icons = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'ui', 'icons');

// The colour of the screenshot's pixel at a point of the client area.
async function colours(page, points) {
  const { PNG } = await pngReader();
  const box = await page.evaluate(() => {
    const r = document.querySelector('.t-client').getBoundingClientRect();
    return { x: r.left, y: r.top };
  });
  const png = PNG(await page.screenshot());
  const out = {};
  for (const p of points) out[p.name] = png.at(Math.round(box.x + p.x), Math.round(box.y + p.y));
  return out;
}

// A small PNG reader: Chromium's screenshots are 8-bit RGB(A), not interlaced.
async function pngReader() {
  const { inflateSync } = await import('node:zlib');
  return {
    PNG: (buffer) => {
      const width = buffer.readUInt32BE(16);
      const height = buffer.readUInt32BE(20);
      const channels = { 2: 3, 6: 4 }[buffer[25]];
      const chunks = [];
      for (let at = 8; at < buffer.length;) {
        const length = buffer.readUInt32BE(at);
        if (buffer.toString('latin1', at + 4, at + 8) === 'IDAT') chunks.push(buffer.subarray(at + 8, at + 8 + length));
        at += 12 + length;
      }
      const raw = inflateSync(Buffer.concat(chunks));
      const stride = width * channels;
      const pixels = Buffer.alloc(height * stride);
      for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; ++x) {
          const value = raw[y * (stride + 1) + 1 + x];
          const a = x >= channels ? pixels[y * stride + x - channels] : 0;
          const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
          const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
          const p = a + b - c;
          const paeth =
            Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c)
              ? a
              : Math.abs(p - b) <= Math.abs(p - c)
                ? b
                : c;
          pixels[y * stride + x] = (value + [0, a, b, (a + b) >> 1, paeth][filter]) & 255;
        }
      }
      return { at: (x, y) => [...pixels.subarray(y * stride + x * channels, y * stride + x * channels + 3)] };
    },
  };
}

await run('web.chromium_look', async (onClose) => {
  const { page, seen } = await chromium(onClose, { viewport: { width: 800, height: 600 } });
  await open(page, onePageUrl);
  equal(await page.evaluate(() => document.querySelector('title').textContent), design.caption, 'the title');
  // As a browser shows it: runs of blanks as one.
  equal(await page.title(), design.caption.replace(/\s+/g, ' '), 'the title shown');
  const icon = await page.evaluate(() => document.querySelector('link[rel=icon]').href);
  equal(icon, `data:image/png;base64,${readFileSync(join(icons, 'tarsomel-32.png')).toString('base64')}`, 'the icon');

  const placed = await page.evaluate(() => {
    const client = document.querySelector('.t-client').getBoundingClientRect();
    const rect = (element) => {
      const r = element.getBoundingClientRect();
      return { left: r.left - client.left, top: r.top - client.top, width: r.width, height: r.height };
    };
    const labels = document.querySelectorAll('.t-label');
    return {
      client: { left: client.left, top: client.top, width: client.width, height: client.height },
      controls: {
        label0: rect(labels[0]),
        label1: rect(labels[1]),
        label2: rect(labels[2]),
        names: rect(document.getElementById('t-names')),
        temperatures: rect(document.getElementById('t-temperatures')),
        command: rect(document.querySelector('button')),
        text: rect(document.querySelector('textarea')),
      },
      font: getComputedStyle(document.querySelector('textarea')).fontFamily,
      size: getComputedStyle(document.querySelector('textarea')).fontSize,
      captions: [...labels].map((label) => label.textContent),
      command: document.querySelector('button').textContent,
    };
  });
  near(placed.client.width, design.client.width, 0, "the client area's width");
  near(placed.client.height, design.client.height, 0, "the client area's height");
  near(placed.client.left, (800 - design.client.width) / 2, 1, 'centred across');
  near(placed.client.top, (600 - design.client.height) / 2, 1, 'centred down');
  for (const [name, want] of Object.entries(design.controls)) {
    for (const side of ['left', 'top', 'width', 'height'])
      near(placed.controls[name][side], want[side], 1, `${name}'s ${side}`);
  }
  equal(placed.captions, design.labels, "the labels' captions");
  equal(placed.command, design.command, "the button's caption");
  equal(placed.font, `"${design.font.face}", "${design.font.fallback}", serif`, 'the font');
  equal(placed.size, `${(design.font.points * 96) / 72}px`, "the font's size");

  // Colours: the message box has the focus at start.
  const { colours: c } = design;
  const white = [255, 255, 255];
  let seenColours = await colours(page, design.colourPoints);
  const want = {
    window: c.window,
    between_lists: c.window,
    label0: c.label,
    label1: c.label,
    label2: c.label,
    command: c.command,
    command_right: c.command,
    command_edge: c.commandEdge,
    command_focus: c.command,
    names_inside: white,
    text_edge: c.focus,
  };
  for (const [name, colour] of Object.entries(want)) equal(seenColours[name], colour, `the colour at ${name}`);
  check(
    JSON.stringify(seenColours.names_edge) !== JSON.stringify(c.focus),
    'no focus mark on the names without the focus',
  );
  await page.keyboard.press('Tab');
  seenColours = await colours(page, design.colourPoints);
  equal(seenColours.names_edge, c.focus, "the names' focus mark");
  // The focus mark on a row: Ctrl+Down twice marks the second row alone.
  await page.keyboard.press('Control+ArrowDown');
  await page.keyboard.press('Control+ArrowDown');
  const row = await page.evaluate(() => {
    const client = document.querySelector('.t-client').getBoundingClientRect();
    const r = document.querySelectorAll('#t-names > [role=option]')[1].getBoundingClientRect();
    return { x: r.left - client.left, y: r.top - client.top, width: r.width, height: r.height };
  });
  const edge = [];
  for (let x = 2; x < row.width - 2; ++x)
    edge.push({ name: `top${x}`, x: Math.round(row.x + x), y: Math.round(row.y) });
  const marked = Object.values(await colours(page, edge)).filter(
    (rgb) => JSON.stringify(rgb) === JSON.stringify(c.focus),
  ).length;
  check(
    marked >= row.width / 4,
    `the marked row's dotted outline in the focus colour (${marked} of ${edge.length} pixels)`,
  );
  const unmarked = Object.values(
    await colours(
      page,
      edge.map((p) => ({ ...p, y: Math.round(p.y + row.height) })),
    ),
  ).filter((rgb) => JSON.stringify(rgb) === JSON.stringify(c.focus)).length;
  check(unmarked < row.width / 4, `no outline along the next row's top: ${unmarked}`);
  check(
    JSON.stringify(seenColours.text_edge) !== JSON.stringify(c.focus),
    'no focus mark on the box without the focus',
  );
  await page.keyboard.press('Tab');
  equal((await colours(page, design.colourPoints)).temperatures_edge, c.focus, "the temperatures' focus mark");
  await page.keyboard.press('Tab');
  seenColours = await colours(page, design.colourPoints);
  equal(seenColours.command_focus, c.focus, "the button's focus mark, inside its outline");
  equal(seenColours.command_edge, c.commandEdge, "the button's outline with the focus");
  const button = await page.locator('button').boundingBox();
  await page.mouse.move(button.x + button.width / 2, button.y + button.height / 2);
  await page.mouse.down();
  seenColours = await colours(page, design.colourPoints);
  equal(seenColours.command_right, c.commandPressed, 'the button held down');
  equal(seenColours.command_edge, c.commandPressedEdge, "the button's outline held down");
  await page.mouse.up();
  equal((await colours(page, design.colourPoints)).command_right, c.command, 'the button let go');
  // The box emptied by "Чисти", to see its own colour.
  equal((await colours(page, design.colourPoints)).text_middle, white, 'the empty message box');

  // What assistive technology is given: Chromium's own accessibility tree.
  const tree = await page.locator('main').ariaSnapshot();
  for (const control of design.tabOrder) {
    check(
      tree.includes(`"${design.spoken[control].name}"`),
      `${control} named "${design.spoken[control].name}" in\n${tree}`,
    );
  }
  for (const [row, spoken] of Object.entries(design.spokenRows).filter(([row]) => row.trim())) {
    check(tree.includes(`- option "${spoken}"`), `the row "${row}" read as "${spoken}" in\n${tree}`);
  }
  const described = await page.evaluate(() =>
    [...document.querySelectorAll('[aria-describedby]')].map((element) => [
      element.getAttribute('aria-label'),
      document.getElementById(element.getAttribute('aria-describedby')).textContent,
    ]),
  );
  equal(
    described,
    design.tabOrder.map((control) => [design.spoken[control].name, design.spoken[control].description]),
    'names and descriptions, in the tab order',
  );

  equal(seen.errors, [], 'errors reported');

  // The browser zoomed to 150 % on a 1280×800 window: 853×533 CSS pixels at
  // 1.5 device pixels each. The client area keeps its CSS size, so it is
  // drawn half as large again, sharp, centred.
  const zoomed = await chromium(onClose, { viewport: { width: 853, height: 533 }, deviceScaleFactor: 1.5 });
  await open(zoomed.page, onePageUrl);
  const client = await zoomed.page.evaluate(() => {
    const r = document.querySelector('.t-client').getBoundingClientRect();
    return [r.left, r.top, r.width, r.height, window.devicePixelRatio];
  });
  equal(client.slice(2), [design.client.width, design.client.height, 1.5], "zoomed: the client area's CSS size");
  near(client[0], (853 - design.client.width) / 2, 1, 'zoomed: centred');
  const { PNG } = await pngReader();
  const shot = PNG(await zoomed.page.screenshot());
  for (const name of ['label0', 'command', 'window']) {
    const p = design.colourPoints.find((point) => point.name === name);
    equal(
      shot.at(Math.round((client[0] + p.x) * 1.5), Math.round((client[1] + p.y) * 1.5)),
      want[name],
      `zoomed: the colour at ${name}`,
    );
  }

  // In the system's own colours (Windows' contrast themes), the chosen row
  // and the button's focus still show: the row apart from the others, the
  // button apart from itself without the focus.
  const contrast = await chromium(onClose);
  await contrast.page.emulateMedia({ forcedColors: 'active' });
  await open(contrast.page, onePageUrl);
  check(
    await contrast.page.evaluate(() => matchMedia('(forced-colors: active)').matches),
    'the page in forced colours',
  );
  const rows = contrast.page.locator('#t-names > [role=option]');
  await rows.nth(1).click();
  const beside = async (row) => {
    const r = await rows.nth(row).boundingBox();
    const at = await contrast.page.evaluate(() => {
      const c = document.querySelector('.t-client').getBoundingClientRect();
      return { x: c.left, y: c.top };
    });
    // The row's right end, where no name reaches.
    return { name: `row${row}`, x: r.x + r.width - 3 - at.x, y: r.y + r.height / 2 - at.y };
  };
  const inRows = await colours(contrast.page, [await beside(1), await beside(2)]);
  check(
    JSON.stringify(inRows.row1) !== JSON.stringify(inRows.row2),
    `in forced colours the chosen row stands apart: ${inRows.row1} against ${inRows.row2}`,
  );
  const focusPoint = design.colourPoints.filter((p) => p.name === 'command_focus');
  const unfocused = (await colours(contrast.page, focusPoint)).command_focus;
  await contrast.page.locator('button').focus();
  const focused = (await colours(contrast.page, focusPoint)).command_focus;
  check(
    JSON.stringify(focused) !== JSON.stringify(unfocused),
    `in forced colours the button's focus mark shows: ${focused} against ${unfocused}`,
  );
  equal(contrast.seen.errors, [], 'errors reported in forced colours');
});

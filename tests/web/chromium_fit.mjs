// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The client area fitted to the room, in Chromium with a desktop's scroll
// bars, as a browser window is made smaller and larger: at each size the
// scale is the largest that fits both ways (never above 1), the proportions
// kept, centred, no scroll bar left and nothing to scroll. A scroll bar the
// old fit brought takes room from the new one, and goes once it is fitted;
// the page must fit again to the room it then has. Sizes given one after
// another without a pause end fitted to the last.
import { check, chromium, design, near, onePageUrl, open, resize, run } from './support.mjs';

await run('web.chromium_fit', async (onClose) => {
  const { page, seen } = await chromium(onClose, { viewport: { width: 800, height: 600 }, scrollBars: true });
  await open(page, onePageUrl);
  const { width, height } = design.client;
  const shown = () =>
    page.evaluate(() => {
      const root = document.documentElement;
      const client = document.querySelector('.t-client').getBoundingClientRect();
      return {
        client: [client.left, client.top, client.width, client.height],
        room: [root.clientWidth, root.clientHeight],
        scroll: [root.scrollWidth, root.scrollHeight],
        window: [window.innerWidth, window.innerHeight],
      };
    });
  const fitted = async (w, h, what) => {
    const s = await shown();
    const scale = Math.min(1, w / width, h / height);
    near(s.client[2], width * scale, 0.5, `${what}: the client area's width`);
    near(s.client[3], height * scale, 0.5, `${what}: the client area's height`);
    near(s.client[0] + s.client[2] / 2, w / 2, 1, `${what}: centred across`);
    near(s.client[1] + s.client[3] / 2, h / 2, 1, `${what}: centred down`);
    check(s.room[0] === w && s.room[1] === h, `${what}: no scroll bar left: room ${s.room}, window ${s.window}`);
    check(s.scroll[0] <= w && s.scroll[1] <= h, `${what}: nothing to scroll: ${s.scroll}`);
  };

  await fitted(800, 600, 'at start');
  for (const [w, h] of [
    [400, 300],
    [800, 600],
    [300, 500],
    [600, 250],
    [461, 345],
    [460, 345],
  ]) {
    await resize(page, w, h);
    await fitted(w, h, `${w}×${h}`);
  }
  // One size after another, the page given no frame in between.
  for (const [w, h] of [
    [350, 300],
    [700, 280],
  ])
    await page.setViewportSize({ width: w, height: h });
  await resize(page, 420, 330);
  await fitted(420, 330, 'the last of three sizes in a row');
  check(seen.errors.length === 0, `errors reported: ${seen.errors}`);
});

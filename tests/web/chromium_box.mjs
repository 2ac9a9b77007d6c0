// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message box in Chromium: it takes the focus, its text can be selected
// and copied (Ctrl+A and Ctrl+C, and the context menu's Copy, which is the
// browser's copy command), and nothing changes it but the quiz: typing,
// Enter, Delete, Backspace, pasting, cutting, dropping text and an input
// method's composition are all refused. Each new text shows from its first
// line, however far the last one was scrolled.
import { check, chromium, design, equal, onePageUrl, open, play, readPage, run } from './support.mjs';

await run('web.chromium_box', async (onClose) => {
  const { page, seen } = await chromium(onClose, { permissions: ['clipboard-read', 'clipboard-write'] });
  await open(page, onePageUrl);
  const box = page.locator('textarea');
  const value = () => box.inputValue();
  const task = design.task.replace(/\r\n/g, '\n');
  equal(await value(), task, 'the task');
  const unchanged = async (what) => equal(await value(), task, `${what} left the box as it was`);

  await box.click();
  await page.keyboard.press('End');
  await page.keyboard.type('Водород abc');
  await unchanged('typing');
  for (const key of ['Enter', 'Delete', 'Backspace', 'Control+Backspace', 'Control+Delete', 'Shift+Insert']) {
    await page.keyboard.press(key);
    await unchanged(key);
  }
  await page.keyboard.press('Control+A');
  const selected = await page.evaluate(() => {
    const b = document.querySelector('textarea');
    return [b.selectionStart, b.selectionEnd];
  });
  equal(selected, [0, task.length], 'Ctrl+A selects the whole text');
  await page.keyboard.press('Backspace');
  await unchanged('Backspace over the whole text');
  await page.keyboard.press('Control+X');
  await unchanged('Ctrl+X');
  await page.evaluate(() => navigator.clipboard.writeText('вмъкнат текст'));
  await page.keyboard.press('Control+V');
  await unchanged('Ctrl+V');
  // Text dropped on the box, and text an input method commits (Playwright's
  // insertText is what an IME does: no key, only the text).
  await page.evaluate(() => {
    const data = new DataTransfer();
    data.setData('text/plain', 'пуснат текст');
    const b = document.querySelector('textarea');
    const r = b.getBoundingClientRect();
    for (const type of ['dragenter', 'dragover', 'drop']) {
      b.dispatchEvent(
        new DragEvent(type, {
          dataTransfer: data,
          bubbles: true,
          cancelable: true,
          clientX: r.left + 20,
          clientY: r.top + 20,
        }),
      );
    }
  });
  await unchanged('a drop');
  await page.keyboard.insertText('ж');
  await unchanged("an input method's text");
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Input.imeSetComposition', { text: 'съставен', selectionStart: 8, selectionEnd: 8 });
  await cdp.send('Input.insertText', { text: 'съставен' });
  await unchanged("an input method's composition");
  await page.evaluate(() => document.execCommand('insertText', false, 'команда'));
  await unchanged('an editing command');

  // A verdict with a long paragraph, the box scrolled to its end, then
  // another verdict: shown from its first line.
  const moves = ['c0:2', 'c1:3', 'c0:0', 'c1:1'];
  const expected = play(moves);
  for (const [i, move] of moves.entries()) {
    if (i === 2) {
      await page.evaluate(() => {
        const b = document.querySelector('textarea');
        b.scrollTop = b.scrollHeight;
      });
    }
    const list = move[1] === '0' ? '#t-names' : '#t-temperatures';
    await page
      .locator(`${list} > [role=option]`)
      .nth(Number(move.slice(3)))
      .click();
  }
  const shown = await page.evaluate(readPage);
  equal(shown.text, expected[3].text.replace(/\r\n/g, '\n'), 'the second verdict');
  check(
    await page.evaluate(() => {
      const b = document.querySelector('textarea');
      return b.scrollHeight > b.clientHeight;
    }),
    'the verdict is longer than the box',
  );
  equal(shown.boxScrollTop, 0, 'the verdict shown from its first line');
  equal(shown.caret, [0, 0], "the caret at the verdict's start");

  // Copied: Ctrl+A, Ctrl+C in the box, as the pupil would.
  await page.evaluate(() => navigator.clipboard.writeText('marker'));
  await box.focus();
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Control+C');
  equal(await page.evaluate(() => navigator.clipboard.readText()), shown.text, 'Ctrl+C copied the verdict');
  // The context menu's Copy is the browser's copy command on the selection.
  await page.evaluate(() => navigator.clipboard.writeText('marker'));
  await page.evaluate(() => {
    const b = document.querySelector('textarea');
    b.focus();
    b.setSelectionRange(0, 5);
  });
  await box.click({ button: 'right', position: { x: 10, y: 10 } }).catch(() => {});
  await page.keyboard.press('Escape');
  await page.evaluate(() => {
    const b = document.querySelector('textarea');
    b.setSelectionRange(0, 5);
    document.execCommand('copy');
  });
  equal(
    await page.evaluate(() => navigator.clipboard.readText()),
    shown.text.slice(0, 5),
    'the copy command copied the selection',
  );
  equal(await value(), shown.text, 'copying left the box as it was');
  equal(seen.errors, [], 'errors reported');
});

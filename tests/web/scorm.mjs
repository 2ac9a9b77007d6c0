// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The SCORM 1.2 package under a small learning platform (lms.html with
// scorm-again's run-time) in Chromium, over 127.0.0.1: the manifest names
// one SCO, the one-file page; the page starts the session and marks the
// lesson incomplete; a round ends when every name has been played, and then
// the score (the right pairs, as the in-memory window counts them, 0 to 10)
// and "completed" are saved; "Чисти" starts a round again and the best
// finished round is what stays; leaving the page finishes the session. With
// no platform, and with one that throws, the quiz plays and nothing is
// thrown or reported.
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { build, check, chromium, equal, open, play, readPage, run, samePlay, scratch, serve } from './support.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const zip = join(build, 'packages', 'tarsomel-1.00-scorm12.zip');

// The pairs of a round: each name with the temperature the given rule picks.
function round(pick) {
  const moves = [];
  const left = [...Array(10).keys()];
  for (let name = 0; name < 10; ++name) {
    const temperature = pick(name, left);
    left.splice(left.indexOf(temperature), 1);
    moves.push(`c0:${name}`, `c1:${temperature}`);
  }
  return moves;
}
// The temperature row that is right for a name, found by trying each row
// on the in-memory window, "Чисти" between tries.
const rightRow = (name) => {
  const states = play([...Array(10).keys()].flatMap((row) => [`c0:${name}`, `c1:${row}`, 'r']));
  return [...Array(10).keys()].findIndex((row) => states[3 * row + 1].text.startsWith('Вярно'));
};
const rights = [...Array(10).keys()].map(rightRow);

await run('web.scorm', async (onClose) => {
  const lms = scratch('tarsomel-lms-');
  onClose(lms.remove);
  mkdirSync(join(lms.dir, 'package'));
  execFileSync('unzip', ['-q', zip, '-d', join(lms.dir, 'package')]);
  equal(execFileSync('unzip', ['-Z1', zip], { encoding: 'utf8' }).split('\n').filter(Boolean).sort(), ['imsmanifest.xml', 'tarsomel.html'], 'the package\'s files');
  equal(readFileSync(join(lms.dir, 'package', 'tarsomel.html')).equals(readFileSync(join(build, 'tarsomel.html'))), true, 'the SCO is the one-file page');
  const manifest = readFileSync(join(lms.dir, 'package', 'imsmanifest.xml'), 'utf8');
  const parsed = JSON.parse(execFileSync('python3', ['-c', `
import json, sys, xml.etree.ElementTree as T
ns = {'cp': 'http://www.imsproject.org/xsd/imscp_rootv1p1p2', 'adlcp': 'http://www.adlnet.org/xsd/adlcp_rootv1p2'}
root = T.parse(sys.argv[1]).getroot()
res = root.findall('cp:resources/cp:resource', ns)
print(json.dumps({'schema': root.findtext('cp:metadata/cp:schema', None, ns), 'version': root.findtext('cp:metadata/cp:schemaversion', None, ns),
  'items': [i.get('identifierref') for i in root.iter('{%s}item' % ns['cp'])],
  'resources': [[r.get('identifier'), r.get('{%s}scormtype' % ns['adlcp']), r.get('href')] for r in res]}))
`, join(lms.dir, 'package', 'imsmanifest.xml')], { encoding: 'utf8' }));
  equal(parsed, { schema: 'ADL SCORM', version: '1.2', items: ['tarsomel-page'], resources: [['tarsomel-page', 'sco', 'tarsomel.html']] },
    `the manifest\n${manifest}`);
  const scormAgain = dirname(createRequire(import.meta.url).resolve('scorm-again'));
  copyFileSync(join(scormAgain, 'scorm12.min.js'), join(lms.dir, 'scorm12.min.js'));
  for (const file of ['lms.html', 'lms.js']) copyFileSync(join(here, file), join(lms.dir, file));
  const server = await serve(onClose, lms.dir);

  const { page, seen } = await chromium(onClose);
  await page.goto(`${server.url}lms.html`);
  const frame = page.frameLocator('#sco');
  const sco = () => page.frame({ url: /tarsomel\.html/ });
  await page.waitForFunction(() => {
    const doc = document.getElementById('sco').contentDocument;
    return doc && doc.querySelectorAll('#t-temperatures > [role=option]').length === 10;
  });
  const log = () => page.evaluate(() => window.lmsLog);
  const value = (name) => page.evaluate((n) => window.lmsRuntime.LMSGetValue(n), name);
  let calls = await log();
  equal(calls[0], ['LMSInitialize', '', 'true'], 'the session started first');
  equal(await value('cmi.core.lesson_status'), 'incomplete', 'incomplete at start');
  check(calls.some((c) => c[0] === 'LMSCommit'), 'saved at start');
  equal(await value('cmi.core.score.raw'), '', 'no score at start');

  // Plays moves[from...] in the frame; the page then is the in-memory
  // window after all the moves.
  const playMoves = async (moves, from = 0) => {
    const expected = play(moves);
    for (const move of moves.slice(from)) {
      if (move === 'r') {
        await frame.getByRole('button').click();
      } else {
        await frame.locator(`${move[1] === '0' ? '#t-names' : '#t-temperatures'} > [role=option]`).nth(Number(move.slice(3))).click();
      }
    }
    samePlay(await sco().evaluate(readPage), expected.at(-1), `after ${moves.join(' ')}`);
  };
  const rightPairs = (moves) => play(moves).filter((state) => state.said && state.text.startsWith('Вярно')).length;

  // A round with some right pairs: nothing before its last pair.
  const kept = [0, 3, 6, 9];  // right; the others wrong
  const first = round((name, left) => (kept.includes(name) ? rights[name]
    : left.find((row) => row !== rights[name] && !kept.some((k) => rights[k] === row))));
  await playMoves(first.slice(0, -1));
  equal(await value('cmi.core.score.raw'), '', 'no score before the round ends');
  equal(await value('cmi.core.lesson_status'), 'incomplete', 'incomplete before the round ends');
  await playMoves(first, first.length - 1);
  const expectedFirst = rightPairs(first);
  check(expectedFirst > 0 && expectedFirst < 10, `the first round has right and wrong pairs (${expectedFirst})`);
  equal([await value('cmi.core.score.raw'), await value('cmi.core.score.min'), await value('cmi.core.score.max'), await value('cmi.core.lesson_status')],
    [String(expectedFirst), '0', '10', 'completed'], 'after the first round');
  calls = await log();
  equal(calls.at(-1)[0], 'LMSCommit', 'saved after the round');

  // "Чисти", a worse round: the best stays.
  const worse = ['r', ...round((name, left) => left.find((row) => row !== rights[name]) ?? left[0])];
  check(rightPairs(worse) < expectedFirst, `the second round is worse (${rightPairs(worse)})`);
  await playMoves(worse);
  equal(await value('cmi.core.score.raw'), String(expectedFirst), 'a worse round leaves the best');
  // "Чисти", a round all right: the best rises to 10.
  await playMoves(['r', ...round((name) => rights[name])]);
  equal([await value('cmi.core.score.raw'), await value('cmi.core.lesson_status')], ['10', 'completed'], 'the best round');
  // "Чисти" in the middle of a round changes nothing.
  await playMoves(['r', 'c0:0', 'c1:9']);
  equal(await value('cmi.core.score.raw'), '10', 'an unfinished round changes nothing');
  calls = await log();
  check(calls.every((c) => c[0] === 'LMSGetValue' || c.at(-1) === 'true'), `every call succeeded: ${JSON.stringify(calls.filter((c) => c.at(-1) !== 'true'))}`);
  equal(calls.filter((c) => c[0] === 'LMSFinish').length, 0, 'not finished while the page is open');

  // Leaving the page finishes the session, once.
  await page.evaluate(() => { document.getElementById('sco').src = 'about:blank'; });
  await page.waitForFunction(() => window.lmsLog.some((c) => c[0] === 'LMSFinish'));
  calls = await log();
  equal(calls.filter((c) => c[0] === 'LMSFinish'), [['LMSFinish', '', 'true']], 'finished once');
  equal(seen.errors, [], 'errors reported');

  // No platform: the same page opened by itself plays, and nothing is thrown.
  const alone = await chromium(onClose);
  await open(alone.page, `${server.url}package/tarsomel.html`);
  await alone.page.locator('#t-names > [role=option]').nth(1).click();
  await alone.page.locator('#t-temperatures > [role=option]').nth(0).click();
  samePlay(await alone.page.evaluate(readPage), play(['c0:1', 'c1:0'])[1], 'with no platform');
  equal(alone.seen.errors, [], 'with no platform: errors reported');

  // A platform whose every call throws: the quiz plays all the same.
  const broken = await chromium(onClose);
  await broken.page.goto(`${server.url}lms.html?throwing`);
  const brokenFrame = broken.page.frameLocator('#sco');
  await brokenFrame.locator('#t-temperatures > [role=option]').nth(9).waitFor();
  for (const move of round((name) => rights[name])) {
    await brokenFrame.locator(`${move[1] === '0' ? '#t-names' : '#t-temperatures'} > [role=option]`).nth(Number(move.slice(3))).click();
  }
  const last = broken.page.frame({ url: /tarsomel\.html/ });
  equal((await last.evaluate(readPage)).text.split('\n')[0], play(round((name) => rights[name])).at(-1).text.split('\r\n')[0], 'with a failing platform: the last verdict');
  equal(await broken.page.evaluate(() => window.lmsLog.map((c) => c[0])), ['LMSInitialize'], 'with a failing platform: tried once, then left alone');
  equal(broken.seen.errors, [], 'with a failing platform: errors reported');
});

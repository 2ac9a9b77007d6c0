// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The SCORM 1.2 package under a small learning platform (lms.html with
// scorm-again's run-time) in Chromium, over 127.0.0.1: the manifest names
// one SCO, the one-file page; the page starts the session and marks the
// lesson incomplete; a round ends when every name has been played, and then
// the best round as a percentage (10 a right pair, as the in-memory window
// counts them) and "completed" are saved, or "passed"/"failed" against the
// course's mastery score; every pair is an interaction, compared move by
// move with the in-memory window; out of sight the page saves; leaving it
// (the frame emptied, or its own window closed) gives the time on task and
// finishes the session, once. Every value is checked as SCORM 1.2 defines
// it (a pair's answer and pattern in the matching form, source.target, but
// with the element's symbol and the temperature's figure where SCORM 1.2
// names single characters, so that a teacher reads them: platforms, Moodle
// among them, take them as a feedback string), and no call leaves an error.
// With no platform, and with one that throws, the quiz plays and nothing is
// thrown or reported; a line tells the pupil while the platform refuses to
// keep the result, and only then.
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import {
  build,
  check,
  chromium,
  design,
  equal,
  open,
  play,
  quizReady,
  readPage,
  run,
  samePlay,
  scratch,
  serve,
} from './support.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const zip = join(build, 'packages', 'tarsomel-1.00-scorm12.zip');

// The temperature row that is right for a name, found by trying each row
// on the in-memory window, "Чисти" between tries.
const rightRow = (name) => {
  const states = play([...Array(10).keys()].flatMap((row) => [`c0:${name}`, `c1:${row}`, 'r']));
  return [...Array(10).keys()].findIndex((row) => states[3 * row + 1].text.startsWith('Вярно'));
};
const rights = [...Array(10).keys()].map(rightRow);
// A round with the first `right` names paired right and each other name
// with the temperature of the next wrong one, round again: never its own.
const roundWith = (right) => {
  const wrong = [...Array(10).keys()].slice(right);
  return [...Array(10).keys()].flatMap((name) => {
    const row = name < right ? rights[name] : rights[wrong[(wrong.indexOf(name) + 1) % wrong.length]];
    return [`c0:${name}`, `c1:${row}`];
  });
};
const rightPairs = (moves) => play(moves).filter((state) => state.said && state.text.startsWith('Вярно')).length;

// SCORM 1.2's forms, strictly (many platforms check them; Moodle does).
const decimal = /^-?\d{1,10}(\.\d+)?$/;
const timespan = /^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/;
const forms = [
  [/^cmi\.core\.lesson_status$/, /^(passed|completed|failed|incomplete|browsed)$/],
  [/^cmi\.core\.score\.(raw|min|max)$/, decimal],
  [/^cmi\.core\.session_time$/, timespan],
  [/^cmi\.core\.exit$/, /^(|time-out|suspend|logout)$/],
  [/^cmi\.interactions\.\d+\.id$/, /^[A-Za-z0-9_-]{1,255}$/],
  [/^cmi\.interactions\.\d+\.type$/, /^matching$/],
  [/^cmi\.interactions\.\d+\.time$/, /^([01]\d|2[0-3]):[0-5]\d:[0-5]\d(\.\d{1,2})?$/],
  [/^cmi\.interactions\.\d+\.latency$/, timespan],
  [/^cmi\.interactions\.\d+\.weighting$/, decimal],
  [/^cmi\.interactions\.\d+\.result$/, /^(correct|wrong|unanticipated|neutral)$/],
  [/^cmi\.interactions\.\d+\.(student_response|correct_responses\.0\.pattern)$/, /^([A-Z][a-z]?|\?)\.(-?\d{1,4}|\?)$/],
];
const seconds = (span) => {
  const [h, m, s] = span.split(':').map(Number);
  return h * 3600 + m * 60 + s;
};

// What the platform was told, from its log.
const sets = (calls) => calls.filter((c) => c[0] === 'LMSSetValue');
const lastSet = (calls, element) =>
  sets(calls)
    .filter((c) => c[1] === element)
    .map((c) => c[2])
    .at(-1) ?? '';
function checkCalls(calls, errors, what) {
  equal(errors, [], `${what}: calls that left an error`);
  for (const [, element, value, result] of sets(calls)) {
    const form = forms.find(([name]) => name.test(element));
    check(form && form[1].test(value), `${what}: ${element} = "${value}" is not as SCORM 1.2 defines it`);
    equal(result, 'true', `${what}: ${element} = "${value}" refused`);
  }
}
// The interactions the platform was told, n by n.
function interactions(calls) {
  const out = [];
  for (const [, element, value] of sets(calls)) {
    const m = element.match(/^cmi\.interactions\.(\d+)\.(.*)$/);
    if (!m) continue;
    out[Number(m[1])] = { ...out[Number(m[1])], [m[2]]: value };
  }
  return out;
}
// The interactions the in-memory window's moves make: one a judged pair,
// the element by its symbol and the temperature by its figure.
function expectedInteractions(moves) {
  const states = play(moves);
  const symbol = (name) => (design.names.includes(name) ? design.symbols[design.names.indexOf(name)] : '?');
  const figure = (t) => (t.trim() === '' ? '?' : t.trim().replace('°C', ''));
  const out = [];
  states.forEach((state, i) => {
    if (moves[i] === 'r' || !state.said) return;
    const before =
      i > 0 ? states[i - 1] : { names: design.names, temperatures: design.temperatures, selected: [-1, -1] };
    const row = Number(moves[i].slice(3));
    const nameRow = moves[i][1] === '0' ? row : before.selected[0];
    const temperatureRow = moves[i][1] === '1' ? row : before.selected[1];
    const name = before.names[nameRow];
    const element = design.names.indexOf(name);
    out.push({
      type: 'matching',
      student_response: `${symbol(name)}.${figure(before.temperatures[temperatureRow])}`,
      pattern: element < 0 ? undefined : `${design.symbols[element]}.${figure(design.temperatures[rights[element]])}`,
      result: state.text.startsWith('Вярно') ? 'correct' : 'wrong',
      weighting: '1',
    });
  });
  return out;
}
function sameInteractions(calls, moves, what) {
  const told = interactions(calls);
  const expected = expectedInteractions(moves);
  equal(told.length, expected.length, `${what}: one interaction a pair`);
  equal(new Set(told.map((t) => t.id)).size, told.length, `${what}: the interactions' ids are unique`);
  told.forEach((t, n) => {
    equal(
      {
        type: t.type,
        student_response: t.student_response,
        pattern: t['correct_responses.0.pattern'],
        result: t.result,
        weighting: t.weighting,
      },
      expected[n],
      `${what}: interaction ${n}`,
    );
    check(timespan.test(t.latency) && /^\d\d:\d\d:\d\d/.test(t.time), `${what}: interaction ${n}'s time and latency`);
  });
  return told;
}

await run('web.scorm', async (onClose) => {
  const lms = scratch('tarsomel-lms-');
  onClose(lms.remove);
  mkdirSync(join(lms.dir, 'package'));
  execFileSync('unzip', ['-q', zip, '-d', join(lms.dir, 'package')]);
  equal(
    execFileSync('unzip', ['-Z1', zip], { encoding: 'utf8' }).split('\n').filter(Boolean).sort(),
    ['imsmanifest.xml', 'tarsomel.html'],
    "the package's files",
  );
  equal(
    readFileSync(join(lms.dir, 'package', 'tarsomel.html')).equals(readFileSync(join(build, 'tarsomel.html'))),
    true,
    'the SCO is the one-file page',
  );
  const manifest = readFileSync(join(lms.dir, 'package', 'imsmanifest.xml'), 'utf8');
  const parsed = JSON.parse(
    execFileSync(
      'python3',
      [
        '-c',
        `
import json, sys, xml.etree.ElementTree as T
ns = {'cp': 'http://www.imsproject.org/xsd/imscp_rootv1p1p2', 'adlcp': 'http://www.adlnet.org/xsd/adlcp_rootv1p2'}
root = T.parse(sys.argv[1]).getroot()
res = root.findall('cp:resources/cp:resource', ns)
print(json.dumps({'schema': root.findtext('cp:metadata/cp:schema', None, ns), 'version': root.findtext('cp:metadata/cp:schemaversion', None, ns),
  'items': [i.get('identifierref') for i in root.iter('{%s}item' % ns['cp'])],
  'resources': [[r.get('identifier'), r.get('{%s}scormtype' % ns['adlcp']), r.get('href')] for r in res]}))
`,
        join(lms.dir, 'package', 'imsmanifest.xml'),
      ],
      { encoding: 'utf8' },
    ),
  );
  equal(
    parsed,
    {
      schema: 'ADL SCORM',
      version: '1.2',
      items: ['tarsomel-page'],
      resources: [['tarsomel-page', 'sco', 'tarsomel.html']],
    },
    `the manifest\n${manifest}`,
  );
  const scormAgain = dirname(createRequire(import.meta.url).resolve('scorm-again'));
  copyFileSync(join(scormAgain, 'scorm12.min.js'), join(lms.dir, 'scorm12.min.js'));
  for (const file of ['lms.html', 'lms.js']) copyFileSync(join(here, file), join(lms.dir, file));
  const server = await serve(onClose, lms.dir);

  // Opens the platform with the SCO in its frame; gives a way to play moves
  // in it, which are then compared with the in-memory window.
  const launch = async (page, query = '') => {
    const started = Date.now();
    await page.goto(`${server.url}lms.html${query}`);
    await page.waitForFunction(() => {
      const doc = document.getElementById('sco').contentDocument;
      return doc && !!doc.querySelector('main[data-ready]');
    });
    const frame = page.frameLocator('#sco');
    const sco = () => page.frame({ url: /tarsomel\.html/ });
    const moves = [];
    const playMoves = async (more) => {
      for (const move of more) {
        if (move === 'r') {
          await frame.getByRole('button').click();
        } else {
          await frame
            .locator(`${move[1] === '0' ? '#t-names' : '#t-temperatures'} > [role=option]`)
            .nth(Number(move.slice(3)))
            .click();
        }
        moves.push(move);
      }
      samePlay(await sco().evaluate(readPage), play(moves).at(-1), `after ${moves.length} moves`);
    };
    return {
      started,
      sco,
      moves,
      playMoves,
      log: () => page.evaluate(() => window.lmsLog),
      errors: () => page.evaluate(() => window.lmsErrors),
    };
  };
  // The page's line that says the result is not kept.
  const notRecorded = () => {
    const line = document.getElementById('t-not-recorded');
    return line && { shown: !line.hidden, text: line.textContent, role: line.getAttribute('role') };
  };
  const hiddenLine = { shown: false, text: design.notRecorded, role: 'alert' };
  const shownLine = { ...hiddenLine, shown: true };
  const leave = async (page) => {
    await page.evaluate(() => {
      document.getElementById('sco').src = 'about:blank';
    });
    await page.waitForFunction(() => window.lmsLog.some((c) => c[0] === 'LMSFinish'));
  };

  // ---- A session: three rounds, out of sight once, then left ----------------
  const { page, seen } = await chromium(onClose);
  const first = await launch(page);
  let calls = await first.log();
  equal(calls[0], ['LMSInitialize', '', 'true'], 'the session started first');
  equal(lastSet(calls, 'cmi.core.lesson_status'), 'incomplete', 'incomplete at start');
  check(
    calls.some((c) => c[0] === 'LMSCommit'),
    'saved at start',
  );
  equal(lastSet(calls, 'cmi.core.score.raw'), '', 'no score at start');
  equal(await first.sco().evaluate(notRecorded), hiddenLine, 'a platform that keeps the result: no line');

  // Rounds of 5, 8 and 3 right pairs: the best round, as a percentage.
  const raws = [];
  for (const [i, right] of [5, 8, 3].entries()) {
    const moves = [...(i > 0 ? ['r'] : []), ...roundWith(right)];
    equal(rightPairs(roundWith(right)), right, `a round of ${right} by the in-memory window`);
    await first.playMoves(moves.slice(0, -1));
    calls = await first.log();
    equal(lastSet(calls, 'cmi.core.score.raw'), raws.at(-1) ?? '', `no new score before round ${i + 1} ends`);
    await first.playMoves(moves.slice(-1));
    calls = await first.log();
    raws.push(lastSet(calls, 'cmi.core.score.raw'));
    equal(calls.at(-1)[0], 'LMSCommit', `saved after round ${i + 1}`);
  }
  equal(raws, ['50', '80', '80'], 'the score after rounds of 5, 8 and 3 right pairs');
  equal(
    [
      lastSet(calls, 'cmi.core.score.min'),
      lastSet(calls, 'cmi.core.score.max'),
      lastSet(calls, 'cmi.core.lesson_status'),
    ],
    ['0', '100', 'completed'],
    "the score's range and the status",
  );
  // "Чисти" in the middle of a round changes nothing.
  await first.playMoves(['r', 'c0:0', `c1:${rights[0]}`, 'c0:0', 'c1:1']);
  equal(lastSet(await first.log(), 'cmi.core.score.raw'), '80', 'an unfinished round changes nothing');
  calls = await first.log();
  sameInteractions(calls, first.moves, 'the first session');

  // Out of sight: saved at once.
  const before = calls.length;
  await first.sco().evaluate(() => {
    Object.defineProperty(document, 'visibilityState', { configurable: true, get: () => 'hidden' });
    document.dispatchEvent(new Event('visibilitychange'));
  });
  calls = await first.log();
  equal(
    calls.slice(before).map((c) => c[0]),
    ['LMSCommit'],
    'saved when the page went out of sight',
  );
  equal(calls.filter((c) => c[0] === 'LMSFinish').length, 0, 'not finished while the page is open');

  // Leaving the page: the time on task, then finished, once.
  await leave(page);
  const left = Date.now();
  calls = await first.log();
  equal(
    calls.filter((c) => c[0] === 'LMSFinish'),
    [['LMSFinish', '', 'true']],
    'finished once',
  );
  const end = calls.slice(-3).map((c) => c.slice(0, 3));
  equal(
    [end[0][1], end[1], end[2]],
    ['cmi.core.session_time', ['LMSSetValue', 'cmi.core.exit', ''], ['LMSFinish', '', 'true']],
    'the time on task and the exit just before the end',
  );
  const session = seconds(end[0][2]);
  check(
    /^\d{4}:\d\d:\d\d\.\d\d$/.test(end[0][2]),
    `the session time "${end[0][2]}" has four figures of hours and two decimals`,
  );
  check(
    session > 0 && session <= (left - first.started) / 1000,
    `the session time ${session} s within the ${(left - first.started) / 1000} s the page was open`,
  );
  const latencies = interactions(calls).reduce((sum, t) => sum + seconds(t.latency), 0);
  check(latencies <= session + 0.01, `the pairs' latencies (${latencies} s) within the session (${session} s)`);
  equal(calls.filter((c) => c[1] === 'cmi.core.session_time').length, 1, 'the session time set once');
  checkCalls(calls, await first.errors(), 'the first session');
  equal(seen.errors, [], 'errors reported');

  // ---- A course with a mastery score of 80 --------------------------------
  const mastery = await launch(await page.context().newPage(), '?mastery=80');
  const statuses = [];
  for (const [i, right] of [5, 8, 3].entries()) {
    await mastery.playMoves([...(i > 0 ? ['r'] : []), ...roundWith(right)]);
    statuses.push(lastSet(await mastery.log(), 'cmi.core.lesson_status'));
  }
  equal(statuses, ['failed', 'passed', 'passed'], 'rounds of 5, 8 and 3 against a mastery score of 80');
  checkCalls(await mastery.log(), await mastery.errors(), 'the session with a mastery score');

  // ---- The SCO in a window of its own, closed after a round of 7 ------------
  const platform = await page.context().newPage();
  await platform.goto(`${server.url}lms.html?window`);
  const [popup] = await Promise.all([platform.waitForEvent('popup'), platform.click('#launch')]);
  await popup.waitForFunction(quizReady);
  const seven = roundWith(7);
  for (const move of seven) {
    await popup
      .locator(`${move[1] === '0' ? '#t-names' : '#t-temperatures'} > [role=option]`)
      .nth(Number(move.slice(3)))
      .click();
  }
  samePlay(await popup.evaluate(readPage), play(seven).at(-1), 'the round of 7 in its own window');
  await popup.close({ runBeforeUnload: true });
  await platform.waitForFunction(() => window.lmsLog.some((c) => c[0] === 'LMSFinish'), null, { timeout: 10000 });
  calls = await platform.evaluate(() => window.lmsLog);
  equal(
    [lastSet(calls, 'cmi.core.score.raw'), lastSet(calls, 'cmi.core.lesson_status')],
    ['70', 'completed'],
    'the round kept when its window was closed',
  );
  equal(calls.filter((c) => c[0] === 'LMSFinish').length, 1, 'the session finished when its window was closed');
  sameInteractions(calls, seven, 'the round of 7');
  checkCalls(calls, await platform.evaluate(() => window.lmsErrors), 'the round of 7');
  // The calls of that session, for the reader of the test's output.
  console.log(
    `a round of 7 right, as the platform was told it:\n${calls
      .map(
        (c) =>
          `  ${c[0]}(${c
            .slice(1, -1)
            .map((a) => JSON.stringify(a))
            .join(', ')}) → ${JSON.stringify(c.at(-1))}`,
      )
      .join('\n')}`,
  );

  // ---- No platform: the same page opened by itself plays, nothing thrown ----
  const alone = await chromium(onClose);
  await open(alone.page, `${server.url}package/tarsomel.html`);
  await alone.page.locator('#t-names > [role=option]').nth(1).click();
  await alone.page.locator('#t-temperatures > [role=option]').nth(0).click();
  samePlay(await alone.page.evaluate(readPage), play(['c0:1', 'c1:0'])[1], 'with no platform');
  equal(await alone.page.evaluate(notRecorded), hiddenLine, 'with no platform: no line');
  equal(alone.seen.errors, [], 'with no platform: errors reported');

  // ---- A platform whose every call throws: the quiz plays all the same -----
  const broken = await chromium(onClose);
  await broken.page.goto(`${server.url}lms.html?throwing`);
  const brokenFrame = broken.page.frameLocator('#sco');
  await brokenFrame.locator('main[data-ready]').waitFor();
  const all = roundWith(10);
  for (const move of all) {
    await brokenFrame
      .locator(`${move[1] === '0' ? '#t-names' : '#t-temperatures'} > [role=option]`)
      .nth(Number(move.slice(3)))
      .click();
  }
  const last = broken.page.frame({ url: /tarsomel\.html/ });
  equal(
    (await last.evaluate(readPage)).text.split('\n')[0],
    play(all).at(-1).text.split('\r\n')[0],
    'with a failing platform: the last verdict',
  );
  equal(
    await broken.page.evaluate(() => window.lmsLog.map((c) => c[0])),
    ['LMSInitialize'],
    'with a failing platform: tried once, then left alone',
  );
  equal(await last.evaluate(notRecorded), shownLine, 'with a failing platform: the pupil told');
  equal(broken.seen.errors, [], 'with a failing platform: errors reported');

  // ---- A platform that stops keeping the result, and keeps it again ---------
  // The line says so while it lasts: from the refused save at the start
  // until a round is kept, then again from a round whose score is refused.
  const lapsing = await chromium(onClose);
  const lapsed = await launch(lapsing.page, '?refuse=LMSCommit');
  equal(await lapsed.sco().evaluate(notRecorded), shownLine, 'the first save refused: the pupil told');
  await lapsing.page.evaluate(() => window.lmsRefusing.clear());
  await lapsed.playMoves(roundWith(5));
  equal(await lapsed.sco().evaluate(notRecorded), hiddenLine, 'a round kept: the line gone');
  await lapsing.page.evaluate(() => window.lmsRefusing.add('LMSSetValue'));
  await lapsed.playMoves(['r', ...roundWith(3)]);
  equal(await lapsed.sco().evaluate(notRecorded), shownLine, "a round's score refused: the pupil told again");
  equal(lapsing.seen.errors, [], 'with a lapsing platform: errors reported');
});

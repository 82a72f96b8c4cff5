// The web page in every browser engine installed (Chromium, Firefox ESR, WebKitGTK): the
// sets a seed gives, the points each criterion gives against the native lotto-stats, the
// page on a phone, accessibility by axe-core, a draw history from the device, a core that
// cannot load, the service worker offline and after a change. Each test is written once
// and runs per engine through ./engines.mjs.
import assert from 'node:assert/strict';
import { execFile, execFileSync } from 'node:child_process';
import { cpSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import QRCode from 'qrcode';
import { installedEngines, launch, showSectionOf } from './engines.mjs';
import { AXE_PATH, serveResults, serveSite } from './site_server.mjs';

const top = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const site = process.env.LOTTO_SITE ?? join(top, 'build/web/site');
const coreForNode = process.env.LOTTO_CORE_NODE ?? join(top, 'build/web/core-node.cjs');
const lottoStats = process.env.LOTTO_STATS ?? join(top, 'build/default/lotto-stats');
const screenshots = process.env.LOTTO_SCREENSHOTS ?? join(top, 'build/web/screenshots');
const require = createRequire(import.meta.url);

const core = await require(coreForNode)();
// The criteria's keys in the core's order.
const criteria = Array.from({ length: core._lotto_criterion_count() },
  (_, index) => core.UTF8ToString(core._lotto_criterion_key(index)));
mkdirSync(screenshots, { recursive: true });

const shippedHistory = readFileSync(join(top, 'data/draws.csv'));

// What the core itself yields for a seed: with the built-in lists, or with those the
// shipped history gave after `round`; under the kept and left-out numbers of `choice`.
function prediction(seed, round = null, choice = { with: '', without: '' }) {
  core.stringToUTF8(`${choice.with}\n${choice.without}`, core._lotto_line_buffer(), core._lotto_line_capacity());
  assert.equal(core._lotto_choose_numbers(), 1, core.UTF8ToString(core._lotto_message()));
  if (round === null) {
    core._lotto_use_built_in_lists();
  } else {
    core.HEAPU8.set(shippedHistory, core._lotto_history_buffer());
    assert.equal(core._lotto_use_history(shippedHistory.length), 1);
    assert.equal(core._lotto_use_lists_of_round(round), 1);
  }
  core._lotto_generate(seed);
  return [0, 1, 2, 3, 4].map((set) => ({
    numbers: [0, 1, 2, 3, 4, 5].map((i) => core._lotto_number(set, i)).join(' '),
    total: String(core._lotto_total(set)),
  }));
}

// The points the native lotto-stats shows for a set, in the detail screen's order.
function nativePoints(numbers, ...options) {
  const report = execFileSync(lottoStats, [...options, '--set', numbers.replaceAll(' ', ',')],
    { encoding: 'utf8', env: { ...process.env, LC_ALL: 'C' } });
  const points = [...report.matchAll(/---> *(\d+)점/g)].map((match) => Number(match[1]));
  const total = report.match(/==========> 총점 : (\d+)점/)[1];
  return { points, total };
}

function shownSets(page) {
  return page.evaluate(() => [...document.querySelectorAll('.set')].map((set) => ({
    numbers: set.dataset.numbers,
    total: set.dataset.total,
    points: [...set.querySelectorAll('[data-criterion]')].map((c) => [c.dataset.criterion,
      Number(c.dataset.points)]),
  })));
}

const ready = () => document.body.dataset.ready === 'true';

// A reload, as the player's: the address, and so the section, kept (a query of its own makes
// it a new load in every engine's driver); done once the section shown is.
let reloads = 0;
async function reload(page) {
  const address = new URL(await page.evaluate(() => window.location.href));
  reloads += 1;
  address.searchParams.set('reload', String(reloads));
  await page.goto(address.href);
  await page.waitFor(ready);
  await page.waitFor(() => document.querySelector('.app-section:not([hidden])').dataset.ready === 'true');
}

// From now on, the page's main-thread tasks over 50 ms in window.longTasks, where the engine
// reports them (Chromium).
function watchLongTasks(page) {
  return page.evaluate(() => {
    window.longTasks = [];
    if (PerformanceObserver.supportedEntryTypes?.includes('longtask')) {
      new PerformanceObserver((list) => window.longTasks.push(...list.getEntries().map((e) => e.duration)))
        .observe({ type: 'longtask' });
    }
    return true;
  });
}

// axe-core's WCAG 2.2 A and AA rules on the page as it stands: the violations' ids.
// WebKitGTK's window cannot ask for reduced motion: the balls' entrance is let finish first,
// or a half-faded ball would be judged by its passing colour.
async function accessibilityViolations(page) {
  await page.evaluate(() => Promise.all(document.getAnimations().map((a) => a.finished)).then(() => true));
  await page.evaluate((path) => (window.axe ? true : new Promise((done, failed) => {
    const script = Object.assign(document.createElement('script'), { src: path });
    script.onload = () => done(true);
    script.onerror = failed;
    document.head.append(script);
  })), AXE_PATH);
  return page.evaluate(() => window.axe.run(document, { runOnly: { type: 'tag',
    values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] } })
    .then((result) => result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`)));
}

// The site in a folder of the test's own, to change it under a returning visitor.
function siteCopy() {
  const folder = mkdtempSync(join(tmpdir(), 'lotto-site-'));
  cpSync(site, folder, { recursive: true });
  return folder;
}

// The next release of a site copy, as a build would publish it: index.html's title changed
// (the version is not), the service worker stamped anew.
function publishRelease(folder) {
  const index = join(folder, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('<title>로또 번호 생성</title>',
    '<title>로또 번호 생성 (새 판)</title>'));
  execFileSync('cmake', [`-DSITE=${folder}`, `-DTEMPLATE=${join(top, 'web/sw.js')}`, '-P',
    join(top, 'cmake/stamp_service_worker.cmake')]);
}

// Two slips' QR codes: two games pasted as the phone shows the link, one game on a photo.
const PASTED_SLIP = '1231q030914273641m051117223344n000000000000n000000000000n0000000000001234567890';
const PHOTO_SLIP = '1231m010203040506n000000000000n000000000000n000000000000n000000000000987654321012345678';

function shownGames(page) {
  return page.evaluate(() => [...document.querySelectorAll('#tickets [data-game]')].map((game) => ({
    round: game.dataset.round, game: game.dataset.game, rank: game.dataset.rank })));
}

// Types a line into a field and taps its button.
async function enter(page, field, line, button) {
  await page.evaluate((selector, value) => { document.querySelector(selector).value = value; return true; },
    field, line);
  await page.click(button);
}

// The page's exports, as a player would download them, written to files.
async function exported(page, folder) {
  const [ticketsText, historyText] = await page.evaluate(() => Promise.all(['#export-tickets', '#export-history']
    .map((id) => fetch(document.querySelector(id).href).then((r) => r.text()))));
  const tickets = join(folder, 'tickets.csv');
  const history = join(folder, 'draws.csv');
  writeFileSync(tickets, ticketsText);
  writeFileSync(history, historyText);
  return { tickets, history, ticketsText };
}

// A photo of a slip: its QR code as a PNG of the test's own making.
async function slipPhoto(folder) {
  const path = join(folder, 'slip.png');
  await QRCode.toFile(path, PHOTO_SLIP, { width: 480, margin: 4 });
  return path;
}

// The same code as a camera would film it: one frame of Y4M, black modules on white.
function slipVideo(folder) {
  const { modules } = QRCode.create(PHOTO_SLIP, { errorCorrectionLevel: 'M' });
  const width = 640;
  const height = 480;
  const scale = 8;
  const left = (width - modules.size * scale) / 2;
  const top = (height - modules.size * scale) / 2;
  const luma = Buffer.alloc(width * height, 235);
  for (let y = 0; y < modules.size * scale; y += 1) {
    for (let x = 0; x < modules.size * scale; x += 1) {
      if (modules.get(Math.floor(y / scale), Math.floor(x / scale))) {
        luma[(top + y) * width + left + x] = 16;
      }
    }
  }
  const path = join(folder, 'slip.y4m');
  writeFileSync(path, Buffer.concat([Buffer.from(`YUV4MPEG2 W${width} H${height} F10:1 Ip A1:1 C420jpeg\nFRAME\n`),
    luma, Buffer.alloc(width * height / 2, 128)]));
  return path;
}

// The back-test part of lotto-stats' Korean report for a history file, and how long the
// native program took for it.
function nativeBackTest(file) {
  const started = process.hrtime.bigint();
  const report = execFileSync(lottoStats, ['--draws', file],
    { encoding: 'utf8', env: { ...process.env, LC_ALL: 'ko_KR.UTF-8' } });
  const seconds = Number(process.hrtime.bigint() - started) / 1e9;
  const line = (start) => report.split('\n').find((l) => l.trimStart().startsWith(start));
  return {
    seconds,
    words: words(report),
    meanMidRank: line('평균 중간 순위').match(/([\d.]+) %/)[1],
    pValue: report.match(/p = ([\d.]+)/)[1],
  };
}

// Blanks in a row as one: the page shows the report's lines as flowing text.
const words = (text) => text.replace(/\s+/g, ' ').trim();

// The back-test takes seconds, not the tens of milliseconds other waits allow for.
async function waitLong(page, fn, seconds = 100) {
  const end = Date.now() + seconds * 1000;
  while (!(await page.evaluate(fn))) {
    if (Date.now() > end) {
      throw new Error(`not within ${seconds} s: ${fn}`);
    }
    await new Promise((resolve) => { setTimeout(resolve, 200); });
  }
}

// Made-up rounds after the shipped history, in the results mirror's schema: the numbers and
// date first, the prizes in a second stage (one game's prize and the winners of each rank).
const MADE_UP_ROUNDS = {
  1231: { numbers: [2, 13, 19, 24, 33, 40], bonus: 7, date: '2026-07-04', sales: 118204000000,
    divisions: [[2345678901, 12], [61234567, 77], [1456789, 3120], [50000, 160001], [5000, 2700123]] },
  1232: { numbers: [5, 11, 17, 29, 36, 44], bonus: 21, date: '2026-07-11', sales: 119998000000,
    divisions: [[0, 0], [152004320, 31], [1623456, 2901], [50000, 151234], [5000, 2698001]] },
  1233: { numbers: [1, 9, 15, 27, 38, 42], bonus: 30, date: '2026-07-18', sales: 121440000000,
    divisions: [[3000000000, 9], [58000000, 81], [1400000, 3356], [50000, 158770], [5000, 2650009]] },
  1234: { numbers: [4, 10, 16, 23, 35, 45], bonus: 11, date: '2026-07-25', sales: 117650000000,
    divisions: [[1980000000, 14], [49500000, 93], [1390000, 3302], [50000, 161002], [5000, 2712330]] },
};
function mirrorAnswer(round, { final = true, ...changes } = {}) {
  const made = MADE_UP_ROUNDS[round];
  const answer = { draw_no: round, numbers: made.numbers, bonus_no: made.bonus, date: `${made.date}T00:00:00Z`,
    divisions: made.divisions.map(([prize, winners]) => (final && winners > 0 ? { prize, winners } : {})),
    ...(final ? { total_sales_amount: made.sales } : {}), winners_combination: {}, ...changes };
  return { body: JSON.stringify(answer) };
}

// The page's results panel: the newest draw and the last try's words.
const latestDraw = (page) => page.evaluate(() => {
  const panel = document.querySelector('#latest-draw');
  return { round: panel.dataset.round, numbers: panel.dataset.numbers, bonus: panel.dataset.bonus,
    prizesShown: !document.querySelector('#latest-prizes').hidden,
    status: document.querySelector('#results-status').textContent };
});
// The results panel comes after the page is ready, loaded apart.
const resultsReady = () => !document.querySelector('#check-results').disabled;
// Taps the button and waits for the try's last word.
async function checkResults(page) {
  await page.click('#check-results');
  await page.waitFor(() => !['', '새 회차를 확인하는 중…'].includes(document.querySelector('#results-status').textContent));
}
const gamePrizes = (page) => page.evaluate(() => Object.fromEntries([...document.querySelectorAll('#tickets [data-game]')]
  .map((game) => [`${game.dataset.round}:${game.dataset.game}`, game.dataset.prize])));

const backTestDone = () => !document.querySelector('#back-test-result').hidden
  || document.querySelector('#back-test-running').hidden;

for (const engine of installedEngines()) {
  describe(engine.name, () => {
    let browser;
    let server;
    before(async () => {
      browser = await launch(engine);
      server = await serveSite(site);
    });
    after(async () => {
      await browser?.close();
      await server?.stop();
    });
    const open = (path, options) => browser.open(`${server.origin}${path}`, options)
      .then(async (page) => { await page.waitFor(ready); return page; });
    // A site of the test's own, served and opened, both ended with the test.
    const openOwn = async (t, folder) => {
      const own = await serveSite(folder);
      t.after(() => own.stop());
      const page = await browser.open(`${own.origin}/`);
      t.after(() => page.close());
      await page.waitFor(ready);
      return { own, page };
    };

    test('the five sets of a seed are what the core yields, at once from the link', async () => {
      for (const seed of [1, 7, 20261206, 4294967295]) {
        const page = await open(`/?seed=${seed}`);
        const shown = await shownSets(page);
        assert.deepEqual(shown.map(({ numbers, total }) => ({ numbers, total })), prediction(seed));
        for (const set of shown) {
          assert.deepEqual(set.points.map(([criterion]) => criterion), criteria);
        }
        await page.close();
      }
    });

    test('every criterion shows the points of the native scoring', async () => {
      const page = await open('/?seed=20261206');
      for (const set of await shownSets(page)) {
        const native = nativePoints(set.numbers);
        assert.deepEqual(set.points.map(([, points]) => points), native.points, set.numbers);
        assert.equal(set.total, native.total, set.numbers);
      }
      await page.close();
    });

    test('each tap, by keyboard, makes a new prediction, and its link replays it', async () => {
      const page = await open('/');
      assert.equal(await page.evaluate(() => document.querySelectorAll('.set').length), 0);
      assert.equal(await page.evaluate(() => document.querySelector('#generate').textContent), '로또 번호 생성');
      await page.pressEnter('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      const first = await page.evaluate(() => [document.querySelector('#status').textContent,
        document.querySelector('#replay-link').href]);
      const firstSets = await shownSets(page);
      await page.pressEnter('#generate');
      await page.waitFor((before) => document.querySelector('#status').textContent !== before, first[0]);
      const second = await page.evaluate(() => [document.querySelector('#status').textContent,
        document.querySelector('#replay-link').href]);
      assert.notEqual(second[1], first[1]);
      assert.notDeepEqual(await shownSets(page), firstSets);
      assert.equal(await page.evaluate(() => document.querySelector('#generate').textContent), '다시 생성');
      // A new prediction is scored with the page's history, and its link says how far it went.
      const seed = Number(new URL(second[1]).searchParams.get('seed'));
      assert.equal(new URL(second[1]).searchParams.get('round'), '1230');
      assert.deepEqual((await shownSets(page)).map(({ numbers, total }) => ({ numbers, total })),
        prediction(seed, 1230));
      await page.close();
      const replay = await open(`/${new URL(second[1]).search}`);
      assert.deepEqual((await shownSets(replay)).map(({ numbers, total }) => ({ numbers, total })),
        prediction(seed, 1230));
      await replay.close();
      // A history that does not reach the link's round says so and shows no sets.
      const ahead = await open(`/?seed=${seed}&round=1300`);
      assert.equal(await ahead.evaluate(() => document.querySelectorAll('.set').length), 0);
      assert.match(await ahead.evaluate(() => document.querySelector('#status').textContent),
        /^이 링크의 번호는 1300회까지의 당첨 번호 기록으로 점수를 매겼습니다\. 이 기기의 기록은 1230회까지라/);
      await ahead.close();
    });

    test('numbers kept and left out on the board: the core\'s sets, a link that replays them, refusals in Korean', async () => {
      const page = await open('/', { width: 320 });
      await page.click('#own-numbers summary');
      for (const number of [21, 7, 13, 13]) {
        await page.click(`#number-board [data-number="${number}"]`);
      }
      const marks = () => page.evaluate(() => Object.fromEntries([...document.querySelectorAll('#number-board .pick')]
        .filter((pick) => pick.dataset.state !== 'none')
        .map((pick) => [pick.dataset.number, [pick.dataset.state, pick.getAttribute('aria-label'), pick.textContent]])));
      const marked = { 21: ['kept', '21번 고정', '21고정'], 7: ['kept', '7번 고정', '7고정'],
        13: ['left-out', '13번 제외', '13제외'] };
      assert.deepEqual(await marks(), marked);
      assert.equal(await page.evaluate(() => document.querySelector('#numbers-status').textContent),
        '고정수 21, 7 · 제외수 13: 다음 생성부터 따릅니다.');
      assert.deepEqual(await accessibilityViolations(page), [], 'the board marked');
      const widths = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
      assert.ok(widths[0] <= widths[1], `the board scrolls sideways: ${widths}`);
      await page.click('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      const link = new URL(await page.evaluate(() => document.querySelector('#replay-link').href));
      assert.equal(link.searchParams.get('with'), '21,7');
      assert.equal(link.searchParams.get('without'), '13');
      const seed = Number(link.searchParams.get('seed'));
      const expected = prediction(seed, 1230, { with: '21,7', without: '13' });
      assert.deepEqual((await shownSets(page)).map(({ numbers, total }) => ({ numbers, total })), expected);
      for (const { numbers } of expected) {
        const set = numbers.split(' ');
        assert.ok(set.includes('7') && set.includes('21') && !set.includes('13'), numbers);
      }
      // Four in a row cannot be kept: said at once, and a tap makes no sets.
      for (const number of [1, 2, 3, 4]) {
        await page.click(`#number-board [data-number="${number}"]`);
      }
      assert.match(await page.evaluate(() => document.querySelector('#numbers-status').textContent),
        /^이대로는 번호를 만들 수 없습니다: 고정수는 다섯 개까지입니다\(6개를 골랐습니다\)$/);
      await page.click('#number-board [data-number="21"]');
      assert.equal(await page.evaluate(() => document.querySelector('#numbers-status').textContent),
        '이대로는 번호를 만들 수 없습니다: 고정수 1부터 4까지가 네 개 연속입니다. 네 개 연속인 세트는 제안하지 않습니다');
      await page.click('#generate');
      assert.equal(await page.evaluate(() => document.querySelectorAll('.set').length), 0);
      assert.match(await page.evaluate(() => document.querySelector('#status').textContent),
        /^이 고정수·제외수로는 번호를 만들 수 없습니다: 고정수 1부터 4까지가/);
      await page.click('#clear-numbers');
      assert.deepEqual(await marks(), {});
      await page.close();

      // The link replays the sets and marks the board; a link without lists replays as before.
      const replay = await open(`/${link.search}`);
      assert.deepEqual((await shownSets(replay)).map(({ numbers, total }) => ({ numbers, total })), expected);
      assert.deepEqual(await replay.evaluate(() => document.querySelector('#own-numbers').open), true);
      const replayed = await replay.evaluate(() => Object.fromEntries([...document.querySelectorAll('#number-board .pick')]
        .filter((pick) => pick.dataset.state !== 'none').map((pick) => [pick.dataset.number, pick.dataset.state])));
      assert.deepEqual(replayed, { 21: 'kept', 7: 'kept', 13: 'left-out' });
      await replay.close();
      for (const [search, reason] of [['with=7&without=7', '7번을 고정수와 제외수에 함께 넣을 수 없습니다'],
        ['with=7%0A13', '1부터 45까지의 수를 쉼표로 구분해 주세요'],
        ['without=1,3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33,35,37,39,41,43,45',
          '이 번호로 만들 수 있는 세트는 모두 제안하지 않는 세트입니다: 모두 짝수'],
        ['with=<b>1</b>', '1부터 45까지의 수를 쉼표로 구분해 주세요']]) {
        const refused = await open(`/?seed=5&${search}`);
        assert.equal(await refused.evaluate(() => document.querySelectorAll('.set, #status b').length), 0, search);
        assert.equal(await refused.evaluate(() => document.querySelector('#status').textContent),
          `이 고정수·제외수로는 번호를 만들 수 없습니다: ${reason}`, search);
        await refused.close();
      }
    });

    test('the details show every criterion of every set, and fit a phone of 360 and 320 px', async () => {
      for (const width of [360, 320]) {
        const page = await open('/?seed=20261206', { width });
        assert.equal(await page.evaluate(() => [...document.querySelectorAll('.criteria')]
          .filter((c) => c.offsetParent).length), 0);
        await page.click('#details');
        assert.equal(await page.evaluate(() => [...document.querySelectorAll('.criteria')]
          .filter((c) => c.offsetParent).length), 5);
        const first = await page.evaluate(() => [...document.querySelectorAll('.set:first-child [data-criterion]')]
          .map((row) => row.textContent));
        const expected = prediction(20261206)[0];
        assert.equal(first.length, 4);
        assert.match(first[0], /^홀수 : 짝수\d : \d\d+점$/);
        assert.match(first[2], new RegExp(`^숫자 총합${expected.numbers.split(' ')
          .reduce((sum, n) => sum + Number(n), 0)} `));
        const widths = await page.evaluate(() => [document.documentElement.scrollWidth,
          document.documentElement.clientWidth]);
        assert.equal(widths[1], width, `the viewport is ${widths[1]} px`);
        assert.ok(widths[0] <= widths[1], `scrolls sideways at ${width} px: ${widths}`);
        const label = await page.evaluate(() => document.querySelector('.set .ball').getAttribute('aria-label'));
        assert.match(label, /^\d+, (노란색|파란색|빨간색|회색|초록색) 공 \(\d+~\d+\)$/);
        // README's pictures come from the engines that can picture a whole page.
        if (width === 360 && engine.name !== 'webkit') {
          await page.screenshot(join(screenshots, `phone-${engine.name}.png`));
        }
        await page.close();
      }
      if (engine.name !== 'webkit') {
        const desktop = await open('/?seed=20261206', { width: 1280 });
        await desktop.click('#details');
        await desktop.screenshot(join(screenshots, `desktop-${engine.name}.png`));
        await desktop.close();
      }
    });

    test('without JavaScript the explanation stands at the top, no dead controls', {
      skip: engine.name !== 'chromium' && 'only Chromium can turn scripts off from a test',
    }, async () => {
      const page = await browser.open(`${server.origin}/`, { javascript: false });
      const shown = await page.evaluate(() => [...document.querySelectorAll(
        'header > :not(h1):not(noscript), header noscript > *, main *')]
        .filter((node) => node.offsetParent !== null).map((node) => node.className || node.tagName));
      assert.equal(shown[0], 'notice');
      assert.ok(!shown.includes('actions needs-script') && !shown.includes('file'), shown.join(' '));
      await page.close();
    });

    test('axe-core finds no WCAG 2.2 A or AA fault: first view, a prediction, details open', async () => {
      const page = await open('/');
      assert.deepEqual(await accessibilityViolations(page), [], 'first view');
      await page.click('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      assert.deepEqual(await accessibilityViolations(page), [], 'after a prediction');
      await page.click('#details');
      assert.deepEqual(await accessibilityViolations(page), [], 'details open');
      await page.close();
    });

    // The section shown, its tab marked, and where the page is scrolled.
    const sectionState = (page) => page.evaluate(() => ({
      hash: window.location.hash,
      shown: [...document.querySelectorAll('.app-section')].filter((section) => !section.hidden).map((section) => section.id),
      current: [...document.querySelectorAll('.tabs [aria-current="page"]')].map((tab) => tab.id),
      top: window.scrollY === 0,
    }));
    const sectionReady = (id) => !document.getElementById(id).hidden && document.getElementById(id).dataset.ready === 'true';

    test('four sections: the tabs, the address, the back button, a reload and a link', async () => {
      const page = await open('/', { width: 360 });
      assert.deepEqual(await sectionState(page), { hash: '', shown: ['section-numbers'], current: ['tab-numbers'], top: true });
      for (const name of ['results', 'stats', 'tickets']) {
        await page.click(`#tab-${name}`);
        await page.waitFor(sectionReady, `section-${name}`);
        // The page's own #tickets (the list of games) does not move a section off its top.
        assert.deepEqual(await sectionState(page), { hash: `#${name}`, shown: [`section-${name}`],
          current: [`tab-${name}`], top: true }, name);
      }
      await page.evaluate(() => { window.history.back(); return true; });
      await page.waitFor(sectionReady, 'section-stats');
      assert.deepEqual((await sectionState(page)).current, ['tab-stats']);
      await reload(page);
      assert.deepEqual((await sectionState(page)).shown, ['section-stats'], 'a reload stays');
      await page.close();
      // A link to a section opens there; a replay link without one opens 번호 with its sets,
      // and with one the section wins while the sets are made all the same.
      const linked = await open('/#tickets', { width: 360 });
      await linked.waitFor(sectionReady, 'section-tickets');
      assert.deepEqual(await sectionState(linked), { hash: '#tickets', shown: ['section-tickets'], current: ['tab-tickets'],
        top: true });
      await linked.close();
      const replay = await open('/?seed=7#results');
      assert.deepEqual((await sectionState(replay)).shown, ['section-results']);
      assert.deepEqual((await shownSets(replay)).map(({ numbers, total }) => ({ numbers, total })), prediction(7));
      await replay.close();
    });

    test('the tab bar works before the page\'s code arrives, and every section fits 320 px and passes axe-core', async (t) => {
      const codeless = await serveSite(site, { failing: ['app.mjs'] });
      t.after(() => codeless.stop());
      const bare = await browser.open(`${codeless.origin}/`, { width: 320 });
      await bare.click('#tab-results');
      await bare.waitFor(() => !document.getElementById('section-results').hidden);
      assert.deepEqual((await sectionState(bare)).current, ['tab-results']);
      await bare.close();
      // A section whose code does not come says so in the section, not in another.
      const statsPart = `parts/${readdirSync(join(site, 'parts')).find((name) => name.startsWith('stats_section-'))}`;
      const partless = await serveSite(site, { failing: [statsPart] });
      t.after(() => partless.stop());
      const broken = await browser.open(`${partless.origin}/`, { width: 320 });
      await broken.waitFor(ready);
      await broken.click('#tab-stats');
      await broken.waitFor(() => document.querySelector('#section-stats .section-failed') !== null);
      assert.match(await broken.evaluate(() => document.querySelector('#section-stats [role="alert"]').textContent),
        /^이 화면을 불러오지 못했습니다/);
      await broken.close();
      const page = await open('/?seed=20261206', { width: 320 });
      for (const name of ['numbers', 'tickets', 'results', 'stats']) {
        await page.click(`#tab-${name}`);
        await page.waitFor(sectionReady, `section-${name}`);
        const widths = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
        assert.ok(widths[0] <= widths[1], `${name} scrolls sideways at 320 px: ${widths}`);
        // The tab bar sits at the bottom of a phone, within the screen.
        const bar = await page.evaluate(() => document.querySelector('.tabs').getBoundingClientRect().bottom - window.innerHeight);
        assert.ok(Math.abs(bar) <= 1, `${name}: the tab bar ends ${bar} px from the screen's bottom`);
        assert.deepEqual(await accessibilityViolations(page), [], name);
        if (engine.name !== 'webkit') {
          await page.screenshot(join(screenshots, `section-${name}-${engine.name}.png`), { fullPage: false });
        }
      }
      await page.close();
    });

    test('every past draw, twenty at a time, and a round searched for, as the shipped files give them', async (t) => {
      const draws = shippedHistory.toString().trim().split('\n').slice(1).map((line) => line.split(','));
      const prizes = new Map(readFileSync(join(top, 'data/prizes.csv'), 'utf8').trim().split('\n').slice(1)
        .map((line) => line.split(',')).map((row) => [row[0], row]));
      const expectedRow = ([round, date, ...numbers]) => ({ round, date, numbers: numbers.slice(0, 6).join(' '),
        bonus: numbers[6], prize1: prizes.get(round)[1], winners1: prizes.get(round)[2] });
      const newestFirst = draws.slice().reverse();
      const own = await serveSite(site);
      t.after(() => own.stop());
      const page = await browser.open(`${own.origin}/`, { width: 360 });
      await page.waitFor(ready);
      // Any main-thread task over 50 ms while a section opens or 20 more draws come.
      await watchLongTasks(page);
      await page.click('#tab-results');
      await page.waitFor(sectionReady, 'section-results');
      const rows = () => page.evaluate(() => [...document.querySelectorAll('#past-draws > li')].map((li) => ({ ...li.dataset })));
      assert.deepEqual(await rows(), newestFirst.slice(0, 20).map(expectedRow));
      assert.match(await page.evaluate(() => document.querySelector('#past-draws > li').textContent),
        /^1230회2026-06-27.*1등 [\d,]+원 · \d+게임$/);
      await page.click('#more-draws');
      await page.waitFor(() => document.querySelectorAll('#past-draws > li').length === 40);
      assert.deepEqual(await rows(), newestFirst.slice(0, 40).map(expectedRow));
      for (const name of ['stats', 'tickets']) {
        await page.click(`#tab-${name}`);
        await page.waitFor(sectionReady, `section-${name}`);
      }
      const longest = await page.evaluate(() => Math.max(0, ...window.longTasks));
      t.diagnostic(`${engine.name}: opening 당첨 결과, 20 more draws, 통계 and 내 번호, the longest main-thread task `
        + `over 50 ms: ${longest === 0 ? 'none' : `${Math.round(longest)} ms`}`);

      // A round found: its draw, five ranks, sales, and the player's games of it.
      await enter(page, '#ticket-text', '1100,1,2,3,4,5,6', '#add-ticket');
      await page.waitFor(() => document.querySelector('#tickets-status').textContent === '1100회 번호를 저장했습니다.');
      await page.evaluate(() => { document.querySelector('#round-search').value = '1100'; return true; });
      await page.pressEnter('#round-search');
      await page.waitFor(() => document.querySelector('#round-detail').dataset.round === '1100');
      const detail = await page.evaluate(() => ({ sales: document.querySelector('#round-detail').dataset.sales,
        ranks: [...document.querySelectorAll('#round-detail tbody tr')].map((tr) => [tr.dataset.rank, tr.dataset.prize,
          tr.dataset.winners]),
        games: [...document.querySelectorAll('#round-detail [data-game]')].map((game) => game.dataset.game),
        shown: !document.querySelector('#round-detail').hidden }));
      const paid = prizes.get('1100');
      assert.deepEqual(detail, { sales: paid[11], shown: true, games: ['1 2 3 4 5 6'],
        ranks: [1, 2, 3, 4, 5].map((rank) => [String(rank), paid[2 * rank - 1], paid[2 * rank]]) });
      // Rounds the history lacks, each said, no detail shown.
      for (const [round, said] of [['0', '회차는 1회부터입니다.'], ['99999', '99999회는 아직 추첨하지 않았습니다.'],
        ['1231', '1231회는 추첨했지만 이 기기의 기록에 아직 없습니다. 새 회차 확인으로 가져오거나 아래에 직접 입력하세요.'],
        ['12a', '찾을 회차를 숫자로 입력하세요.']]) {
        await page.evaluate((typed) => { document.querySelector('#round-search').value = typed; return true; }, round);
        await page.click('#find-round');
        assert.deepEqual(await page.evaluate(() => [document.querySelector('#round-search-status').textContent,
          document.querySelector('#round-detail').hidden]), [said, true], round);
      }
      assert.deepEqual(await accessibilityViolations(page), [], 'past draws and a search');
      await page.close();
    });

    test('a fetch that brings kept games\' results marks the 내 번호 tab until it is opened', async (t) => {
      const source = await serveResults();
      const own = await serveSite(site, { resultsSource: source.source });
      t.after(() => Promise.all([own.stop(), source.stop()]));
      const page = await browser.open(`${own.origin}/#tickets`, { width: 360 });
      await page.waitFor(ready);
      await page.waitFor(resultsReady);
      for (const line of ['1231,1,2,3,4,5,6', '1231,7,8,9,10,11,12', '1232,1,2,3,4,5,6']) {
        await enter(page, '#ticket-text', line, '#add-ticket');
        await page.waitFor((round) => document.querySelector('#tickets-status').textContent === `${round}회 번호를 저장했습니다.`,
          line.slice(0, 4));
      }
      const mark = () => page.evaluate(() => {
        const shown = document.querySelector('#tickets-mark');
        return shown.hidden ? null : [shown.textContent, document.querySelector('#tab-tickets').textContent];
      });
      assert.equal(await mark(), null);
      // Round 1231 drawn: its two games have a result, said on the tab while 당첨 결과 is open.
      source.answers.set(1231, mirrorAnswer(1231));
      await checkResults(page);
      assert.deepEqual(await mark(), ['2, 새 결과 2게임', '내 번호2, 새 결과 2게임']);
      await page.click('#tab-tickets');
      await page.waitFor(() => document.querySelector('#tickets-mark').hidden);
      // The next round's draw brings its one game.
      source.answers.set(1232, mirrorAnswer(1232));
      await checkResults(page);
      assert.deepEqual(await mark(), ['1, 새 결과 1게임', '내 번호1, 새 결과 1게임']);
      await page.close();
    });

    test('the ledger is lotto-stats --ledger --csv on the page\'s files; the budget is said, kept, and refuses nothing', async (t) => {
      const own = await serveSite(site);
      t.after(() => own.stop());
      const folder = mkdtempSync(join(tmpdir(), 'lotto-ledger-'));
      const page = await browser.open(`${own.origin}/#tickets`, { width: 360 });
      await page.waitFor(ready);
      await page.waitFor(sectionReady, 'section-tickets');
      const kept = async (line) => {
        await enter(page, '#ticket-text', line, '#add-ticket');
        await page.waitFor((round) => document.querySelector('#tickets-status').textContent.startsWith(`${round}회 번호를 저장했습니다.`),
          line.slice(0, line.indexOf(',')));
        return page.evaluate(() => document.querySelector('#tickets-status').textContent);
      };
      for (const line of ['1230,3,8,9,22,28,42', '1229,1,2,3,4,5,6', '1231,1,2,3,4,5,6', '87,1,2,3,4,5,6']) {
        await kept(line);
      }
      const againstNative = async () => {
        const files = await exported(page, folder);
        const prizes = join(folder, 'prizes.csv');
        writeFileSync(prizes, await page.evaluate(() => fetch(document.querySelector('#export-prizes').href).then((r) => r.text())));
        const native = execFileSync(lottoStats, ['--draws', files.history, '--prizes', prizes, '--tickets', files.tickets,
          '--ledger', '--csv'], { encoding: 'utf8' });
        const rows = native.trim().split('\n').slice(1).map((row) => row.split(','));
        const shown = await page.evaluate(() => [...document.querySelectorAll('#ledger tbody tr')].map((tr) =>
          [tr.dataset.month, tr.dataset.games, tr.dataset.spent, tr.dataset.won, tr.dataset.return, tr.dataset.unknown]));
        // Newest month first, the total last.
        assert.deepEqual(shown, [...rows.slice(0, -1).reverse(), rows[rows.length - 1]]);
        assert.equal(await page.evaluate(() => fetch(document.querySelector('#export-ledger').href).then((r) => r.text())), native);
        return rows;
      };
      assert.deepEqual(await againstNative(), [['2004-07', '1', '2000', '0', '1000', '0'],
        ['2026-06', '2', '2000', '1771357196', '1000', '0'], ['2026-07', '1', '1000', '0', '0', '1'],
        ['total', '4', '5000', '1771357196', '2000', '1']]);
      assert.match(await page.evaluate(() => document.querySelector('#ledger-chart').textContent),
        /쓴 돈 모두 5,000원.*돌아온 당첨금 모두 1,771,357,196원.*평균 환급 모두 2,000원/);

      // A budget of 1,000 won a round: a second game of round 1231 is kept, and said.
      await page.evaluate(() => {
        const budget = document.querySelector('#budget');
        budget.value = '1000';
        budget.dispatchEvent(new Event('change'));
        return true;
      });
      const said = '1231회 게임이 2,000원으로 한 회차 예산 1,000원을 넘었습니다. 게임은 그대로 저장했습니다.';
      assert.equal(await kept('1231,7,8,9,10,11,12'), `1231회 번호를 저장했습니다. ${said}`);
      // Round 87's game cost 2,000 won too: the newest round over is named, and how many are.
      const status = `${said} 예산을 넘은 회차는 모두 2개입니다.`;
      assert.equal(await page.evaluate(() => document.querySelector('#budget-status').textContent), status);
      assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('#ledger tr.over-budget')]
        .map((tr) => [tr.dataset.month, tr.dataset.overBudget])), [['2026-07', '1231'], ['2004-07', '87']]);
      await againstNative();
      assert.deepEqual(await accessibilityViolations(page), [], 'the ledger and the budget');
      // Kept across a reload; and the five sets saved from 번호 are kept and said there too.
      await reload(page);
      assert.deepEqual(await page.evaluate(() => [document.querySelector('#budget').value,
        document.querySelector('#budget-status').textContent]), ['1000', status]);
      await page.click('#tab-numbers');
      await page.click('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      await page.click('#save-sets');
      await page.waitFor(() => document.querySelector('#save-status').textContent !== '');
      assert.match(await page.evaluate(() => document.querySelector('#save-status').textContent),
        /^(\d+)회 5게임을 저장하였습니다\. \1회 게임이 5,000원으로 한 회차 예산 1,000원을 넘었습니다\. 게임은 그대로 저장했습니다\.$/);
      await page.click('#tab-tickets');
      await page.waitFor(sectionReady, 'section-tickets');
      assert.equal((await shownGames(page)).length, 10);
      await page.close();
    });

    // Each number's figures in lotto-stats --draws on a history file: times drawn over all
    // draws and the latest ones, the draws since (for the numbers it lists), and the band.
    function nativeRecord(file) {
      const report = execFileSync(lottoStats, ['--draws', file], { encoding: 'utf8', env: { ...process.env, LC_ALL: 'C' } });
      const table = report.split('How often each number was drawn')[1].split('\n');
      const numbers = table.map((line) => line.match(/^\s+(\d+)\s+(\d+) \(\s*[\d.]+\)\s+(\d+) \(/)).filter(Boolean)
        .map(([, number, all, recent]) => ({ number, all, recent }));
      const lists = report.split('Numbers not drawn lately')[1].split('How often')[0];
      const since = Object.fromEntries([...lists.matchAll(/(\d+) \((\d+)\)/g)].map(([, number, draws]) => [number, draws]));
      const band = words(report).match(/give or take [\d.]+: about two numbers in three land from (\d+) to (\d+) times, about 19 in 20 from (\d+) to (\d+)/)
        .slice(1);
      return { numbers, since, band };
    }

    test('the numbers\' record is lotto-stats --draws on the page\'s history, and follows a draw added', async (t) => {
      const folder = mkdtempSync(join(tmpdir(), 'lotto-record-'));
      // An origin of its own: the draw it adds stays with it.
      const own = await serveSite(site);
      t.after(() => own.stop());
      const page = await browser.open(`${own.origin}/#stats`, { width: 360 });
      await page.waitFor(ready);
      await page.waitFor(sectionReady, 'section-stats');
      const compare = async (what) => {
        const history = join(folder, 'draws.csv');
        writeFileSync(history, await page.evaluate(() => fetch(document.querySelector('#export-history').href).then((r) => r.text())));
        const native = nativeRecord(history);
        const shown = await page.evaluate(() => [...document.querySelectorAll('#number-record [data-number]')]
          .map((row) => ({ ...row.dataset })));
        assert.deepEqual(shown.map(({ number, all, recent }) => ({ number, all, recent })), native.numbers, what);
        for (const [number, since] of Object.entries(native.since)) {
          assert.equal(shown[Number(number) - 1].since, since, `${what}: draws since ${number}`);
        }
        const note = await page.evaluate(() => document.querySelector('#record-note').textContent);
        const band = note.match(/(\d+)회에서 (\d+)회 사이\(짙은 띠\)에, 스무 개 중 열아홉 개쯤이 (\d+)회에서 (\d+)회/).slice(1);
        assert.deepEqual(band, native.band, what);
        assert.equal(await page.evaluate(() => document.querySelectorAll('#record-chart rect.bar').length), 45);
        return shown;
      };
      const before = await compare('the shipped history');
      await enter(page, '#draw-line', '1231,2026-07-04,1,2,3,4,5,6,7', '#add-draw');
      await page.waitFor(() => document.querySelector('#history-status').textContent.startsWith('1231회를 기록에 추가했습니다'));
      await page.click('#tab-stats');
      await page.waitFor(sectionReady, 'section-stats');
      const after = await compare('a draw added');
      assert.equal(Number(after[0].all), Number(before[0].all) + 1);
      assert.equal(after[0].since, '0');
      await page.close();
    });

    test('a draw history from the device scores as lotto --draws does, and is told in Korean', async () => {
      const folder = mkdtempSync(join(tmpdir(), 'lotto-web-'));
      const history = join(folder, 'draws.csv');
      const lines = ['round,date,n1,n2,n3,n4,n5,n6,bonus'];
      for (let round = 30; round >= 1; round -= 1) {
        const first = (round * 7) % 33 + 1;
        lines.push(`${round},2025-01-${String(round).padStart(2, '0')},${first},${first + 1},${first + 3},40,43,45,44`);
      }
      writeFileSync(history, `${lines.join('\n')}\n`);
      const page = await open('/?seed=20261206');
      await page.upload('#history-file', history);
      await page.waitFor(() => document.querySelector('#history-status').textContent.includes('30회'));
      // The sets shown keep their link's lists; the next ones are scored with the new history.
      await page.click('#generate');
      await page.waitFor(() => new URL(document.querySelector('#replay-link').href).searchParams.get('round') === '30');
      for (const set of await shownSets(page)) {
        const native = nativePoints(set.numbers, '--draws', history);
        assert.deepEqual(set.points.map(([, points]) => points), native.points, set.numbers);
      }
      const broken = join(folder, 'broken.csv');
      writeFileSync(broken, `${lines.join('\n')}\n31,1,2,3,4,5,46\n`);
      await page.upload('#history-file', broken);
      await page.waitFor(() => document.querySelector('#history-status').textContent.includes(':32:'));
      // In Korean, as the page is, from the same catalogue as the programs.
      assert.match(await page.evaluate(() => document.querySelector('#history-status').textContent),
        /^broken\.csv:32: 1부터 45까지의 수가 아닙니다: '46'$/);
      // A file larger than the page keeps is said so, with the limit.
      const large = join(folder, 'large.csv');
      writeFileSync(large, `${lines.join('\n')}\n#${'x'.repeat(1 << 20)}\n`);
      await page.upload('#history-file', large);
      await page.waitFor(() => document.querySelector('#history-status').textContent.startsWith('large.csv'));
      assert.equal(await page.evaluate(() => document.querySelector('#history-status').textContent),
        'large.csv: 파일이 이 페이지가 다루는 1 MiB보다 큽니다. 아무것도 바꾸지 않았습니다.');
      // The page's own history again, for the tests after this one.
      await page.click('#built-in');
      await page.waitFor(() => document.querySelector('#history-status').textContent.startsWith('1230회'));
      await page.close();
    });

    test('the week on the device: a draw added, sets saved, games typed, pasted and photographed, checked as lotto-stats checks them', async () => {
      const own = await serveSite(site); // an origin of its own: nothing kept from other tests
      const folder = mkdtempSync(join(tmpdir(), 'lotto-week-'));
      const page = await browser.open(`${own.origin}/`, { width: 320 });
      await page.waitFor(ready);
      const statusOf = (id) => page.evaluate((which) => document.getElementById(which).textContent, id);
      assert.match(await statusOf('history-status'), /^1230회까지의 당첨 번호 기록/);
      assert.equal(await page.evaluate(() => document.querySelector('#draw-line').value), '1231,2026-07-04,');
      // The shipped newest draw with what each rank paid, within a 320 px phone, once the
      // first try (at a source nobody answers) has said its last word.
      await showSectionOf(page, '#latest-draw');
      await page.waitFor(() => !['', '새 회차를 확인하는 중…'].includes(document.querySelector('#results-status').textContent));
      assert.deepEqual(await latestDraw(page), { round: '1230', numbers: '3 8 9 22 28 42', bonus: '45', prizesShown: true,
        status: '1231회 결과를 가져오지 못해(연결할 수 없음) 기록은 1230회까지입니다.' });
      assert.equal(await statusOf('latest-title'), '1230회 당첨 번호 (2026-06-27 추첨)');
      const firstWidths = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
      assert.ok(firstWidths[0] <= firstWidths[1], `scrolls sideways at 320 px: ${firstWidths}`);

      // The newest draw, first without its bonus (refused in the core's words), then whole.
      await enter(page, '#draw-line', '1231,2026-07-04,1,2,3,4,5,6', '#add-draw');
      await page.waitFor(() => document.querySelector('#history-status').textContent.startsWith('추가하지 않았습니다'));
      assert.match(await statusOf('history-status'), /보너스 번호가 빠졌습니다$/);
      await enter(page, '#draw-line', '1231,2026-07-04,6,5,4,3,2,1,7', '#add-draw');
      await page.waitFor(() => document.querySelector('#history-status').textContent.startsWith('1231회를'));
      assert.equal(await page.evaluate(() => document.querySelector('#draw-line').value), '1232,2026-07-11,');

      // Five sets saved as games of the round on sale, once.
      const onSale = () => core._lotto_round_on_sale(Date.now() / 1000);
      const roundBefore = onSale();
      await page.click('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      const sets = (await shownSets(page)).map((set) => set.numbers);
      await page.click('#save-sets');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 5);
      await page.click('#save-sets');
      await page.waitFor(() => document.querySelector('#tickets-status').textContent === '이미 저장한 번호입니다');
      const saved = await shownGames(page);
      assert.ok([roundBefore, onSale()].includes(Number(saved[0].round)), saved[0].round);
      assert.deepEqual(saved.map((game) => game.game).sort(), sets.sort());

      // A typed game, a pasted slip, a slip on a photo; the same slip again adds nothing.
      await enter(page, '#ticket-text', '1231,7,5,4,3,2,1', '#add-ticket');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 6);
      await enter(page, '#ticket-text', `http://qr.example.kr/?v=${PASTED_SLIP}`, '#add-ticket');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 8);
      await page.upload('#ticket-photo', await slipPhoto(folder));
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 9);
      await enter(page, '#ticket-text', PHOTO_SLIP, '#add-ticket');
      await page.waitFor(() => document.querySelector('#tickets-status').textContent.startsWith('이 용지는 이미'));
      // A code that is no slip is shown as text, not followed.
      await enter(page, '#ticket-text', 'https://example.com/?v=<b>no</b>', '#add-ticket');
      await page.waitFor(() => document.querySelector('#tickets-status').textContent !== '' &&
        !document.querySelector('#tickets-status').textContent.startsWith('이 용지는'));
      assert.equal(await page.evaluate(() => document.querySelector('#tickets-status b')), null);

      // Every result as lotto-stats --check --csv gives it for the page's own files.
      const checkAgainstNative = async () => {
        const files = await exported(page, folder);
        const csv = execFileSync(lottoStats, ['--draws', files.history, '--prizes', join(top, 'data/prizes.csv'),
          '--tickets', files.tickets, '--check', '--csv'], { encoding: 'utf8' }).trim().split('\n').slice(1);
        const native = csv.map((row) => row.split(',')).map((f) => `${f[0]}:${f.slice(1, 7).join(' ')}:${f[9]}`);
        const shown = (await shownGames(page)).map((g) => `${g.round}:${g.game}:${g.rank}`);
        assert.deepEqual(shown.sort(), native.sort());
        return shown;
      };
      const shown = await checkAgainstNative();
      assert.ok(shown.includes('1231:1 2 3 4 5 7:2') && shown.includes('1231:1 2 3 4 5 6:1'), shown.join(' '));
      assert.match(await page.evaluate(() => document.querySelector('#tickets-summary').textContent), /게임 수9게임/);

      assert.deepEqual(await accessibilityViolations(page), [], 'tickets shown');
      const widths = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
      assert.ok(widths[0] <= widths[1], `scrolls sideways at 320 px: ${widths}`);

      // A game removed, and brought back.
      await page.click('#tickets .remove');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 8);
      await page.click('#undo-remove');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 9);

      // Kept on the device across a reload.
      await reload(page);
      assert.match(await statusOf('history-status'), /^1231회까지/);
      assert.deepEqual((await shownGames(page)).map((g) => `${g.round}:${g.game}:${g.rank}`).sort(), shown.sort());

      // An import that does not read changes nothing; one that reads adds the games the
      // device lacks (a game the file holds more often, as many more times), keeps every game
      // the device holds, and can be undone.
      const bad = join(folder, 'bad.csv');
      writeFileSync(bad, 'round,n1,n2,n3,n4,n5,n6\n1231,1,2,3,4,5,46\n');
      await page.upload('#tickets-file', bad);
      await page.waitFor(() => document.querySelector('#tickets-status').textContent.startsWith('가져오지'));
      assert.match(await statusOf('tickets-status'), /^가져오지 않았습니다: bad\.csv:2: /);
      assert.equal((await shownGames(page)).length, 9);
      const kept = (await exported(page, folder)).ticketsText;
      const good = join(folder, 'good.csv');
      writeFileSync(good, '1240,10,20,30,40,41,42\r\n1240,10,20,30,40,41,42\r\n');
      await page.upload('#tickets-file', good);
      // The status comes once the tickets are kept on the device, after they are shown.
      await page.waitFor(() => document.querySelector('#tickets-status').textContent.startsWith('good.csv'));
      assert.equal((await shownGames(page)).length, 11);
      assert.equal(await statusOf('tickets-status'),
        'good.csv에서 2게임을 더했습니다. 이미 있던 0게임은 그대로 둡니다.');
      assert.equal((await exported(page, folder)).ticketsText,
        `${kept}1240,10,20,30,40,41,42\n1240,10,20,30,40,41,42\n`);
      await page.upload('#tickets-file', good);
      await page.waitFor(() => document.querySelector('#tickets-status').textContent.includes('0게임을 더했습니다'));
      assert.equal(await statusOf('tickets-status'),
        'good.csv에서 0게임을 더했습니다. 이미 있던 2게임은 그대로 둡니다.');
      assert.equal((await shownGames(page)).length, 11);
      await checkAgainstNative();

      // The weekly reminder: every Saturday, 18:00 in Korea, from the round on sale's.
      const calendar = await page.evaluate(() => fetch(document.querySelector('#reminder').href).then((r) => r.text()));
      const lines = calendar.split('\r\n');
      assert.equal(lines[0], 'BEGIN:VCALENDAR');
      assert.ok(lines.includes('RRULE:FREQ=WEEKLY;BYDAY=SA'), calendar);
      const start = lines.find((line) => line.startsWith('DTSTART:')).match(/^DTSTART:(\d{4})(\d\d)(\d\d)T090000Z$/);
      assert.ok(start, calendar);
      assert.equal(new Date(Date.UTC(start[1], start[2] - 1, start[3])).getUTCDay(), 6);
      await page.close();
      await own.stop();
    });

    test('the week\'s results come by themselves: draws on open, prizes in the second stage, amounts as lotto-stats --check gives them', async (t) => {
      const source = await serveResults();
      source.answers.set(1231, mirrorAnswer(1231));
      source.answers.set(1232, mirrorAnswer(1232));
      source.answers.set(1233, mirrorAnswer(1233, { final: false }));
      // Final already, but its prizes wait for 1233's: the prizes file has no gap.
      source.answers.set(1234, mirrorAnswer(1234));
      const own = await serveSite(site, { resultsSource: source.source });
      t.after(() => Promise.all([own.stop(), source.stop()]));
      const folder = mkdtempSync(join(tmpdir(), 'lotto-results-'));
      const page = await browser.open(`${own.origin}/`, { width: 320 });
      await page.waitFor(ready);
      await page.waitFor(resultsReady);
      assert.match(await page.evaluate(() => document.querySelector('#results-host').textContent),
        new RegExp(`${new URL(source.origin).host}에서`));
      await showSectionOf(page, '#latest-draw');
      await page.waitFor(() => document.querySelector('#latest-draw').dataset.round === '1234'
        && document.querySelector('#results-status').textContent.includes('1233회 당첨금은 아직'));
      assert.deepEqual(await latestDraw(page), { round: '1234', numbers: '4 10 16 23 35 45', bonus: '11',
        prizesShown: false, status: '1231회부터 1234회까지 당첨 번호를 가져왔습니다. 1231회부터 1232회까지 당첨금을 '
          + '가져왔습니다. 1233회 당첨금은 아직 발표되지 않았습니다.' });
      // Asked one at a time up to the first round not published, never again on its own.
      assert.deepEqual(source.asked, [1231, 1232, 1233, 1234, 1235]);

      // A 3rd, a 5th, a 1st whose amount is not out yet, and a game that won nothing.
      for (const [count, line] of ['1231,2,13,19,24,33,41', '1232,5,11,17,1,2,3', '1233,1,9,15,27,38,42',
        '1231,3,4,6,8,10,12'].entries()) {
        await page.evaluate(() => { document.querySelector('#tickets-status').textContent = ''; return true; });
        await enter(page, '#ticket-text', line, '#add-ticket');
        await page.waitFor(() => document.querySelector('#tickets-status').textContent !== '');
        assert.equal(await page.evaluate(() => document.querySelector('#tickets-status').textContent),
          `${line.slice(0, 4)}회 번호를 저장했습니다.`);
        assert.equal((await shownGames(page)).length, count + 1);
      }
      assert.deepEqual(await gamePrizes(page), { '1231:2 13 19 24 33 41': '1456789', '1232:1 2 3 5 11 17': '5000',
        '1233:1 9 15 27 38 42': '', '1231:3 4 6 8 10 12': '0' });
      assert.equal(await page.evaluate(() => document.querySelector('#pool-note').hidden), false);

      // The second stage: the button asks whatever the switch says, and the 1st's amount comes.
      source.answers.set(1233, mirrorAnswer(1233));
      await checkResults(page);
      assert.deepEqual(await latestDraw(page), { round: '1234', numbers: '4 10 16 23 35 45', bonus: '11',
        prizesShown: true, status: '1233회부터 1234회까지 당첨금을 가져왔습니다.' });
      assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('#latest-prizes tbody tr')]
        .map((row) => row.textContent)), ['1등1,980,000,000원14게임', '2등49,500,000원93게임', '3등1,390,000원3,302게임',
        '4등50,000원161,002게임', '5등5,000원2,712,330게임']);
      const prizes = await gamePrizes(page);
      assert.equal(prizes['1233:1 9 15 27 38 42'], '3000000000');
      assert.equal(await page.evaluate(() => document.querySelector('#pool-note').hidden), true);
      const claims = await page.evaluate(() => [...document.querySelectorAll('#tickets .claim')].map((c) => c.textContent));
      assert.equal(claims.length, 3, claims.join(' | '));
      assert.ok(claims.every((claim) => /^세후 약 [\d,]+원\(추정\), \d{4}-\d\d-\d\d까지 수령$/.test(claim)), claims.join(' | '));
      assert.ok(claims.some((claim) => claim.endsWith('2027-07-19까지 수령')), claims.join(' | '));

      // The exports: byte for byte what lotto-stats --update writes from the same source, and
      // lotto-stats --check gives every game the amount the page shows.
      const files = await exported(page, folder);
      const prizesText = await page.evaluate(() => fetch(document.querySelector('#export-prizes').href).then((r) => r.text()));
      const prizesFile = join(folder, 'prizes.csv');
      writeFileSync(prizesFile, prizesText);
      const updated = mkdtempSync(join(tmpdir(), 'lotto-update-'));
      cpSync(join(top, 'data/draws.csv'), join(updated, 'draws.csv'));
      cpSync(join(top, 'data/prizes.csv'), join(updated, 'prizes.csv'));
      // Run beside this process's own results server, which must go on answering.
      await promisify(execFile)(lottoStats, ['--draws', join(updated, 'draws.csv'), '--prizes',
        join(updated, 'prizes.csv'), '--source', source.source, '--update'], { env: { ...process.env, LC_ALL: 'C' } });
      assert.equal(prizesText, readFileSync(join(updated, 'prizes.csv'), 'utf8'));
      assert.equal(readFileSync(files.history, 'utf8'), readFileSync(join(updated, 'draws.csv'), 'utf8'));
      const csv = execFileSync(lottoStats, ['--draws', files.history, '--prizes', prizesFile, '--tickets', files.tickets,
        '--check', '--csv'], { encoding: 'utf8' }).trim().split('\n').slice(1).map((row) => row.split(','));
      assert.deepEqual(Object.fromEntries(csv.map((f) => [`${f[0]}:${f.slice(1, 7).join(' ')}`, f[10]])), prizes);
      const report = execFileSync(lottoStats, ['--draws', files.history, '--prizes', prizesFile, '--tickets', files.tickets,
        '--check'], { encoding: 'utf8', env: { ...process.env, LC_ALL: 'ko_KR.UTF-8' } });
      for (const claim of claims) {
        assert.ok(report.includes(claim), `${claim} not in:\n${report}`);
      }

      assert.deepEqual(await accessibilityViolations(page), [], 'the results panel');
      const widths = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
      assert.ok(widths[0] <= widths[1], `scrolls sideways at 320 px with every rank's prizes: ${widths}`);

      // A reload keeps everything, and does not ask again within ten minutes.
      const askedBefore = source.asked.length;
      await reload(page);
      await page.waitFor(() => document.querySelector('#latest-draw').dataset.round === '1234');
      await showSectionOf(page, '#tickets');
      assert.deepEqual(await gamePrizes(page), prizes);
      assert.equal(source.asked.length, askedBefore);

      // Offline, both servers stopped: the page works from the device and says in one
      // sentence that it could not reach the results.
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      await own.stop();
      await source.stop();
      await page.goto(`${own.origin}/`);
      await page.waitFor(ready);
      await checkResults(page);
      assert.deepEqual(await latestDraw(page), { round: '1234', numbers: '4 10 16 23 35 45', bonus: '11',
        prizesShown: true, status: '1235회 결과를 가져오지 못해(연결할 수 없음) 기록은 1234회까지입니다.' });
      await showSectionOf(page, '#tickets');
      assert.deepEqual(await gamePrizes(page), prizes);
      await page.close();
    });

    test('a source at fault is said in Korean and changes nothing; a typed draw it contradicts is kept, both shown', async (t) => {
      const source = await serveResults();
      const own = await serveSite(site, { resultsSource: source.source, resultsDeadline: 2 });
      t.after(() => Promise.all([own.stop(), source.stop()]));
      const page = await browser.open(`${own.origin}/`);
      await page.waitFor(ready);
      await page.waitFor(() => document.querySelector('#results-status').textContent.startsWith('새 회차가 없습니다'));
      const html = { type: 'text/html', body: '<!DOCTYPE html><html><body><a href="https://example.com">moved</a></body></html>' };
      const faults = [
        [html, /^1231회 결과를 가져오지 못해\(.*JSON.*\) 기록은 1230회까지입니다\.$/],
        [mirrorAnswer(1232), /^1231회 결과를 가져오지 못해\(.*1232.*\) 기록은 1230회까지입니다\.$/],
        [{ body: mirrorAnswer(1231).body.replace('[2,13,', '[46,13,') }, /^1231회 결과를 가져오지 못해\(.*45.*\) 기록은 1230회까지입니다\.$/],
        [{ ...mirrorAnswer(1231), cors: false }, /^1231회 결과를 가져오지 못해\(연결할 수 없음\) 기록은 1230회까지입니다\.$/],
        [{ status: 503, body: 'busy' }, /^1231회 결과를 가져오지 못해\(응답 503\) 기록은 1230회까지입니다\.$/],
        [{ body: '['.repeat(65536) }, /^1231회 결과를 가져오지 못해\(JSON으로 된 결과가 아닙니다\(8단계보다 깊게 중첩됨, 9바이트째\): '\[+\.\.\.'\) 기록은 1230회까지입니다\.$/],
        // A source that never answers is given up after the deadline, and asked again later.
        [{ hang: true }, /^1231회 결과를 가져오지 못해\(2초 안에 답을 다 받지 못함\) 기록은 1230회까지입니다\.$/],
        [{ hang: true }, /^1231회 결과를 가져오지 못해\(2초 안에 답을 다 받지 못함\) 기록은 1230회까지입니다\.$/],
        // A redirect is never followed, even to a good answer on the same source.
        [{ status: 302, location: `${source.origin}/results/1231-moved.json`, body: '' },
          /^1231회 결과를 가져오지 못해\(연결할 수 없음\) 기록은 1230회까지입니다\.$/],
      ];
      for (const [answer, said] of faults) {
        source.answers.set(1231, answer);
        await checkResults(page);
        const shown = await latestDraw(page);
        assert.match(shown.status, said);
        assert.equal(shown.round, '1230');
      }
      assert.equal(await page.evaluate(() => document.querySelector('#results-status a')), null);

      // A draw typed before the source has it, then given otherwise by the source: kept, both
      // shown, replaced only when asked, and the replacement undone.
      source.answers.delete(1231);
      await enter(page, '#draw-line', '1231,2026-07-04,1,2,3,4,5,6,7', '#add-draw');
      await page.waitFor(() => document.querySelector('#latest-draw').dataset.round === '1231');
      source.answers.set(1231, mirrorAnswer(1231));
      await checkResults(page);
      assert.equal((await latestDraw(page)).numbers, '1 2 3 4 5 6');
      assert.equal(await page.evaluate(() => document.querySelector('#results-conflict-text').textContent),
        '1231회: 이 기기의 기록은 1 2 3 4 5 6 + 7 (2026-07-04), 결과 출처는 2 13 19 24 33 40 + 7 (2026-07-04)입니다.');
      await page.click('#use-source-draw');
      await page.waitFor(() => document.querySelector('#latest-draw').dataset.numbers === '2 13 19 24 33 40'
        && !document.querySelector('#latest-prizes').hidden);
      await page.click('#undo-source-draw');
      await page.waitFor(() => document.querySelector('#latest-draw').dataset.numbers === '1 2 3 4 5 6');

      // The source stopped: said as a connection that failed, and the page goes on working.
      await source.stop();
      await checkResults(page);
      assert.equal((await latestDraw(page)).status, '1232회 결과를 가져오지 못해(연결할 수 없음) 기록은 1231회까지입니다.');
      await page.click('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      // The switch is remembered on the device.
      await page.click('#auto-results');
      await page.goto(`${own.origin}/`);
      await page.waitFor(ready);
      await page.waitFor(resultsReady);
      assert.equal(await page.evaluate(() => document.querySelector('#auto-results').checked), false);
      await page.close();
    });

    test('a phone that comes back online asks again, by the same ten-minute rule', {
      skip: engine.name !== 'chromium' && 'only Chromium\'s protocol takes a page offline and back online',
    }, async (t) => {
      const source = await serveResults();
      const own = await serveSite(site, { resultsSource: source.source });
      t.after(() => Promise.all([own.stop(), source.stop()]));
      const page = await browser.open(`${own.origin}/`);
      await page.waitFor(ready);
      await page.waitFor(resultsReady);
      await page.waitFor(() => document.querySelector('#results-status').textContent.startsWith('새 회차가 없습니다'));
      assert.deepEqual(source.asked, [1231]);
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      source.answers.set(1231, mirrorAnswer(1231));
      // Back online within ten minutes: the page's listener decides at once, without a word
      // or a remembered try. The event is dispatched here rather than by the protocol, which
      // may deliver it more than once and late.
      const settled = await page.evaluate(() => {
        const before = [localStorage.getItem('lotto-results-tried'), document.querySelector('#results-status').textContent];
        window.dispatchEvent(new Event('online'));
        return [before, [localStorage.getItem('lotto-results-tried'), document.querySelector('#results-status').textContent]];
      });
      assert.deepEqual(settled[1], settled[0], 'asked again within ten minutes');
      assert.deepEqual(source.asked, [1231]);
      // Ten minutes after the last try, as the device remembers it, the page opened offline
      // says so and asks nothing; back online, it asks.
      await page.evaluate(() => { localStorage.setItem('lotto-results-tried', String(Math.floor(Date.now() / 1000) - 600)); return true; });
      await page.page.setOfflineMode(true);
      await page.goto(`${own.origin}/`);
      await page.waitFor(ready);
      await page.waitFor(() => document.querySelector('#results-status').textContent.startsWith('인터넷에 연결되어 있지 않아'));
      assert.equal(await page.evaluate(() => document.querySelector('#results-status').textContent),
        '인터넷에 연결되어 있지 않아 새 회차를 확인하지 못해 기록은 1230회까지입니다.');
      assert.deepEqual(source.asked, [1231]);
      await showSectionOf(page, '#latest-draw');
      await page.page.setOfflineMode(false);
      await page.waitFor(() => document.querySelector('#latest-draw').dataset.round === '1231');
      assert.deepEqual(source.asked, [1231, 1231, 1232]);
      await page.close();
    });

    test('the camera reads a slip, asked only when scan is tapped', {
      skip: engine.name !== 'chromium' && 'only Chromium takes a fake camera from the command line',
    }, async () => {
      const folder = mkdtempSync(join(tmpdir(), 'lotto-camera-'));
      // Without a camera the page says so.
      const own = await serveSite(site);
      const plain = await browser.open(`${own.origin}/`);
      await plain.waitFor(ready);
      await plain.click('#scan-ticket');
      await plain.waitFor(() => document.querySelector('#tickets-status').textContent !== '');
      assert.match(await plain.evaluate(() => document.querySelector('#tickets-status').textContent),
        /카메라를 찾지 못했습니다|카메라 사용이 허용되지 않았습니다|카메라를 쓸 수 없습니다/);
      await plain.close();
      const camera = await launch(engine, { args: ['--use-fake-device-for-media-stream',
        '--use-fake-ui-for-media-stream', `--use-file-for-fake-video-capture=${slipVideo(folder)}`] });
      const page = await camera.open(`${own.origin}/`);
      await page.waitFor(ready);
      assert.equal(await page.evaluate(() => document.querySelector('#scanner').hidden), true);
      await page.click('#scan-ticket');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 1);
      assert.deepEqual(await shownGames(page), [{ round: '1231', game: '1 2 3 4 5 6', rank: '' }]);
      assert.equal(await page.evaluate(() => document.querySelector('#scanner').hidden), true);
      await page.close();
      await camera.close();
      await own.stop();
    });

    test('the back-test runs in workers on tap, can be stopped, and gives lotto-stats\' figures in its words', async (t) => {
      const page = await open('/');
      assert.equal(await page.evaluate(() => [...performance.getEntriesByType('resource')]
        .filter((entry) => entry.name.includes('back-test')).length), 0, 'loaded before the tap');
      await showSectionOf(page, '#back-test');
      await page.waitFor(() => !document.querySelector('#back-test').disabled);
      await watchLongTasks(page);

      // Stopped: nothing shown, the button offered again.
      await page.click('#back-test');
      const shownOnPage = (selector) => page.evaluate((which) => document.querySelector(which).getClientRects().length > 0,
        selector);
      assert.equal(await shownOnPage('#back-test-running'), true);
      await page.click('#back-test-cancel');
      assert.deepEqual(await page.evaluate(() => [document.querySelector('#back-test-status').textContent,
        document.querySelector('#back-test').disabled]), ['그만두었습니다.', false]);
      assert.deepEqual([await shownOnPage('#back-test-running'), await shownOnPage('#back-test-result')], [false, false]);

      // Run to the end; meanwhile the page answers a tap at once.
      await page.click('#back-test');
      await page.waitFor(() => document.querySelector('#back-test-progress').value > 0
        || !document.querySelector('#back-test-result').hidden);
      await page.click('#generate');
      await page.waitFor(() => document.querySelectorAll('.set').length === 5);
      await waitLong(page, backTestDone);
      const shown = await page.evaluate(() => {
        const result = document.querySelector('#back-test-result');
        return { ...result.dataset, text: result.textContent, status: document.querySelector('#back-test-status').textContent,
          shares: [...result.querySelectorAll('dt')].map((dt) => `${dt.textContent} ${dt.nextElementSibling.textContent}`),
          lines: [...result.querySelectorAll('p')].map((p) => p.textContent), longTasks: window.longTasks };
      });
      assert.ok(shown.meanMidRank, shown.status);
      const native = nativeBackTest(join(top, 'data/draws.csv'));
      assert.equal(shown.meanMidRank, native.meanMidRank);
      assert.equal(shown.pValue, native.pValue);
      assert.equal(shown.draws, '1215');
      for (const line of [...shown.shares, ...shown.lines]) {
        assert.ok(native.words.includes(words(line)), `not in the report: ${line}`);
      }
      assert.equal(shown.lines.length, 3, 'what it did, the chi-square test, the sentence');
      // Every draw's total and mid-rank, as lotto-stats writes them.
      const rows = await page.evaluate(() => fetch(document.querySelector('#export-back-test').href).then((r) => r.text()));
      assert.equal(rows, execFileSync(lottoStats, ['--draws', join(top, 'data/draws.csv'), '--back-test-csv', '-'],
        { encoding: 'utf8' }));
      await showSectionOf(page, '#back-test-result');
      assert.deepEqual([await shownOnPage('#back-test-running'), await shownOnPage('#back-test-result')], [false, true]);
      assert.deepEqual(shown.longTasks.filter((duration) => duration > 100), []);
      assert.deepEqual(await accessibilityViolations(page), [], 'back-test shown');
      t.diagnostic(`${engine.name}: page ${shown.seconds} s (SIMD ${shown.simd}), native ${native.seconds.toFixed(2)} s, `
        + `${(Number(shown.seconds) / native.seconds).toFixed(1)} times; main-thread tasks over 50 ms: `
        + `${shown.longTasks.length ? shown.longTasks.map(Math.round).join(', ') : 'none'}`);
      await page.close();
    });

    test('without WebAssembly SIMD the plain build gives the same figures', async (t) => {
      const plain = await serveSite(site, { withoutSimd: true });
      const page = await browser.open(`${plain.origin}/`);
      await page.waitFor(ready);
      await showSectionOf(page, '#back-test');
      await page.waitFor(() => !document.querySelector('#back-test').disabled);
      await page.click('#back-test');
      await waitLong(page, backTestDone, 200);
      const shown = await page.evaluate(() => ({ ...document.querySelector('#back-test-result').dataset }));
      const native = nativeBackTest(join(top, 'data/draws.csv'));
      assert.deepEqual([shown.simd, shown.meanMidRank, shown.pValue], ['false', native.meanMidRank, native.pValue]);
      t.diagnostic(`${engine.name}: plain build ${shown.seconds} s, native ${native.seconds.toFixed(2)} s`);
      await page.close();
      await plain.stop();
    });

    test('a core that cannot load is said in Korean, never a button that does nothing', async () => {
      // Servers of their own: no service worker has the core for them.
      const failing = await serveSite(site, { failing: ['core.wasm'] });
      const plain = await serveSite(site);
      for (const url of [`${failing.origin}/`, `${plain.origin}/?without-webassembly`]) {
        const page = await browser.open(url);
        await page.waitFor(() => document.querySelector('#status').textContent !== '');
        const [message, disabled] = await page.evaluate(() => [
          document.querySelector('#status').textContent, document.querySelector('#generate').disabled]);
        assert.ok(disabled, `the button is live: ${url}`);
        assert.match(message, url.includes('without') ? /WebAssembly를 쓸 수 없어/ : /엔진을 불러오지 못했습니다/);
        await page.close();
      }
      await failing.stop();
      await plain.stop();
    });

    test('a decade of games imports at once, and again adds nothing', async (t) => {
      const { page } = await openOwn(t, site);
      const folder = mkdtempSync(join(tmpdir(), 'lotto-import-'));
      // 10,000 games, 50 a round: a heavy player's ten years, the same every run.
      let seed = 12345;
      const next = () => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed; };
      const lines = ['round,n1,n2,n3,n4,n5,n6'];
      for (let game = 0; game < 10000; game += 1) {
        const numbers = new Set();
        while (numbers.size < 6) {
          numbers.add(next() % 45 + 1);
        }
        lines.push(`${700 + Math.floor(game / 50)},${[...numbers].sort((a, b) => a - b).join(',')}`);
      }
      const decade = join(folder, 'decade.csv');
      writeFileSync(decade, `${lines.join('\n')}\n`);
      const timed = async (said) => {
        const started = process.hrtime.bigint();
        await page.upload('#tickets-file', decade);
        await page.waitFor((words) => document.querySelector('#tickets-status').textContent.includes(words), said);
        return (Number(process.hrtime.bigint() - started) / 1e9).toFixed(2);
      };
      const first = await timed('10000게임을 더했습니다');
      const again = await timed('0게임을 더했습니다. 이미 있던 10000게임');
      t.diagnostic(`${engine.name}: 10,000 games imported in ${first} s, the same file again in ${again} s`);
      // The newest rounds' games are shown, the older ones on request.
      const shownCount = () => page.evaluate(() => document.querySelectorAll('#tickets [data-game]').length);
      assert.equal(await shownCount(), 500);
      assert.equal(await page.evaluate(() => document.querySelector('#tickets [data-game]').dataset.round), '899');
      assert.equal(await page.evaluate(() => document.querySelector('#more-tickets').textContent), '이전 회차 9,500게임 더 보기');
      await page.click('#more-tickets');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 1000);
      assert.equal(await page.evaluate(() => document.querySelector('#tickets-summary dd').textContent), '10,000게임');
    });

    test('after the first load the page works with the server off', async () => {
      const own = await serveSite(site);
      const page = await browser.open(`${own.origin}/`);
      await page.waitFor(ready);
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      await page.waitFor(() => navigator.serviceWorker.controller !== null
        || navigator.serviceWorker.ready.then((r) => r.active !== null));
      await own.stop();
      await page.goto(`${own.origin}/?seed=42`);
      await page.waitFor(ready);
      assert.deepEqual((await shownSets(page)).map(({ numbers, total }) => ({ numbers, total })),
        prediction(42));
      // A game kept without a connection; the shipped history and the QR decoder came with
      // the page.
      await enter(page, '#ticket-text', '1230,3,8,9,22,28,45', '#add-ticket');
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 1);
      assert.deepEqual(await shownGames(page), [{ round: '1230', game: '3 8 9 22 28 45', rank: '2' }]);
      assert.match(await page.evaluate(() => document.querySelector('#history-status').textContent), /^1230회까지/);
      // Every section's code, from the device.
      for (const name of ['results', 'stats']) {
        await page.click(`#tab-${name}`);
        await page.waitFor(sectionReady, `section-${name}`);
      }
      assert.equal(await page.evaluate(() => document.querySelectorAll('#number-record [data-number]').length), 45);
      assert.deepEqual(await page.evaluate(async () => {
        const { default: Detector } = await import('./qr-decoder.mjs');
        const blank = document.createElement('canvas');
        return new Detector({ formats: ['qr_code'] }).detect(blank.getContext('2d').getImageData(0, 0, 8, 8));
      }), []);
      await page.close();
    });

    test('a page open over a release goes on with its own release\'s files', async (t) => {
      const folder = siteCopy();
      const { own, page } = await openOwn(t, folder);
      const photos = mkdtempSync(join(tmpdir(), 'lotto-release-'));
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      // Opened again, from its worker, and asking the source only when told.
      await page.evaluate(() => { localStorage.setItem('lotto-auto-results', 'off'); return true; });
      await page.goto(`${own.origin}/`);
      await page.waitFor(ready);
      assert.ok(await page.evaluate(() => document.querySelector('meta[name="lotto-release"]')?.content.length > 0));
      // The next release, published while the page is open: every file the page loads late
      // breaks in it, so that one of them reaching this page would show.
      for (const file of ['results-core.mjs', 'back-test-worker.mjs', 'back-test.mjs', 'back-test-simd.mjs',
        'qr-decoder.mjs']) {
        writeFileSync(join(folder, file), 'throw new Error(\'the next release\');\n');
      }
      // The sections' parts are named after their content: the next release has others.
      const firstView = readFileSync(join(site, '..', 'site-files.txt'), 'utf8');
      for (const part of readdirSync(join(folder, 'parts')).filter((name) => !firstView.includes(`first-view parts/${name}`))) {
        rmSync(join(folder, 'parts', part));
        writeFileSync(join(folder, 'parts', part.replace('.mjs', '-next.mjs')), 'throw new Error(\'the next release\');\n');
      }
      publishRelease(folder);
      await page.evaluate(() => {
        window.releaseBefore = navigator.serviceWorker.controller;
        navigator.serviceWorker.getRegistration().then((registration) => registration.update());
        return true;
      });
      await page.waitFor(() => navigator.serviceWorker.controller !== window.releaseBefore);
      // The results' reader, the QR decoder and the back-test's worker, all loaded now.
      await checkResults(page);
      assert.equal((await latestDraw(page)).status, '1231회 결과를 가져오지 못해(연결할 수 없음) 기록은 1230회까지입니다.');
      await page.upload('#ticket-photo', await slipPhoto(photos));
      await page.waitFor(() => document.querySelectorAll('#tickets [data-game]').length === 1);
      await page.click('#back-test');
      await waitLong(page, () => document.querySelector('#back-test-progress').value > 0
        || !document.querySelector('#back-test-result').hidden || document.querySelector('#back-test-running').hidden);
      assert.equal(await page.evaluate(() => document.querySelector('#back-test-running').hidden
        && document.querySelector('#back-test-result').hidden), false,
      await page.evaluate(() => document.querySelector('#back-test-status').textContent));
      await page.click('#back-test-cancel');
      // A page opened now is of the next release, whose reader would have broken the old page.
      await page.goto(`${own.origin}/`);
      await page.waitFor(ready);
      assert.equal(await page.evaluate(() => document.title), '로또 번호 생성 (새 판)');
      await checkResults(page);
      assert.match((await latestDraw(page)).status, /결과를 읽는 부분을 불러오지 못함/);
    });

    test('a changed file reaches a returning visitor within three loads', async () => {
      const folder = siteCopy();
      const own = await serveSite(folder);
      const page = await browser.open(`${own.origin}/`);
      await page.waitFor(ready);
      await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
      // A release that changes a file but not the version.
      publishRelease(folder);
      let loads = 0;
      let title = '';
      while (loads < 3 && !title.includes('새 판')) {
        await page.goto(`${own.origin}/`);
        await page.waitFor(ready);
        loads += 1;
        title = await page.evaluate(() => document.title);
        // The browser looks for a new worker as the page loads; the test waits until any it
        // found has taken over. Nothing is asked of the visitor.
        await page.evaluate(() => navigator.serviceWorker.getRegistration()
          .then((r) => r && r.update().then(() => r))
          .then((r) => r && new Promise((done) => {
            const settled = () => !r.installing && !r.waiting;
            const timer = setInterval(() => { if (settled()) { clearInterval(timer); done(true); } }, 20);
          })));
      }
      assert.ok(title.includes('새 판'), `still the old page after ${loads} loads: ${title}`);
      await page.close();
      await own.stop();
    });
  });
}

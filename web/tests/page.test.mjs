// The web page in the system's Chromium: the sets a seed gives, the points each criterion
// shows against the native program's, the replay link, the details, a phone's width,
// offline use, and a draw history loaded from the device.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { extname, join, resolve } from 'node:path';
import puppeteer from 'puppeteer-core';

const top = resolve(import.meta.dirname, '../..');
const site = process.env.LOTTO_SITE ?? join(top, 'build/web/site');
const coreForNode = process.env.LOTTO_CORE_NODE ?? join(top, 'build/web/core-node.cjs');
const lottoStats = process.env.LOTTO_STATS ?? join(top, 'build/default/lotto-stats');
const screenshots = process.env.LOTTO_SCREENSHOTS ?? join(top, 'build/web/screenshots');
const TYPES = { '.html': 'text/html', '.css': 'text/css', '.mjs': 'text/javascript',
  '.js': 'text/javascript', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

let server;
let origin;
let browser;
let core;
let criteria; // the criteria's keys in the core's order

before(async () => {
  server = createServer((request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    const file = join(site, path === '/' ? 'index.html' : path);
    try {
      const body = readFileSync(file);
      response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  core = await createRequire(import.meta.url)(coreForNode)();
  criteria = Array.from({ length: core._lotto_criterion_count() },
    (_, index) => core.UTF8ToString(core._lotto_criterion_key(index)));
  mkdirSync(screenshots, { recursive: true });
});

after(async () => {
  await browser?.close();
  server?.close();
});

// What the core itself yields for a seed.
function prediction(seed) {
  core._lotto_generate(seed);
  return [0, 1, 2, 3, 4].map((set) => ({
    numbers: [0, 1, 2, 3, 4, 5].map((i) => core._lotto_number(set, i)).join(' '),
    total: String(core._lotto_total(set)),
  }));
}

async function open(path, width = 1280) {
  const page = await browser.newPage();
  await page.setViewport({ width, height: 900 });
  await page.goto(`${origin}${path}`);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}

function shownSets(page) {
  return page.$$eval('.set', (sets) => sets.map((set) => ({
    numbers: set.dataset.numbers,
    total: set.dataset.total,
    points: [...set.querySelectorAll('[data-criterion]')].map((c) => [c.dataset.criterion,
      Number(c.dataset.points)]),
  })));
}

// The points the native lotto-stats shows for a set, in the detail screen's order.
function nativePoints(numbers, ...options) {
  const report = execFileSync(lottoStats, [...options, '--set', numbers.replaceAll(' ', ',')],
    { encoding: 'utf8' });
  const points = [...report.matchAll(/---> *(\d+)점/g)].map((match) => Number(match[1]));
  const total = report.match(/==========> 총점 : (\d+)점/)[1];
  return { points, total };
}

test('the five sets of a seed are what the core yields, at once from the link', async () => {
  for (const seed of [1, 7, 20261206, 4294967295]) {
    const page = await open(`/?seed=${seed}`);
    const shown = await shownSets(page);
    assert.deepEqual(shown.map(({ numbers, total }) => ({ numbers, total })), prediction(seed));
    for (const set of shown) {
      assert.deepEqual(set.points.map(([criterion]) => criterion), criteria);
      assert.match(set.numbers, /^([1-9]|[1-3]\d|4[0-5])( ([1-9]|[1-3]\d|4[0-5])){5}$/);
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

test('the button, by keyboard, makes the prediction of this second and offers its link', async () => {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => { Date.now = () => 1700000000999; });
  await page.goto(`${origin}/`);
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.$$eval('.set', (sets) => sets.length), 0);
  assert.equal(await page.$eval('#generate', (b) => b.textContent), '로또 번호 생성');
  await page.focus('#generate');
  await page.keyboard.press('Enter');
  const shown = await shownSets(page);
  assert.deepEqual(shown.map(({ numbers, total }) => ({ numbers, total })), prediction(1700000000));
  assert.equal(await page.$eval('#generate', (b) => b.textContent), '다시 생성');
  const link = await page.$eval('#replay-link', (a) => a.href);
  assert.equal(link, `${origin}/?seed=1700000000`);
  const replay = await open(new URL(link).pathname + new URL(link).search);
  assert.deepEqual(await shownSets(replay), shown);
  await replay.close();
  await page.close();
});

test('the details show every criterion of every set, and fit a phone', async () => {
  const page = await open('/?seed=20261206', 360);
  assert.equal(await page.$$eval('.criteria', (all) => all.filter((c) => c.offsetParent).length), 0);
  await page.click('#details');
  assert.equal(await page.$$eval('.criteria', (all) => all.filter((c) => c.offsetParent).length), 5);
  const first = await page.$$eval('.set:first-child [data-criterion]',
    (rows) => rows.map((row) => row.textContent));
  const expected = prediction(20261206)[0];
  assert.equal(first.length, 4);
  assert.match(first[0], /^홀수 : 짝수\d : \d\d+점$/);
  assert.match(first[2], new RegExp(`^숫자 총합${expected.numbers.split(' ')
    .reduce((sum, n) => sum + Number(n), 0)} `));
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth,
    document.documentElement.clientWidth]);
  assert.ok(widths[0] <= widths[1], `scrolls sideways: ${widths}`);
  const labels = await page.$$eval('.set:first-child .ball', (balls) => balls.map((b) => b.getAttribute('aria-label')));
  assert.match(labels[0], /^\d+, (노란색|파란색|빨간색|회색|초록색) 공 \(\d+~\d+\)$/);
  // Pictures for README, without the balls' entrance half done.
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  await page.screenshot({ path: join(screenshots, 'phone.png'), fullPage: true });
  await page.close();
  const desktop = await open('/?seed=20261206', 1280);
  await desktop.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  await desktop.click('#details');
  await desktop.screenshot({ path: join(screenshots, 'desktop.png'), fullPage: true });
  await desktop.close();
});

test('after the first load the page works offline', async () => {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(`${origin}/`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  await page.goto(`${origin}/?seed=42`);
  await page.waitForSelector('body[data-ready="true"]');
  const shown = await shownSets(page);
  assert.deepEqual(shown.map(({ numbers, total }) => ({ numbers, total })), prediction(42));
  await context.close();
});

test('a draw history from the device scores as lotto --draws does', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'lotto-web-'));
  const history = join(folder, 'draws.csv');
  const lines = ['round,date,n1,n2,n3,n4,n5,n6,bonus'];
  for (let round = 30; round >= 1; round -= 1) {
    const first = (round * 7) % 33 + 1;
    lines.push(`${round},2025-01-01,${first},${first + 1},${first + 3},40,43,45,44`);
  }
  writeFileSync(history, `${lines.join('\n')}\n`);
  const page = await open('/?seed=20261206');
  const input = await page.$('#history-file');
  await input.uploadFile(history);
  await page.waitForFunction(() => document.querySelector('#history-status').textContent.includes('30회'));
  for (const set of await shownSets(page)) {
    const native = nativePoints(set.numbers, '--draws', history);
    assert.deepEqual(set.points.map(([, points]) => points), native.points, set.numbers);
  }
  const broken = join(folder, 'broken.csv');
  writeFileSync(broken, `${lines.join('\n')}\n31,1,2,3,4,5,46\n`);
  await input.uploadFile(broken);
  await page.waitForFunction(() => document.querySelector('#history-status').textContent.includes(':32:'));
  // In Korean, as the page is, from the same catalogue as the programs.
  assert.match(await page.$eval('#history-status', (s) => s.textContent),
    /\.csv:32: 1부터 45까지의 수가 아닙니다: '46'$/);
  await page.close();
});

// How long the page's back-test of the shipped history takes in each browser engine
// installed, with WebAssembly SIMD and with the plain build, against the native
// lotto-stats --draws on the same file, taken in turn in the same run: the least of
// RUNS tries each, as the machine's other work only ever adds time.
// Usage: node web/tools/measure_back_test.mjs [RUNS]   (after the web and default builds;
//        LOTTO_ENGINES=chromium to pick engines)
import { execFileSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { installedEngines, launch } from '../tests/engines.mjs';
import { serveSite } from '../tests/site_server.mjs';

const top = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const site = process.env.LOTTO_SITE ?? join(top, 'build/web/site');
const lottoStats = process.env.LOTTO_STATS ?? join(top, 'build/default/lotto-stats');
const runs = Number(process.argv[2] ?? 3);

function nativeSeconds() {
  const started = process.hrtime.bigint();
  execFileSync(lottoStats, ['--draws', join(top, 'data/draws.csv')], { stdio: 'ignore' });
  return Number(process.hrtime.bigint() - started) / 1e9;
}

async function pageSeconds(browser, origin) {
  const page = await browser.open(`${origin}/`);
  await page.waitFor(() => document.body.dataset.ready === 'true' && !document.querySelector('#back-test').disabled);
  await page.click('#back-test');
  for (;;) {
    const seconds = await page.evaluate(() => document.querySelector('#back-test-result').dataset.seconds ?? null);
    if (seconds !== null) {
      await page.close();
      return Number(seconds);
    }
    await new Promise((resolve) => { setTimeout(resolve, 100); });
  }
}

const least = (values) => Math.min(...values);
for (const engine of installedEngines()) {
  const browser = await launch(engine);
  const servers = { simd: await serveSite(site), plain: await serveSite(site, { withoutSimd: true }) };
  const times = { native: [], simd: [], plain: [] };
  for (let run = 0; run < runs; run += 1) {
    times.native.push(nativeSeconds());
    times.simd.push(await pageSeconds(browser, servers.simd.origin));
    times.plain.push(await pageSeconds(browser, servers.plain.origin));
  }
  const native = least(times.native);
  console.log(`${engine.name}: native ${native.toFixed(2)} s; page with SIMD ${least(times.simd).toFixed(2)} s `
    + `(${(least(times.simd) / native).toFixed(1)} times), plain ${least(times.plain).toFixed(2)} s `
    + `(${(least(times.plain) / native).toFixed(1)} times); every try: ${JSON.stringify(times)}`);
  await browser.close();
  await servers.simd.stop();
  await servers.plain.stop();
}

// One small driver layer over the three browser engines, so that each test is written
// once and runs in every engine installed: Chromium and Firefox ESR through puppeteer-core
// (Chrome DevTools Protocol and WebDriver BiDi), WebKitGTK through its W3C WebDriver
// (WebKitWebDriver under Xvfb), spoken here over plain HTTP.
//
// What an engine lacks, and how the layer makes up for it:
// - Firefox over BiDi has no media-feature emulation: it starts with reduced motion and
//   overlay scrollbars (so that a 360 px viewport is 360 px of page) set as preferences.
// - WebKitGTK's window will not go below about 450 px: a page narrower than that is
//   opened in an iframe of that width, on a wrapper page from another loopback origin,
//   and scripts run inside the frame. It has no headless mode: it needs a display.
// - Only Chromium's protocol can turn JavaScript off for a page.
import { spawn } from 'node:child_process';
import { existsSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import puppeteer from 'puppeteer-core';

const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
export const ENGINES = [
  { name: 'chromium', executable: process.env.CHROMIUM ?? '/usr/bin/chromium' },
  { name: 'firefox', executable: process.env.FIREFOX ?? '/usr/bin/firefox-esr' },
  { name: 'webkit', executable: process.env.WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver',
    needs: ['/usr/bin/xvfb-run', MINIBROWSER] },
];

// The engines this machine has, each named once on standard error when it is skipped.
export function installedEngines() {
  const wanted = (process.env.LOTTO_ENGINES ?? '').split(',').filter(Boolean);
  return ENGINES.filter((engine) => {
    if (wanted.length > 0 && !wanted.includes(engine.name)) {
      return false;
    }
    const missing = [engine.executable, ...(engine.needs ?? [])].filter((path) => !existsSync(path));
    if (missing.length > 0) {
      process.stderr.write(`skipped ${engine.name}: ${missing.join(', ')} not installed\n`);
      return false;
    }
    return true;
  });
}

const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// As a player would, opens the section that holds the element a test is about to use, waits
// for its code, and brings the element to the middle of the screen, clear of the tab bar a
// phone holds at its bottom.
export async function showSectionOf(page, selector) {
  const section = await page.evaluate((wanted) => {
    const found = document.querySelector(wanted)?.closest('.app-section');
    if (found && found.hidden) {
      window.location.hash = found.id.replace('section-', '');
    }
    return found?.id ?? null;
  }, selector);
  if (section !== null) {
    await page.waitFor((id) => !document.getElementById(id).hidden && document.getElementById(id).dataset.ready === 'true',
      section);
  }
  await page.evaluate((wanted) => {
    document.querySelector(wanted)?.scrollIntoView({ block: 'center' });
    return true;
  }, selector);
}

// A page of puppeteer, Chromium's or Firefox's.
class PuppeteerPage {
  constructor(page, engine) {
    this.page = page;
    this.engine = engine;
  }

  async goto(url) {
    await this.page.goto(url);
  }

  evaluate(fn, ...args) {
    return this.page.evaluate(fn, ...args);
  }

  async waitFor(fn, ...args) {
    await this.page.waitForFunction(fn, { timeout: 20000 }, ...args);
  }

  async click(selector) {
    await showSectionOf(this, selector);
    await this.page.click(selector);
  }

  async pressEnter(selector) {
    await showSectionOf(this, selector);
    await this.page.focus(selector);
    await this.page.keyboard.press('Enter');
  }

  async upload(selector, path) {
    await showSectionOf(this, selector);
    const input = await this.page.$(selector);
    await input.uploadFile(path);
  }

  // The whole page, or (`fullPage: false`) the screen as a phone shows it, its tab bar too.
  async screenshot(path, { fullPage = true } = {}) {
    await this.page.screenshot({ path, fullPage });
  }

  async close() {
    await this.page.close();
  }
}

class PuppeteerBrowser {
  constructor(engine, args = []) {
    this.engine = engine;
    this.args = args;
  }

  async start() {
    this.browser = this.engine.name === 'firefox'
      ? await puppeteer.launch({
        browser: 'firefox', executablePath: this.engine.executable, headless: true,
        extraPrefsFirefox: { 'ui.prefersReducedMotion': 1, 'ui.useOverlayScrollbars': 1 },
      })
      : await puppeteer.launch({ executablePath: this.engine.executable, headless: true,
        args: [...CHROMIUM_ARGS, ...this.args] });
  }

  // A fresh page of `width` px, with reduced motion so that pictures never catch a
  // ball half drawn.
  // `javascript: false` turns scripts off, which only Chromium's protocol offers.
  async open(url, { width = 1280, height = 900, javascript = true } = {}) {
    const page = await this.browser.newPage();
    await page.setViewport({ width, height });
    if (!javascript) {
      await page.setJavaScriptEnabled(false);
    }
    if (this.engine.name === 'chromium') {
      await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    }
    const wrapped = new PuppeteerPage(page, this.engine);
    if (url !== null) {
      await wrapped.goto(url);
    }
    return wrapped;
  }

  async close() {
    await this.browser?.close();
  }
}

// A page of WebKitGTK over W3C WebDriver: one session, one page at a time.
class WebKitPage {
  constructor(browser, framed) {
    this.browser = browser;
    this.framed = framed;
  }

  command(method, path, body) {
    return this.browser.command(method, path, body);
  }

  async goto(url) {
    if (this.framed !== null) {
      // The wrapper page holds the page in an iframe of the width asked for.
      const wrapper = `${this.browser.wrapperOrigin}/?width=${this.framed}&src=${encodeURIComponent(url)}`;
      await this.command('POST', '/url', { url: wrapper });
      await this.command('POST', '/frame', { id: null });
      const frame = await this.command('POST', '/element', { using: 'css selector', value: 'iframe' });
      await this.waitForFrame();
      await this.command('POST', '/frame', { id: frame });
    } else {
      await this.command('POST', '/url', { url });
    }
  }

  async waitForFrame() {
    for (let tries = 0; tries < 200; tries += 1) {
      const loaded = await this.command('POST', '/execute/sync', {
        script: 'return document.body.dataset.loaded === "yes";',
        args: [] });
      if (loaded) {
        return;
      }
      await new Promise((done) => setTimeout(done, 50));
    }
    throw new Error('the framed page did not load');
  }

  evaluate(fn, ...args) {
    return this.command('POST', '/execute/async', {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve((${fn}).apply(null, Array.from(arguments).slice(0, -1)))
          .then(done, (error) => done({ __error: String(error) }));`,
      args,
    }).then((value) => {
      if (value && value.__error) {
        throw new Error(value.__error);
      }
      return value;
    });
  }

  async waitFor(fn, ...args) {
    const deadline = Date.now() + 20000;
    while (!(await this.evaluate(fn, ...args))) {
      if (Date.now() > deadline) {
        throw new Error(`timed out waiting for ${fn}`);
      }
      await new Promise((done) => setTimeout(done, 50));
    }
  }

  async find(selector) {
    return this.command('POST', '/element', { using: 'css selector', value: selector });
  }

  async click(selector) {
    await showSectionOf(this, selector);
    const element = await this.find(selector);
    await this.command('POST', `/element/${Object.values(element)[0]}/click`, {});
  }

  async pressEnter(selector) {
    await showSectionOf(this, selector);
    const element = await this.find(selector);
    await this.command('POST', `/element/${Object.values(element)[0]}/value`, { text: '\uE007' });
  }

  async upload(selector, path) {
    await showSectionOf(this, selector);
    const element = await this.find(selector);
    await this.command('POST', `/element/${Object.values(element)[0]}/value`, { text: path });
  }

  async screenshot(path) {
    const picture = await this.command('GET', '/screenshot');
    writeFileSync(path, Buffer.from(picture, 'base64'));
  }

  async close() {
    await this.command('POST', '/url', { url: 'about:blank' });
  }
}

// A loopback port that nothing listens on now, for the driver to take.
async function freePort() {
  const probe = createServer();
  await new Promise((done) => probe.listen(0, '127.0.0.1', done));
  const { port } = probe.address();
  await new Promise((done) => probe.close(done));
  return port;
}

class WebKitBrowser {
  constructor(engine) {
    this.engine = engine;
  }

  async start() {
    // The wrapper page: another loopback origin, so the framed page is on its own.
    this.wrapper = createServer((request, response) => {
      const query = new URL(request.url, 'http://localhost').searchParams;
      response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
      const src = String(query.get('src')).replaceAll('"', '&quot;');
      response.end(`<!doctype html><html><body style="margin:0"><iframe src="${src}" `
        + 'onload="document.body.dataset.loaded = \'yes\'" '
        + `style="width:${Number(query.get('width'))}px;height:800px;border:0"></iframe></body></html>`);
    });
    await new Promise((done) => this.wrapper.listen(0, '127.0.0.1', done));
    this.wrapperOrigin = `http://127.0.0.1:${this.wrapper.address().port}`;
    const port = await freePort();
    // Its own process group, so that stopping it stops Xvfb and the driver's browser too.
    this.driver = spawn('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24', this.engine.executable,
      `--port=${port}`], { detached: true, stdio: 'ignore' });
    this.base = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; tries += 1) {
      try {
        const response = await fetch(`${this.base}/status`);
        if ((await response.json()).value.ready) {
          break;
        }
      } catch {
        if (tries > 300) {
          throw new Error('WebKitWebDriver did not start');
        }
      }
      await new Promise((done) => setTimeout(done, 100));
    }
    const session = await this.raw('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } } } });
    this.session = session.sessionId;
    await this.command('POST', '/window/rect', { width: 1280, height: 900 });
  }

  async raw(method, path, body) {
    const response = await fetch(`${this.base}${path}`, { method,
      headers: { 'Content-Type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body) });
    const answer = await response.json();
    if (!response.ok) {
      throw new Error(`${method} ${path}: ${JSON.stringify(answer.value)}`);
    }
    return answer.value;
  }

  command(method, path, body) {
    return this.raw(method, `/session/${this.session}${path}`, body);
  }

  async open(url, { width = 1280 } = {}) {
    // Wider pages in the window itself; narrower ones than the window allows in a frame.
    const page = new WebKitPage(this, width < 600 ? width : null);
    if (width >= 600) {
      await this.command('POST', '/window/rect', { width, height: 900 });
    }
    if (url !== null) {
      await page.goto(url);
    }
    return page;
  }

  async close() {
    try {
      await this.raw('DELETE', `/session/${this.session}`);
    } catch {
      // The session may be gone with the driver.
    }
    if (this.driver) {
      try {
        process.kill(-this.driver.pid, 'SIGTERM');
      } catch {
        // Already ended.
      }
    }
    this.wrapper?.close();
  }
}

// `args`: more command-line switches, for Chromium only (a fake camera, say).
export async function launch(engine, { args = [] } = {}) {
  const browser = engine.name === 'webkit' ? new WebKitBrowser(engine) : new PuppeteerBrowser(engine, args);
  await browser.start();
  return browser;
}

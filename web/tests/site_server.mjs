// A loopback server for the site that a test can switch off, or that fails a file or
// takes WebAssembly away, as a phone's network or a company's policy may. Each test gets
// its own server, so its own origin: no service worker or cache passes between tests.
// Beside it, a results source of the test's own on another origin.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join } from 'node:path';

const TYPES = { '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.mjs': 'text/javascript',
  '.js': 'text/javascript', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// Before the page's own scripts, in the page itself: a browser without WebAssembly.
const WITHOUT_WEBASSEMBLY = '<script>delete window.WebAssembly;</script>';
// axe-core from the page's own origin, as its Content-Security-Policy allows scripts.
export const AXE_PATH = '/__test/axe.js';
const axeFile = createRequire(import.meta.url).resolve('axe-core');

// In the back-test's worker: a browser without WebAssembly SIMD, which gets the plain build.
const WITHOUT_SIMD = '(() => false)(';

// Where the built page asks for results, and the origin its policy allows, as the build
// wrote them into index.html: a test points the page at its own source by replacing both.
function builtSource(folder) {
  const index = readFileSync(join(folder, 'index.html'), 'utf8');
  const source = index.match(/<meta name="lotto-results-source" content="([^"]*)">/)[1];
  return { source, origin: new URL(source.replace('{round}', '1')).origin };
}

// A source nobody answers at: a page under test asks no host beyond this machine.
export const CLOSED_SOURCE = 'http://127.0.0.1:9/{round}.json';

// Listens on a free loopback port; stop() is really off: no new connection, the open ones
// closed.
async function listen(handler) {
  const sockets = new Set();
  const server = createServer(handler);
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return {
    origin: `http://127.0.0.1:${server.address().port}`,
    async stop() {
      const closed = new Promise((done) => server.close(done));
      for (const socket of sockets) {
        socket.destroy();
      }
      await closed;
    },
  };
}

export async function serveSite(folder, { failing = [], withoutSimd = false, resultsSource = CLOSED_SOURCE,
  resultsDeadline = null } = {}) {
  const built = builtSource(folder);
  const resultsOrigin = new URL(resultsSource.replace('{round}', '1')).origin;
  return listen((request, response) => {
    const url = new URL(request.url, 'http://localhost');
    const name = url.pathname === '/' ? 'index.html' : url.pathname.slice(1);
    try {
      if (failing.includes(name)) {
        throw new Error('failed on purpose');
      }
      let body = readFileSync(url.pathname === AXE_PATH ? axeFile : join(folder, name));
      if (name === 'index.html') {
        body = Buffer.from(body.toString().replace(built.source, resultsSource)
          .replace(` ${built.origin};`, ` ${resultsOrigin};`)
          .replace('<head>', resultsDeadline === null ? '<head>'
            : `<head><meta name="lotto-results-deadline" content="${resultsDeadline}">`));
      }
      if (name === 'index.html' && url.searchParams.has('without-webassembly')) {
        body = Buffer.from(body.toString().replace('<head>', `<head>${WITHOUT_WEBASSEMBLY}`));
      }
      if (name === 'back-test-worker.mjs' && withoutSimd) {
        body = Buffer.from(body.toString().replace('WebAssembly.validate(', WITHOUT_SIMD));
      }
      response.writeHead(200, { 'Content-Type': TYPES[extname(name)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
}

// The results source: round N's answer at /results/N.json, as the test sets it in `answers`
// (a body, and optionally a status, a type, a location to redirect to, cors: false for an
// answer without the header that lets another origin read it, or hang: true for none); any other round is not published yet (404, an HTML
// body, readable as the mirror's are).
export async function serveResults() {
  const answers = new Map();
  const asked = [];
  const server = await listen((request, response) => {
    const round = Number(new URL(request.url, 'http://localhost').pathname.match(/^\/results\/(\d+)\.json$/)?.[1]);
    asked.push(round);
    const answer = answers.get(round) ?? { status: 404, type: 'text/html', body: '<!DOCTYPE html><title>404</title>' };
    if (answer.hang) {
      return; // never answered: the connection stays open until the server stops
    }
    const headers = { 'Content-Type': answer.type ?? 'application/json; charset=utf-8', 'Cache-Control': 'max-age=600' };
    if (answer.cors !== false) {
      headers['Access-Control-Allow-Origin'] = '*';
    }
    if (answer.location) {
      headers.Location = answer.location;
    }
    response.writeHead(answer.status ?? 200, headers);
    response.end(answer.body);
  });
  return { ...server, source: `${server.origin}/results/{round}.json`, answers, asked };
}

// A loopback server for the site that a test can switch off, or that fails a file or
// takes WebAssembly away, as a phone's network or a company's policy may. Each test gets
// its own server, so its own origin: no service worker or cache passes between tests.
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

export async function serveSite(folder, { failing = [], withoutSimd = false } = {}) {
  const sockets = new Set();
  const server = createServer((request, response) => {
    const url = new URL(request.url, 'http://localhost');
    const name = url.pathname === '/' ? 'index.html' : url.pathname.slice(1);
    try {
      if (failing.includes(name)) {
        throw new Error('failed on purpose');
      }
      let body = readFileSync(url.pathname === AXE_PATH ? axeFile : join(folder, name));
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
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return {
    origin: `http://127.0.0.1:${server.address().port}`,
    // Really off: no new connection, and the open ones closed.
    async stop() {
      const closed = new Promise((done) => server.close(done));
      for (const socket of sockets) {
        socket.destroy();
      }
      await closed;
    },
  };
}

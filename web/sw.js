// Keeps the page's files on the device, so it opens and works without a connection.
// Every cache of this page starts with PREFIX; other pages of the same origin keep theirs.
const PREFIX = 'lotto-';
const CACHE = `${PREFIX}@PROJECT_VERSION@`;
const FILES = ['./', 'index.html', 'style.css', 'app.mjs', 'core.mjs', 'core.wasm',
  'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The site's own files from the cache first; a replay link's ?seed= is the same page.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') {
    return;
  }
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});

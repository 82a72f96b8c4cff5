// Keeps the page's files on the device, so it opens and works without a connection.
// The build names the cache after the content of the site's files: any change, even
// without a new version, is a new cache that reaches every returning visitor.
const PREFIX = 'lotto-';
const CACHE = `${PREFIX}@SITE_HASH@`;
// Every file of the site, listed by the build.
const FILES = [@SITE_FILES@];

// Install: the new files, past the browser's HTTP cache, then take over at once.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// Activate: delete this page's older caches only; other pages of the origin keep theirs.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// Fetch: the site's own files from the cache first; a replay link's ?seed= is the same page.
// The results source's answers are another origin's and go to the network as asked.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});

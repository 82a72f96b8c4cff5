// Keeps the page's files on the device, so it opens and works without a connection.
// The build names the cache after the content of the site's files: any change, even
// without a new version, is a new cache that reaches every returning visitor.
const PREFIX = 'lotto-';
const RELEASE = '@SITE_HASH@';
const CACHE = `${PREFIX}${RELEASE}`;
// Every file of the site, listed by the build.
const FILES = [@SITE_FILES@];
// How many releases' caches stay: this one, and the one before for a page still open on it.
const RELEASES_KEPT = 2;

// Install: the new files, past the browser's HTTP cache, then take over at once.
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// Activate: a page open on the release before goes on loading its own files from that
// release's cache, so it stays; older ones of this page go, other pages' of the origin stay.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => {
      const releases = names.filter((name) => name.startsWith(PREFIX) && name !== CACHE);
      return Promise.all(releases.slice(0, Math.max(0, releases.length - (RELEASES_KEPT - 1)))
        .map((name) => caches.delete(name)));
    })
    .then(() => self.clients.claim()));
});

// A file from the release's cache, else this release's, else the network; a replay link's
// ?seed= and a release's ?release= are the same file. The file answers at the address
// asked, so that a module or a worker finds its release in its own address.
async function cached(request, release) {
  const named = `${PREFIX}${release}`;
  const own = release !== RELEASE && (await caches.has(named))
    ? await (await caches.open(named)).match(request, { ignoreSearch: true }) : undefined;
  const hit = own ?? (await (await caches.open(CACHE)).match(request, { ignoreSearch: true }))
    // A part of the page's code is named after its content: one this release lacks is a
    // page's of the release before, which its cache still holds.
    ?? (url(request).pathname.includes('/parts/') ? await caches.match(request, { ignoreSearch: true }) : undefined);
  return hit === undefined ? fetch(request)
    : new Response(hit.body, { status: hit.status, statusText: hit.statusText, headers: hit.headers });
}

const url = (request) => new URL(request.url);

// The page with its release named in it, so that what it loads later comes from the same.
async function page(request) {
  const response = await cached(request, RELEASE);
  if (!response.ok || !(response.headers.get('Content-Type') ?? '').startsWith('text/html')) {
    return response;
  }
  const text = (await response.text())
    .replace('<head>', `<head><meta name="lotto-release" content="${RELEASE}">`);
  const headers = new Headers(response.headers);
  headers.delete('Content-Length');
  return new Response(text, { status: response.status, statusText: response.statusText, headers });
}

// Fetch: the site's own files from the cache first. The results source's answers are
// another origin's and go to the network as asked.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin) {
    return;
  }
  event.respondWith(event.request.mode === 'navigate' ? page(event.request)
    : cached(event.request, url.searchParams.get('release') ?? RELEASE));
});

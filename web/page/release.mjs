// The release of the site this page came from, as its service worker named it in the page:
// whatever the page loads later is asked for in that release, which the worker keeps while
// such a page may be open, so an open page never runs two releases' code together. A page
// the network gave (a first visit) names none and asks for the files as they are.
const release = document.querySelector('meta[name="lotto-release"]')?.content ?? '';

// Addresses are the site's (from the page, not from the bundled part that asks).
export function ofRelease(path) {
  const url = new URL(path, document.baseURI);
  if (release !== '') {
    url.searchParams.set('release', release);
  }
  return url.href;
}

// Where an emscripten module finds its WebAssembly: beside it, in the same release.
export const locateInRelease = (path, prefix) => ofRelease(prefix + path);

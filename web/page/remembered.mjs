// What the device remembers, where it can: a browser that keeps nothing (storage turned
// off) forgets, and the page works the same.
export function remembered(key) {
  try {
    return window.localStorage.getItem(key);
  } catch {
    return null;
  }
}

export function remember(key, value) {
  try {
    window.localStorage.setItem(key, value);
  } catch {
    // Nothing kept.
  }
}

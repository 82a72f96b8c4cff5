// The player's week, kept on the device: the draw history and the tickets, each as the
// bytes of the programs' own file, in IndexedDB (asked to persist, so the browser keeps
// them). Kept whole or not at all: one put is one transaction.
import { useFile } from './core_bridge.mjs';

const STORE = 'files';

function openStore() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open('lotto', 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

const storePromise = ('indexedDB' in window ? openStore() : Promise.reject(new Error('no IndexedDB')))
  .catch(() => null);

async function storeRequest(mode, action) {
  const database = await storePromise;
  if (database === null) {
    return undefined;
  }
  return new Promise((resolve, reject) => {
    const request = action(database.transaction(STORE, mode).objectStore(STORE));
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

export const loadFile = (name) => storeRequest('readonly', (store) => store.get(name)).catch(() => undefined);
export const keepFile = (name, bytes) => storeRequest('readwrite', (store) => store.put(bytes, name))
  .then(() => true, () => false);
export const forgetFile = (name) => storeRequest('readwrite', (store) => store.delete(name)).catch(() => undefined);

// A file the player picked in `input`, handed to the core: its name, or null when none was
// picked; `reason` says why it did not read.
export async function pickedFile(input, kind) {
  const file = input.files[0];
  if (!file) {
    return null;
  }
  const reason = useFile(new Uint8Array(await file.arrayBuffer()), file.name, kind);
  input.value = '';
  return { name: file.name, reason };
}

export const askToPersist = () => navigator.storage?.persist?.().catch(() => {});

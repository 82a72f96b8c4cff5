// The back-test of the page's history, away from the page's own thread. The page starts a
// few of these workers and hands each the history's bytes: each counts every workers-th
// batch of draws, and the first also adds every batch up in draw order, its own and those
// the others' counts the page hands on to it, saying how far it is, then gives the report's
// figures and lines. WebAssembly SIMD where the browser has it, the plain build where not.
// The page stops them by ending the workers.

// The smallest module with a SIMD instruction (i8x16.splat): it validates only where the
// browser has WebAssembly SIMD.
const SIMD_PROBE = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0,
  10, 8, 1, 6, 0, 65, 0, 253, 15, 11]);
const LINES = 7;

// The release the page runs, named in this worker's address: its modules come from it too.
const { search } = new URL(self.location.href);
const inRelease = (url) => `${url}${search}`;

// Counts handed on from the other workers, by batch, and the wait for the next one.
const handed = new Map();
let wake = () => {};
const handedCounts = async (batch) => {
  while (!handed.has(batch)) {
    await new Promise((resolve) => { wake = resolve; });
  }
  const counts = handed.get(batch);
  handed.delete(batch);
  return counts;
};

async function backTest({ history, name, worker, workers }) {
  const simd = WebAssembly.validate(SIMD_PROBE);
  const { default: LottoBackTest } = await import(inRelease(simd ? './back-test-simd.mjs' : './back-test.mjs'));
  const core = await LottoBackTest({ locateFile: (path, prefix) => inRelease(prefix + path) });
  const text = (pointer) => core.UTF8ToString(pointer);
  const bytes = new Uint8Array(history);
  if (bytes.length > core._lotto_history_capacity()) {
    self.postMessage({ kind: 'refused', reason: `${name}: 파일이 이 페이지가 다루는 ${core._lotto_history_capacity() / 1048576} MiB보다 큽니다.` });
    return;
  }
  core.HEAPU8.set(bytes, core._lotto_history_buffer());
  core.stringToUTF8(name, core._lotto_history_name_buffer(), core._lotto_history_name_capacity());
  if (core._lotto_use_history(bytes.length) !== 1) {
    self.postMessage({ kind: 'refused', reason: text(core._lotto_history_error()) });
    return;
  }
  const batches = core._lotto_back_test_batches();
  const counts = core._lotto_back_test_counts();
  const countsSize = core._lotto_back_test_counts_size();
  if (worker > 0) {
    for (let batch = worker; batch < batches; batch += workers) {
      core._lotto_count_back_test_batch(batch);
      const copy = core.HEAPU8.slice(counts, counts + countsSize);
      self.postMessage({ kind: 'counts', batch, counts: copy.buffer }, [copy.buffer]);
    }
    return;
  }
  const draws = core._lotto_back_test_draws();
  core._lotto_start_back_test();
  self.postMessage({ kind: 'progress', tested: 0, draws, simd });
  for (let batch = 0; batch < batches; batch += 1) {
    if (batch % workers === 0) {
      core._lotto_count_back_test_batch(batch);
    } else {
      core.HEAPU8.set(new Uint8Array(await handedCounts(batch)), counts);
    }
    core._lotto_add_back_test_batch();
    self.postMessage({ kind: 'progress', tested: core._lotto_back_test_tested(), draws, simd });
  }
  if (batches === 0) {
    core._lotto_add_back_test_batch(); // no draw to test: the result as it stands
  }
  self.postMessage({
    kind: 'result',
    draws,
    simd,
    meanMidRank: text(core._lotto_back_test_mean_mid_rank()),
    pValue: text(core._lotto_back_test_p_value()),
    lines: Array.from({ length: LINES }, (_, which) => text(core._lotto_back_test_line(which))),
    csv: text(core._lotto_back_test_csv()),
  });
}

self.onmessage = ({ data }) => {
  if (data.kind === 'counts') {
    handed.set(data.batch, data.counts);
    wake();
  } else {
    backTest(data);
  }
};

// The replay link, read back as written, and every way a link can be wrong.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { MAX_SEED, NO_CHOICE, readReplay, replaySearch } from '../../page/replay_link.mjs';

test('a link reads back as it was written', () => {
  const cases = [
    [7, null, NO_CHOICE, '?seed=7'],
    [7, 1230, NO_CHOICE, '?seed=7&round=1230'],
    [MAX_SEED, 1230, { kept: [21, 7], leftOut: [13, 40] }, `?seed=${MAX_SEED}&round=1230&with=21,7&without=13,40`],
    [0, null, { kept: [], leftOut: [1] }, '?seed=0&without=1'],
  ];
  for (const [seed, round, choice, search] of cases) {
    assert.equal(replaySearch(seed, round, choice), search);
    const read = readReplay(search);
    assert.deepEqual(read, { seed, round, replayable: true,
      choice: { kept: choice.kept.length > 0 ? [choice.kept.join(',')] : [],
        leftOut: choice.leftOut.length > 0 ? [choice.leftOut.join(',')] : [] } });
  }
});

test('a seed that cannot be replayed asks for nothing; a round that is no round shows no sets', () => {
  for (const search of ['', '?round=3', '?seed=', '?seed=-1', '?seed=1e3', `?seed=${MAX_SEED + 1}`,
    '?seed=12345678901', '?seed=0x10']) {
    assert.equal(readReplay(search), null, search);
  }
  for (const search of ['?seed=5&round=', '?seed=5&round=1234567', '?seed=5&round=-3&with=7']) {
    const read = readReplay(search);
    assert.equal(read.replayable, false, search);
    assert.equal(read.round, null, search);
  }
  assert.deepEqual(readReplay('?seed=5&round=x&with=7').choice, { kept: ['7'], leftOut: [] });
});

// When the page asks the results source by itself, from which round, and what it says after.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { conflictText, roundLink, shouldTryAutomatically, sourceHost,
  tryMessage } from '../../page/results_words.mjs';

const MIRROR = 'https://smok95.github.io/lotto/results/{round}.json';

test('a round\'s link and the host the panel names', () => {
  assert.equal(roundLink(MIRROR, 1231), 'https://smok95.github.io/lotto/results/1231.json');
  assert.equal(roundLink('http://127.0.0.1:8080/{round}/{round}.json', 7), 'http://127.0.0.1:8080/7/7.json');
  assert.equal(sourceHost(MIRROR), 'smok95.github.io');
  assert.equal(sourceHost('http://127.0.0.1:8080/r/{round}.json'), '127.0.0.1:8080');
});

test('automatic tries: switch on, at most every ten minutes', () => {
  const due = { enabled: true, now: 1_800_000_000, lastTry: 0 };
  assert.ok(shouldTryAutomatically(due));
  assert.ok(!shouldTryAutomatically({ ...due, enabled: false }));
  assert.ok(!shouldTryAutomatically({ ...due, lastTry: due.now - 599 }));
  assert.ok(shouldTryAutomatically({ ...due, lastTry: due.now - 600 }));
  // A clock set back since the last try does not silence the page for good.
  assert.ok(shouldTryAutomatically({ ...due, lastTry: due.now + 86_400 }));
  assert.ok(shouldTryAutomatically({ ...due, lastTry: Number.NaN }));
});

const report = (changes) => ({ added: [], prizes: [], waiting: 0, incomplete: 0, failure: null, conflict: null, ...changes });

test('what a try says: one sentence for a failure, the history\'s reach with it', () => {
  assert.equal(tryMessage(report({ failure: { round: 1231, reason: '연결할 수 없음' } }), 1230),
    '1231회 결과를 가져오지 못해(연결할 수 없음) 기록은 1230회까지입니다.');
  assert.equal(tryMessage(report({}), 1253), '새 회차가 없습니다. 기록은 1253회까지입니다.');
  assert.equal(tryMessage(report({ added: [1231], prizes: [1231] }), 1231),
    '1231회 당첨 번호를 가져왔습니다. 1231회 당첨금을 가져왔습니다.');
  assert.equal(tryMessage(report({ added: [1231, 1232, 1233], prizes: [1231, 1232], waiting: 1233 }), 1233),
    '1231회부터 1233회까지 당첨 번호를 가져왔습니다. 1231회부터 1232회까지 당첨금을 가져왔습니다. '
    + '1233회 당첨금은 아직 발표되지 않았습니다.');
  // A record with an empty 4th or 5th division is named once the next round is drawn.
  assert.equal(tryMessage(report({ added: [1232], waiting: 1231, incomplete: 1231 }), 1232),
    '1232회 당첨 번호를 가져왔습니다. 1231회 당첨금은 결과 출처의 기록이 완전하지 않아(어느 회차에나 있던 '
    + '4등이나 5등 당첨자가 없음) 저장하지 않았습니다.');
  const conflict = { round: 1231, held: '1 2 3 4 5 6 + 7 (2026-07-05)', line: '1231,2026-07-04,2,13,19,24,33,40,7' };
  assert.equal(tryMessage(report({ conflict }), 1231), '1231회는 기록과 결과 출처의 번호가 달라 기록을 그대로 둡니다.');
  assert.equal(conflictText(conflict), '1231회: 이 기기의 기록은 1 2 3 4 5 6 + 7 (2026-07-05), 결과 출처는 2 13 19 24 33 40 + 7 (2026-07-04)입니다.');
});

test('a history without bonus numbers: a contradicted draw shown without "+ 0"', () => {
  assert.equal(conflictText({ round: 1231, held: '1 2 3 4 5 6 (2026-07-04)', line: '1231,2026-07-04,2,13,19,24,33,40' }),
    '1231회: 이 기기의 기록은 1 2 3 4 5 6 (2026-07-04), 결과 출처는 2 13 19 24 33 40 (2026-07-04)입니다.');
});

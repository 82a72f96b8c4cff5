// What the page says of each answer of the core.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { ADD_DRAW, ADD_TICKET, RESULT_ROW, SUMMARY_ROWS, drawAddedMessage, hasResult, isWinning,
  ticketRefusal, tooLarge } from '../../page/outcomes.mjs';

const CORE_SAYS = () => 'the core says why';

test('every refusal of games is this call\'s own: no room never repeats an earlier message', () => {
  assert.equal(ticketRefusal(ADD_TICKET.NO_ROOM, () => 'an earlier refusal'), '게임 기록이 이 페이지가 다루는 크기를 넘게 되어 저장하지 않았습니다.');
  assert.equal(ticketRefusal(ADD_TICKET.SLIP_KNOWN, CORE_SAYS), '이 용지는 이미 저장되어 있습니다. 추가하지 않았습니다.');
  assert.equal(ticketRefusal(ADD_TICKET.REFUSED, CORE_SAYS), 'the core says why');
  assert.equal(ticketRefusal(ADD_TICKET.FILE_REFUSED, CORE_SAYS), 'the core says why');
});

test('a draw typed: added, there already, refused with the core\'s reason, no room', () => {
  assert.equal(drawAddedMessage(ADD_DRAW.ADDED, 1231, CORE_SAYS), '1231회를 기록에 추가했습니다. 이제 1231회까지의 기록을 씁니다.');
  assert.equal(drawAddedMessage(ADD_DRAW.ALREADY_THERE, 1231, CORE_SAYS), '1231회는 이미 같은 번호로 기록에 있습니다. 추가하지 않았습니다.');
  assert.equal(drawAddedMessage(ADD_DRAW.REFUSED, 1231, CORE_SAYS), '추가하지 않았습니다: the core says why');
  assert.equal(drawAddedMessage(ADD_DRAW.FILE_REFUSED, 1231, CORE_SAYS), '추가하지 않았습니다: the core says why');
  assert.equal(drawAddedMessage(ADD_DRAW.NO_ROOM, 1231, CORE_SAYS), '당첨 번호 기록이 이 페이지가 다루는 크기를 넘게 되어 더하지 않았습니다.');
  assert.equal(tooLarge('draws.csv', 1 << 20), 'draws.csv: 파일이 이 페이지가 다루는 1 MiB보다 큽니다. 아무것도 바꾸지 않았습니다.');
});

test('result rows: ranks have results and the first five win; the rest have neither', () => {
  for (const rank of [1, 2, 3, 4, 5]) {
    assert.ok(hasResult(rank) && isWinning(rank), rank);
  }
  assert.ok(hasResult(RESULT_ROW.NO_PRIZE) && !isWinning(RESULT_ROW.NO_PRIZE));
  for (const row of [RESULT_ROW.NOT_DRAWN, RESULT_ROW.BEFORE_HISTORY, RESULT_ROW.NOT_IN_HISTORY_YET]) {
    assert.ok(!hasResult(row) && !isWinning(row), row);
  }
  assert.deepEqual([...new Set(SUMMARY_ROWS)].length, SUMMARY_ROWS.length);
  // Every row: the five ranks and the core's other rows, each once.
  assert.equal(SUMMARY_ROWS.length, 5 + Object.keys(RESULT_ROW).length);
});

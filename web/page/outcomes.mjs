// What the core's calls answer, named once, and what the page says of each. Pure: no core,
// no document, so a test runs it as it is.

// lotto_add_draw.
export const ADD_DRAW = Object.freeze({ ADDED: 0, ALREADY_THERE: 1, REFUSED: 2, FILE_REFUSED: 3, NO_ROOM: 4 });
// lotto_add_ticket and lotto_save_sets.
export const ADD_TICKET = Object.freeze({ ADDED: 0, SLIP_KNOWN: 1, REFUSED: 2, FILE_REFUSED: 3, NO_ROOM: 4 });
// lotto_compare_draw: a draw of the results source against the history.
export const COMPARE_DRAW = Object.freeze({ NOT_HELD: 0, SAME: 1, DIFFERS: 2, BEFORE_HISTORY: 3, REFUSED: 4 });
// lotto_add_prizes.
export const ADD_PRIZES = Object.freeze({ ADDED: 0, ALREADY_THERE: 1, REFUSED: 2, FILE_REFUSED: 3, NO_ROOM: 4,
  DISAGREES: 5, NOT_NEXT: 6 });
// lotto_read_answer: a round's answer from the results source.
export const ANSWER = Object.freeze({ FINAL: 0, PENDING: 1, REFUSED: 2, INCOMPLETE: 3 });
// A game's result: ranks 1 to 5, 0 for no prize, then the rows of games without a result.
export const RESULT_ROW = Object.freeze({ NO_PRIZE: 0, NOT_DRAWN: 6, BEFORE_HISTORY: 7, NOT_IN_HISTORY_YET: 8 });
// The rows of the tickets' summary, in the order shown, as lotto-stats --check shows them.
export const SUMMARY_ROWS = Object.freeze([1, 2, 3, 4, 5, RESULT_ROW.NO_PRIZE, RESULT_ROW.NOT_DRAWN,
  RESULT_ROW.NOT_IN_HISTORY_YET, RESULT_ROW.BEFORE_HISTORY]);

export const hasResult = (row) => row >= 0 && row < RESULT_ROW.NOT_DRAWN;
export const isWinning = (row) => row > 0 && row < RESULT_ROW.NOT_DRAWN;

// A file larger than the page keeps: said with the limit, nothing changed.
export const tooLarge = (name, capacity) => `${name}: 파일이 이 페이지가 다루는 ${capacity / 1048576} MiB보다 큽니다. `
  + '아무것도 바꾸지 않았습니다.';

// Why games were not added, for every outcome but ADDED; `coreMessage` gives the core's own
// reason, asked for only where it is this call's.
export function ticketRefusal(outcome, coreMessage) {
  switch (outcome) {
    case ADD_TICKET.SLIP_KNOWN:
      return '이 용지는 이미 저장되어 있습니다. 추가하지 않았습니다.';
    case ADD_TICKET.REFUSED:
    case ADD_TICKET.FILE_REFUSED:
      return coreMessage();
    default:
      return '게임 기록이 이 페이지가 다루는 크기를 넘게 되어 저장하지 않았습니다.';
  }
}

// What the history panel says of a draw typed by the player.
export function drawAddedMessage(outcome, round, coreMessage) {
  switch (outcome) {
    case ADD_DRAW.ADDED:
      return `${round}회를 기록에 추가했습니다. 이제 ${round}회까지의 기록을 씁니다.`;
    case ADD_DRAW.ALREADY_THERE:
      return `${round}회는 이미 같은 번호로 기록에 있습니다. 추가하지 않았습니다.`;
    case ADD_DRAW.REFUSED:
    case ADD_DRAW.FILE_REFUSED:
      return `추가하지 않았습니다: ${coreMessage()}`;
    default:
      return '당첨 번호 기록이 이 페이지가 다루는 크기를 넘게 되어 더하지 않았습니다.';
  }
}

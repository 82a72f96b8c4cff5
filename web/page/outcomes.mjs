// What the page says of each answer of the core's calls. Pure: no core, no document, so a
// test runs it as it is.

// The codes of the core's answers, as the build writes them from the core's declarations.
import { ADD_DRAW, ADD_TICKET, RESULT_ROW } from 'lotto-page-codes';

export { ADD_DRAW, ADD_PRIZES, ADD_TICKET, FETCH, REPLACE_DRAW, RESULT_ROW, ROUND_STANDING, ROUND_STEP } from 'lotto-page-codes';

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

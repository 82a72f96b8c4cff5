// Tickets: by round, newest first; every game with its balls, the drawn ones marked, and
// its result; the summary; games typed, pasted, scanned, saved from a prediction, imported.
import * as core from './core_sections.mjs';
import { $, element, offerDownload, won } from './dom.mjs';
import { keep } from './history_panel.mjs';
import { budgetNote, showLedger } from './ledger_panel.mjs';
import { ADD_TICKET, SUMMARY_ROWS, hasResult, isWinning, ticketRefusal } from './outcomes.mjs';
import { replaySearch } from './replay_link.mjs';
import { ball, shown } from './sets_view.mjs';

const { TICKETS_FILE } = core;
export const ticketsStatus = $('tickets-status');
// What the undo button brings back: the tickets before a removal or an import.
let undo = null;

function offerUndo(before, label, done) {
  undo = { before, done };
  $('undo-remove').textContent = label;
  $('undo-remove').hidden = false;
}

function ticketResult(game) {
  const name = core.resultName(game.row);
  return hasResult(game.row) && game.prize > 0 ? `${name} ${won(game.prize)}` : name;
}

// A game with its balls, the drawn ones marked, and its result; with a button that removes
// it where the tickets are listed.
export function gameItem(index, removable = true) {
  const game = core.ticket(index);
  const item = element('li', { class: 'ticket', 'data-round': game.round, 'data-game': game.numbers.join(' '),
    'data-rank': hasResult(game.row) ? game.row : '', 'data-prize': game.prize >= 0 ? game.prize : '' });
  const balls = element('ol', { class: 'balls', 'aria-label': '번호' });
  balls.append(...game.numbers.map((number, position) => {
    const node = ball(number);
    if (game.matched[position]) {
      node.classList.add('matched');
      node.setAttribute('aria-label', `${node.getAttribute('aria-label')}, 당첨 번호`);
    }
    return node;
  }));
  item.append(balls, element('span', { class: `result${isWinning(game.row) ? ' winning' : ''}` }, ticketResult(game)));
  if (removable) {
    const remove = element('button', { type: 'button', class: 'remove',
      'aria-label': `${game.round}회 ${game.numbers.join(', ')} 삭제` }, '삭제');
    remove.addEventListener('click', () => removeTicket(index, `${game.round}회 ${game.numbers.join(' ')}`));
    item.append(remove);
  }
  if (game.claim !== '') {
    item.append(element('span', { class: 'claim' }, game.claim));
  }
  return item;
}

// The newest rounds' games are shown first, whole rounds of about this many at a time: a
// decade of games would take the phone seconds to lay out at once.
const GAMES_A_STEP = 500;
let gamesShown = GAMES_A_STEP;

export function showTickets() {
  core.setClock(Date.now() / 1000);
  const rounds = new Map();
  for (let index = 0; index < core.ticketCount(); index += 1) {
    const { round } = core.ticket(index);
    if (!rounds.has(round)) {
      rounds.set(round, []);
    }
    rounds.get(round).push(index);
  }
  let shownCount = 0;
  const newestFirst = [...rounds.keys()].sort((a, b) => b - a);
  const shownRounds = newestFirst.filter((round) => {
    const show = shownCount < gamesShown;
    shownCount += show ? rounds.get(round).length : 0;
    return show;
  });
  const sections = shownRounds.map((round) => {
    const section = element('section', { class: 'ticket-round', 'aria-label': `${round}회` });
    const games = element('ol', { class: 'ticket-games' });
    games.append(...rounds.get(round).map((index) => gameItem(index)));
    section.append(element('h3', {}, `${round}회`), games);
    return section;
  });
  const hiddenCount = core.ticketCount() - shownCount;
  $('more-tickets').textContent = `이전 회차 ${hiddenCount.toLocaleString('ko-KR')}게임 더 보기`;
  $('more-tickets').hidden = hiddenCount === 0;
  $('tickets').replaceChildren(...sections);
  const summary = core.ticketSummary();
  const rows = [['게임 수', `${summary.games.toLocaleString('ko-KR')}게임`], ['구입 금액', won(summary.spent)]];
  for (const row of SUMMARY_ROWS) {
    const count = summary.count(row);
    if (count > 0) {
      rows.push([core.resultName(row), `${count.toLocaleString('ko-KR')}게임`]);
    }
  }
  rows.push(['받은 당첨금', won(summary.won)]);
  $('tickets-summary').replaceChildren(...rows.flatMap(([term, value]) => [element('dt', {}, term),
    element('dd', {}, value)]));
  $('tickets-summary').hidden = summary.games === 0;
  $('pool-note').textContent = core.poolPrizesNote().replaceAll('\n', ' ');
  $('pool-note').hidden = summary.prizesNotKnown === 0;
  offerDownload('export-tickets', core.fileBytes(TICKETS_FILE), 'text/csv');
  showLedger();
}

async function ticketsChanged(message) {
  showTickets();
  await keep(TICKETS_FILE, ticketsStatus);
  ticketsStatus.textContent = message;
}

async function removeTicket(index, name) {
  const before = core.fileBytes(TICKETS_FILE);
  if (core.removeTicket(index)) {
    offerUndo(before, '삭제 취소', '삭제를 취소했습니다.');
    await ticketsChanged(`${name}을 삭제했습니다.`);
    $('undo-remove').focus();
  }
}

// A typed line, a pasted slip's code or one read from a QR code: what it is, never opened.
export async function addTicket(input, fromCode) {
  const line = input.trim();
  if (!core.putLine(line)) {
    ticketsStatus.textContent = fromCode ? 'QR 코드가 너무 길어 로또 용지가 아닙니다.' : '입력한 줄이 너무 깁니다.';
    return false;
  }
  const { outcome, round } = core.addTicket();
  if (outcome === ADD_TICKET.ADDED) {
    const note = budgetNote(round);
    await ticketsChanged(`${round}회 번호를 저장했습니다.${note === '' ? '' : ` ${note}`}`);
    return true;
  }
  const reason = ticketRefusal(outcome, core.coreMessage);
  ticketsStatus.textContent = fromCode && outcome === ADD_TICKET.REFUSED
    ? `읽은 QR 코드는 로또 용지가 아닙니다 (${reason}): ${line}`
    : reason;
  return outcome === ADD_TICKET.SLIP_KNOWN;
}

// The sets shown, kept as the games of the round on sale; said here and where they were kept.
let savedPrediction = null;
export async function savePrediction(where) {
  const prediction = replaySearch(shown.seed, shown.round, shown.choice);
  let message;
  if (savedPrediction === prediction) {
    message = '이미 저장한 번호입니다';
  } else {
    const now = Date.now() / 1000;
    const outcome = core.saveSets(now);
    if (outcome === ADD_TICKET.ADDED) {
      savedPrediction = prediction;
      const round = core.roundOnSale(now);
      const note = budgetNote(round);
      message = `${round}회 ${core.SET_COUNT}게임을 저장하였습니다${note === '' ? '' : `. ${note}`}`;
      showTickets();
      await keep(TICKETS_FILE, where);
    } else {
      // This call's own reason: with no room, no message of an earlier call.
      message = ticketRefusal(outcome, core.coreMessage);
    }
  }
  ticketsStatus.textContent = message;
  where.textContent = message;
}

export function startTicketsPanel() {
  $('more-tickets').addEventListener('click', () => {
    gamesShown += GAMES_A_STEP;
    showTickets();
  });

  $('undo-remove').addEventListener('click', async () => {
    if (undo !== null && core.useFile(undo.before, TICKETS_FILE, TICKETS_FILE) === null) {
      const { done } = undo;
      undo = null;
      $('undo-remove').hidden = true;
      await ticketsChanged(done);
    }
  });

  // The field is emptied of the line kept, not of one typed while the device was keeping it.
  $('add-ticket').addEventListener('click', async () => {
    const typed = $('ticket-text').value;
    if (await addTicket(typed, false) && $('ticket-text').value === typed) {
      $('ticket-text').value = '';
    }
  });
  $('ticket-text').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      $('add-ticket').click();
    }
  });

  // An import adds the file's games the device lacks; it never drops one the device holds.
  $('tickets-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    if (!file) {
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    event.target.value = '';
    const before = core.fileBytes(TICKETS_FILE);
    const imported = core.importTickets(bytes, file.name);
    if (imported.reason !== undefined) {
      ticketsStatus.textContent = `가져오지 않았습니다: ${imported.reason}`;
      return;
    }
    if (imported.added > 0) {
      offerUndo(before, '가져오기 취소', '가져오기를 취소했습니다.');
    }
    await ticketsChanged(`${file.name}에서 ${imported.added}게임을 더했습니다. `
      + `이미 있던 ${imported.known}게임은 그대로 둡니다.`);
  });
}

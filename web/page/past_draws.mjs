// Every draw of the history, newest first, twenty at a time, with what the 1st prize paid;
// and a round searched for: its draw, its five ranks, its sales and the player's games.
import * as core from './core_sections.mjs';
import { $, element, won } from './dom.mjs';
import { drawBalls, prizeRows } from './latest_draw.mjs';
import { ROUND_STANDING } from './outcomes.mjs';
import { gameItem } from './tickets_panel.mjs';

const DRAWS_A_STEP = 20;
let drawsShown = DRAWS_A_STEP;

function firstPrize(round) {
  const prize = core.roundPrize(round, 1);
  if (prize < 0) {
    return '1등 발표 전';
  }
  const winners = core.roundWinners(round, 1);
  return winners > 0 ? `1등 ${won(prize)} · ${winners.toLocaleString('ko-KR')}게임` : '1등 당첨자 없음';
}

function drawItem(index) {
  const draw = core.drawAt(index);
  const attributes = { class: 'past-draw', 'data-round': draw.round, 'data-numbers': draw.numbers.join(' ') };
  if (draw.day !== '') {
    attributes['data-date'] = draw.day;
  }
  if (draw.bonus > 0) {
    attributes['data-bonus'] = draw.bonus;
  }
  if (core.roundPrize(draw.round, 1) >= 0) {
    attributes['data-prize1'] = core.roundPrize(draw.round, 1);
    attributes['data-winners1'] = core.roundWinners(draw.round, 1);
  }
  const item = element('li', attributes);
  const balls = element('ol', { class: 'balls', 'aria-label': '당첨 번호' });
  balls.append(...drawBalls(draw));
  item.append(element('span', { class: 'draw-round' }, `${draw.round}회`),
    element('span', { class: 'draw-day' }, draw.day), balls,
    element('span', { class: 'draw-prize' }, firstPrize(draw.round)));
  return item;
}

let detailRound = 0;

function showRoundDetail(round) {
  const detail = $('round-detail');
  const index = core.historyRound() - round;
  const draw = core.drawAt(index);
  detailRound = round;
  detail.dataset.round = round;
  const sales = core.roundSales(round);
  if (sales >= 0) {
    detail.dataset.sales = sales;
  } else {
    delete detail.dataset.sales;
  }
  const balls = element('ol', { class: 'balls', 'aria-label': '당첨 번호 여섯 개와 보너스 번호' });
  balls.append(...drawBalls(draw));
  const parts = [element('h3', {}, draw.day !== '' ? `${round}회 당첨 번호 (${draw.day} 추첨)` : `${round}회 당첨 번호`),
    balls];
  const rows = prizeRows(round);
  if (rows.length > 0) {
    // The newest draw's table, its caption and headings, for this round's ranks.
    const table = $('latest-prizes').cloneNode(true);
    table.removeAttribute('id');
    table.hidden = false;
    table.tBodies[0].replaceChildren(...rows);
    parts.push(table, element('p', {}, `총 판매 금액 ${won(sales)}`));
  } else {
    parts.push(element('p', { class: 'note' }, '이 회차의 당첨금은 아직 발표되지 않았습니다.'));
  }
  const games = [];
  for (let game = 0; game < core.ticketCount(); game += 1) {
    if (core.ticketRound(game) === round) {
      games.push(gameItem(game, false));
    }
  }
  if (games.length > 0) {
    const list = element('ol', { class: 'ticket-games' });
    list.append(...games);
    parts.push(element('h4', {}, `이 회차의 내 번호 ${games.length}게임`), list);
  }
  detail.replaceChildren(...parts);
  detail.hidden = false;
}

// Why a round the history lacks cannot be shown.
function notHeld(round, standing) {
  switch (standing) {
    case ROUND_STANDING.BEFORE_HISTORY:
      return round < 1 ? '회차는 1회부터입니다.'
        : `${round}회는 이 기기의 당첨 번호 기록(${core.historyFirstRound()}회부터)보다 앞선 회차라 찾을 수 없습니다.`;
    case ROUND_STANDING.NOT_DRAWN:
      return `${round}회는 아직 추첨하지 않았습니다.`;
    default:
      return `${round}회는 추첨했지만 이 기기의 기록에 아직 없습니다. 새 회차 확인으로 가져오거나 아래에 직접 입력하세요.`;
  }
}

function findRound() {
  const typed = $('round-search').value.trim();
  const status = $('round-search-status');
  $('round-detail').hidden = true;
  detailRound = 0;
  if (!/^\d{1,6}$/.test(typed)) {
    status.textContent = '찾을 회차를 숫자로 입력하세요.';
    return;
  }
  const round = Number(typed);
  core.setClock(Date.now() / 1000);
  const standing = core.roundStanding(round);
  if (standing === ROUND_STANDING.HELD) {
    status.textContent = '';
    showRoundDetail(round);
    $('round-detail').focus();
  } else {
    status.textContent = notHeld(round, standing);
  }
}

// The list and any round shown, as the history and the prizes now stand.
export function showPastDraws() {
  const count = core.drawCount();
  const shown = Math.min(drawsShown, count);
  $('past-draws').replaceChildren(...Array.from({ length: shown }, (_, index) => drawItem(index)));
  $('more-draws').hidden = shown === count;
  if (detailRound !== 0) {
    if (core.roundStanding(detailRound) === ROUND_STANDING.HELD) {
      showRoundDetail(detailRound);
    } else {
      $('round-detail').hidden = true;
      detailRound = 0;
    }
  }
}

export function startPastDraws() {
  $('more-draws').addEventListener('click', () => {
    const before = Math.min(drawsShown, core.drawCount());
    drawsShown += DRAWS_A_STEP;
    $('past-draws').append(...Array.from({ length: Math.min(drawsShown, core.drawCount()) - before },
      (_, offset) => drawItem(before + offset)));
    $('more-draws').hidden = drawsShown >= core.drawCount();
  });
  $('find-round').addEventListener('click', findRound);
  $('round-search').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      findRound();
    }
  });
}

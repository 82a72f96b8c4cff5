// The newest draw at the top of 당첨 결과: its balls, the bonus after them, its round and
// date, and, once known, what one game of each rank won and how many games won it. Its
// balls and its table of ranks serve every draw the page shows.
import * as core from './core_sections.mjs';
import { $, element, won } from './dom.mjs';
import { ball } from './sets_view.mjs';

const RANKS = 5;

// A draw's six balls and, where the history gives it, the bonus after a plus.
export function drawBalls(draw) {
  const balls = draw.numbers.map(ball);
  if (draw.bonus > 0) {
    const bonus = ball(draw.bonus);
    bonus.setAttribute('aria-label', `보너스 번호 ${bonus.getAttribute('aria-label')}`);
    balls.push(element('li', { class: 'plus', 'aria-hidden': 'true' }, '+'), bonus);
  }
  return balls;
}

// A round's five ranks as rows; none where the prizes do not hold the round.
export function prizeRows(round) {
  if (core.roundPrize(round, 1) < 0) {
    return [];
  }
  return Array.from({ length: RANKS }, (_, index) => {
    const rank = index + 1;
    const prize = core.roundPrize(round, rank);
    const winners = core.roundWinners(round, rank);
    const row = element('tr', { 'data-rank': rank, 'data-prize': prize, 'data-winners': winners });
    row.append(element('th', { scope: 'row' }, `${rank}등`),
      element('td', {}, winners > 0 ? won(prize) : '당첨자 없음'),
      element('td', {}, `${winners.toLocaleString('ko-KR')}게임`));
    return row;
  });
}

export function showLatestDraw() {
  const panel = $('latest-draw');
  const draw = core.latestDraw();
  panel.hidden = draw === null;
  if (draw === null) {
    return;
  }
  panel.dataset.round = draw.round;
  panel.dataset.numbers = draw.numbers.join(' ');
  panel.dataset.bonus = draw.bonus > 0 ? draw.bonus : '';
  $('latest-title').textContent = draw.date > 0
    ? `${draw.round}회 당첨 번호 (${draw.day} 추첨)` : `${draw.round}회 당첨 번호`;
  $('latest-balls').replaceChildren(...drawBalls(draw));
  const rows = prizeRows(draw.round);
  $('latest-prizes').hidden = rows.length === 0;
  $('latest-pending').hidden = rows.length > 0;
  $('latest-prizes').tBodies[0].replaceChildren(...rows);
}

// The newest draw at the top of the history panel: its balls, the bonus after them, its round
// and date, and, once known, what one game of each rank won and how many games won it.
import * as core from './core_bridge.mjs';
import { $, element, won } from './dom.mjs';
import { ball } from './sets_view.mjs';

const RANKS = 5;


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
  const balls = draw.numbers.map(ball);
  if (draw.bonus > 0) {
    const bonus = ball(draw.bonus);
    bonus.setAttribute('aria-label', `보너스 번호 ${bonus.getAttribute('aria-label')}`);
    balls.push(element('li', { class: 'plus', 'aria-hidden': 'true' }, '+'), bonus);
  }
  $('latest-balls').replaceChildren(...balls);
  const known = core.roundPrize(draw.round, 1) >= 0;
  $('latest-prizes').hidden = !known;
  $('latest-pending').hidden = known;
  if (known) {
    const rows = Array.from({ length: RANKS }, (_, index) => {
      const rank = index + 1;
      const winners = core.roundWinners(draw.round, rank);
      const row = element('tr', { 'data-rank': rank });
      row.append(element('th', { scope: 'row' }, `${rank}등`),
        element('td', {}, winners > 0 ? won(core.roundPrize(draw.round, rank)) : '당첨자 없음'),
        element('td', {}, `${winners.toLocaleString('ko-KR')}게임`));
      return row;
    });
    $('latest-prizes').tBodies[0].replaceChildren(...rows);
  }
}

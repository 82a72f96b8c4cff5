// 당첨 결과: the newest draw and what each rank paid, every past draw and a round's detail,
// and the history's own form and file. The results source's panel loads with the page.
import { $ } from './dom.mjs';
import { onHistoryChanged, startHistoryPanel } from './history_panel.mjs';
import { showLatestDraw } from './latest_draw.mjs';
import { showPastDraws, startPastDraws } from './past_draws.mjs';

export function startSection() {
  startHistoryPanel();
  startPastDraws();
  onHistoryChanged(showLatestDraw);
  onHistoryChanged(showPastDraws);
  showLatestDraw();
  showPastDraws();
  for (const id of ['history-file', 'draw-line', 'add-draw']) {
    $(id).disabled = false;
  }
}

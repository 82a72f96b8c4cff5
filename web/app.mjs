// The page: the five sets of a prediction made by the program's own core, compiled to
// WebAssembly, with their totals and the four criteria behind each total, and the player's
// week kept on the device. This module starts the page and its first section; the other
// sections bring their code when first opened.
import * as core from './page/core_bridge.mjs';
import { askToPersist, loadFile } from './page/device_files.mjs';
import { $, offerDownload } from './page/dom.mjs';
import { prizesInPlace, resultsChanged, startHistory } from './page/history_panel.mjs';
import { boardChoice, boardPainted, paintBoard, setBoard, startNumberBoard } from './page/number_board.mjs';
import { ofRelease } from './page/release.mjs';
import { reminderCalendar } from './page/reminder.mjs';
import { readReplay } from './page/replay_link.mjs';
import { loadSection, noteNewResults, startSections } from './page/sections.mjs';
import { offerGenerating, show, startSetsView } from './page/sets_view.mjs';

const generateButton = $('generate');
const status = $('status');

// Any other failure at start is said too, not left as a button that waits for ever.
function failedToStart() {
  if (document.body.dataset.ready !== 'true' && status.textContent === '') {
    status.textContent = '페이지를 시작하지 못했습니다. 페이지를 새로 고치거나 최신 브라우저로 열어 주세요.';
  }
}
window.addEventListener('error', failedToStart);
window.addEventListener('unhandledrejection', failedToStart);

// The core, or why it could not start: a page that cannot work says so and what to try,
// and never offers a button that does nothing.
try {
  await core.loadCore();
} catch (error) {
  generateButton.textContent = '사용할 수 없음';
  document.documentElement.classList.remove('replaying');
  status.textContent = typeof WebAssembly !== 'object'
    ? '이 브라우저에서는 WebAssembly를 쓸 수 없어 번호를 만들 수 없습니다. '
      + 'WebAssembly를 막는 설정(예: Safari의 잠금 모드나 회사 정책)을 끄거나 다른 브라우저로 열어 주세요.'
    : '번호를 만드는 엔진을 불러오지 못했습니다. 인터넷 연결을 확인하고 페이지를 새로 고쳐 주세요.';
  throw error;
}

startSetsView();
startNumberBoard();
offerGenerating(boardChoice);
// The sets shown are kept with the 내 번호 section's code, said under the button.
$('save-sets').addEventListener('click', async () => (await loadSection('tickets')).savePrediction($('save-status')));

const now = Math.floor(Date.now() / 1000);
offerDownload('reminder', reminderCalendar(now, core.drawDateOfRound(core.roundOnSale(now))), 'text/calendar');

// The tickets kept on the device, then the history they are checked against.
const keptTickets = await loadFile(core.TICKETS_FILE);
if (keptTickets instanceof Uint8Array) {
  const reason = core.useFile(keptTickets, core.TICKETS_FILE, core.TICKETS_FILE);
  if (reason !== null) {
    $('tickets-status').textContent = reason;
  }
}
await startHistory();
askToPersist();

generateButton.textContent = '로또 번호 생성';
generateButton.disabled = false;
// A replay link: its sets, and on the board the numbers the core accepted of it.
const replay = readReplay(window.location.search);
if (replay !== null) {
  if (replay.replayable) {
    show(replay.seed, replay.round, replay.choice);
  }
  if (core.chooseNumbers(replay.choice) === null) {
    setBoard(core.chosenNumbers());
    $('own-numbers').open = replay.choice.kept.length + replay.choice.leftOut.length > 0;
  }
}
if (!boardPainted()) {
  paintBoard();
}
document.documentElement.classList.remove('replaying');
startSections();
document.body.dataset.ready = 'true';
// The week's results, once the page works: nothing waits for them.
import(ofRelease('./results.mjs'))
  .then(({ startResultsPanel }) => startResultsPanel(core, {
    changed: async (what) => {
      await resultsChanged(what, $('history-status'));
      noteNewResults();
    },
    prizesInPlace }))
  .catch(() => {
    $('results-status').textContent = `새 회차를 확인하는 부분을 불러오지 못해 기록은 ${core.historyRound()}회까지입니다.`;
  });
if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

// The week's results from the results source: asked when the page opens, comes back online
// or is shown again (at most every ten minutes, while the history or the prizes are behind,
// and only with the switch on), and whenever the player taps the button. Bundled apart from
// the first view and loaded once the page works, so nothing waits for it; it is handed the
// page's core bridge rather than importing a second copy of it.
import { $ } from './dom.mjs';
import { remember, remembered } from './remembered.mjs';
import { fetchNewRounds } from './results_fetch.mjs';
import { conflictText, shouldTryAutomatically, sourceHost, tryMessage } from './results_words.mjs';

const SWITCH_KEY = 'lotto-auto-results';
const LAST_TRY_KEY = 'lotto-results-tried';
const template = document.querySelector('meta[name="lotto-results-source"]')?.content ?? '';
// The tests' seam: a page served with a shorter deadline, so that a source that never
// answers is tried in seconds.
const deadline = Number(document.querySelector('meta[name="lotto-results-deadline"]')?.content) || undefined;
let core = null;
let running = null;
let conflict = null;
let undoBefore = null;


const nowSeconds = () => Math.floor(Date.now() / 1000);

async function tryResults(hooks) {
  core.setClock(nowSeconds());
  if (!(await hooks.prizesInPlace())) {
    $('results-status').textContent = `기본 당첨금 기록이 없어 결과를 가져오지 못해 기록은 ${core.historyRound()}회까지입니다.`;
    return;
  }
  const report = await fetchNewRounds(core, template, nowSeconds(), deadline);
  if (report.added.length > 0 || report.prizes.length > 0) {
    await hooks.changed({ history: report.added.length > 0, prizes: report.prizes.length > 0 });
  }
  conflict = report.conflict;
  $('results-conflict').hidden = conflict === null;
  if (conflict !== null) {
    $('results-conflict-text').textContent = conflictText(conflict);
  }
  $('results-status').textContent = tryMessage(report, core.historyRound());
}

// One try at a time: a tap during a try waits for that try.
function ask(hooks) {
  if (running === null) {
    $('results-status').textContent = '새 회차를 확인하는 중…';
    running = tryResults(hooks)
      .catch(() => {
        $('results-status').textContent = `결과를 가져오지 못해 기록은 ${core.historyRound()}회까지입니다.`;
      })
      .finally(() => { running = null; });
  }
  return running;
}

function askIfDue(hooks) {
  const now = nowSeconds();
  core.setClock(now);
  // A phone without a connection is not asked for a try it cannot make: it asks when it is
  // back online, and the ten minutes start then.
  if (navigator.onLine === false) {
    $('results-status').textContent = `인터넷에 연결되어 있지 않아 새 회차를 확인하지 못해 기록은 ${core.historyRound()}회까지입니다.`;
    return null;
  }
  if (!shouldTryAutomatically({ enabled: $('auto-results').checked, now,
    lastTry: Number(remembered(LAST_TRY_KEY) ?? 0) })) {
    return null;
  }
  remember(LAST_TRY_KEY, String(now));
  return ask(hooks);
}

// `hooks.changed({ history, prizes })` keeps and shows what a try or a replacement changed;
// `hooks.prizesInPlace()` makes sure the prizes the source's are added to are loaded.
export function startResultsPanel(coreBridge, hooks) {
  core = coreBridge;
  $('results-host').textContent = `새 회차의 당첨 번호와 당첨금은 ${sourceHost(template)}에서 가져옵니다. `
    + '이 기기의 번호는 보내지 않습니다.';
  $('auto-results').checked = remembered(SWITCH_KEY) !== 'off';
  $('auto-results').addEventListener('change', (event) => {
    remember(SWITCH_KEY, event.target.checked ? 'on' : 'off');
  });
  $('check-results').addEventListener('click', () => ask(hooks));
  $('use-source-draw').addEventListener('click', async () => {
    if (conflict === null) {
      return;
    }
    const before = core.fileBytes(core.HISTORY_FILE);
    if (!core.replaceDraw(conflict.line)) {
      $('results-status').textContent = `${conflict.round}회를 바꾸지 못했습니다. 기록은 그대로입니다.`;
      return;
    }
    undoBefore = before;
    const { round } = conflict;
    conflict = null;
    $('results-conflict').hidden = true;
    $('undo-source-draw').hidden = false;
    await hooks.changed({ history: true, prizes: false });
    $('results-status').textContent = `${round}회를 결과 출처의 번호로 바꿨습니다.`;
    await ask(hooks);
  });
  $('undo-source-draw').addEventListener('click', async () => {
    if (undoBefore !== null && core.useFile(undoBefore, core.HISTORY_FILE, core.HISTORY_FILE) === null) {
      undoBefore = null;
      $('undo-source-draw').hidden = true;
      await hooks.changed({ history: true, prizes: false });
      $('results-status').textContent = '바꾸기를 취소했습니다. 기록은 이 기기에 입력한 번호로 돌아갔습니다.';
    }
  });
  // A phone that comes back online or to the page tries again, by the same rule.
  window.addEventListener('online', () => askIfDue(hooks));
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') {
      askIfDue(hooks);
    }
  });
  for (const id of ['auto-results', 'check-results']) {
    $(id).disabled = false;
  }
  return askIfDue(hooks);
}

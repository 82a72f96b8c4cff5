// The draw history the page scores and checks with: kept on the device or the shipped
// one, a file the player picks, a draw the player types; and the prizes beside it.
import * as core from './core_bridge.mjs';
import { forgetFile, keepFile, loadFile, pickedFile } from './device_files.mjs';
import { $, offerDownload } from './dom.mjs';
import { ADD_DRAW, drawAddedMessage } from './outcomes.mjs';

const { HISTORY_FILE, PRIZES_FILE } = core;
const historyStatus = $('history-status');
let historyChangedHooks = [];

// `hook` runs whenever the history or the prizes in use change.
export const onHistoryChanged = (hook) => historyChangedHooks.push(hook);

function historyChanged() {
  const round = core.historyRound();
  historyStatus.textContent = round > 0
    ? `${round}회까지의 당첨 번호 기록으로 미출현 숫자를 구하고 당첨을 확인합니다.`
    : '당첨 번호 기록이 없어 기본 목록을 씁니다.';
  $('draw-line').value = round > 0 ? core.nextDrawLine() : '';
  offerDownload('export-history', core.fileBytes(HISTORY_FILE), 'text/csv');
  offerDownload('export-prizes', core.fileBytes(PRIZES_FILE), 'text/csv');
  historyChangedHooks.forEach((hook) => hook());
}

// The site's own copy of a file handed to the core: null once it reads, why not when it
// does not, undefined when it could not be downloaded.
async function useShippedFile(kind) {
  try {
    const response = await fetch(kind);
    if (response.ok) {
      return core.useFile(new Uint8Array(await response.arrayBuffer()), kind, kind);
    }
  } catch {
    // Undefined, as for a failed download.
  }
  return undefined;
}

async function useShippedHistory() {
  const reason = await useShippedFile(HISTORY_FILE);
  return reason !== undefined ? reason
    : '기본 당첨 번호 기록을 불러오지 못했습니다. 인터넷 연결을 확인하고 페이지를 새로 고쳐 주세요.';
}

// The prizes kept on the device, or the site's; none when neither reads, and then the
// prizes of the rounds the source gives are not added until the site's are in.
async function startPrizes() {
  const kept = await loadFile(PRIZES_FILE);
  if (kept instanceof Uint8Array && core.useFile(kept, PRIZES_FILE, PRIZES_FILE) === null) {
    return;
  }
  await useShippedFile(PRIZES_FILE);
}
export async function prizesInPlace() {
  if (core.prizesRound() === 0) {
    await startPrizes();
  }
  return core.prizesRound() > 0;
}

// What a try of the results source changed, kept on the device and shown.
export async function resultsChanged({ history, prizes }, where) {
  historyChanged();
  if (history) {
    await keep(HISTORY_FILE, where);
    $('built-in').hidden = false;
  }
  if (prizes) {
    await keep(PRIZES_FILE, where);
  }
}

// Keeps a file on the device; false, and said in `where`, when the browser would not.
export async function keep(kind, where) {
  const kept = await keepFile(kind, core.fileBytes(kind));
  if (!kept) {
    where.textContent = '이 브라우저가 기기에 저장하지 못했습니다. 내보내기로 파일을 받아 두세요.';
  }
  return kept;
}

// The history kept on the device, or the one the page ships.
export async function startHistory() {
  const [kept] = await Promise.all([loadFile(HISTORY_FILE), startPrizes()]);
  const reason = kept instanceof Uint8Array ? core.useFile(kept, HISTORY_FILE, HISTORY_FILE) : await useShippedHistory();
  historyChanged();
  $('built-in').hidden = !(kept instanceof Uint8Array);
  if (reason !== null) {
    historyStatus.textContent = reason;
  }
}

export function startHistoryPanel() {
  $('history-file').addEventListener('change', async (event) => {
    const file = await pickedFile(event.target, HISTORY_FILE);
    if (file === null) {
      return;
    }
    if (file.reason !== null) {
      historyStatus.textContent = file.reason;
      return;
    }
    historyChanged();
    $('built-in').hidden = false;
    historyStatus.textContent = `${file.name}의 ${core.historyRound()}회까지의 기록을 이 기기에 저장했습니다. 이제부터 이 기록을 씁니다.`;
    // A device that would not keep it says so in place of the sentence above.
    await keep(HISTORY_FILE, historyStatus);
  });

  $('built-in').addEventListener('click', async () => {
    const reason = await useShippedHistory();
    if (reason === null) {
      await forgetFile(HISTORY_FILE);
      $('built-in').hidden = true;
      historyChanged();
    } else {
      historyStatus.textContent = reason;
    }
  });

  $('add-draw').addEventListener('click', async () => {
    const line = $('draw-line').value.trim();
    if (!core.putLine(line)) {
      historyStatus.textContent = '입력한 줄이 너무 깁니다.';
      return;
    }
    const { outcome, round } = core.addDraw();
    if (outcome === ADD_DRAW.ADDED) {
      historyChanged();
      $('built-in').hidden = false;
    }
    historyStatus.textContent = drawAddedMessage(outcome, round, core.coreMessage);
    if (outcome === ADD_DRAW.ADDED) {
      await keep(HISTORY_FILE, historyStatus);
    }
  });
}

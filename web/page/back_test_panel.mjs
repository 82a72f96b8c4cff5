// The back-test of the page's history: in workers started only when asked, so the page
// stays as light and as quick to answer; one per core, up to four, as each holds tables of
// every set. Ending the workers stops it.
import * as core from './core_bridge.mjs';
import { $, element, offerDownload } from './dom.mjs';
import { ofRelease } from './release.mjs';

const MOST_BACK_TEST_WORKERS = 4;
const backTestButton = $('back-test');
const backTestProgress = $('back-test-progress');
const backTestStatus = $('back-test-status');
const backTestResult = $('back-test-result');
let backTestWorkers = [];

function stopBackTest() {
  for (const worker of backTestWorkers) {
    worker.terminate();
  }
  backTestWorkers = [];
  $('back-test-running').hidden = true;
  backTestButton.disabled = core.historyRound() === 0;
}

// A back-test of the history before it no longer stands.
export function forgetBackTest() {
  stopBackTest();
  backTestResult.hidden = true;
  $('export-back-test').hidden = true;
  backTestStatus.textContent = '';
}

function showBackTest(result, seconds) {
  const [intro, meanName, tenthName, meanFigures, tenthFigures, chiSquare, verdict] = result.lines;
  const shares = element('dl');
  shares.append(element('dt', {}, meanName), element('dd', {}, meanFigures),
    element('dt', {}, tenthName), element('dd', {}, tenthFigures));
  const parts = [element('p', { class: 'intro' }, intro), shares];
  if (chiSquare !== '') {
    parts.push(element('p', {}, chiSquare));
  }
  parts.push(element('p', {}, verdict));
  backTestResult.replaceChildren(...parts);
  Object.assign(backTestResult.dataset, { meanMidRank: result.meanMidRank, pValue: result.pValue,
    draws: result.draws, seconds: seconds.toFixed(2), simd: result.simd });
  backTestResult.hidden = false;
  offerDownload('export-back-test', result.csv, 'text/csv');
  $('export-back-test').hidden = false;
  backTestStatus.textContent = `${result.draws.toLocaleString('ko-KR')}회를 ${seconds.toFixed(1)}초 만에 셌습니다.`;
}

function startBackTest() {
  stopBackTest();
  backTestResult.hidden = true;
  $('export-back-test').hidden = true;
  backTestButton.disabled = true;
  backTestProgress.removeAttribute('value'); // under way, not yet measured
  $('back-test-running').hidden = false;
  backTestStatus.textContent = '모든 세트의 점수를 준비하는 중…';
  const started = performance.now();
  const history = core.fileBytes(core.HISTORY_FILE);
  const workers = Math.min(Math.max(navigator.hardwareConcurrency || 1, 1), MOST_BACK_TEST_WORKERS);
  const running = Array.from({ length: workers },
    () => new Worker(new URL(ofRelease('./back-test-worker.mjs'), import.meta.url), { type: 'module' }));
  backTestWorkers = running;
  const failed = (event) => {
    event.preventDefault();
    stopBackTest();
    backTestStatus.textContent = '되짚어 보기를 시작하지 못했습니다. 페이지를 새로 고치거나 최신 브라우저로 열어 주세요.';
  };
  running.forEach((worker, index) => {
    worker.onerror = failed;
    worker.onmessage = ({ data }) => {
      if (backTestWorkers !== running) {
        return;
      }
      if (data.kind === 'counts') {
        running[0].postMessage(data, [data.counts]);
      } else if (data.kind === 'progress') {
        backTestProgress.max = Math.max(data.draws, 1);
        backTestProgress.value = data.tested;
        backTestStatus.textContent = `${data.draws.toLocaleString('ko-KR')}회 중 ${data.tested.toLocaleString('ko-KR')}회를 셌습니다.`;
      } else {
        stopBackTest();
        if (data.kind === 'result') {
          showBackTest(data, (performance.now() - started) / 1000);
        } else {
          backTestStatus.textContent = data.reason;
        }
      }
    };
    worker.postMessage({ history: history.slice().buffer, name: core.HISTORY_FILE, worker: index, workers });
  });
}

export function startBackTestPanel() {
  backTestButton.addEventListener('click', startBackTest);
  $('back-test-cancel').addEventListener('click', () => {
    stopBackTest();
    backTestStatus.textContent = '그만두었습니다.';
  });
}

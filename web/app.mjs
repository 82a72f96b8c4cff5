// The page: the five sets of a prediction made by the program's own core, compiled to
// WebAssembly, with their totals and the four criteria behind each total.
const SET_COUNT = 5;
const NUMBERS_PER_SET = 6;
const MAX_SEED = 4294967295;

const $ = (id) => document.getElementById(id);
const generateButton = $('generate');
const detailsButton = $('details');
const setsList = $('sets');
const status = $('status');
document.documentElement.classList.add('scripted');

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
async function loadCore() {
  if (typeof WebAssembly !== 'object') {
    throw new Error('no WebAssembly');
  }
  const { default: LottoCore } = await import('./core.mjs');
  return LottoCore();
}

let core;
try {
  core = await loadCore();
} catch (error) {
  generateButton.textContent = '사용할 수 없음';
  document.documentElement.classList.remove('replaying');
  status.textContent = typeof WebAssembly !== 'object'
    ? '이 브라우저에서는 WebAssembly를 쓸 수 없어 번호를 만들 수 없습니다. '
      + 'WebAssembly를 막는 설정(예: Safari의 잠금 모드나 회사 정책)을 끄거나 다른 브라우저로 열어 주세요.'
    : '번호를 만드는 엔진을 불러오지 못했습니다. 인터넷 연결을 확인하고 페이지를 새로 고쳐 주세요.';
  throw error;
}

const text = (pointer) => core.UTF8ToString(pointer);
// The criteria and the ball colours, as the core names them.
const CRITERIA = Array.from({ length: core._lotto_criterion_count() }, (_, index) => ({
  key: text(core._lotto_criterion_key(index)),
  name: text(core._lotto_criterion_name(index)),
}));
const NON_APPEARING = CRITERIA.findIndex((criterion) => criterion.key === 'non-appearing');
const BALL_COLORS = Array.from({ length: core._lotto_color_group(45) + 1 }, (_, group) => ({
  key: text(core._lotto_ball_color_key(group)),
  name: text(core._lotto_ball_color_name(group)),
  range: `${core._lotto_ball_color_lowest(group)}~${core._lotto_ball_color_highest(group)}`,
}));
let currentSeed = null;
let currentRound = null;
let currentChoice = { kept: [], leftOut: [] };

function element(tag, attributes = {}, content = '') {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    node.setAttribute(name, String(value));
  }
  node.textContent = content;
  return node;
}

function ball(number) {
  const color = BALL_COLORS[core._lotto_color_group(number)];
  return element('li', { class: `ball ball-${color.key}`,
    'aria-label': `${number}, ${color.name} 공 (${color.range})` }, String(number));
}

function criterionRow(set, index) {
  const criterion = CRITERIA[index];
  const points = core._lotto_points(set, index);
  const value = text(core._lotto_value(set, index));
  const row = element('li', { class: 'criterion', 'data-criterion': criterion.key,
    'data-points': points });
  row.append(element('span', { class: 'criterion-name' }, criterion.name),
    element('span', { class: 'criterion-value' },
      index === NON_APPEARING && value === '' ? '미포함' : value),
    element('span', { class: 'criterion-points' }, `${points}점`));
  return row;
}

function setItem(set, showDetails) {
  const numbers = [];
  for (let i = 0; i < NUMBERS_PER_SET; i += 1) {
    numbers.push(core._lotto_number(set, i));
  }
  const total = core._lotto_total(set);
  const item = element('li', { class: 'set', 'data-numbers': numbers.join(' '),
    'data-total': total, 'aria-label': `${set + 1}번째 세트: ${numbers.join(', ')}, 총점 ${total}점` });
  const head = element('div', { class: 'set-head' });
  const balls = element('ol', { class: 'balls', 'aria-label': '번호' });
  balls.append(...numbers.map(ball));
  head.append(element('span', { class: 'set-name' }, `${set + 1}번`), balls,
    element('span', { class: 'total' }, `총점 ${total}점`));
  const criteria = element('ol', { class: 'criteria', 'aria-label': '점수 산정 결과' });
  for (let index = 0; index < CRITERIA.length; index += 1) {
    criteria.append(criterionRow(set, index));
  }
  criteria.hidden = !showDetails;
  item.append(head, criteria);
  return item;
}

// The player's own numbers: kept ones in the order tapped (every attempt starts from them
// in that order), left-out ones ascending. The core reads and refuses them by the programs'
// rules and follows the last accepted ones.
const NO_CHOICE = { kept: [], leftOut: [] };

// Why the core refuses a choice, or null when every later prediction follows it. A control
// character cannot part the two lists: it is handed in as a character that reads as none.
function choose(choice) {
  const list = (numbers) => numbers.join(',').replace(/[\u0000-\u001f]/g, '?');
  const lines = `${list(choice.kept)}\n${list(choice.leftOut)}`;
  if (core.lengthBytesUTF8(lines) >= core._lotto_line_capacity()) {
    return '번호 목록이 너무 깁니다.';
  }
  core.stringToUTF8(lines, core._lotto_line_buffer(), core._lotto_line_capacity());
  return core._lotto_choose_numbers() === 1 ? null : text(core._lotto_message());
}

const chosenNumbers = () => ({
  kept: Array.from({ length: core._lotto_kept_count() }, (_, index) => core._lotto_kept_number(index)),
  leftOut: Array.from({ length: 45 }, (_, index) => index + 1).filter((number) => core._lotto_left_out(number) === 1),
});

// The sets of a seed, scored with the lists of the built-in table (`round` null, as old
// links were made) or with those the page's history gave after `round`, under `choice`.
// False when it shows no sets and says why.
function show(seed, round, choice = NO_CHOICE) {
  const refusal = choose(choice);
  if (refusal !== null) {
    setsList.replaceChildren();
    status.textContent = `이 고정수·제외수로는 번호를 만들 수 없습니다: ${refusal}`;
    return false;
  }
  const lists = round === null ? core._lotto_use_built_in_lists() : core._lotto_use_lists_of_round(round);
  if (round !== null && lists !== 1) {
    setsList.replaceChildren();
    status.textContent = `이 링크의 번호는 ${round}회까지의 당첨 번호 기록으로 점수를 매겼습니다. `
      + `이 기기의 기록은 ${core._lotto_history_round()}회까지라 같은 점수를 보여 줄 수 없습니다. 기록에 회차를 더한 뒤 다시 열어 주세요.`;
    return false;
  }
  currentSeed = seed;
  currentRound = round;
  currentChoice = chosenNumbers();
  core._lotto_generate(seed);
  const showDetails = detailsButton.getAttribute('aria-expanded') === 'true';
  const items = [];
  for (let set = 0; set < SET_COUNT; set += 1) {
    items.push(setItem(set, showDetails));
  }
  setsList.replaceChildren(...items);
  generateButton.textContent = '다시 생성';
  detailsButton.hidden = false;
  $('save-sets').hidden = false;
  const link = new URL(window.location.href);
  link.search = replaySearch(seed, round, currentChoice);
  $('replay-link').href = link.href;
  $('replay-link').textContent = link.href;
  $('replay').hidden = false;
  status.textContent = `다섯 세트를 만들었습니다 (시드 ${seed}).`;
  return true;
}

function replaySearch(seed, round, choice) {
  return `?seed=${seed}${round === null ? '' : `&round=${round}`}`
    + `${choice.kept.length > 0 ? `&with=${choice.kept.join(',')}` : ''}`
    + `${choice.leftOut.length > 0 ? `&without=${choice.leftOut.join(',')}` : ''}`;
}

function toggleDetails() {
  const open = detailsButton.getAttribute('aria-expanded') !== 'true';
  detailsButton.setAttribute('aria-expanded', String(open));
  detailsButton.textContent = open ? '자세히 보기 닫기' : '결과 자세히 보기';
  for (const criteria of setsList.querySelectorAll('.criteria')) {
    criteria.hidden = !open;
  }
}

// Every tap a new prediction: a random seed, not the clock, so two taps in one second
// differ. The console program keeps its clock; the replay link replays a seed exactly.
generateButton.addEventListener('click', () => {
  const seed = crypto.getRandomValues(new Uint32Array(1))[0];
  const round = core._lotto_history_round() > 0 ? core._lotto_history_round() : null;
  if (show(seed, round, boardChoice())) {
    window.history.replaceState(null, '', replaySearch(seed, round, currentChoice));
  }
});

// The board: each tap cycles a number through kept, left out and neither.
const board = $('number-board');
const numbersStatus = $('numbers-status');
const boardKept = [];
const boardLeftOut = new Set();
const PICK_MARKS = { kept: '고정', 'left-out': '제외', none: '' };
const boardChoice = () => ({ kept: [...boardKept], leftOut: [...boardLeftOut].sort((a, b) => a - b) });

function paintBoard() {
  for (const button of board.children) {
    const number = Number(button.dataset.number);
    const state = boardKept.includes(number) ? 'kept' : boardLeftOut.has(number) ? 'left-out' : 'none';
    button.dataset.state = state;
    button.lastChild.textContent = PICK_MARKS[state];
    button.setAttribute('aria-label', state === 'none' ? `${number}번` : `${number}번 ${PICK_MARKS[state]}`);
  }
  const choice = boardChoice();
  const refusal = choose(choice);
  const chosen = [choice.kept.length > 0 ? `고정수 ${choice.kept.join(', ')}` : '',
    choice.leftOut.length > 0 ? `제외수 ${choice.leftOut.join(', ')}` : ''].filter(Boolean).join(' · ');
  numbersStatus.textContent = refusal !== null ? `이대로는 번호를 만들 수 없습니다: ${refusal}`
    : chosen === '' ? '고른 번호가 없습니다.' : `${chosen}: 다음 생성부터 따릅니다.`;
}

function setBoard(choice) {
  boardKept.splice(0, boardKept.length, ...choice.kept);
  boardLeftOut.clear();
  choice.leftOut.forEach((number) => boardLeftOut.add(number));
  paintBoard();
}

for (let number = 1; number <= 45; number += 1) {
  const button = element('button', { type: 'button', class: 'pick', 'data-number': number });
  button.append(element('span', { class: 'pick-number' }, String(number)), element('span', { class: 'pick-mark' }));
  button.addEventListener('click', () => {
    const at = boardKept.indexOf(number);
    if (at >= 0) {
      boardKept.splice(at, 1);
      boardLeftOut.add(number);
    } else if (boardLeftOut.has(number)) {
      boardLeftOut.delete(number);
    } else {
      boardKept.push(number);
    }
    paintBoard();
  });
  board.append(button);
}
$('clear-numbers').addEventListener('click', () => setBoard(NO_CHOICE));
detailsButton.addEventListener('click', toggleDetails);

// The player's week, kept on the device: the draw history and the tickets, each as the
// bytes of the programs' own file, in IndexedDB (asked to persist, so the browser keeps
// them), and the core that reads them by the programs' rules.
const STORE = 'files';
const HISTORY_FILE = 'draws.csv';
const TICKETS_FILE = 'tickets.csv';
const historyStatus = $('history-status');
const ticketsStatus = $('tickets-status');

function openStore() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open('lotto', 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

const storePromise = ('indexedDB' in window ? openStore() : Promise.reject(new Error('no IndexedDB')))
  .catch(() => null);

async function storeRequest(mode, action) {
  const database = await storePromise;
  if (database === null) {
    return undefined;
  }
  return new Promise((resolve, reject) => {
    const request = action(database.transaction(STORE, mode).objectStore(STORE));
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

const loadFile = (name) => storeRequest('readonly', (store) => store.get(name)).catch(() => undefined);
// Kept whole or not at all: one put is one transaction.
const keepFile = (name, bytes) => storeRequest('readwrite', (store) => store.put(bytes, name))
  .then(() => true, () => false);
const forgetFile = (name) => storeRequest('readwrite', (store) => store.delete(name)).catch(() => undefined);

// The core's side of each file: where its bytes and name go, how it is read, why not.
const CORE_FILES = {
  [HISTORY_FILE]: { buffer: () => core._lotto_history_buffer(), length: () => core._lotto_history_length(),
    capacity: () => core._lotto_history_capacity(), name: () => core._lotto_history_name_buffer(),
    nameCapacity: () => core._lotto_history_name_capacity(), use: (length) => core._lotto_use_history(length),
    error: () => core._lotto_history_error() },
  [TICKETS_FILE]: { buffer: () => core._lotto_tickets_buffer(), length: () => core._lotto_tickets_length(),
    capacity: () => core._lotto_tickets_capacity(), name: () => core._lotto_tickets_name_buffer(),
    nameCapacity: () => core._lotto_tickets_name_capacity(), use: (length) => core._lotto_use_tickets(length),
    error: () => core._lotto_message() },
};

// The bytes the core holds for a file, copied out.
function fileBytes(kind) {
  const file = CORE_FILES[kind];
  return core.HEAPU8.slice(file.buffer(), file.buffer() + file.length());
}

// Hands a file's bytes to the core to read; one that does not read leaves what was in use.
function useFile(bytes, name, kind) {
  const file = CORE_FILES[kind];
  if (bytes.length > file.capacity()) {
    return `${name}: 파일이 너무 큽니다.`;
  }
  const before = fileBytes(kind);
  core.HEAPU8.set(bytes, file.buffer());
  core.stringToUTF8(name, file.name(), file.nameCapacity());
  const read = file.use(bytes.length) === 1;
  const reason = read ? null : text(file.error());
  // The file's own name again for later messages; a history that never read stays none.
  if (!read && (before.length > 0 || kind === TICKETS_FILE)) {
    useFile(before, kind, kind);
  } else {
    core.stringToUTF8(kind, file.name(), file.nameCapacity());
  }
  return reason;
}

// A file the player picked in `input`, handed to the core: its name, or null when none was
// picked; `reason` says why it did not read.
async function pickedFile(input, kind) {
  const file = input.files[0];
  if (!file) {
    return null;
  }
  const reason = useFile(new Uint8Array(await file.arrayBuffer()), file.name, kind);
  input.value = '';
  return { name: file.name, reason };
}

// A line from the page into the core's line buffer; false when it is too long to be one.
function putLine(line) {
  if (core.lengthBytesUTF8(line) >= core._lotto_line_capacity()) {
    return false;
  }
  core.stringToUTF8(line, core._lotto_line_buffer(), core._lotto_line_capacity());
  return true;
}

const exportUrls = {};
function offerDownload(id, bytes, type) {
  if (exportUrls[id]) {
    URL.revokeObjectURL(exportUrls[id]);
  }
  exportUrls[id] = URL.createObjectURL(new Blob([bytes], { type }));
  $(id).href = exportUrls[id];
}

function historyChanged() {
  const round = core._lotto_history_round();
  historyStatus.textContent = round > 0
    ? `${round}회까지의 당첨 번호 기록으로 미출현 숫자를 구하고 당첨을 확인합니다.`
    : '당첨 번호 기록이 없어 기본 목록을 씁니다.';
  $('draw-line').value = round > 0 ? text(core._lotto_next_draw_line()) : '';
  offerDownload('export-history', fileBytes(HISTORY_FILE), 'text/csv');
  showTickets();
  // A back-test of the history before it no longer stands.
  stopBackTest();
  backTestResult.hidden = true;
  $('export-back-test').hidden = true;
  backTestStatus.textContent = '';
}

async function useShippedHistory() {
  try {
    const response = await fetch(HISTORY_FILE);
    if (response.ok) {
      return useFile(new Uint8Array(await response.arrayBuffer()), HISTORY_FILE, HISTORY_FILE);
    }
  } catch {
    // Said below, as for a file that does not read.
  }
  return '기본 당첨 번호 기록을 불러오지 못했습니다. 인터넷 연결을 확인하고 페이지를 새로 고쳐 주세요.';
}

async function keep(kind) {
  const kept = await keepFile(kind, fileBytes(kind));
  if (!kept) {
    ticketsStatus.textContent = '이 브라우저가 기기에 저장하지 못했습니다. 내보내기로 파일을 받아 두세요.';
  }
  return kept;
}

// The history kept on the device, or the one the page ships.
async function startHistory() {
  const kept = await loadFile(HISTORY_FILE);
  const reason = kept instanceof Uint8Array ? useFile(kept, HISTORY_FILE, HISTORY_FILE) : await useShippedHistory();
  historyChanged();
  $('built-in').hidden = !(kept instanceof Uint8Array);
  if (reason !== null) {
    historyStatus.textContent = reason;
  }
}

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
  await keep(HISTORY_FILE);
  $('built-in').hidden = false;
  historyStatus.textContent = `${file.name}의 ${core._lotto_history_round()}회까지의 기록을 이 기기에 저장했습니다. 이제부터 이 기록을 씁니다.`;
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

const ADD_DRAW_REFUSED = 2;
const ADD_DRAW_FILE_REFUSED = 3;
$('add-draw').addEventListener('click', async () => {
  const line = $('draw-line').value.trim();
  if (!putLine(line)) {
    historyStatus.textContent = '입력한 줄이 너무 깁니다.';
    return;
  }
  const outcome = core._lotto_add_draw();
  const round = core._lotto_added_round();
  if (outcome === 0) {
    historyChanged();
    await keep(HISTORY_FILE);
    $('built-in').hidden = false;
    historyStatus.textContent = `${round}회를 기록에 추가했습니다. 이제 ${round}회까지의 기록을 씁니다.`;
  } else if (outcome === 1) {
    historyStatus.textContent = `${round}회는 이미 같은 번호로 기록에 있습니다. 추가하지 않았습니다.`;
  } else if (outcome === ADD_DRAW_REFUSED || outcome === ADD_DRAW_FILE_REFUSED) {
    historyStatus.textContent = `추가하지 않았습니다: ${text(core._lotto_message())}`;
  } else {
    historyStatus.textContent = '기록이 너무 커서 더할 수 없습니다.';
  }
});

// The back-test of the page's history: in workers started only when asked, so the page
// stays as light and as quick to answer; one per core, up to four, as each holds tables of
// every set. Ending the workers stops it.
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
  backTestButton.disabled = core._lotto_history_round() === 0;
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
  const history = fileBytes(HISTORY_FILE);
  const workers = Math.min(Math.max(navigator.hardwareConcurrency || 1, 1), MOST_BACK_TEST_WORKERS);
  const running = Array.from({ length: workers },
    () => new Worker(new URL('./back-test-worker.mjs', import.meta.url), { type: 'module' }));
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
    worker.postMessage({ history: history.slice().buffer, name: HISTORY_FILE, worker: index, workers });
  });
}

backTestButton.addEventListener('click', startBackTest);
$('back-test-cancel').addEventListener('click', () => {
  stopBackTest();
  backTestStatus.textContent = '그만두었습니다.';
});

// Tickets: by round, newest first; every game with its balls, the drawn ones marked, and
// its result.
// The rows of results after the ranks 1 to 5 and "no prize" (0), as the core numbers them.
const NOT_DRAWN = 6;
const BEFORE_HISTORY = 7;
const won = (amount) => `${amount.toLocaleString('ko-KR')}원`;
let removedBytes = null;

function ticketResult(index, rank) {
  if (rank === NOT_DRAWN || rank === BEFORE_HISTORY) {
    return text(core._lotto_result_name(rank));
  }
  const prize = core._lotto_ticket_prize(index);
  const name = text(core._lotto_result_name(rank));
  return prize > 0 ? `${name} ${won(prize)}` : name;
}

function ticketItem(index) {
  const round = core._lotto_ticket_round(index);
  const rank = core._lotto_ticket_rank(index);
  const numbers = [0, 1, 2, 3, 4, 5].map((position) => core._lotto_ticket_number(index, position));
  const result = ticketResult(index, rank);
  const item = element('li', { class: 'ticket', 'data-round': round, 'data-game': numbers.join(' '),
    'data-rank': rank === NOT_DRAWN || rank === BEFORE_HISTORY ? '' : rank });
  const balls = element('ol', { class: 'balls', 'aria-label': '번호' });
  balls.append(...numbers.map((number, position) => {
    const node = ball(number);
    if (core._lotto_ticket_matched(index, position) === 1) {
      node.classList.add('matched');
      node.setAttribute('aria-label', `${node.getAttribute('aria-label')}, 당첨 번호`);
    }
    return node;
  }));
  const remove = element('button', { type: 'button', class: 'remove',
    'aria-label': `${round}회 ${numbers.join(', ')} 삭제` }, '삭제');
  remove.addEventListener('click', () => removeTicket(index, `${round}회 ${numbers.join(' ')}`));
  const winning = rank > 0 && rank < NOT_DRAWN;
  item.append(balls, element('span', { class: `result${winning ? ' winning' : ''}` }, result), remove);
  return item;
}

function showTickets() {
  const rounds = new Map();
  for (let index = 0; index < core._lotto_ticket_count(); index += 1) {
    const round = core._lotto_ticket_round(index);
    if (!rounds.has(round)) {
      rounds.set(round, []);
    }
    rounds.get(round).push(ticketItem(index));
  }
  const sections = [...rounds.keys()].sort((a, b) => b - a).map((round) => {
    const section = element('section', { class: 'ticket-round', 'aria-label': `${round}회` });
    const games = element('ol', { class: 'ticket-games' });
    games.append(...rounds.get(round));
    section.append(element('h3', {}, `${round}회`), games);
    return section;
  });
  $('tickets').replaceChildren(...sections);
  core._lotto_summarize_tickets();
  const games = core._lotto_summary_games();
  const rows = [['게임 수', `${games.toLocaleString('ko-KR')}게임`], ['구입 금액', won(core._lotto_summary_spent())]];
  for (const row of [1, 2, 3, 4, 5, 0, NOT_DRAWN, BEFORE_HISTORY]) {
    const count = core._lotto_summary_count(row);
    if (count > 0) {
      rows.push([text(core._lotto_result_name(row)), `${count.toLocaleString('ko-KR')}게임`]);
    }
  }
  rows.push(['받은 고정 당첨금', won(core._lotto_summary_won())]);
  $('tickets-summary').replaceChildren(...rows.flatMap(([term, value]) => [element('dt', {}, term),
    element('dd', {}, value)]));
  $('tickets-summary').hidden = games === 0;
  $('pool-note').textContent = text(core._lotto_pool_prizes_note()).replaceAll('\n', ' ');
  $('pool-note').hidden = games === 0;
  offerDownload('export-tickets', fileBytes(TICKETS_FILE), 'text/csv');
}

async function ticketsChanged(message) {
  showTickets();
  await keep(TICKETS_FILE);
  ticketsStatus.textContent = message;
}

async function removeTicket(index, name) {
  const before = fileBytes(TICKETS_FILE);
  if (core._lotto_remove_ticket(index) === 1) {
    removedBytes = before;
    $('undo-remove').hidden = false;
    await ticketsChanged(`${name}을 삭제했습니다.`);
    $('undo-remove').focus();
  }
}

$('undo-remove').addEventListener('click', async () => {
  if (removedBytes !== null && useFile(removedBytes, TICKETS_FILE, TICKETS_FILE) === null) {
    removedBytes = null;
    $('undo-remove').hidden = true;
    await ticketsChanged('삭제를 취소했습니다.');
  }
});

const ADD_TICKET_MESSAGES = {
  1: () => '이 용지는 이미 저장되어 있습니다. 추가하지 않았습니다.',
  2: () => text(core._lotto_message()),
  3: () => text(core._lotto_message()),
  4: () => '저장할 자리가 없습니다.',
};

// A typed line, a pasted slip's code or one read from a QR code: what it is, never opened.
async function addTicket(input, fromCode) {
  const line = input.trim();
  if (!putLine(line)) {
    ticketsStatus.textContent = fromCode ? 'QR 코드가 너무 길어 로또 용지가 아닙니다.' : '입력한 줄이 너무 깁니다.';
    return false;
  }
  const outcome = core._lotto_add_ticket();
  if (outcome === 0) {
    const round = core._lotto_added_ticket_round();
    await ticketsChanged(`${round}회 번호를 저장했습니다.`);
    return true;
  }
  const reason = ADD_TICKET_MESSAGES[outcome]();
  ticketsStatus.textContent = fromCode && outcome === 2
    ? `읽은 QR 코드는 로또 용지가 아닙니다 (${reason}): ${line}`
    : reason;
  return outcome === 1;
}

$('add-ticket').addEventListener('click', async () => {
  if (await addTicket($('ticket-text').value, false)) {
    $('ticket-text').value = '';
  }
});
$('ticket-text').addEventListener('keydown', (event) => {
  if (event.key === 'Enter') {
    $('add-ticket').click();
  }
});

let savedPrediction = null;
$('save-sets').addEventListener('click', async () => {
  const prediction = replaySearch(currentSeed, currentRound, currentChoice);
  if (savedPrediction === prediction) {
    ticketsStatus.textContent = '이미 저장한 번호입니다';
    return;
  }
  const now = Date.now() / 1000;
  if (core._lotto_save_sets(now) === 0) {
    savedPrediction = prediction;
    await ticketsChanged(`${core._lotto_round_on_sale(now)}회 ${SET_COUNT}게임을 저장하였습니다`);
  } else {
    ticketsStatus.textContent = ADD_TICKET_MESSAGES[3]();
  }
});

$('tickets-file').addEventListener('change', async (event) => {
  const file = await pickedFile(event.target, TICKETS_FILE);
  if (file === null) {
    return;
  }
  if (file.reason !== null) {
    ticketsStatus.textContent = `가져오지 않았습니다: ${file.reason}`;
    return;
  }
  await ticketsChanged(`${file.name}에서 ${core._lotto_ticket_count()}게임을 가져왔습니다.`);
});

// The QR decoder: the browser's own where it reads QR codes, else the bundled one, loaded
// only now; both behind the same interface.
async function decoder() {
  let Detector = window.BarcodeDetector ?? null;
  try {
    if (Detector !== null && !(await Detector.getSupportedFormats()).includes('qr_code')) {
      Detector = null;
    }
  } catch {
    Detector = null;
  }
  if (Detector === null) {
    ({ default: Detector } = await import('./qr-decoder.mjs'));
  }
  const detector = new Detector({ formats: ['qr_code'] });
  return async (canvas) => (await detector.detect(canvas))[0]?.rawValue ?? null;
}

// A picture drawn on a canvas no larger than a phone's screen needs for a code.
function canvasOf(source, width, height) {
  const scale = Math.min(1, 1280 / Math.max(width, height));
  const canvas = document.createElement('canvas');
  canvas.width = Math.max(1, Math.round(width * scale));
  canvas.height = Math.max(1, Math.round(height * scale));
  canvas.getContext('2d', { willReadFrequently: true }).drawImage(source, 0, 0, canvas.width, canvas.height);
  return canvas;
}

$('ticket-photo').addEventListener('change', async (event) => {
  const file = event.target.files[0];
  event.target.value = '';
  if (!file) {
    return;
  }
  ticketsStatus.textContent = '사진에서 QR 코드를 찾는 중…';
  let picture;
  try {
    picture = await createImageBitmap(file);
  } catch {
    ticketsStatus.textContent = `${file.name}: 그림 파일로 읽을 수 없습니다.`;
    return;
  }
  const code = await (await decoder())(canvasOf(picture, picture.width, picture.height));
  if (code === null) {
    ticketsStatus.textContent = '사진에서 QR 코드를 찾지 못했습니다. 용지의 QR 코드가 크고 선명하게 나오도록 다시 찍어 주세요.';
    return;
  }
  await addTicket(code, true);
});

// The camera, asked for only when the player taps scan, stopped as soon as a code is read.
let scanning = null;
function stopScan() {
  if (scanning !== null) {
    scanning.stream.getTracks().forEach((track) => track.stop());
    clearTimeout(scanning.timer);
    scanning = null;
  }
  $('scanner').hidden = true;
}

$('scan-ticket').addEventListener('click', async () => {
  if (scanning !== null) {
    return;
  }
  if (!navigator.mediaDevices?.getUserMedia) {
    ticketsStatus.textContent = '이 브라우저나 기기에서는 카메라를 쓸 수 없습니다. 용지 사진으로 읽어 주세요.';
    return;
  }
  let stream;
  try {
    stream = await navigator.mediaDevices.getUserMedia({ video: { facingMode: 'environment' }, audio: false });
  } catch (error) {
    ticketsStatus.textContent = error?.name === 'NotAllowedError' || error?.name === 'SecurityError'
      ? '카메라 사용이 허용되지 않았습니다. 브라우저 설정에서 이 페이지의 카메라를 허용하거나 용지 사진으로 읽어 주세요.'
      : '카메라를 찾지 못했습니다. 용지 사진으로 읽어 주세요.';
    return;
  }
  const video = $('scanner-video');
  video.srcObject = stream;
  $('scanner').hidden = false;
  scanning = { stream, timer: 0 };
  ticketsStatus.textContent = '용지의 QR 코드를 카메라에 비춰 주세요.';
  const detect = await decoder();
  await video.play().catch(() => {});
  const look = async () => {
    if (scanning === null) {
      return;
    }
    const code = video.videoWidth > 0 ? await detect(canvasOf(video, video.videoWidth, video.videoHeight)) : null;
    if (code !== null) {
      stopScan();
      await addTicket(code, true);
    } else if (scanning !== null) {
      scanning.timer = setTimeout(look, 250);
    }
  };
  look();
});
$('stop-scan').addEventListener('click', () => {
  stopScan();
  ticketsStatus.textContent = '카메라를 껐습니다.';
});

// A weekly reminder without a server: a calendar event every Saturday at 18:00 Korean
// time, two hours before sales close, from the coming one on.
function reminderCalendar(nowSeconds) {
  const date = String(core._lotto_draw_date_of_round(core._lotto_round_on_sale(nowSeconds)));
  const stamp = new Date(nowSeconds * 1000).toISOString().replace(/[-:]/g, '').replace(/\.\d+/, '');
  return ['BEGIN:VCALENDAR', 'VERSION:2.0', 'PRODID:-//lotto//weekly reminder//KO', 'CALSCALE:GREGORIAN',
    'METHOD:PUBLISH', 'BEGIN:VEVENT', `UID:lotto-weekly-${date}@lotto.invalid`, `DTSTAMP:${stamp}`,
    `DTSTART:${date}T090000Z`, 'DURATION:PT30M', 'RRULE:FREQ=WEEKLY;BYDAY=SA',
    'SUMMARY:로또 판매 마감 2시간 전', 'DESCRIPTION:로또 6/45 판매는 토요일 20시에 마감됩니다.',
    'BEGIN:VALARM', 'ACTION:DISPLAY', 'DESCRIPTION:로또 판매 마감 2시간 전', 'TRIGGER:PT0M', 'END:VALARM',
    'END:VEVENT', 'END:VCALENDAR', ''].join('\r\n');
}
offerDownload('reminder', reminderCalendar(Math.floor(Date.now() / 1000)), 'text/calendar');

// The tickets kept on the device, then the history they are checked against.
const keptTickets = await loadFile(TICKETS_FILE);
if (keptTickets instanceof Uint8Array) {
  const reason = useFile(keptTickets, TICKETS_FILE, TICKETS_FILE);
  if (reason !== null) {
    ticketsStatus.textContent = reason;
  }
}
await startHistory();
navigator.storage?.persist?.().catch(() => {});

generateButton.textContent = '로또 번호 생성';
generateButton.disabled = false;
for (const id of ['history-file', 'draw-line', 'add-draw', 'ticket-text', 'add-ticket', 'scan-ticket',
  'ticket-photo', 'tickets-file']) {
  $(id).disabled = false;
}
const query = new URLSearchParams(window.location.search);
const requested = query.get('seed');
const requestedRound = query.get('round');
// The link's own numbers are read by the core, as typed; the board shows what it accepted.
const linkChoice = { kept: [query.get('with') ?? ''].filter(Boolean), leftOut: [query.get('without') ?? ''].filter(Boolean) };
if (requested !== null && /^\d{1,10}$/.test(requested) && Number(requested) <= MAX_SEED) {
  if (requestedRound === null) {
    show(Number(requested), null, linkChoice);
  } else if (/^\d{1,6}$/.test(requestedRound)) {
    show(Number(requested), Number(requestedRound), linkChoice);
  }
  if (choose(linkChoice) === null) {
    setBoard(chosenNumbers());
    $('own-numbers').open = linkChoice.kept.length + linkChoice.leftOut.length > 0;
  }
}
if (numbersStatus.textContent === '') {
  paintBoard();
}
document.documentElement.classList.remove('replaying');
document.body.dataset.ready = 'true';
if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

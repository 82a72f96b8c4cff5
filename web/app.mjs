// The page: the five sets of a prediction made by the program's own core, compiled to
// WebAssembly, with their totals and the four criteria behind each total.
const SET_COUNT = 5;
const NUMBERS_PER_SET = 6;
const MAX_SEED = 4294967295;

const $ = (id) => document.getElementById(id);
const generateButton = $('generate');
const detailsButton = $('details');
const historyInput = $('history-file');
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

function show(seed) {
  currentSeed = seed;
  core._lotto_generate(seed);
  const showDetails = detailsButton.getAttribute('aria-expanded') === 'true';
  const items = [];
  for (let set = 0; set < SET_COUNT; set += 1) {
    items.push(setItem(set, showDetails));
  }
  setsList.replaceChildren(...items);
  generateButton.textContent = '다시 생성';
  detailsButton.hidden = false;
  const link = new URL(window.location.href);
  link.search = `?seed=${seed}`;
  $('replay-link').href = link.href;
  $('replay-link').textContent = link.href;
  $('replay').hidden = false;
  status.textContent = `다섯 세트를 만들었습니다 (시드 ${seed}).`;
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
  window.history.replaceState(null, '', `?seed=${seed}`);
  show(seed);
});
detailsButton.addEventListener('click', toggleDetails);

historyInput.addEventListener('change', async (event) => {
  const file = event.target.files[0];
  if (!file) {
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  const historyStatus = $('history-status');
  if (bytes.length > core._lotto_history_capacity()) {
    historyStatus.textContent = `${file.name}: 파일이 너무 큽니다.`;
    return;
  }
  core.HEAPU8.set(bytes, core._lotto_history_buffer());
  core.stringToUTF8(file.name, core._lotto_history_name_buffer(),
    core._lotto_history_name_capacity());
  if (core._lotto_use_history(bytes.length) === 1) {
    historyStatus.textContent = `${file.name}의 ${core._lotto_history_round()}회까지의 기록으로 미출현 숫자를 구합니다.`;
    $('built-in').hidden = false;
  } else {
    historyStatus.textContent = text(core._lotto_history_error());
  }
  if (currentSeed !== null) {
    show(currentSeed);
  }
});
$('built-in').addEventListener('click', () => {
  core._lotto_use_built_in_lists();
  historyInput.value = '';
  $('history-status').textContent = '기본 목록을 씁니다.';
  $('built-in').hidden = true;
  if (currentSeed !== null) {
    show(currentSeed);
  }
});

generateButton.textContent = '로또 번호 생성';
generateButton.disabled = false;
historyInput.disabled = false;
const requested = new URLSearchParams(window.location.search).get('seed');
if (requested !== null && /^\d{1,10}$/.test(requested) && Number(requested) <= MAX_SEED) {
  show(Number(requested));
}
document.documentElement.classList.remove('replaying');
document.body.dataset.ready = 'true';

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

// The page: the five sets of a prediction made by the program's own core, compiled to
// WebAssembly, with their totals and the four criteria behind each total.
import LottoCore from './core.mjs';

const SET_COUNT = 5;
const NUMBERS_PER_SET = 6;
const CRITERIA = [
  { key: 'odd-even', name: '홀수 : 짝수' },
  { key: 'color-ratio', name: '공 색 구간별 비율' },
  { key: 'sum-range', name: '숫자 총합' },
  { key: 'non-appearing', name: '미출현 숫자' },
];
// The colours of the real draw balls, by the highest number of each band.
const BALL_BANDS = [
  { highest: 10, colour: 'yellow', name: '노란색', range: '1~10' },
  { highest: 20, colour: 'blue', name: '파란색', range: '11~20' },
  { highest: 30, colour: 'red', name: '빨간색', range: '21~30' },
  { highest: 40, colour: 'grey', name: '회색', range: '31~40' },
  { highest: 45, colour: 'green', name: '초록색', range: '41~45' },
];
const MAX_SEED = 4294967295;

const core = await LottoCore();
const $ = (id) => document.getElementById(id);
const generateButton = $('generate');
const detailsButton = $('details');
const setsList = $('sets');
let currentSeed = null;

function element(tag, attributes = {}, text = '') {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    node.setAttribute(name, String(value));
  }
  node.textContent = text;
  return node;
}

function ball(number) {
  const band = BALL_BANDS.find((b) => number <= b.highest);
  return element('li', { class: `ball ball-${band.colour}`,
    'aria-label': `${number}, ${band.name} 공 (${band.range})` }, String(number));
}

function criterionRow(set, index) {
  const criterion = CRITERIA[index];
  const points = core._lotto_points(set, index);
  const value = core.UTF8ToString(core._lotto_value(set, index));
  const row = element('li', { class: 'criterion', 'data-criterion': criterion.key,
    'data-points': points });
  row.append(element('span', { class: 'criterion-name' }, criterion.name),
    element('span', { class: 'criterion-value' },
      index === 3 ? (value === '' ? '미포함' : value) : value),
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
  $('status').textContent = `다섯 세트를 만들었습니다 (시드 ${seed}).`;
}

function toggleDetails() {
  const open = detailsButton.getAttribute('aria-expanded') !== 'true';
  detailsButton.setAttribute('aria-expanded', String(open));
  detailsButton.textContent = open ? '자세히 보기 닫기' : '결과 자세히 보기';
  for (const criteria of setsList.querySelectorAll('.criteria')) {
    criteria.hidden = !open;
  }
}

// The seed the program takes: the clock in whole seconds, its low 32 bits.
generateButton.addEventListener('click', () => {
  const seed = Math.floor(Date.now() / 1000) >>> 0;
  window.history.replaceState(null, '', `?seed=${seed}`);
  show(seed);
});
detailsButton.addEventListener('click', toggleDetails);

$('history-file').addEventListener('change', async (event) => {
  const file = event.target.files[0];
  if (!file) {
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  const status = $('history-status');
  if (bytes.length > core._lotto_history_capacity()) {
    status.textContent = `${file.name}: 파일이 너무 큽니다.`;
    return;
  }
  core.HEAPU8.set(bytes, core._lotto_history_buffer());
  if (core._lotto_use_history(bytes.length) === 1) {
    status.textContent = `${file.name}의 ${core._lotto_history_round()}회까지의 기록으로 미출현 숫자를 구합니다.`;
    $('built-in').hidden = false;
  } else {
    status.textContent = `${file.name}: ${core.UTF8ToString(core._lotto_history_error())}`;
  }
  if (currentSeed !== null) {
    show(currentSeed);
  }
});
$('built-in').addEventListener('click', () => {
  core._lotto_use_built_in_lists();
  $('history-file').value = '';
  $('history-status').textContent = '기본 목록을 씁니다.';
  $('built-in').hidden = true;
  if (currentSeed !== null) {
    show(currentSeed);
  }
});

const requested = new URLSearchParams(window.location.search).get('seed');
if (requested !== null && /^\d{1,10}$/.test(requested) && Number(requested) <= MAX_SEED) {
  show(Number(requested));
}
document.body.dataset.ready = 'true';

if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

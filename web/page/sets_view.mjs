// The five sets of a prediction, with their totals and the four criteria behind each.
import * as core from './core_bridge.mjs';
import { $, element } from './dom.mjs';
import { NO_CHOICE, replaySearch } from './replay_link.mjs';

const generateButton = $('generate');
const detailsButton = $('details');
const setsList = $('sets');
const status = $('status');

let CRITERIA = [];
let NON_APPEARING = -1;
let BALL_COLORS = [];
// What is shown now, for the replay link and the save button.
export const shown = { seed: null, round: null, choice: NO_CHOICE };

// The criteria and the ball colours, as the core names them, once it runs.
export function startSetsView() {
  CRITERIA = core.criteria();
  NON_APPEARING = CRITERIA.findIndex((criterion) => criterion.key === 'non-appearing');
  BALL_COLORS = core.ballColors();
  detailsButton.addEventListener('click', toggleDetails);
}

export const ballColorKey = (number) => BALL_COLORS[core.colorGroup(number)].key;

export function ball(number) {
  const color = BALL_COLORS[core.colorGroup(number)];
  return element('li', { class: `ball ball-${color.key}`,
    'aria-label': `${number}, ${color.name} 공 (${color.range})` }, String(number));
}

function criterionRow(set, index) {
  const criterion = CRITERIA[index];
  const points = core.criterionPoints(set, index);
  const value = core.criterionValue(set, index);
  const row = element('li', { class: 'criterion', 'data-criterion': criterion.key,
    'data-points': points });
  row.append(element('span', { class: 'criterion-name' }, criterion.name),
    element('span', { class: 'criterion-value' },
      index === NON_APPEARING && value === '' ? '미포함' : value),
    element('span', { class: 'criterion-points' }, `${points}점`));
  return row;
}

function setItem(set, showDetails) {
  const numbers = core.setNumbers(set);
  const total = core.setTotal(set);
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

// The sets of a seed, scored with the lists of the built-in table (`round` null, as old
// links were made) or with those the page's history gave after `round`, under `choice`.
// False when it shows no sets and says why.
export function show(seed, round, choice = NO_CHOICE) {
  const refusal = core.chooseNumbers(choice);
  if (refusal !== null) {
    setsList.replaceChildren();
    status.textContent = `이 고정수·제외수로는 번호를 만들 수 없습니다: ${refusal}`;
    return false;
  }
  if (round === null) {
    core.useBuiltInLists();
  } else if (!core.useListsOfRound(round)) {
    setsList.replaceChildren();
    status.textContent = `이 링크의 번호는 ${round}회까지의 당첨 번호 기록으로 점수를 매겼습니다. `
      + `이 기기의 기록은 ${core.historyRound()}회까지라 같은 점수를 보여 줄 수 없습니다. 기록에 회차를 더한 뒤 다시 열어 주세요.`;
    return false;
  }
  Object.assign(shown, { seed, round, choice: core.chosenNumbers() });
  core.generate(seed);
  const showDetails = detailsButton.getAttribute('aria-expanded') === 'true';
  const items = [];
  for (let set = 0; set < core.SET_COUNT; set += 1) {
    items.push(setItem(set, showDetails));
  }
  setsList.replaceChildren(...items);
  generateButton.textContent = '다시 생성';
  detailsButton.hidden = false;
  $('save-sets').hidden = false;
  const link = new URL(window.location.href);
  link.search = replaySearch(seed, round, shown.choice);
  $('replay-link').href = link.href;
  $('replay-link').textContent = link.href;
  $('replay').hidden = false;
  status.textContent = `다섯 세트를 만들었습니다 (시드 ${seed}).`;
  return true;
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
export function offerGenerating(choiceOfBoard) {
  generateButton.addEventListener('click', () => {
    const seed = crypto.getRandomValues(new Uint32Array(1))[0];
    const round = core.historyRound() > 0 ? core.historyRound() : null;
    if (show(seed, round, choiceOfBoard())) {
      window.history.replaceState(null, '', replaySearch(seed, round, shown.choice));
    }
  });
}

// The player's ledger under 내 번호: month by month of the draws, what the games cost, what
// came back and what the same games return on average, as lotto-stats --ledger --csv gives
// it for the page's files; a picture of the same added up; and a budget a round, kept on the
// device, that is said when the games kept for a round cost more. Nothing is ever refused
// for it: the money and the choice are the player's.
import * as core from './core_sections.mjs';
import { $, element, offerDownload, won } from './dom.mjs';
import { remember, remembered } from './remembered.mjs';
import { svgElement } from './svg.mjs';

const MONTHS_A_STEP = 12;
const BUDGET_KEY = 'lotto-budget';
let monthsShown = MONTHS_A_STEP;

// The budget in won, or null for none.
function budget() {
  const kept = remembered(BUDGET_KEY) ?? '';
  return /^\d{1,12}$/.test(kept) ? Number(kept) : null;
}

// What the games kept for each round cost, in one pass over them.
function roundCosts() {
  const costs = new Map();
  for (let index = 0; index < core.ticketCount(); index += 1) {
    const round = core.ticketRound(index);
    costs.set(round, (costs.get(round) ?? 0) + core.gamePrice(round));
  }
  return costs;
}

// The rounds whose kept games cost more than the budget, newest first.
function roundsOverBudget(limit, costs) {
  return limit === null ? [] : [...costs].filter(([, cost]) => cost > limit).map(([round]) => round).sort((a, b) => b - a);
}

function overBudgetNote(round, limit, cost) {
  return `${round}회 게임이 ${won(cost)}으로 한 회차 예산 ${won(limit)}을 넘었습니다. 게임은 그대로 저장했습니다.`;
}

// The sentence for a round over the budget, '' for one within it.
export function budgetNote(round) {
  const limit = budget();
  const cost = roundCosts().get(round) ?? 0;
  return limit !== null && cost > limit ? overBudgetNote(round, limit, cost) : '';
}

function readLedger() {
  const csv = core.ledgerCsv();
  const rows = csv.trim().split('\n').slice(1).map((line) => {
    const [month, games, spent, paid, back, unknown] = line.split(',');
    return { month, games, spent, won: paid, back, unknown };
  });
  return { csv, months: rows.slice(0, -1), total: rows[rows.length - 1] };
}

function ledgerRow(row, overBudget) {
  const tr = element('tr', { 'data-month': row.month, 'data-games': row.games, 'data-spent': row.spent,
    'data-won': row.won, 'data-return': row.back, 'data-unknown': row.unknown });
  const rounds = overBudget.get(row.month) ?? [];
  const name = row.month === 'total' ? '합계' : row.month;
  const head = element('th', { scope: 'row' }, name);
  if (rounds.length > 0) {
    tr.classList.add('over-budget');
    tr.dataset.overBudget = rounds.join(' ');
    head.append(element('span', { class: 'budget-mark' }, ` 예산 초과(${rounds.map((round) => `${round}회`).join(', ')})`));
  }
  tr.append(head, ...[`${Number(row.games).toLocaleString('ko-KR')}게임`, won(Number(row.spent)), won(Number(row.won)),
    won(Number(row.back)), `${Number(row.unknown).toLocaleString('ko-KR')}게임`].map((text) => element('td', {}, text)));
  return tr;
}


// What was spent, what came back and what the same games return on average, added up month
// by month, as three lines; the figures as text beside them.
function chart(months, total) {
  const width = 360;
  const height = 180;
  const sums = { spent: 0, won: 0, back: 0 };
  const points = months.map((row) => {
    sums.spent += Number(row.spent);
    sums.won += Number(row.won);
    sums.back += Number(row.back);
    return { ...sums };
  });
  const most = Math.max(1, ...points.flatMap((point) => [point.spent, point.won, point.back]));
  const x = (index) => (months.length === 1 ? width / 2 : 8 + ((width - 16) * index) / (months.length - 1));
  const y = (amount) => height - 8 - ((height - 16) * amount) / most;
  const picture = svgElement('svg', { viewBox: `0 0 ${width} ${height}`, 'aria-hidden': 'true' });
  picture.append(svgElement('line', { class: 'axis', x1: 0, x2: width, y1: y(0), y2: y(0) }));
  for (const key of ['spent', 'back', 'won']) {
    picture.append(svgElement('polyline', { class: `line-${key}`, fill: 'none',
      points: points.map((point, index) => `${x(index)},${y(point[key])}`).join(' ') }));
  }
  const legend = element('ul', { class: 'legend' });
  legend.append(element('li', { class: 'key-spent' }, `쓴 돈 모두 ${won(Number(total.spent))}`),
    element('li', { class: 'key-won' }, `돌아온 당첨금 모두 ${won(Number(total.won))}`),
    element('li', { class: 'key-back' }, `같은 게임의 평균 환급 모두 ${won(Number(total.back))}`));
  return [picture, legend];
}

export function showLedger() {
  core.setClock(Date.now() / 1000);
  const { csv, months, total } = readLedger();
  const limit = budget();
  const costs = roundCosts();
  const over = roundsOverBudget(limit, costs);
  const overBudget = new Map();
  for (const round of over) {
    const month = String(core.ledgerMonth(round)).replace(/^(\d{4})(\d{2})$/, '$1-$2');
    overBudget.set(month, [...(overBudget.get(month) ?? []), round]);
  }
  const newestFirst = months.slice().reverse();
  const rows = newestFirst.slice(0, monthsShown).map((row) => ledgerRow(row, overBudget));
  rows.push(ledgerRow(total, new Map()));
  $('ledger').tBodies[0].replaceChildren(...rows);
  $('more-months').hidden = months.length <= monthsShown;
  $('ledger-chart').replaceChildren(...(months.length === 0 ? [] : chart(months, total)));
  offerDownload('export-ledger', new TextEncoder().encode(csv), 'text/csv');
  $('budget-status').textContent = over.length === 0 ? ''
    : `${overBudgetNote(over[0], limit, costs.get(over[0]))}${over.length > 1 ? ` 예산을 넘은 회차는 모두 ${over.length}개입니다.` : ''}`;
}

export function startLedgerPanel() {
  $('budget').value = budget() ?? '';
  $('budget').addEventListener('change', () => {
    const typed = $('budget').value.trim();
    remember(BUDGET_KEY, /^\d{1,12}$/.test(typed) ? typed : '');
    showLedger();
  });
  $('more-months').addEventListener('click', () => {
    monthsShown += MONTHS_A_STEP;
    showLedger();
  });
}

// Each number's record over the history in force, as lotto-stats --draws counts it: a bar a
// number in the ball colours over the band chance alone spreads a count over, and the same
// figures as a table. The sentence says what the differences are: chance.
import * as core from './core_sections.mjs';
import { $, element } from './dom.mjs';
import { ballColorKey } from './sets_view.mjs';
import { svgElement } from './svg.mjs';

const WIDTH = 360;
const HEIGHT = 240;
const LEFT = 34;
const TOP = 10;
const BOTTOM = 212;


const fixed = (value) => value.toLocaleString('ko-KR', { minimumFractionDigits: 2, maximumFractionDigits: 2 });

function chart(record) {
  const [wideLow, low, high, wideHigh] = record.band;
  const most = Math.max(wideHigh, ...record.numbers.map(({ all }) => all), 1);
  const y = (count) => BOTTOM - ((BOTTOM - TOP) * count) / most;
  const slot = (WIDTH - LEFT) / 45;
  const picture = svgElement('svg', { viewBox: `0 0 ${WIDTH} ${HEIGHT}`, role: 'img', 'aria-labelledby': 'record-chart-title' });
  picture.append(svgElement('title', { id: 'record-chart-title' }, `1번부터 45번까지 ${record.draws}회 동안 나온 횟수. `
      + `우연만으로 기대되는 횟수는 ${fixed(record.expected)}회, 번호 세 개 중 두 개쯤이 ${low}회에서 ${high}회 사이`));
  for (const { number, all } of record.numbers) {
    const x = LEFT + slot * (number - 1);
    picture.append(svgElement('rect', { class: `bar ball-${ballColorKey(number)}`, x: x + 1, width: slot - 2, y: y(all),
      height: BOTTOM - y(all) }));
    if (number === 1 || number % 5 === 0) {
      picture.append(svgElement('text', { x: x + slot / 2, y: HEIGHT - 8, 'text-anchor': 'middle' }, number));
    }
  }
  // The bands over the bars, so that each bar's end shows where it falls in them.
  picture.append(svgElement('rect', { class: 'band-wide', x: LEFT, width: WIDTH - LEFT, y: y(wideHigh), height: y(wideLow) - y(wideHigh) }),
    svgElement('rect', { class: 'band', x: LEFT, width: WIDTH - LEFT, y: y(high), height: y(low) - y(high) }),
    svgElement('line', { class: 'expected', x1: LEFT, x2: WIDTH, y1: y(record.expected), y2: y(record.expected) }),
    svgElement('line', { class: 'axis', x1: LEFT, x2: WIDTH, y1: BOTTOM, y2: BOTTOM }));
  for (const count of [0, low, high]) {
    picture.append(svgElement('text', { x: LEFT - 4, y: y(count) + 4, 'text-anchor': 'end' }, count));
  }
  return picture;
}

export function showNumberRecord() {
  const record = core.numberRecord();
  const [wideLow, low, high, wideHigh] = record.band;
  $('record-note').textContent = record.draws === 0 ? '당첨 번호 기록이 없어 셀 것이 없습니다.'
    : `모든 번호는 매 회차 같은 확률로 나오고, 나온 횟수의 차이는 우연만으로도 생깁니다. ${record.draws}회 동안 `
      + `우연만으로 번호마다 평균 ${fixed(record.expected)}회, 그 위아래로 ${fixed(record.spread)}회쯤 나옵니다: `
      + `번호 세 개 중 두 개쯤이 ${low}회에서 ${high}회 사이(짙은 띠)에, 스무 개 중 열아홉 개쯤이 `
      + `${wideLow}회에서 ${wideHigh}회 사이(옅은 띠)에 듭니다. 많이 나온 번호도, 오래 안 나온 번호도 `
      + '다음 회차에 더 잘 나오지 않습니다.';
  $('record-chart').replaceChildren(...(record.draws === 0 ? [] : [chart(record)]));
  $('record-all-title').textContent = `전체 ${record.draws}회`;
  $('record-recent-title').textContent = `최근 ${record.recentDraws}회`;
  $('number-record').replaceChildren(...record.numbers.map(({ number, all, recent, since }) => {
    const row = element('tr', { 'data-number': number, 'data-all': all, 'data-recent': recent, 'data-since': since });
    row.append(element('th', { scope: 'row' }, `${number}`), element('td', {}, `${all}회`),
      element('td', {}, `${recent}회`), element('td', {}, since === 0 ? '최근 회차에 나옴' : `${since}회째`));
    return row;
  }));
}

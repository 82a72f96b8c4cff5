// The board of 45 numbers: each tap cycles a number through kept, left out and neither.
import * as core from './core_bridge.mjs';
import { $, element } from './dom.mjs';
import { NO_CHOICE } from './replay_link.mjs';

const board = $('number-board');
const numbersStatus = $('numbers-status');
const boardKept = [];
const boardLeftOut = new Set();
const PICK_MARKS = { kept: '고정', 'left-out': '제외', none: '' };

export const boardChoice = () => ({ kept: [...boardKept], leftOut: [...boardLeftOut].sort((a, b) => a - b) });

export function paintBoard() {
  for (const button of board.children) {
    const number = Number(button.dataset.number);
    const state = boardKept.includes(number) ? 'kept' : boardLeftOut.has(number) ? 'left-out' : 'none';
    button.dataset.state = state;
    button.lastChild.textContent = PICK_MARKS[state];
    button.setAttribute('aria-label', state === 'none' ? `${number}번` : `${number}번 ${PICK_MARKS[state]}`);
  }
  const choice = boardChoice();
  const refusal = core.chooseNumbers(choice);
  const chosen = [choice.kept.length > 0 ? `고정수 ${choice.kept.join(', ')}` : '',
    choice.leftOut.length > 0 ? `제외수 ${choice.leftOut.join(', ')}` : ''].filter(Boolean).join(' · ');
  numbersStatus.textContent = refusal !== null ? `이대로는 번호를 만들 수 없습니다: ${refusal}`
    : chosen === '' ? '고른 번호가 없습니다.' : `${chosen}: 다음 생성부터 따릅니다.`;
}

export function setBoard(choice) {
  boardKept.splice(0, boardKept.length, ...choice.kept);
  boardLeftOut.clear();
  choice.leftOut.forEach((number) => boardLeftOut.add(number));
  paintBoard();
}

export const boardPainted = () => numbersStatus.textContent !== '';

export function startNumberBoard() {
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
}

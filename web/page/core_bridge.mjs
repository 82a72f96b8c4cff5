// The one place that speaks to the core: its C names, its numbers and its memory. The rest of
// the page asks this module in words.
import { locateInRelease, ofRelease } from './release.mjs';
import { ADD_DRAW, ADD_PRIZES, ADD_TICKET, REPLACE_DRAW, RESULT_ROW, tooLarge } from './outcomes.mjs';

// The running core, for core_sections.mjs beside this module.
export let core = null;

// Loads the core; throws when it cannot run here (no WebAssembly, or not loaded).
export async function loadCore() {
  if (typeof WebAssembly !== 'object') {
    throw new Error('no WebAssembly');
  }
  const { default: LottoCore } = await import(ofRelease('./core.mjs'));
  core = await LottoCore({ locateFile: locateInRelease });
}

export const text = (pointer) => core.UTF8ToString(pointer);

// A line from the page into the core's line buffer; false when it is too long to be one.
export function putLine(line) {
  if (core.lengthBytesUTF8(line) >= core._lotto_line_capacity()) {
    return false;
  }
  core.stringToUTF8(line, core._lotto_line_buffer(), core._lotto_line_capacity());
  return true;
}

export const coreMessage = () => text(core._lotto_message());

// The game as the core names it.
export const SET_COUNT = 5;
export const NUMBERS_PER_SET = 6;
export function criteria() {
  return Array.from({ length: core._lotto_criterion_count() }, (_, index) => ({
    key: text(core._lotto_criterion_key(index)),
    name: text(core._lotto_criterion_name(index)),
  }));
}
export function ballColors() {
  return Array.from({ length: core._lotto_color_group(45) + 1 }, (_, group) => ({
    key: text(core._lotto_ball_color_key(group)),
    name: text(core._lotto_ball_color_name(group)),
    range: `${core._lotto_ball_color_lowest(group)}~${core._lotto_ball_color_highest(group)}`,
  }));
}
export const colorGroup = (number) => core._lotto_color_group(number);

// A prediction: made from a seed, read set by set.
export const generate = (seed) => core._lotto_generate(seed);
export const setNumbers = (set) => Array.from({ length: NUMBERS_PER_SET }, (_, i) => core._lotto_number(set, i));
export const setTotal = (set) => core._lotto_total(set);
export const criterionPoints = (set, index) => core._lotto_points(set, index);
export const criterionValue = (set, index) => text(core._lotto_value(set, index));

// The player's own numbers: why the core refuses them, or null when it follows them. A
// control character cannot part the two lists: it is handed in as one that reads as none.
export function chooseNumbers(choice) {
  const list = (numbers) => numbers.join(',').replace(/[\u0000-\u001f]/g, '?');
  if (!putLine(`${list(choice.kept)}\n${list(choice.leftOut)}`)) {
    return '번호 목록이 너무 깁니다.';
  }
  return core._lotto_choose_numbers() === 1 ? null : coreMessage();
}
export const chosenNumbers = () => ({
  kept: Array.from({ length: core._lotto_kept_count() }, (_, index) => core._lotto_kept_number(index)),
  leftOut: Array.from({ length: 45 }, (_, index) => index + 1).filter((number) => core._lotto_left_out(number) === 1),
});

// The lists the sets are scored with: the built-in ones, or the history's after `round`
// (false when the history does not reach it).
export const useBuiltInLists = () => core._lotto_use_built_in_lists();
export const useListsOfRound = (round) => core._lotto_use_lists_of_round(round) === 1;

// The history.
export const historyRound = () => core._lotto_history_round();
export const historyFirstRound = () => core._lotto_history_first_round();
export const nextDrawLine = () => text(core._lotto_next_draw_line());
// A draw typed by the player, from the line buffer: an ADD_DRAW outcome and the round.
export function addDraw() {
  const outcome = core._lotto_add_draw();
  return { outcome, round: core._lotto_added_round() };
}

// The history's draw of a round as a line of the history, '' where it holds none.
export const drawLineOfRound = (round) => text(core._lotto_draw_line_of_round(round));
// The source's draw in place of the one the history holds for its round; true when done.
export const replaceDraw = (line) => putLine(line) && core._lotto_replace_draw() === REPLACE_DRAW.REPLACED;
// The newest draw, or null for none.
export function latestDraw() {
  const round = historyRound();
  if (round === 0) {
    return null;
  }
  return {
    round,
    numbers: Array.from({ length: NUMBERS_PER_SET }, (_, position) => core._lotto_latest_number(position)),
    bonus: core._lotto_latest_number(NUMBERS_PER_SET),
    date: core._lotto_latest_date(),
    day: text(core._lotto_latest_day()),
  };
}

// The prizes: the newest round they hold, what one game of a rank won in a round and how
// many games won it (-1 where not known), a round's row added as the source gives it.
export const prizesRound = () => core._lotto_prizes_round();
export const roundPrize = (round, rank) => core._lotto_round_prize(round, rank);
export const roundWinners = (round, rank) => core._lotto_round_winners(round, rank);
export function addPrizes(line) {
  if (!putLine(line)) {
    return { outcome: ADD_PRIZES.REFUSED, message: '줄이 너무 깁니다.' };
  }
  const outcome = core._lotto_add_prizes();
  return { outcome, message: outcome >= ADD_PRIZES.REFUSED ? coreMessage() : '' };
}

// The moment games are checked at, and what it tells: the newest round drawn by then and
// the date in Korea.
export const setClock = (seconds) => core._lotto_set_clock(seconds);

// The tickets.
export const roundOnSale = (seconds) => core._lotto_round_on_sale(seconds);
export const drawDateOfRound = (round) => core._lotto_draw_date_of_round(round);
export const ticketCount = () => core._lotto_ticket_count();
export function ticketSummary() {
  core._lotto_summarize_tickets();
  return {
    games: core._lotto_summary_games(),
    spent: core._lotto_summary_spent(),
    won: core._lotto_summary_won(),
    prizesNotKnown: core._lotto_summary_prizes_not_known(),
    count: (row) => core._lotto_summary_count(row),
  };
}

// The core's side of the three files the page keeps: where their bytes and names go, how
// each is read, why not.
export const HISTORY_FILE = 'draws.csv';
export const TICKETS_FILE = 'tickets.csv';
export const PRIZES_FILE = 'prizes.csv';
const CORE_FILES = {
  [HISTORY_FILE]: { buffer: () => core._lotto_history_buffer(), length: () => core._lotto_history_length(),
    capacity: () => core._lotto_history_capacity(), name: () => core._lotto_history_name_buffer(),
    nameCapacity: () => core._lotto_history_name_capacity(), use: (length) => core._lotto_use_history(length),
    error: () => core._lotto_history_error() },
  [TICKETS_FILE]: { buffer: () => core._lotto_tickets_buffer(), length: () => core._lotto_tickets_length(),
    capacity: () => core._lotto_tickets_capacity(), name: () => core._lotto_tickets_name_buffer(),
    nameCapacity: () => core._lotto_tickets_name_capacity(), use: (length) => core._lotto_use_tickets(length),
    error: () => core._lotto_message() },
  [PRIZES_FILE]: { buffer: () => core._lotto_prizes_buffer(), length: () => core._lotto_prizes_length(),
    capacity: () => core._lotto_prizes_capacity(), name: () => core._lotto_prizes_name_buffer(),
    nameCapacity: () => core._lotto_prizes_name_capacity(), use: (length) => core._lotto_use_prizes(length),
    error: () => core._lotto_message() },
};

// The bytes the core holds for a file, copied out.
export function fileBytes(kind) {
  const file = CORE_FILES[kind];
  return core.HEAPU8.slice(file.buffer(), file.buffer() + file.length());
}

// Hands a file's bytes to the core to read; one that does not read leaves what was in use.
// Null, or why it did not read.
export function useFile(bytes, name, kind) {
  const file = CORE_FILES[kind];
  if (bytes.length > file.capacity()) {
    return tooLarge(name, file.capacity());
  }
  const before = fileBytes(kind);
  core.HEAPU8.set(bytes, file.buffer());
  core.stringToUTF8(name, file.name(), file.nameCapacity());
  const read = file.use(bytes.length) === 1;
  const reason = read ? null : text(file.error());
  // The file's own name again for later messages; a history that never read stays none.
  if (!read && (before.length > 0 || kind !== HISTORY_FILE)) {
    useFile(before, kind, kind);
  } else {
    core.stringToUTF8(kind, file.name(), file.nameCapacity());
  }
  return reason;
}

export { ADD_DRAW, ADD_PRIZES, ADD_TICKET, RESULT_ROW };

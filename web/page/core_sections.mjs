// The core's calls that only the sections after the first make (the past draws, the
// numbers' record, the tickets and the ledger): beside core_bridge.mjs, whose calls it
// gives too, so that the first view does not carry them.
import { NUMBERS_PER_SET, core, coreMessage, putLine, text } from './core_bridge.mjs';
import { ADD_TICKET, ticketRefusal, tooLarge } from './outcomes.mjs';

export * from './core_bridge.mjs';

// Every draw of the history, `index` places from the newest (0), as latestDraw gives it;
// where a searched round stands (a ROUND_STANDING code of outcomes.mjs, by the clock
// setClock gave).
export const drawCount = () => core._lotto_draw_count();
export function drawAt(index) {
  return {
    round: core._lotto_draw_round(index),
    numbers: Array.from({ length: NUMBERS_PER_SET }, (_, position) => core._lotto_draw_number(index, position)),
    bonus: core._lotto_draw_number(index, NUMBERS_PER_SET),
    day: text(core._lotto_draw_day(index)),
  };
}
export const roundStanding = (round) => core._lotto_round_standing(round);

// Each number's record over the history, and the band chance alone spreads a count over.
export function numberRecord() {
  core._lotto_count_numbers();
  return {
    draws: drawCount(),
    recentDraws: core._lotto_recent_draws(),
    numbers: Array.from({ length: 45 }, (_, index) => ({ number: index + 1, all: core._lotto_number_all(index + 1),
      recent: core._lotto_number_recent(index + 1), since: core._lotto_number_since(index + 1) })),
    expected: core._lotto_chance_expected(),
    spread: core._lotto_chance_spread(),
    band: Array.from({ length: 4 }, (_, end) => core._lotto_chance_band(end)),
  };
}

export const roundSales = (round) => core._lotto_round_sales(round);

export function addTicket() {
  const outcome = core._lotto_add_ticket();
  return { outcome, round: outcome === ADD_TICKET.ADDED ? core._lotto_added_ticket_round() : 0 };
}
export const saveSets = (seconds) => core._lotto_save_sets(seconds);
export const removeTicket = (index) => core._lotto_remove_ticket(index) === 1;

export function ticket(index) {
  const row = core._lotto_ticket_rank(index);
  return {
    round: core._lotto_ticket_round(index),
    numbers: Array.from({ length: NUMBERS_PER_SET }, (_, position) => core._lotto_ticket_number(index, position)),
    matched: Array.from({ length: NUMBERS_PER_SET }, (_, position) => core._lotto_ticket_matched(index, position) === 1),
    row,
    prize: core._lotto_ticket_prize(index),
    claim: text(core._lotto_ticket_claim(index)),
  };
}
export const resultName = (row) => text(core._lotto_result_name(row));

export const poolPrizesNote = () => text(core._lotto_pool_prizes_note());
// The ledger as lotto-stats --ledger --csv writes it, by the clock setClock gave; what a
// game of a round costs.
export const ledgerCsv = () => text(core._lotto_ledger_csv());
export const gamePrice = (round) => core._lotto_game_price(round);
export const ledgerMonth = (round) => core._lotto_ledger_month(round);
export const ticketRound = (index) => core._lotto_ticket_round(index);

// A tickets file picked for import: its games added to the device's, which keep every game
// they hold. { added, known }, or { reason } when the file does not read or there is no room.
export function importTickets(bytes, name) {
  if (bytes.length > core._lotto_import_capacity()) {
    return { reason: tooLarge(name, core._lotto_import_capacity()) };
  }
  core.HEAPU8.set(bytes, core._lotto_import_buffer());
  putLine(name);
  const outcome = core._lotto_import_tickets(bytes.length);
  if (outcome !== ADD_TICKET.ADDED) {
    return { reason: ticketRefusal(outcome, coreMessage) };
  }
  return { added: core._lotto_import_added(), known: core._lotto_import_known() };
}

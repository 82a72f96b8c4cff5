// 내 번호: the tickets, their summary, the ledger and its budget, the files and the QR
// reader.
import { $ } from './dom.mjs';
import { onHistoryChanged } from './history_panel.mjs';
import { startLedgerPanel } from './ledger_panel.mjs';
import { startSlipScanner } from './slip_scanner.mjs';
import { showTickets, startTicketsPanel } from './tickets_panel.mjs';

export { savePrediction } from './tickets_panel.mjs';

export function startSection() {
  startTicketsPanel();
  startLedgerPanel();
  startSlipScanner();
  onHistoryChanged(showTickets);
  showTickets();
  for (const id of ['ticket-text', 'add-ticket', 'scan-ticket', 'ticket-photo', 'tickets-file']) {
    $(id).disabled = false;
  }
}

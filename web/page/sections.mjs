// The code of each section but the first, loaded when the section is first shown; the tab
// bar itself works from the page's early script. A section is marked ready once its code
// runs.
import * as core from './core_bridge.mjs';
import { $, element } from './dom.mjs';
import { RESULT_ROW } from './outcomes.mjs';

const LATE_CODE = {
  tickets: () => import('./tickets_section.mjs'),
  results: () => import('./results_section.mjs'),
  stats: () => import('./stats_section.mjs'),
};
const loading = new Map();

// The section's module, started once; a section without late code is ready at once.
export function loadSection(name) {
  if (!loading.has(name)) {
    const load = (LATE_CODE[name]?.() ?? Promise.resolve({}))
      .then((module) => {
        module.startSection?.();
        $(`section-${name}`).querySelector('.section-failed')?.remove();
        $(`section-${name}`).dataset.ready = 'true';
        return module;
      })
      .catch((error) => {
        // Said in the section itself, and tried again when it is opened again.
        loading.delete(name);
        const section = $(`section-${name}`);
        if (section.querySelector('.section-failed') === null) {
          section.prepend(element('p', { class: 'status section-failed', role: 'alert' },
            '이 화면을 불러오지 못했습니다. 인터넷 연결을 확인하고 페이지를 새로 고쳐 주세요.'));
        }
        throw error;
      });
    loading.set(name, load);
  }
  return loading.get(name);
}

// The games whose result is known: a fetch that adds to them marks the 내 번호 tab with how
// many, until the player opens it.
function gamesWithResult() {
  core.setClock(Date.now() / 1000);
  const summary = core.ticketSummary();
  return [RESULT_ROW.NO_PRIZE, 1, 2, 3, 4, 5].reduce((sum, row) => sum + summary.count(row), 0);
}
let resultsSeen = 0;
let unseen = 0;

export function noteNewResults() {
  const now = gamesWithResult();
  if (now > resultsSeen && document.documentElement.dataset.section !== 'tickets') {
    unseen += now - resultsSeen;
    $('tickets-mark').replaceChildren(element('span', { 'aria-hidden': 'true' }, String(unseen)),
      element('span', { class: 'visually-hidden' }, `, 새 결과 ${unseen}게임`));
    $('tickets-mark').hidden = false;
  }
  resultsSeen = now;
}

function sectionShown(name) {
  if (name === 'tickets') {
    unseen = 0;
    $('tickets-mark').hidden = true;
  }
  loadSection(name).catch(() => {});
}

// From the page's start: the section the address names, then each the player opens.
export function startSections() {
  resultsSeen = gamesWithResult();
  document.addEventListener('lotto-section', (event) => sectionShown(event.detail));
  // Before the document is parsed the early script has shown none yet, and will say.
  if (document.documentElement.dataset.section !== undefined) {
    sectionShown(document.documentElement.dataset.section);
  }
}

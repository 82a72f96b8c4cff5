// Asks the results source for the rounds the page lacks, one at a time, by the same week's
// update as lotto-stats --update (compiled into the results reader), and makes its changes
// in the core. Every answer is outside input: read by the reader's strict rules, never
// followed or shown raw.
import { ADD_DRAW, ADD_PRIZES, FETCH, ROUND_STEP } from './outcomes.mjs';
import { locateInRelease, ofRelease } from './release.mjs';
import { ANSWER_DEADLINE_SECONDS, roundLink } from './results_words.mjs';

const NO_CONNECTION = '연결할 수 없음';
let reader = null;

async function loadReader() {
  if (reader === null) {
    const { default: LottoResults } = await import(ofRelease('./results-core.mjs'));
    reader = await LottoResults({ locateFile: locateInRelease });
  }
  return reader;
}

// The answer's bytes, at most `capacity`: a longer answer is cut there, which the reader
// refuses as too long, and is not read further.
async function boundedBytes(response, capacity) {
  const bytes = new Uint8Array(capacity);
  let length = 0;
  const stream = response.body.getReader();
  while (length < capacity) {
    const { done, value } = await stream.read();
    if (done) {
      return bytes.subarray(0, length);
    }
    const taken = Math.min(value.length, capacity - length);
    bytes.set(value.subarray(0, taken), length);
    length += taken;
  }
  stream.cancel().catch(() => {});
  return bytes;
}

// The next round's answer within `seconds`, from the request to the last byte: bytes,
// 'not published' for a 404, or { reason } on a failure.
async function fetchRound(link, capacity, seconds) {
  const deadline = new AbortController();
  const timer = setTimeout(() => deadline.abort(), seconds * 1000);
  const failed = () => ({ reason: deadline.signal.aborted ? `${seconds}초 안에 답을 다 받지 못함` : NO_CONNECTION });
  try {
    let response;
    try {
      response = await fetch(link, { cache: 'no-store', redirect: 'error', credentials: 'omit',
        referrerPolicy: 'no-referrer', signal: deadline.signal });
    } catch {
      return failed();
    }
    if (response.status === 404) {
      return 'not published';
    }
    if (!response.ok) {
      return { reason: `응답 ${response.status}` };
    }
    try {
      return await boundedBytes(response, capacity);
    } catch {
      return failed();
    }
  } finally {
    clearTimeout(timer);
  }
}

// Asks the source for each round the week's update names, as lotto-stats --update asks it, and
// makes in the core the changes it decides. `core` is the page's core bridge; `now` the clock
// in seconds since 1970; `seconds` bounds each round's fetch. The report: the rounds whose
// draws and prizes were added, the first round whose prizes are not out yet, a round whose
// record of its prizes is still incomplete, and a failure or a contradicted draw, which stop
// the try.
export async function fetchNewRounds(core, template, now, seconds = ANSWER_DEADLINE_SECONDS) {
  const report = { added: [], prizes: [], waiting: 0, incomplete: 0, failure: null, conflict: null };
  const fail = (round, reason) => { report.failure = { round, reason }; return report; };
  try {
    await loadReader();
  } catch {
    return fail(core.historyRound() + 1, '결과를 읽는 부분을 불러오지 못함');
  }
  const text = (pointer) => reader.UTF8ToString(pointer);
  reader._lotto_start_update(core.historyFirstRound(), core.historyRound(),
    core.latestDraw()?.bonus !== 0 ? 1 : 0, core.prizesRound(), now);
  for (let round = reader._lotto_round_to_ask(); round !== 0; round = reader._lotto_round_to_ask()) {
    const fetched = await fetchRound(roundLink(template, round), reader._lotto_answer_capacity(), seconds);
    let fetch = FETCH.ANSWER;
    let length = 0;
    if (fetched === 'not published') {
      fetch = FETCH.NOT_PUBLISHED;
    } else if (fetched instanceof Uint8Array) {
      reader.HEAPU8.set(fetched, reader._lotto_answer_buffer());
      length = fetched.length;
    } else {
      fetch = FETCH.FAILED;
      reader.stringToUTF8(fetched.reason, reader._lotto_answer_buffer(), reader._lotto_answer_capacity());
    }
    reader.stringToUTF8(core.drawLineOfRound(round), reader._lotto_held_line_buffer(),
      reader._lotto_held_line_capacity());
    const step = reader._lotto_decide_round(fetch, length, core.roundPrize(round, 1) >= 0 ? 1 : 0);
    const drawLine = text(reader._lotto_decision_draw_line());
    if (step === ROUND_STEP.CONTRADICTS) {
      report.conflict = { round, held: text(reader._lotto_decision_held_draw()), line: drawLine };
      return report;
    }
    if (drawLine !== '') {
      core.putLine(drawLine);
      const { outcome } = core.addDraw();
      if (outcome !== ADD_DRAW.ADDED) {
        return fail(round, outcome === ADD_DRAW.NO_ROOM ? '당첨 번호 기록이 이 페이지가 다루는 크기를 넘음' : core.coreMessage());
      }
      report.added.push(round);
    }
    if (step === ROUND_STEP.REFUSED) {
      return fail(round, text(reader._lotto_decision_problem()));
    }
    const prizesLine = text(reader._lotto_decision_prizes_line());
    if (prizesLine !== '') {
      const prizes = core.addPrizes(prizesLine);
      if (prizes.outcome === ADD_PRIZES.ADDED) {
        report.prizes.push(round);
      } else if (prizes.outcome !== ADD_PRIZES.ALREADY_THERE) {
        return fail(round, prizes.outcome === ADD_PRIZES.NO_ROOM ? '당첨금 기록이 이 페이지가 다루는 크기를 넘음' : prizes.message);
      }
    }
  }
  report.waiting = reader._lotto_update_waiting();
  report.incomplete = reader._lotto_update_incomplete();
  return report;
}

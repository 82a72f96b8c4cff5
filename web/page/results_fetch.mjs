// Asks the results source for every round the page lacks, one at a time, as lotto-stats
// --update does, and adds each by the core's rules. Every
// answer is outside input: read by the reader's strict rules, never followed or shown raw.
import { ADD_DRAW, ADD_PRIZES, ANSWER, COMPARE_DRAW } from './outcomes.mjs';
import { locateInRelease, ofRelease } from './release.mjs';
import { ANSWER_DEADLINE_SECONDS, drawLineInShape, firstRoundToAsk, roundLink } from './results_words.mjs';

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

// Round `round`'s answer read: { outcome: ANSWER, drawLine, prizesLine, problem }.
function readAnswer(bytes, round, today) {
  reader.HEAPU8.set(bytes, reader._lotto_answer_buffer());
  const outcome = reader._lotto_read_answer(bytes.length, round, today);
  return {
    outcome,
    drawLine: reader.UTF8ToString(reader._lotto_answer_draw_line()),
    prizesLine: reader.UTF8ToString(reader._lotto_answer_prizes_line()),
    problem: reader.UTF8ToString(reader._lotto_answer_problem()),
  };
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

// Adds what the source has after the page's newest rounds. `core` is the page's core bridge.
// The report: the rounds whose draws and prizes were added, the first round whose prizes are
// not out yet, and a failure or a contradicted draw, which stop the try.
// `seconds` bounds each round's fetch.
export async function fetchNewRounds(core, template, seconds = ANSWER_DEADLINE_SECONDS) {
  const report = { added: [], prizes: [], waiting: 0, incomplete: 0, failure: null, conflict: null };
  const fail = (round, reason) => { report.failure = { round, reason }; return report; };
  const first = firstRoundToAsk(core.historyRound(), core.prizesRound());
  try {
    await loadReader();
  } catch {
    return fail(first, '결과를 읽는 부분을 불러오지 못함');
  }
  const today = core.koreanDate();
  // The round on sale has no results: the loop ends there if no 404 ends it first.
  for (let round = first; round <= core.drawnRound(); round += 1) {
    const fetched = await fetchRound(roundLink(template, round), reader._lotto_answer_capacity(), seconds);
    if (fetched === 'not published') {
      break;
    }
    if (!(fetched instanceof Uint8Array)) {
      return fail(round, fetched.reason);
    }
    const answer = readAnswer(fetched, round, today);
    if (answer.outcome === ANSWER.REFUSED) {
      return fail(round, answer.problem);
    }
    const drawLine = drawLineInShape(answer.drawLine, core.latestDraw()?.bonus !== 0);
    const compared = core.compareDraw(drawLine);
    if (compared.outcome === COMPARE_DRAW.DIFFERS) {
      report.conflict = { round, held: compared.message, line: drawLine };
      return report;
    }
    if (compared.outcome === COMPARE_DRAW.REFUSED) {
      return fail(round, compared.message);
    }
    if (compared.outcome === COMPARE_DRAW.NOT_HELD) {
      core.putLine(drawLine);
      const { outcome } = core.addDraw();
      if (outcome !== ADD_DRAW.ADDED) {
        return fail(round, outcome === ADD_DRAW.NO_ROOM ? '당첨 번호 기록이 이 페이지가 다루는 크기를 넘음' : core.coreMessage());
      }
      report.added.push(round);
    }
    // Prizes go in order: while a round's are pending, the later rounds' wait.
    if (answer.outcome === ANSWER.PENDING || answer.outcome === ANSWER.INCOMPLETE) {
      report.waiting = report.waiting || round;
      if (answer.outcome === ANSWER.INCOMPLETE && report.incomplete === 0 && round < core.drawnRound()) {
        report.incomplete = round; // waited for a week, then named
      }
      continue;
    }
    if (report.waiting > 0 && core.roundPrize(round, 1) < 0) {
      continue;
    }
    const prizes = core.addPrizes(answer.prizesLine);
    if (prizes.outcome === ADD_PRIZES.ADDED) {
      report.prizes.push(round);
    } else if (prizes.outcome !== ADD_PRIZES.ALREADY_THERE) {
      return fail(round, prizes.outcome === ADD_PRIZES.NO_ROOM ? '당첨금 기록이 이 페이지가 다루는 크기를 넘음' : prizes.message);
    }
  }
  return report;
}

// The rules of asking the results source and what the page says of each try. Pure: no core,
// no document, no network, so a test runs it as it is.

// Automatic tries come at most this often, however often the page opens or comes back online.
export const AUTO_INTERVAL_SECONDS = 10 * 60;

// A round's fetch, from the request to the last byte, as lotto-stats --update allows it.
export const ANSWER_DEADLINE_SECONDS = 30;

// Where round `round`'s results are: the source's template with the round in it.
export const roundLink = (template, round) => template.replaceAll('{round}', String(round));

// The host the page talks to, as the history panel names it.
export const sourceHost = (template) => new URL(roundLink(template, 1)).host;

// Whether the page asks the source by itself now: the switch on, and no automatic try in
// the last ten minutes. Which rounds a try asks for, if any, is the week's update's to say.
export function shouldTryAutomatically({ enabled, now, lastTry }) {
  const rested = !(lastTry > 0) || now - lastTry >= AUTO_INTERVAL_SECONDS || now < lastTry;
  return enabled && rested;
}

// A draw line of the programs' format, as the page shows it beside another, the core's way:
// "1 2 3 4 5 6 + 7 (2026-07-04)".
export function shownDrawLine(line) {
  const fields = line.split(',');
  return `${fields.slice(2, 8).join(' ')}${fields.length > 8 ? ` + ${fields[8]}` : ''} (${fields[1]})`;
}

// What the status says after a try: one sentence for a failure, the history's reach with it.
export function tryMessage(report, newestDraw) {
  if (report.failure !== null) {
    return `${report.failure.round}회 결과를 가져오지 못해(${report.failure.reason}) 기록은 ${newestDraw}회까지입니다.`;
  }
  const parts = [];
  if (report.added.length > 0) {
    const first = report.added[0];
    const last = report.added[report.added.length - 1];
    parts.push(first === last ? `${first}회 당첨 번호를 가져왔습니다.` : `${first}회부터 ${last}회까지 당첨 번호를 가져왔습니다.`);
  }
  if (report.prizes.length > 0) {
    const first = report.prizes[0];
    const last = report.prizes[report.prizes.length - 1];
    parts.push(first === last ? `${first}회 당첨금을 가져왔습니다.` : `${first}회부터 ${last}회까지 당첨금을 가져왔습니다.`);
  }
  if (report.waiting > 0 && report.waiting !== report.incomplete) {
    parts.push(`${report.waiting}회 당첨금은 아직 발표되지 않았습니다.`);
  }
  if (report.incomplete > 0) {
    parts.push(`${report.incomplete}회 당첨금은 결과 출처의 기록이 완전하지 않아(어느 회차에나 있던 4등이나 5등 당첨자가 없음) 저장하지 않았습니다.`);
  }
  if (report.conflict !== null) {
    parts.push(`${report.conflict.round}회는 기록과 결과 출처의 번호가 달라 기록을 그대로 둡니다.`);
  } else if (parts.length === 0) {
    parts.push(`새 회차가 없습니다. 기록은 ${newestDraw}회까지입니다.`);
  }
  return parts.join(' ');
}

// A round typed on the device that the source gives otherwise: both, side by side.
export const conflictText = (conflict) => `${conflict.round}회: 이 기기의 기록은 ${conflict.held}, `
  + `결과 출처는 ${shownDrawLine(conflict.line)}입니다.`;

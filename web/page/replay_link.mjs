// The link that replays a prediction: its seed, the round whose lists scored it, and the
// player's own numbers. Pure: a test runs it as it is.
export const MAX_SEED = 4294967295;
export const NO_CHOICE = Object.freeze({ kept: [], leftOut: [] });

export function replaySearch(seed, round, choice) {
  return `?seed=${seed}${round === null ? '' : `&round=${round}`}`
    + `${choice.kept.length > 0 ? `&with=${choice.kept.join(',')}` : ''}`
    + `${choice.leftOut.length > 0 ? `&without=${choice.leftOut.join(',')}` : ''}`;
}

// What a link asks for, or null without a seed that can be replayed. `replayable` is false
// for a round that is no round: the link's numbers still reach the board. Its lists go to
// the core as typed: the core reads and refuses them.
export function readReplay(search) {
  const query = new URLSearchParams(search);
  const seed = query.get('seed');
  const round = query.get('round');
  if (seed === null || !/^\d{1,10}$/.test(seed) || Number(seed) > MAX_SEED) {
    return null;
  }
  return {
    seed: Number(seed),
    round: round === null || !/^\d{1,6}$/.test(round) ? null : Number(round),
    replayable: round === null || /^\d{1,6}$/.test(round),
    choice: { kept: [query.get('with') ?? ''].filter(Boolean), leftOut: [query.get('without') ?? ''].filter(Boolean) },
  };
}

// Joins the engine's corrections and the learner rules' corrections of one
// sentence so that no two flags share a span: where both fire on
// overlapping text, one is kept.
//
// Which one: a misspelling found by the engine stays (the rules read the
// misspelt word as something else); a flag without candidates gives way to
// one with them; otherwise the learner rule's flag stays, as its candidate is
// the form the sentence's grammar asks for.
const overlaps = (a, b) => a.start < b.end && a.end > b.start;

function ruleWins(rule, engine) {
  if (engine.errorType === 'NONWORD') return false;
  if (rule.candidates.length === 0) return false;
  return true;
}

export function mergeCorrections(engine, rules) {
  let out = [...engine];
  for (const r of rules) {
    const clashes = out.filter((c) => overlaps(c, r));
    if (clashes.length === 0) {
      out.push(r);
      continue;
    }
    if (clashes.every((c) => (c.featureKeys[1] === 'Learner' ? false : ruleWins(r, c)))) {
      out = out.filter((c) => !clashes.includes(c));
      out.push(r);
    }
  }
  return out.sort((a, b) => a.start - b.start || a.end - b.end);
}

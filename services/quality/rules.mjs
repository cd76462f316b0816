// npm run quality:rules -- DATA_DIR [--cache FILE] [--rule NAME]
//
// Per-rule figures on a learner corpus: flags raised, flags on a teacher's
// edit, edits of the first correction found by this rule alone, false alarms
// on the first correction. With --rule, lists that rule's flags and alarms.
import { readCorpus, makeChecker, evaluate, keepEngineAnswers, saveEngineAnswers } from './run.mjs';
import { editedRegions } from './measure.mjs';

const args = process.argv.slice(2);
const dir = args.shift();
let cacheFile = ''; let only = '';
while (args.length) {
  const a = args.shift();
  if (a === '--cache') cacheFile = args.shift();
  else if (a === '--rule') only = args.shift();
}
const corpus = readCorpus(dir);
const checker = await makeChecker();
if (cacheFile) keepEngineAnswers(checker, cacheFile);
const r = await evaluate(checker, corpus);
if (cacheFile) saveEngineAnswers(checker, cacheFile);
const overlaps = (f, g) => f.start < g.end && f.end > g.start;
const stats = new Map();
const get = (k) => { if (!stats.has(k)) stats.set(k, { flags: 0, hits: 0, alone: 0, alarms: 0 }); return stats.get(k); };
for (const it of r.items) {
  const all = it.refs.map((ref) => editedRegions(it.source, ref));
  for (const f of it.flags) {
    const s = get(f.rule);
    s.flags++;
    const hit = all.some((rs) => rs.some((g) => overlaps(f, g)));
    if (hit) s.hits++;
    if (only === f.rule) console.log(`${hit ? '+' : '-'} "${it.source.slice(f.start, f.end)}" -> "${f.top}" | ${it.source}`);
  }
  for (const g of all[0]) {
    const by = it.flags.filter((f) => overlaps(f, g));
    if (by.length && by.every((f) => f.rule === by[0].rule)) get(by[0].rule).alone++;
  }
  for (const f of it.refFlags) {
    get(f.rule).alarms++;
    if (only === f.rule) console.log(`ALARM "${it.refs[0].slice(f.start, f.end)}" -> "${f.top}" | ${it.refs[0]}`);
  }
}
console.log('rule'.padEnd(30), 'flags hits alone alarms');
for (const [k, s] of [...stats].sort((a, b) => b[1].flags - a[1].flags)) {
  console.log(k.padEnd(30), String(s.flags).padStart(5), String(s.hits).padStart(4), String(s.alone).padStart(5), String(s.alarms).padStart(6));
}
console.log(`precision ${r.precision.toFixed(3)} recall ${r.recall.toFixed(3)} F0.5 ${r.f05.toFixed(3)} false alarms ${r.falseAlarms} top ${r.topCandidate.toFixed(3)} flags ${r.flags}`);
checker.wordnet.close?.();

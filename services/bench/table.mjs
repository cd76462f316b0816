// One table of the checking service's speed, all figures from one run:
//   node bench/table.mjs [TEXT_FILE] [words]
// - the engine (harper.js) alone, in this process on one thread;
// - the service with one worker and with all workers (one per core), over
//   HTTP on loopback: a new text as the first request after start, a new text
//   when warm, the same text again (cache), the first record's latency, the
//   start-up time and the peak memory of the service process.
// Texts: generated varied documents, and TEXT_FILE (one sentence per line,
// e.g. a learner corpus) as the engine's first text and the service's last;
// every "new" text is one the process has not seen.
import fs from 'node:fs';
import os from 'node:os';
import { LocalLinter, Dialect } from 'harper.js';
import { slimBinary as binary } from 'harper.js/slimBinary';
import { startServer, registerAndLogIn, check, checkBody } from '../test/helpers.mjs';
import { documentOf, corpusDocument } from './document.mjs';
import { warmUpText } from '../src/checkpool.mjs';

const [file, wordsArg] = process.argv.slice(2);
const words = Number(wordsArg || 10000);

function corpusText(seed) {
  return file && seed === 0 ? corpusDocument(file, words) : documentOf(words, seed);
}

const seconds = (t) => Number(process.hrtime.bigint() - t) / 1e9;
const rows = [];

// The engine alone on one thread, warmed on another text first.
{
  const linter = new LocalLinter({ binary, dialect: Dialect.American });
  await linter.setup();
  // Warmed as the service's engines are, with their warm-up text.
  await linter.lint([...warmUpText(), ...documentOf(2000, 99).sents].join('\n\n'));
  for (const [seed, label] of [[0, 'first text'], [11, 'the warm new text']]) {
    const { sents, count } = corpusText(seed);
    const t = process.hrtime.bigint();
    await linter.lint(sents.join('\n\n'));
    const s = seconds(t);
    rows.push([`harper.js alone, one thread, ${label}`, `${s.toFixed(2)} s`, `${Math.round(count / s)} words/s`]);
  }
}

function peakMemory(pid) {
  try {
    const m = /VmHWM:\s+(\d+) kB/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'));
    return m ? `${Math.round(Number(m[1]) / 1024)} MB` : '?';
  } catch { return '?'; }
}

for (const workers of [1, os.availableParallelism?.() || os.cpus().length]) {
  const t0 = process.hrtime.bigint();
  const server = await startServer(['--workers', String(workers)]);
  const startUp = seconds(t0);
  try {
    const { session } = await registerAndLogIn(server.port, `bench${workers}@example.com`, 'secret12');
    const measure = async (label, seed) => {
      const { sents, count } = corpusText(seed);
      const answer = await check(server.port, checkBody(session, sents));
      const s = answer.elapsed / 1000;
      rows.push([`${workers} worker${workers > 1 ? 's' : ''}: ${label}`, `${s.toFixed(2)} s`, `${Math.round(count / s)} words/s, first record ${answer.records[0].at} ms`]);
    };
    // The first request and the warm ones on the same kind of text (generated
    // documents); the learner text, with its many misspellings, comes last.
    await measure('first request after start, new text', 10);
    await measure('warm, new text', 11);
    await measure('warm, another new text', 12);
    await measure('the same text again (cache)', 12);
    if (file) await measure('warm, learner text', 0);
    rows.push([`${workers} worker${workers > 1 ? 's' : ''}: start-up to "listening"`, `${startUp.toFixed(1)} s`, `peak memory ${peakMemory(server.child.pid)}`]);
  } finally {
    await server.stop();
  }
}

console.log(`${words} words a text; ${os.cpus().length} cores; load average ${os.loadavg().map((x) => x.toFixed(1)).join(' ')}`);
console.log('| what | time | rate |');
console.log('|---|---|---|');
for (const r of rows) console.log(`| ${r.join(' | ')} |`);

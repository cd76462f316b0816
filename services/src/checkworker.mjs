// One checking engine in a worker thread. It loads the engine, the word
// lists and WordNet, checks a warm-up text through every rule, says
// "ready", then answers check messages one at a time.
import { parentPort, workerData } from 'node:worker_threads';
import { Checker } from './checker.mjs';
import { Vocabulary } from './vocabulary.mjs';
import { WordNet } from './wordnet.mjs';

const checker = new Checker();
checker.vocabulary = new Vocabulary();
checker.wordnet = new WordNet();

async function start() {
  await checker.ready;
  const warm = workerData?.warmUp || [];
  const all = new Map([['server.spell', '1'], ['server.real', '1'], ['server.mor', '1'], ['server.grammar', '1'],
    ['server.rule', '1'], ['server.det', '1'], ['server.style', '1'], ['server.poststyle', '1']]);
  if (warm.length) await checker.check(warm, warm.map(() => all), { enrich: true });
  let descriptions = {};
  try { descriptions = await checker.linter.getLintDescriptions(); } catch { descriptions = {}; }
  parentPort.postMessage({ type: 'ready', descriptions });
}

parentPort.on('message', async (msg) => {
  if (msg.type !== 'check') return;
  try {
    const results = await checker.check(msg.sentences, msg.configs, { titles: msg.titles, enrich: msg.enrich });
    parentPort.postMessage({ type: 'done', id: msg.id, results });
  } catch (err) {
    parentPort.postMessage({ type: 'done', id: msg.id, error: String(err && err.message ? err.message : err) });
  }
});

start().catch((err) => {
  parentPort.postMessage({ type: 'failed', error: String(err && err.message ? err.message : err) });
});

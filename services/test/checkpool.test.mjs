import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { CheckPool, ResultCache } from '../src/checkpool.mjs';
import { DEFAULT_CONFIGS, stageTable } from '../src/checkroute.mjs';

const table = stageTable(DEFAULT_CONFIGS[0]);
let pool;
before(async () => { pool = await new CheckPool({ workers: 2, cacheSize: 1000, warmUp: ['She have two cat.'] }).ready; });
after(async () => { await pool.close(); });

const job = (sentences) => ({ sentences, configs: sentences.map(() => table), titles: sentences.map(() => false), enrich: false });
function collect(sentences, extra = {}) {
  const got = new Map();
  const done = pool.run(job(sentences), { onResult: (k, c) => { assert.ok(!got.has(k), `sentence ${k} twice`); got.set(k, c); }, ...extra });
  return { got, done };
}

test('every sentence gets one result, whatever order the pieces finish in', async () => {
  const sents = Array.from({ length: 40 }, (_, i) => `She have ${i + 2} cat and he go home number ${i}.`);
  const { got, done } = collect(sents);
  await done;
  assert.equal(got.size, 40);
  for (const [k, c] of got) assert.ok(c.some((x) => sents[k].slice(x.start, x.end) === 'have'), `sentence ${k}`);
});

test('a sentence seen before with the same stages comes from the cache', async () => {
  const sents = ['They was late again today.', 'I has a apple.'];
  await collect(sents).done;
  const hits = pool.cache.hits;
  const again = collect(sents);
  await again.done;
  assert.equal(pool.cache.hits, hits + 2);
  // Other stages are another key.
  assert.notEqual(ResultCache.key('x', table, false, false), ResultCache.key('x', stageTable(DEFAULT_CONFIGS[1]), false, false));
  assert.notEqual(ResultCache.key('x', table, false, false), ResultCache.key('x', table, false, true));
});

test('a long text found in the cache goes out over several turns, not all in one', async () => {
  const sents = Array.from({ length: 100 }, (_, i) => `She have ${i} cats at home.`);
  await collect(sents).done;
  const again = collect(sents);
  const first = again.got.size;
  assert.ok(first > 0 && first < 100, `${first} delivered at once`);
  await again.done;
  assert.equal(again.got.size, 100);
  // Stored results and new ones in one request.
  const mixed = collect([...sents.slice(0, 50), 'They was at home all day long.']);
  await mixed.done;
  assert.equal(mixed.got.size, 51);
});

test('a short request is not held up behind a long one', async () => {
  const long = Array.from({ length: 300 }, (_, i) => `Yesterday we walk ${i} miles to the river and they was tired ${i}.`);
  const finished = [];
  const a = collect(long).done.then(() => finished.push('long'));
  await new Promise((r) => setTimeout(r, 50));
  const b = collect(['The dogs barks loudly at night.', 'He can goes home.']).done.then(() => finished.push('short'));
  await Promise.all([a, b]);
  assert.deepEqual(finished, ['short', 'long']);
});

test('a request whose client left stops taking work', async () => {
  const sents = Array.from({ length: 200 }, (_, i) => `We discussed about plan number ${i} for hours ${i}.`);
  let gone = false;
  const { got, done } = collect(sents, { isGone: () => gone });
  setTimeout(() => { gone = true; }, 30);
  await done;
  assert.ok(got.size < 200, `${got.size} delivered`);
});

test('a worker that dies fails its request, and the pool goes on with a new one', async () => {
  const sents = Array.from({ length: 60 }, (_, i) => `Many problem exist in city ${i} and it depend of weather ${i}.`);
  const run = collect(sents);
  setTimeout(() => { for (const slot of pool.workers) { if (slot.task) { slot.worker.terminate(); break; } } }, 20);
  await assert.rejects(run.done);
  const again = collect(['I am agree with you.']);
  await again.done;
  assert.equal(again.got.size, 1);
});

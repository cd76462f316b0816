// Checking spread over a pool of worker threads, one engine each. A
// request's sentences are cut into pieces (the first of one sentence, so the
// first record comes at once, then larger ones up to 64 sentences, where the
// engine's cost per call no longer counts, and smaller again near the end,
// so the workers finish together); idle workers take the next
// piece from the running requests in turn, so a long document does not hold
// up a short one behind it. Results of sentences seen before, with the same
// stages, come from a bounded cache.
import os from 'node:os';
import { Worker } from 'node:worker_threads';
import { RULES } from './rules/index.mjs';

const WORKER_URL = new URL('./checkworker.mjs', import.meta.url);
const FIRST_PIECE = 1;
const LARGEST_PIECE = 64;
// Pieces near the end of a request are never cut smaller than this.
const TAIL_PIECE = 4;
// Stored results handed out per turn of the event loop.
const STORED_SLICE = 32;

// The warm-up text: every rule's own examples, so that every code path of
// the engines has run before the first user's request.
export function warmUpText() {
  const out = [];
  for (const r of RULES) for (const [text] of r.examples.fire) out.push(text);
  out.push('This is an test of teh system, and their going to the park tomorow.');
  // The engine's first suggestion to split a run-together word ("game
  // addict") costs it seconds once; it is paid here, not by a user.
  out.push('My brother is a gameaddict.');
  // A rare word offered as two builds the spelling's list of common words
  // by length, once.
  out.push('I do not know wether it will rain.');
  return out;
}

export class ResultCache {
  constructor(limit) {
    this.limit = limit;
    this.map = new Map();
    this.hits = 0;
    this.misses = 0;
  }

  static key(sentence, stages, title, enrich) {
    return `${[...stages].map(([k, v]) => `${k}=${v}`).sort().join(',')}|${title ? 1 : 0}|${enrich ? 1 : 0}|${sentence}`;
  }

  get(key) {
    const v = this.map.get(key);
    if (v === undefined) {
      this.misses++;
      return undefined;
    }
    this.hits++;
    this.map.delete(key);
    this.map.set(key, v);
    return v;
  }

  set(key, value) {
    if (this.limit <= 0) return;
    this.map.delete(key);
    this.map.set(key, value);
    while (this.map.size > this.limit) this.map.delete(this.map.keys().next().value);
  }
}

export class CheckPool {
  constructor({ workers = os.availableParallelism?.() || os.cpus().length, cacheSize = 20000, warmUp = warmUpText(), log } = {}) {
    this.size = Math.max(1, workers);
    this.cache = new ResultCache(cacheSize);
    this.warmUp = warmUp;
    this.log = log;
    this.jobs = []; // running requests, served in turn
    this.turn = 0;
    this.idle = [];
    this.workers = new Set();
    this.closed = false;
    this.nextId = 1;
    this.descriptions = {};
    const starting = [];
    for (let i = 0; i < this.size; i++) starting.push(this.spawn());
    this.ready = Promise.all(starting).then(() => this);
  }

  spawn() {
    return new Promise((resolve, reject) => {
      // A young generation of 8 MB (V8 allows several times that): the
      // engine's data lives in WebAssembly memory and the taggers' in the old
      // generation, so checking is no slower, and two workers peak about
      // 75 MB lower.
      const worker = new Worker(WORKER_URL, { workerData: { warmUp: this.warmUp }, resourceLimits: { maxYoungGenerationSizeMb: 8 } });
      const slot = { worker, task: null };
      this.workers.add(slot);
      let ready = false;
      worker.on('message', (msg) => {
        if (msg.type === 'ready') {
          ready = true;
          this.descriptions = msg.descriptions;
          this.idle.push(slot);
          resolve();
          this.pump();
        } else if (msg.type === 'failed') {
          reject(new Error(`checking engine failed to start: ${msg.error}`));
        } else if (msg.type === 'done' && slot.task && slot.task.id === msg.id) {
          const { task } = slot;
          slot.task = null;
          this.idle.push(slot);
          task.finish(msg.error ? new Error(msg.error) : null, msg.results);
          this.pump();
        }
      });
      worker.on('error', (err) => this.log?.(`checking worker: ${err.message}`));
      worker.on('exit', () => {
        this.workers.delete(slot);
        this.idle = this.idle.filter((s) => s !== slot);
        if (!ready) reject(new Error('checking engine exited while starting'));
        if (slot.task) {
          const { task } = slot;
          slot.task = null;
          task.finish(new Error('checking engine stopped'), null);
        }
        // A worker that died is replaced while the pool is open.
        if (ready && !this.closed) this.spawn().catch((err) => this.log?.(err.message));
      });
    });
  }

  // Checks the sentences of one request. onResult(k, corrections) is called
  // once per sentence, in the order pieces finish (stored results among
  // them, from the first turn on); isGone() stops the
  // remaining work of a request whose client has left. Resolves when every
  // sentence has a result, rejects when a piece failed.
  run({ sentences, configs, titles, enrich }, { onResult, isGone = () => false }) {
    const todo = [];
    const stored = [];
    sentences.forEach((s, k) => {
      const key = ResultCache.key(s, configs[k], titles[k], enrich);
      const hit = this.cache.get(key);
      if (hit) stored.push([k, hit]);
      else todo.push(k);
    });
    let failed = false;
    const checked = todo.length === 0 ? Promise.resolve() : new Promise((resolve, reject) => {
      // Pieces are cut when a worker takes them: they double from one
      // sentence up to LARGEST_PIECE, and near the end shrink to a share of
      // what is left, so that no worker waits long for another's last piece.
      const job = { todo, at: 0, size: FIRST_PIECE, running: 0, isGone };
      job.more = () => job.at < job.todo.length;
      const settle = () => { if (!job.more() && job.running === 0) resolve(); };
      job.finishPiece = (err, ks, results) => {
        if (failed) return;
        if (err) {
          failed = true;
          this.jobs = this.jobs.filter((j) => j !== job);
          reject(err);
          return;
        }
        ks.forEach((k, n) => {
          this.cache.set(ResultCache.key(sentences[k], configs[k], titles[k], enrich), results[n]);
          if (!job.isGone()) onResult(k, results[n]);
        });
        job.running -= 1;
        settle();
      };
      job.take = () => {
        const share = Math.max(TAIL_PIECE, Math.ceil((job.todo.length - job.at) / (2 * this.size)));
        const ks = job.todo.slice(job.at, job.at + Math.min(job.size, LARGEST_PIECE, share));
        job.at += ks.length;
        job.size *= 2;
        job.running += 1;
        return {
          id: this.nextId++,
          message: { sentences: ks.map((k) => sentences[k]), configs: ks.map((k) => configs[k]), titles: ks.map((k) => titles[k]), enrich },
          finish: (err, results) => job.finishPiece(err, ks, results),
        };
      };
      job.drop = () => {
        // The client left: what is not started is not checked.
        job.at = job.todo.length;
        settle();
      };
      this.jobs.push(job);
      this.pump();
    });
    // Stored results go out in slices while the workers check the rest: a
    // response writes what one turn of the event loop hands it in one go, so
    // a long text found in the cache would otherwise send its first record
    // only with its last.
    const delivered = (async () => {
      for (let at = 0; at < stored.length; at += STORED_SLICE) {
        if (at > 0) await new Promise((r) => setImmediate(r));
        if (failed || isGone()) return;
        for (const [k, hit] of stored.slice(at, at + STORED_SLICE)) onResult(k, hit);
      }
    })();
    return Promise.all([checked, delivered]).then(() => undefined);
  }

  pump() {
    while (this.idle.length && this.jobs.length) {
      if (this.turn >= this.jobs.length) this.turn = 0;
      const job = this.jobs[this.turn];
      if (job.isGone()) job.drop();
      if (!job.more()) {
        this.jobs.splice(this.turn, 1);
        continue;
      }
      const slot = this.idle.shift();
      const task = job.take();
      if (!job.more()) this.jobs.splice(this.turn, 1);
      else this.turn += 1;
      slot.task = task;
      slot.worker.postMessage({ type: 'check', id: task.id, ...task.message });
    }
  }

  async close() {
    this.closed = true;
    await Promise.all([...this.workers].map((s) => s.worker.terminate()));
  }
}

#!/usr/bin/env node
// Simulated users against the services on loopback, each doing what the
// program does in a session: register and log in, then over and over upload
// the check counts, check a learner text of about 300 words (new sentences
// every time), upload the error counts, add a word to the glossary and read
// the glossary back, upload events and correction records, and now and then
// log in again. Stops by itself after the given time (and a request cap).
//
//   node bench/users.mjs [--users 50] [--seconds 60] [--words 300]
//                        [--port N [--pid P[,P...]]] [--workers N]
//                        [--max-requests N] [--json]
//
// Without --port it starts the services itself on a free port with a
// scratch data folder and stops them at the end. --pid names the service
// processes whose peak memory to report when --port points at services (or
// a proxy in front of them) started elsewhere. Prints requests/s, p50/p99
// latency per route, the errors (any transport failure, time-out or answer
// other than the expected one) and the peak memory (VmHWM) of the services.
import http from 'node:http';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import crypto from 'node:crypto';
import { spawn } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { learnerText } from './learner.mjs';

const SERVER = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../src/server.mjs');
const SEPARATOR = Buffer.from([0x64, 0x1a, 0x1b]);
const REQUEST_TIMEOUT_MS = 60000;
const SENTENCE_CONFIGS = ['server.style', '4', 'server.spell', '2', 'server.mor', '1', 'server.dependency', '0',
  'server.grammar', '6', 'server.rule', '7', 'server.real', '3', 'server.det', '5', 'server.poststyle', '9', 'server.confidence', '2'];
const TITLE_CONFIGS = ['server.mor', '1', 'server.spell', '2', 'server.style', '4', 'server.dependency', '0',
  'server.grammar', '0', 'server.rule', '0', 'server.real', '3', 'server.det', '0', 'server.confidence', '2'];

export function parseOptions(argv) {
  const o = { users: 50, seconds: 60, words: 300, port: 0, pids: [], workers: undefined, maxRequests: 1000000, json: false };
  for (let i = 0; i < argv.length; i++) {
    const a = argv[i];
    const value = () => {
      if (i + 1 >= argv.length) throw new Error(`${a} needs a value`);
      return argv[++i];
    };
    if (a === '--users') o.users = Number(value());
    else if (a === '--seconds') o.seconds = Number(value());
    else if (a === '--words') o.words = Number(value());
    else if (a === '--port') o.port = Number(value());
    else if (a === '--pid') o.pids = value().split(',').map(Number);
    else if (a === '--workers') o.workers = Number(value());
    else if (a === '--max-requests') o.maxRequests = Number(value());
    else if (a === '--json') o.json = true;
    else throw new Error(`unknown option ${a}`);
  }
  if (!(Number.isInteger(o.users) && o.users >= 1 && o.users <= 1000)) throw new Error('bad --users (1 to 1000)');
  if (!(o.seconds > 0 && o.seconds <= 3600)) throw new Error('bad --seconds (up to 3600)');
  if (!(Number.isInteger(o.words) && o.words >= 1 && o.words <= 10000)) throw new Error('bad --words');
  if (!(Number.isInteger(o.port) && o.port >= 0 && o.port <= 65535)) throw new Error('bad --port');
  if (!(Number.isInteger(o.maxRequests) && o.maxRequests >= 1)) throw new Error('bad --max-requests');
  if (o.pids.some((p) => !(Number.isInteger(p) && p > 0))) throw new Error('bad --pid');
  return o;
}

const md5Upper = (text) => crypto.createHash('md5').update(text, 'utf8').digest('hex').toUpperCase();
const formEncode = (fields) => fields.map(([k, v]) => `${encodeURIComponent(k)}=${encodeURIComponent(v).replace(/%2B/g, '+')}`).join('&');

// Peak resident memory of a process in bytes (Linux), or null.
export function peakMemory(pid) {
  try {
    const m = /VmHWM:\s+(\d+) kB/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'));
    return m ? Number(m[1]) * 1024 : null;
  } catch {
    return null;
  }
}

export async function startOwnServices(workers) {
  const data = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-load-'));
  const args = [SERVER, '--port', '0', '--data', data];
  if (workers) args.push('--workers', String(workers));
  const child = spawn(process.execPath, args, { stdio: ['ignore', 'pipe', 'pipe'] });
  let stderr = '';
  child.stderr.on('data', (d) => { stderr += d; });
  const port = await new Promise((resolve, reject) => {
    let out = '';
    child.stdout.on('data', (d) => {
      out += d;
      const m = /^listening (\d+)\n/.exec(out);
      if (m) resolve(Number(m[1]));
    });
    child.once('exit', (code) => reject(new Error(`services exited with ${code}: ${stderr}`)));
  });
  return {
    port,
    pid: child.pid,
    async stop() {
      const exited = new Promise((resolve) => child.once('exit', (code) => resolve(code)));
      child.kill('SIGTERM');
      const code = await exited;
      fs.rmSync(data, { recursive: true, force: true });
      return code;
    },
  };
}

// Runs the simulated users against 127.0.0.1:port; answers the figures.
export async function runUsers({ port, users, seconds, words, maxRequests = 1000000, pids = [] }) {
  const agent = new http.Agent({ keepAlive: true, maxSockets: users * 2 });
  const routes = new Map(); // route -> latencies in ms
  const errors = [];
  let requests = 0;
  const started = Date.now();
  const deadline = started + seconds * 1000;
  const over = () => Date.now() >= deadline || requests >= maxRequests;
  let sentenceNumber = Math.floor(Math.random() * 1e6) * 100;
  const run = Date.now().toString(36);
  const peaks = new Map();
  const sample = () => { for (const pid of pids) peaks.set(pid, Math.max(peaks.get(pid) || 0, peakMemory(pid) || 0)); };
  const sampler = setInterval(sample, 500);

  const call = (route, pathName, body, expect) => new Promise((resolve) => {
    requests++;
    const t0 = process.hrtime.bigint();
    const fail = (why) => { errors.push(`${route}: ${why}`); resolve(null); };
    const req = http.request({ host: '127.0.0.1', port, method: 'POST', path: pathName, agent, timeout: REQUEST_TIMEOUT_MS, headers: {
      'Content-Type': 'application/x-www-form-urlencoded', 'Content-Length': body.length } }, (res) => {
      const parts = [];
      res.on('data', (d) => parts.push(d));
      res.on('error', (err) => fail(err.code || err.message));
      res.on('end', () => {
        const ms = Number(process.hrtime.bigint() - t0) / 1e6;
        if (!routes.has(route)) routes.set(route, []);
        routes.get(route).push(ms);
        const answer = Buffer.concat(parts);
        const why = res.statusCode !== 200 ? `status ${res.statusCode} ${answer.toString('utf8').slice(0, 80)}` : expect(answer);
        if (why) fail(why);
        else resolve(answer);
      });
    });
    req.on('timeout', () => req.destroy(new Error('time-out')));
    req.on('error', (err) => fail(err.code || err.message));
    req.end(body);
  });
  const form = (fields) => Buffer.from(formEncode(fields));
  const text = (want) => (b) => (b.toString('utf8') === want ? null : `answer ${JSON.stringify(b.toString('utf8').slice(0, 80))}`);

  const logIn = async (email, digest) => {
    const answer = await call('log-in', '/Login-new.ashx', form([['userName', email], ['hashUserPassword', digest], ['area', 'ostrel']]),
      (b) => (/^Success\|[0-9A-F]{32}\|/.test(b.toString('utf8')) ? null : `answer ${b.toString('utf8').slice(0, 80)}`));
    return answer ? answer.toString('utf8').split('|')[1] : null;
  };

  const checkExpect = (count) => (body) => {
    let records = 0;
    let last = null;
    let rest = body;
    for (;;) {
      const at = rest.indexOf(SEPARATOR);
      if (at < 0) break;
      try {
        last = JSON.parse(zlib.inflateSync(rest.subarray(0, at)).toString('utf8'));
      } catch {
        return 'unreadable record';
      }
      records++;
      rest = rest.subarray(at + SEPARATOR.length);
    }
    if (rest.length) return `bytes after the last record: ${rest.subarray(0, 20).toString('latin1')}`;
    if (!last || last.sentInd !== -1) return 'no document record at the end';
    return records === count + 1 ? null : `${records} records for ${count} sentences`;
  };

  const user = async (u) => {
    const email = `load-${run}-${u}@example.com`;
    const digest = md5Upper(`password-${u}`);
    if (!(await call('register', '/register/register.ashx', form([['e', email], ['p', digest], ['from', 'ostrel']]), text('success')))) return;
    let session = await logIn(email, digest);
    if (!session) return;
    // Every user goes through the whole round at least once.
    for (let cycle = 0; cycle === 0 || !over(); cycle++) {
      if (cycle > 0 && cycle % 5 === 0) {
        session = await logIn(email, digest);
        if (!session) return;
      }
      const doc = learnerText(words, sentenceNumber);
      sentenceNumber = doc.next;
      const wordCount = doc.count;
      await call('usage upload', '/NotPublic/UserCountBulkAdd.ashx',
        form([['sessionKey', session], ['group', 'check'], ['data', `SENTENSE:${doc.sents.length};WORD:${wordCount};`]]), text('ok'));
      const request = { clientVersion: 'ostrel 2.1.7.0', configTypes: [SENTENCE_CONFIGS, TITLE_CONFIGS],
        configs: doc.sents.map(() => 0), lexsubConfidence: 2, sents: doc.sents, session };
      const answer = await call('check', '/unified/', zlib.deflateSync(Buffer.from(`${JSON.stringify(request)}\n`, 'utf8')), checkExpect(doc.sents.length));
      let flagged = 0;
      if (answer) {
        for (let rest = answer, at; (at = rest.indexOf(SEPARATOR)) >= 0; rest = rest.subarray(at + SEPARATOR.length)) {
          const record = JSON.parse(zlib.inflateSync(rest.subarray(0, at)).toString('utf8'));
          if (record.sentInd >= 0) flagged += record.corrections.length;
        }
      }
      await call('usage upload', '/NotPublic/UserCountBulkAdd.ashx',
        form([['sessionKey', session], ['group', 'error'], ['data', `Nonword:${flagged};Grammar:1;`]]), text('ok'));
      await call('glossary add', '/NotPublic/UserWordBulkAdd.ashx', form([['sessionKey', session], ['words', `word${u}x${cycle};`]]), text('ok'));
      await call('glossary list', '/NotPublic/UserWordList.ashx', form([['sessionKey', session]]),
        (b) => (b.toString('utf8').includes(`word${u}x${cycle};`) ? null : 'the word just added is missing'));
      await call('usage upload', '/NotPublic/UserCountBulkAdd.ashx',
        form([['sessionKey', session], ['group', 'event'], ['version', 'ostrel'], ['data', 'QL_Main_Review:1;QL_Main_Apply:2;']]), text('ok'));
      const records = [{ sentence: doc.sents[0], word: 'have', wordIdx: 11, wordLength: 4, correctionList: 'has', choose: 0, type: 3 }];
      await call('usage upload', '/NotPublic/UserCorrectionLogBulkAdd-new.ashx', form([['sessionKey', session], ['data', JSON.stringify(records)]]), text('ok'));
    }
  };

  sample();
  await Promise.all(Array.from({ length: users }, (_, u) => user(u)));
  clearInterval(sampler);
  sample();
  agent.destroy();
  const elapsed = (Date.now() - started) / 1000;
  const pct = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
  const perRoute = {};
  for (const [route, times] of [...routes].sort()) {
    const sorted = times.slice().sort((a, b) => a - b);
    perRoute[route] = { requests: sorted.length, perSecond: sorted.length / elapsed, p50: pct(sorted, 50), p99: pct(sorted, 99) };
  }
  return {
    users, seconds: elapsed, requests, perSecond: requests / elapsed, errors: errors.length, errorSamples: errors.slice(0, 10),
    routes: perRoute, peakMemory: Object.fromEntries([...peaks].map(([pid, bytes]) => [pid, bytes])),
  };
}

export function report(r) {
  const lines = [];
  lines.push(`${r.users} users for ${r.seconds.toFixed(1)} s: ${r.requests} requests, ${r.perSecond.toFixed(1)} requests/s, ${r.errors} errors`);
  lines.push('route            requests   per s     p50 ms    p99 ms');
  for (const [route, s] of Object.entries(r.routes)) {
    lines.push(`${route.padEnd(16)} ${String(s.requests).padStart(8)} ${s.perSecond.toFixed(1).padStart(7)} ${s.p50.toFixed(1).padStart(10)} ${s.p99.toFixed(1).padStart(9)}`);
  }
  for (const [pid, bytes] of Object.entries(r.peakMemory)) lines.push(`peak memory of the services (pid ${pid}): ${(bytes / 1048576).toFixed(0)} MB`);
  for (const e of r.errorSamples) lines.push(`error: ${e}`);
  return lines.join('\n');
}

async function main() {
  let o;
  try {
    o = parseOptions(process.argv.slice(2));
  } catch (err) {
    process.stderr.write(`users: ${err.message}\nusage: node bench/users.mjs [--users 50] [--seconds 60] [--words 300] [--port N [--pid P[,P...]]] [--workers N] [--max-requests N] [--json]\n`);
    process.exit(2);
  }
  let own = null;
  if (!o.port) {
    own = await startOwnServices(o.workers);
    o.port = own.port;
    o.pids = [own.pid];
  }
  let result;
  try {
    result = await runUsers(o);
  } finally {
    if (own) {
      const code = await own.stop();
      if (code !== 0) process.stderr.write(`users: the services stopped with code ${code}\n`);
    }
  }
  process.stdout.write(`${o.json ? JSON.stringify(result) : report(result)}\n`);
  process.exit(result.errors === 0 ? 0 : 1);
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  main().catch((err) => {
    process.stderr.write(`users: ${err.stack || err}\n`);
    process.exit(1);
  });
}

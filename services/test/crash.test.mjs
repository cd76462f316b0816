// The services killed with SIGKILL in the middle of a stream of writes, then
// started again on the same data folder; then stopped with SIGTERM in the
// middle of an answer.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import http from 'node:http';
import Database from 'better-sqlite3';
import { startServer, post, checkBody, md5Upper, registerAndLogIn, formEncode } from './helpers.mjs';
import { documentOf } from '../bench/document.mjs';
import { runUsers } from '../bench/users.mjs';

const data = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-services-crash-'));
after(() => fs.rmSync(data, { recursive: true, force: true }));

const CLIENTS = 6;

// A form post that fails on any connection error (the server may be gone).
function postOrFail(port, p, fields) {
  return new Promise((resolve, reject) => {
    const data = Buffer.from(formEncode(fields));
    const req = http.request({ host: '127.0.0.1', port, method: 'POST', path: p, headers: {
      'Content-Type': 'application/x-www-form-urlencoded', 'Content-Length': data.length } }, (res) => {
      const parts = [];
      res.on('data', (d) => parts.push(d));
      res.on('end', () => resolve({ status: res.statusCode, text: Buffer.concat(parts).toString('utf8') }));
      res.on('error', reject);
    });
    req.on('error', reject);
    req.end(data);
  });
}
const MAX_WRITES = 3000;

function integrity(file) {
  const db = new Database(file);
  try {
    return db.pragma('integrity_check', { simple: true });
  } finally {
    db.close();
  }
}

let session;
const words = [];
const emails = [];

test('every write answered before a kill -9 is there after the restart, and the database is sound', async () => {
  const first = await startServer(['--workers', '1'], data);
  const exited = new Promise((resolve) => first.child.once('exit', (code, signal) => resolve(signal)));
  const writer = await registerAndLogIn(first.port, 'writer@example.com', 'secret12');
  session = writer.session;
  assert.ok(session);

  // Clients write until the server is gone: every fourth write a
  // registration, the others glossary words, each one new.
  let next = 0;
  let killed = false;
  let failedBeforeKill = 0;
  const client = async () => {
    while (next < MAX_WRITES) {
      const i = next++;
      try {
        if (i % 4 === 0) {
          const email = `stream${i}@example.com`;
          const answer = await postOrFail(first.port, '/register/register.ashx', [['e', email], ['p', md5Upper(`pw${i}`)], ['from', 'ostrel']]);
          if (answer.text === 'success') emails.push(email);
          else if (!killed) failedBeforeKill++;
        } else {
          const word = `streamword${i}`;
          const answer = await postOrFail(first.port, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', `${word};`]]);
          if (answer.text === 'ok') words.push(word);
          else if (!killed) failedBeforeKill++;
        }
      } catch {
        if (!killed) failedBeforeKill++;
        return;
      }
    }
  };
  const clients = Array.from({ length: CLIENTS }, client);
  // Kill once a good number of writes are confirmed, with more in flight.
  while (!(words.length >= 300 && emails.length >= 8) && next < MAX_WRITES - CLIENTS) {
    await new Promise((resolve) => setTimeout(resolve, 5));
  }
  killed = true;
  first.child.kill('SIGKILL');
  assert.equal(await exited, 'SIGKILL');
  await Promise.all(clients);
  assert.equal(failedBeforeKill, 0);
  assert.ok(words.length >= 300 && emails.length >= 8, `${words.length} words, ${emails.length} registrations confirmed`);

  // The database as the kill left it.
  assert.equal(integrity(path.join(data, 'services.db')), 'ok');

  const second = await startServer(['--workers', '1'], data);
  try {
    const p = second.port;
    // The session opened before the kill is still good, with every word.
    assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', session]])).text, 'Success');
    const list = (await post(p, '/NotPublic/UserWordList.ashx', [['sessionKey', session]])).text;
    const stored = new Set(list.split(';').filter(Boolean));
    const missing = words.filter((w) => !stored.has(w));
    assert.deepEqual(missing, []);
    for (const email of emails) {
      assert.equal((await post(p, '/register/DoesEmailExist.ashx', [['e', email]])).text, 'True', email);
    }
    // The last confirmed accounts log in with their passwords.
    for (const email of emails.slice(-3)) {
      const i = Number(/stream(\d+)@/.exec(email)[1]);
      const answer = await post(p, '/Login-new.ashx', [['userName', email], ['hashUserPassword', md5Upper(`pw${i}`)], ['area', 'ostrel']]);
      assert.match(answer.text, /^Success\|/, email);
    }
    console.log(`# kill -9 after ${words.length} glossary writes and ${emails.length} registrations answered: all found after the restart`);

    // A short run of the load script: simulated users, no errors.
    const load = await runUsers({ port: p, users: 4, seconds: 2, words: 60, pids: [second.child.pid] });
    assert.deepEqual(load.errorSamples, []);
    assert.ok(load.routes.check && load.routes['glossary list'] && load.routes['usage upload'], Object.keys(load.routes).join());
    assert.ok(load.peakMemory[second.child.pid] > 0);

    // SIGTERM in the middle of a long answer, with a write answered just before.
    assert.equal((await post(p, '/NotPublic/UserWordBulkAdd.ashx', [['sessionKey', session], ['words', 'lastword;']])).text, 'ok');
    const { sents } = documentOf(3000, 7);
    const answer = new Promise((resolve) => {
      const body = checkBody(session, sents);
      const req = http.request({ host: '127.0.0.1', port: p, method: 'POST', path: '/unified/', headers: {
        'Content-Type': 'application/x-www-form-urlencoded', 'Content-Length': body.length } }, (res) => {
        let bytes = 0;
        res.on('data', (d) => { bytes += d.length; });
        res.on('error', () => {});
        res.on('close', () => resolve({ status: res.statusCode, bytes, complete: res.complete }));
      });
      req.on('error', (err) => resolve({ error: err.code }));
      req.end(body);
    });
    await new Promise((resolve) => setTimeout(resolve, 200));
    const stopped = await second.stop();
    assert.deepEqual(stopped, { code: 0, signal: null });
    // The answer ended (finished or cut), it did not hang.
    const result = await answer;
    assert.ok(result.error || result.status === 200, JSON.stringify(result));
    console.log(`# SIGTERM during a ${sents.length}-sentence check: ${JSON.stringify(result)}`);
  } finally {
    if (second.child.exitCode === null) second.child.kill('SIGKILL');
  }
  // A clean stop closed the database: its log was checkpointed and removed.
  assert.equal(fs.existsSync(path.join(data, 'services.db-wal')), false);
  assert.equal(integrity(path.join(data, 'services.db')), 'ok');
  const db = new Database(path.join(data, 'services.db'), { readonly: true });
  try {
    assert.equal(db.prepare("SELECT COUNT(*) AS n FROM glossary WHERE word = 'lastword'").get().n, 1);
  } finally {
    db.close();
  }
});

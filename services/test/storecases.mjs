// What every store must do, whatever keeps its data: run by the store tests
// against SQLite and against PostgreSQL. `open()` gives a store on a fresh,
// empty database; `reopen(store)` closes it and opens the same database again.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { md5Upper } from './helpers.mjs';
import { LoginLimiter } from '../src/loginlimit.mjs';

export function storeCases({ open, reopen }) {
  test('accounts, sessions and the glossary outlive a restart', async () => {
    let store = await open();
    const id = await store.createUser('mia@example.com', md5Upper('secret12'));
    const key = await store.openSession(id);
    await store.addWords(id, ['colour', 'Quillet', 'zebra', 'apple']);
    await store.addWords(id, ['apple', 'Bravo']);
    store = await reopen(store);
    const user = await store.findUser('MIA@example.com');
    assert.equal(user.id, id);
    assert.equal(user.user_name, 'mia@example.com');
    assert.ok(await store.verify(user, md5Upper('secret12')));
    assert.ok(!(await store.verify(user, md5Upper('secret13'))));
    assert.equal((await store.sessionUser(key)).id, id);
    assert.deepEqual(await store.glossary(id), ['colour', 'Quillet', 'zebra', 'apple', 'Bravo']);
    await store.close();
  });

  test('an address is taken once, whatever its letter case', async () => {
    const store = await open();
    assert.ok(await store.createUser('Kim@Example.com', md5Upper('a')));
    assert.equal(await store.createUser('kim@example.com', md5Upper('b')), null);
    assert.ok(await store.emailTaken('KIM@EXAMPLE.COM'));
    assert.ok(!(await store.emailTaken('kimberly@example.com')));
    assert.equal((await store.userByEmail('kim@example.COM')).email, 'Kim@Example.com');
    assert.equal(await store.userByEmail('nobody@example.com'), null);
    assert.equal(await store.findUser('nobody'), null);
    await store.close();
  });

  test('a log-out ends the session; unknown and odd keys have no user', async () => {
    const store = await open();
    const id = await store.createUser('lou@example.com', md5Upper('x'));
    const key = await store.openSession(id);
    assert.match(key, /^[0-9A-F]{32}$/);
    assert.equal(await store.sessionUser(''), null);
    assert.equal(await store.sessionUser('0'.repeat(32)), null);
    assert.equal(await store.sessionUser('x'.repeat(300)), null);
    assert.ok(await store.closeSession(key));
    assert.ok(!(await store.closeSession(key)));
    assert.equal(await store.sessionUser(key), null);
    await store.close();
  });

  test('a session ends after its lifetime without use, and every use extends it', async () => {
    const store = await open({ sessionTtl: 1 });
    const id = await store.createUser('ned@example.com', md5Upper('secret12'));
    const kept = await store.openSession(id);
    const left = await store.openSession(id);
    for (let i = 0; i < 3; i++) {
      await new Promise((r) => setTimeout(r, 400));
      assert.ok(await store.sessionUser(kept));
    }
    assert.equal(await store.sessionUser(left), null);
    await store.close();
  });

  test('counts add up per user, group and name; events and corrections are kept', async () => {
    const store = await open();
    const a = await store.createUser('ann@example.com', md5Upper('a'));
    const b = await store.createUser('bob@example.com', md5Upper('b'));
    await store.addCounts(a, 'check', [['WORD', 10], ['SENTENSE', 2], ['WORD', 5]]);
    await store.addCounts(a, 'check', [['WORD', 1]]);
    await store.addCounts(a, 'error', [['b', 1], ['B', 2], ['a', 3]]);
    await store.addCounts(b, 'check', [['WORD', 7]]);
    assert.deepEqual((await store.counts(a)).map((r) => [r.grp, r.name, r.count]),
      [['check', 'SENTENSE', 2], ['check', 'WORD', 16], ['error', 'B', 2], ['error', 'a', 3], ['error', 'b', 1]]);
    await store.addEvents(a, [['QL_Main_Review', 1], ['QL_Main_Apply', 2]], 'ostrel');
    await store.addEvents(a, [['QL_Main_Review', 4]], 'ostrel');
    await store.addEvents(null, [['QL_Main_Review', 100]], '');
    assert.equal(await store.eventTotal(a, 'QL_Main_Review'), 5);
    assert.equal(await store.eventTotal(null, 'QL_Main_Review'), 100);
    assert.equal(await store.eventTotal(b, 'QL_Main_Review'), 0);
    await store.addCorrections(a, [
      { sentence: 'He have a cat.', word: 'have', wordIdx: 3, wordLength: 4, correctionList: 'has', choose: 0, type: 3 },
      { sentence: null, word: null, wordIdx: null, wordLength: null, correctionList: null, choose: null, type: null },
    ]);
    assert.equal(await store.correctionCount(a), 2);
    assert.equal(await store.correctionCount(b), 0);
    await store.close();
  });

  test('a Facebook id keeps its account, which takes the latest name', async () => {
    const store = await open();
    const first = await store.facebookUser('1001', 'Zoë');
    assert.equal(first.user_name, 'Zoë');
    const again = await store.facebookUser('1001', 'Zoë Ann');
    assert.equal(again.id, first.id);
    assert.equal(again.user_name, 'Zoë Ann');
    assert.equal((await store.facebookUser('1001', '')).user_name, 'Zoë Ann');
    assert.equal((await store.facebookUser('1002', '')).user_name, 'facebook-1002');
    await store.close();
  });

  test('notes are numbered per user and never reach another user', async () => {
    const store = await open();
    const a = await store.createUser('nia@example.com', md5Upper('a'));
    const b = await store.createUser('ola@example.com', md5Upper('b'));
    const made = await Promise.all([1, 2, 3].map((i) => store.notes.create(a, `Note ${i}`, `<en-note>${i}</en-note>`, 1000 + i)));
    assert.deepEqual(made.map((r) => r.usn).sort(), [1, 2, 3]);
    assert.equal((await store.notes.create(b, 'Other', '<en-note/>', 5000)).usn, 1);
    assert.equal(await store.notes.count(a), 3);
    assert.equal((await store.notes.get(a, made[0].guid)).content, '<en-note>1</en-note>');
    assert.ok(Buffer.isBuffer(made[0].content_hash));
    assert.equal(await store.notes.get(b, made[0].guid), null);
    assert.deepEqual((await store.notes.list(a, { offset: 0, maxNotes: 2, ascending: false })).map((r) => r.title), ['Note 3', 'Note 2']);
    assert.deepEqual((await store.notes.list(a, { offset: 1, maxNotes: 5, ascending: true })).map((r) => r.title), ['Note 2', 'Note 3']);
    assert.equal((await store.notes.all(a)).length, 3);
    await store.close();
  });

  test('a nonce is used once; a temporary token is authorised once', async () => {
    const store = await open();
    const id = await store.createUser('pia@example.com', md5Upper('a'));
    assert.ok(await store.oauth.useNonce('key', 'n1', 100, 1000));
    assert.ok(!(await store.oauth.useNonce('key', 'n1', 100, 1001)));
    assert.ok(await store.oauth.useNonce('key', 'n1', 101, 1002));
    await store.oauth.insertToken({ token: 't1', secret: 's', kind: 'temporary', consumerKey: 'key', callback: 'http://x/', createdAt: 1, expiresAt: 50 });
    assert.ok(await store.oauth.authorise('t1', id, 'v'));
    assert.ok(!(await store.oauth.authorise('t1', id, 'w')));
    const row = await store.oauth.token('t1');
    assert.equal(row.user_id, id);
    assert.equal(row.verifier, 'v');
    await store.oauth.insertToken({ token: 't2', secret: '', kind: 'access', consumerKey: 'key', userId: id, createdAt: 1, expiresAt: 5000 });
    assert.ok(await store.oauth.deleteToken('t2'));
    assert.ok(!(await store.oauth.deleteToken('t2')));
    await store.oauth.purge(50, 1001);
    assert.equal(await store.oauth.token('t1'), null);
    assert.ok(!(await store.oauth.useNonce('key', 'n1', 101, 1003)));
    assert.ok(await store.oauth.useNonce('key', 'n1', 100, 1003));
    await store.close();
  });
}


// The log-in limits, in this process or in the database: `make(options)`
// gives a limiter with no failures yet.
export function limiterCase(name, make) {
  test(`${name} refuses an account after its failures and frees it when they age out`, async () => {
    let now = 1000000;
    const limiter = await make({ perAccount: 3, perAddress: 5, windowSeconds: 60, clock: () => now });
    const ann = LoginLimiter.accountKey({ id: 1 }, 'ann');
    const bob = LoginLimiter.accountKey(null, 'Bob ');
    assert.equal(bob, LoginLimiter.accountKey(null, 'bob'));
    for (let i = 0; i < 3; i++) {
      assert.equal(await limiter.refusal(ann, 'a'), 0);
      await limiter.failed(ann, 'a');
      now += 1000;
    }
    // Refused from any address until the first failure is 60 s old.
    assert.equal(await limiter.refusal(ann, 'b'), 57);
    now += 56000;
    assert.equal(await limiter.refusal(ann, 'b'), 1);
    now += 1000;
    assert.equal(await limiter.refusal(ann, 'b'), 0);
    // A success clears the account but not the address.
    // Address a: 2 failures still in the window, 3 more now.
    await limiter.failed(ann, 'a');
    await limiter.failed(bob, 'a');
    await limiter.failed(bob, 'a');
    assert.ok((await limiter.refusal(bob, 'a')) > 0, 'address a has 5 failures in the window');
    assert.equal(await limiter.refusal(bob, 'c'), 0);
    await limiter.succeeded(ann);
    assert.equal(await limiter.refusal(ann, 'c'), 0);
  });
}

import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import Database from 'better-sqlite3';
import { Store } from '../src/store.mjs';
import { md5Upper } from './helpers.mjs';

function scratch() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-store-test-'));
  return { file: path.join(dir, 'services.db'), done: () => fs.rmSync(dir, { recursive: true, force: true }) };
}

test('the schema is created once; accounts, sessions and glossary outlive a restart', async () => {
  const { file, done } = scratch();
  try {
    let store = new Store(file);
    const version = store.db.pragma('user_version', { simple: true });
    assert.ok(version >= 1);
    const id = await store.createUser('mia@example.com', md5Upper('secret12'));
    const key = store.openSession(id);
    store.addWords(id, ['colour', 'Quillet']);
    store.close();

    store = new Store(file);
    assert.equal(store.db.pragma('user_version', { simple: true }), version);
    const user = store.findUser('mia@example.com');
    assert.ok(await store.verify(user, md5Upper('secret12')));
    assert.ok(!(await store.verify(user, md5Upper('secret13'))));
    assert.equal(store.sessionUser(key).id, id);
    assert.deepEqual(store.glossary(id), ['colour', 'Quillet']);
    store.close();
  } finally {
    done();
  }
});

test('a session ends after its lifetime without use, and every use extends it', async () => {
  const { file, done } = scratch();
  try {
    const store = new Store(file, { sessionTtl: 1 });
    const id = await store.createUser('ned@example.com', md5Upper('secret12'));
    const kept = store.openSession(id);
    const left = store.openSession(id);
    for (let i = 0; i < 3; i++) {
      await new Promise((r) => setTimeout(r, 400));
      assert.ok(store.sessionUser(kept));
    }
    assert.equal(store.sessionUser(left), null);
    await new Promise((r) => setTimeout(r, 1100));
    store.purgeExpired();
    assert.equal(store.db.prepare('SELECT COUNT(*) AS n FROM sessions').get().n, 0);
    store.close();
  } finally {
    done();
  }
});

test('a database from a newer version of the services is refused, not written to', () => {
  const { file, done } = scratch();
  try {
    new Store(file).close();
    const db = new Database(file);
    const version = db.pragma('user_version', { simple: true });
    db.pragma(`user_version = ${version + 5}`);
    db.close();
    assert.throws(() => new Store(file), /newer/);
    const after = new Database(file);
    assert.equal(after.pragma('user_version', { simple: true }), version + 5);
    after.close();
  } finally {
    done();
  }
});

test('a file that is not a database stops the start with an error', () => {
  const { file, done } = scratch();
  try {
    fs.writeFileSync(file, 'this is not a database, just some text that is long enough to be read');
    assert.throws(() => new Store(file));
    assert.match(fs.readFileSync(file, 'utf8'), /^this is not a database/);
  } finally {
    done();
  }
});

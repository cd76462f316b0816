import { test, describe, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import Database from 'better-sqlite3';
import pg from 'pg';
import { Store, openStore } from '../src/store.mjs';
import { PgStore } from '../src/pgstore.mjs';
import { PG_MIGRATIONS } from '../src/pgschema.mjs';
import { md5Upper } from './helpers.mjs';
import { storeCases, limiterCase } from './storecases.mjs';
import { PgLoginLimiter } from '../src/pglimiter.mjs';
import { startPostgres } from './pgcluster.mjs';

function scratch() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-store-test-'));
  return { file: path.join(dir, 'services.db'), done: () => fs.rmSync(dir, { recursive: true, force: true }) };
}

describe('SQLite store', () => {
  const folders = [];
  after(() => { for (const f of folders) f.done(); });
  storeCases({
    open: async ({ sessionTtl } = {}) => {
      const s = scratch();
      folders.push(s);
      const store = await openStore({ file: s.file, sessionTtl });
      store.file = s.file;
      return store;
    },
    reopen: async (store) => {
      await store.close();
      const again = new Store(store.file);
      again.file = store.file;
      return again;
    },
  });
});

const postgres = await startPostgres();

describe('PostgreSQL store', { skip: postgres ? false : 'no PostgreSQL server here' }, () => {
  const held = [];
  after(async () => {
    for (const s of held) await s.close();
    await postgres?.stop();
  });
  limiterCase('the database limiter', async (options) => {
    const store = await PgStore.open(await postgres.fresh());
    held.push(store);
    return new PgLoginLimiter(store.pool, options);
  });
  storeCases({
    open: async ({ sessionTtl } = {}) => {
      const url = await postgres.fresh();
      const store = await openStore({ database: url, sessionTtl });
      store.url = url;
      return store;
    },
    reopen: async (store) => {
      await store.close();
      const again = await PgStore.open(store.url);
      again.url = store.url;
      return again;
    },
  });

  test('processes starting together migrate once; a newer schema is refused, not written to', async () => {
    const url = await postgres.fresh();
    const stores = await Promise.all([1, 2, 3].map(() => PgStore.open(url)));
    const id = await stores[0].createUser('una@example.com', md5Upper('x'));
    // A session made through one process is valid through every other.
    const key = await stores[1].openSession(id);
    assert.equal((await stores[2].sessionUser(key)).id, id);
    for (const s of stores) await s.close();
    const c = new pg.Client({ connectionString: url });
    await c.connect();
    assert.deepEqual((await c.query('SELECT version FROM quillet_schema')).rows, [{ version: PG_MIGRATIONS.length }]);
    await c.query('UPDATE quillet_schema SET version = version + 5');
    await assert.rejects(PgStore.open(url), /newer/);
    assert.equal((await c.query('SELECT version FROM quillet_schema')).rows[0].version, PG_MIGRATIONS.length + 5);
    await c.end();
  });

  test('an unreachable server stops the start with an error', async () => {
    await assert.rejects(PgStore.open('postgres://nobody@127.0.0.1:1/none'), /cannot reach the database/);
  });
});

test('the SQLite schema is created once and kept over a restart', async () => {
  const { file, done } = scratch();
  try {
    let store = new Store(file);
    const version = store.db.pragma('user_version', { simple: true });
    assert.ok(version >= 1);
    await store.close();
    store = new Store(file);
    assert.equal(store.db.pragma('user_version', { simple: true }), version);
    await store.purgeExpired();
    assert.equal(store.db.prepare('SELECT COUNT(*) AS n FROM sessions').get().n, 0);
    await store.close();
  } finally {
    done();
  }
});

test('a database from a newer version of the services is refused, not written to', async () => {
  const { file, done } = scratch();
  try {
    await new Store(file).close();
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

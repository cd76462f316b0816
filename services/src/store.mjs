// The services' storage: one SQLite database in the data folder, with the
// schema created and migrated here (PRAGMA user_version counts migrations).
// Every method answers a promise, as the PostgreSQL store's do (pgstore.mjs),
// so the routes serve either one; openStore() picks it.
import Database from 'better-sqlite3';
import crypto from 'node:crypto';
import fs from 'node:fs';
import { NOTES_MIGRATION, NoteData } from './notedata.mjs';
import { OAuthTokens } from './oauthtokens.mjs';
import { hashDigest, sameDigest } from './passwords.mjs';

const MIGRATIONS = [
  `CREATE TABLE users (
     id INTEGER PRIMARY KEY,
     email TEXT UNIQUE COLLATE NOCASE,
     user_name TEXT NOT NULL,
     salt BLOB,
     digest BLOB,
     facebook_id TEXT UNIQUE,
     created_at INTEGER NOT NULL
   );
   CREATE TABLE sessions (
     session_key TEXT PRIMARY KEY,
     user_id INTEGER NOT NULL REFERENCES users(id) ON DELETE CASCADE,
     created_at INTEGER NOT NULL,
     expires_at INTEGER NOT NULL
   );
   CREATE INDEX sessions_user ON sessions(user_id);
   CREATE TABLE glossary (
     user_id INTEGER NOT NULL REFERENCES users(id) ON DELETE CASCADE,
     word TEXT NOT NULL,
     added_at INTEGER NOT NULL,
     PRIMARY KEY (user_id, word)
   );
   CREATE TABLE usage_events (
     user_id INTEGER,
     name TEXT NOT NULL,
     count INTEGER NOT NULL,
     version TEXT,
     received_at INTEGER NOT NULL
   );
   CREATE TABLE counts (
     user_id INTEGER NOT NULL,
     grp TEXT NOT NULL,
     name TEXT NOT NULL,
     count INTEGER NOT NULL,
     PRIMARY KEY (user_id, grp, name)
   );
   CREATE TABLE corrections (
     user_id INTEGER NOT NULL,
     sentence TEXT, word TEXT, word_idx INTEGER, word_length INTEGER,
     correction_list TEXT, choose INTEGER, type INTEGER,
     received_at INTEGER NOT NULL
   );`,
  NOTES_MIGRATION,
];

export const ANONYMOUS_KEY = '2727-2727';

// A PostgreSQL address ("postgres://..." or "postgresql://...") selects the
// PostgreSQL store; anything else means the SQLite file in the data folder.
export function isPostgresAddress(address) {
  return /^postgres(ql)?:\/\//i.test(String(address || ''));
}

export async function openStore({ database, file, sessionTtl }) {
  if (isPostgresAddress(database)) {
    const { PgStore } = await import('./pgstore.mjs');
    return PgStore.open(database, { sessionTtl });
  }
  return new Store(file, { sessionTtl });
}

export class Store {
  constructor(file, { sessionTtl = 7 * 24 * 3600 } = {}) {
    Store.ownerOnly(file);
    this.db = new Database(file);
    this.db.pragma('journal_mode = WAL');
    // A write is answered only once it is in the log on disk: FULL syncs the
    // log at every commit, so an answered write survives a killed process
    // and a power cut alike.
    this.db.pragma('synchronous = FULL');
    this.db.pragma('foreign_keys = ON');
    this.db.pragma('busy_timeout = 5000');
    this.sessionTtl = sessionTtl;
    this.migrate();
    this.prepare();
    this.notes = new NoteData(this.db);
    this.oauth = new OAuthTokens(this.db);
  }

  get kind() {
    return 'sqlite';
  }

  // The database holds password hashes and session keys: it is created
  // readable by its owner only (SQLite gives its -wal and -shm files the
  // database's mode), and an older, wider one is narrowed.
  static ownerOnly(file) {
    fs.closeSync(fs.openSync(file, fs.constants.O_RDWR | fs.constants.O_CREAT, 0o600));
    for (const f of [file, `${file}-wal`, `${file}-shm`]) {
      try {
        if ((fs.statSync(f).mode & 0o077) !== 0) fs.chmodSync(f, 0o600);
      } catch (err) {
        if (err.code !== 'ENOENT') throw err;
      }
    }
  }

  migrate() {
    const version = this.db.pragma('user_version', { simple: true });
    if (version > MIGRATIONS.length) {
      // Tables laid out by a later program: writing to them could damage its data.
      this.db.close();
      throw new Error(`the database was made by a newer version of the services (schema ${version}, this one knows ${MIGRATIONS.length})`);
    }
    for (let i = version; i < MIGRATIONS.length; i++) {
      this.db.transaction(() => {
        this.db.exec(MIGRATIONS[i]);
        this.db.pragma(`user_version = ${i + 1}`);
      })();
    }
  }

  prepare() {
    const d = this.db;
    this.q = {
      userByEmail: d.prepare('SELECT * FROM users WHERE email = ?'),
      userByName: d.prepare('SELECT * FROM users WHERE user_name = ? COLLATE NOCASE'),
      userById: d.prepare('SELECT * FROM users WHERE id = ?'),
      userByFacebook: d.prepare('SELECT * FROM users WHERE facebook_id = ?'),
      insertUser: d.prepare('INSERT INTO users (email, user_name, salt, digest, facebook_id, created_at) VALUES (?, ?, ?, ?, ?, ?)'),
      renameUser: d.prepare('UPDATE users SET user_name = ? WHERE id = ?'),
      insertSession: d.prepare('INSERT INTO sessions (session_key, user_id, created_at, expires_at) VALUES (?, ?, ?, ?)'),
      session: d.prepare('SELECT * FROM sessions WHERE session_key = ?'),
      touchSession: d.prepare('UPDATE sessions SET expires_at = ? WHERE session_key = ?'),
      deleteSession: d.prepare('DELETE FROM sessions WHERE session_key = ?'),
      purgeSessions: d.prepare('DELETE FROM sessions WHERE expires_at <= ?'),
      words: d.prepare('SELECT word FROM glossary WHERE user_id = ? ORDER BY added_at, rowid'),
      addWord: d.prepare('INSERT OR IGNORE INTO glossary (user_id, word, added_at) VALUES (?, ?, ?)'),
      addEvent: d.prepare('INSERT INTO usage_events (user_id, name, count, version, received_at) VALUES (?, ?, ?, ?, ?)'),
      addCount: d.prepare(`INSERT INTO counts (user_id, grp, name, count) VALUES (?, ?, ?, ?)
                           ON CONFLICT(user_id, grp, name) DO UPDATE SET count = count + excluded.count`),
      countsOf: d.prepare('SELECT grp, name, count FROM counts WHERE user_id = ? ORDER BY grp, name'),
      addCorrection: d.prepare(`INSERT INTO corrections (user_id, sentence, word, word_idx, word_length, correction_list, choose, type, received_at)
                                VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)`),
      correctionCount: d.prepare('SELECT COUNT(*) AS n FROM corrections WHERE user_id = ?'),
      eventTotal: d.prepare('SELECT COALESCE(SUM(count), 0) AS n FROM usage_events WHERE user_id IS ? AND name = ?'),
    };
  }

  async close() {
    this.db.close();
  }

  // The new user's id, or null when the address is taken (two registrations
  // of one address racing: the second one loses).
  async createUser(email, digest) {
    const salt = crypto.randomBytes(16);
    const hash = await hashDigest(digest, salt);
    try {
      const info = this.q.insertUser.run(email, email, salt, hash, null, Date.now());
      return Number(info.lastInsertRowid);
    } catch (err) {
      if (String(err.code || '').startsWith('SQLITE_CONSTRAINT')) return null;
      throw err;
    }
  }

  async userByEmail(email) {
    return this.q.userByEmail.get(email) || null;
  }

  // An address is taken when an account has it as its e-mail or its name.
  async emailTaken(email) {
    return Boolean(this.q.userByEmail.get(email) || this.q.userByName.get(email));
  }

  async findUser(name) {
    return this.q.userByEmail.get(name) || this.q.userByName.get(name) || null;
  }

  async verify(user, digest) {
    if (!user || !user.salt || !user.digest) return false;
    return sameDigest(await hashDigest(digest, user.salt), user.digest);
  }

  async facebookUser(id, name) {
    let user = this.q.userByFacebook.get(id);
    if (!user) {
      const info = this.q.insertUser.run(null, name || `facebook-${id}`, null, null, id, Date.now());
      user = this.q.userById.get(Number(info.lastInsertRowid));
    } else if (name && name !== user.user_name) {
      this.q.renameUser.run(name, user.id);
      user = this.q.userById.get(user.id);
    }
    return user;
  }

  async openSession(userId) {
    const key = newSessionKey();
    const now = Date.now();
    this.q.insertSession.run(key, userId, now, now + this.sessionTtl * 1000);
    return key;
  }

  // The user of a live session, or null. Every use keeps the session alive
  // for another full lifetime; an expired one is removed.
  async sessionUser(key) {
    if (!validSessionKey(key)) return null;
    const row = this.q.session.get(key);
    if (!row) return null;
    const now = Date.now();
    if (row.expires_at <= now) {
      this.q.deleteSession.run(key);
      return null;
    }
    this.q.touchSession.run(now + this.sessionTtl * 1000, key);
    return this.q.userById.get(row.user_id) || null;
  }

  async closeSession(key) {
    return this.q.deleteSession.run(key).changes > 0;
  }

  async purgeExpired() {
    this.q.purgeSessions.run(Date.now());
  }

  async glossary(userId) {
    return this.q.words.all(userId).map((r) => r.word);
  }

  async addWords(userId, words) {
    const now = Date.now();
    this.db.transaction(() => { for (const w of words) this.q.addWord.run(userId, w, now); })();
  }

  async addEvents(userId, table, version) {
    const now = Date.now();
    this.db.transaction(() => { for (const [name, n] of table) this.q.addEvent.run(userId, name, n, version, now); })();
  }

  async addCounts(userId, group, table) {
    this.db.transaction(() => { for (const [name, n] of table) this.q.addCount.run(userId, group, name, n); })();
  }

  async counts(userId) {
    return this.q.countsOf.all(userId);
  }

  async addCorrections(userId, records) {
    const now = Date.now();
    this.db.transaction(() => {
      for (const r of records) {
        this.q.addCorrection.run(userId, r.sentence, r.word, r.wordIdx, r.wordLength, r.correctionList, r.choose, r.type, now);
      }
    })();
  }

  async correctionCount(userId) {
    return this.q.correctionCount.get(userId).n;
  }

  async eventTotal(userId, name) {
    return this.q.eventTotal.get(userId, name).n;
  }
}

// Session keys are 128 random bits in upper-case hex.
export function newSessionKey() {
  return crypto.randomBytes(16).toString('hex').toUpperCase();
}

export function validSessionKey(key) {
  return Boolean(key) && typeof key === 'string' && key.length <= 200;
}

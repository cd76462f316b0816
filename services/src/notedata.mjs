// Notes kept per user in the services' SQLite database (tables made by the
// store's migrations; pgnotes.mjs holds the PostgreSQL twin): every query is
// bound to one user id, so one user's token can never reach another user's
// notes.
import crypto from 'node:crypto';

export const MAX_NOTES_PER_USER = 100000;
export const MAX_NOTE_BYTES = 25 * 1024 * 1024;

export class NoteData {
  constructor(db) {
    this.db = db;
    this.q = {
      insert: db.prepare(`INSERT INTO notes (guid, user_id, title, content, content_hash, content_length, created, updated, usn)
                          VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)`),
      nextUsn: db.prepare('SELECT COALESCE(MAX(usn), 0) + 1 AS usn FROM notes WHERE user_id = ?'),
      count: db.prepare('SELECT COUNT(*) AS n FROM notes WHERE user_id = ?'),
      one: db.prepare('SELECT * FROM notes WHERE user_id = ? AND guid = ?'),
      newest: db.prepare(`SELECT guid, title, content_hash, content_length, created, updated, usn FROM notes
                          WHERE user_id = ? ORDER BY created DESC, usn DESC LIMIT ? OFFSET ?`),
      oldest: db.prepare(`SELECT guid, title, content_hash, content_length, created, updated, usn FROM notes
                          WHERE user_id = ? ORDER BY created ASC, usn ASC LIMIT ? OFFSET ?`),
      all: db.prepare('SELECT guid, title, content, content_hash, content_length, created, updated, usn FROM notes WHERE user_id = ? ORDER BY created DESC, usn DESC'),
    };
  }

  async count(userId) {
    return this.q.count.get(userId).n;
  }

  async create(userId, title, content, now = Date.now()) {
    const guid = crypto.randomUUID();
    const bytes = Buffer.from(content, 'utf8');
    const hash = crypto.createHash('md5').update(bytes).digest();
    let row;
    this.db.transaction(() => {
      const usn = this.q.nextUsn.get(userId).usn;
      this.q.insert.run(guid, userId, title, content, hash, bytes.length, now, now, usn);
      row = this.q.one.get(userId, guid);
    })();
    return row;
  }

  async get(userId, guid) {
    return this.q.one.get(userId, guid) || null;
  }

  // The user's notes by creation time, newest first unless ascending.
  async list(userId, { offset, maxNotes, ascending }) {
    return (ascending ? this.q.oldest : this.q.newest).all(userId, maxNotes, offset);
  }

  // Every note of the user, with content, newest first (for word searches).
  async all(userId) {
    return this.q.all.all(userId);
  }
}

export const NOTES_MIGRATION = `
  CREATE TABLE oauth_tokens (
    token TEXT PRIMARY KEY,
    secret TEXT NOT NULL,
    kind TEXT NOT NULL CHECK (kind IN ('temporary', 'access')),
    consumer_key TEXT NOT NULL,
    callback TEXT,
    verifier TEXT,
    user_id INTEGER REFERENCES users(id) ON DELETE CASCADE,
    created_at INTEGER NOT NULL,
    expires_at INTEGER NOT NULL
  );
  CREATE INDEX oauth_tokens_expiry ON oauth_tokens(expires_at);
  CREATE TABLE oauth_nonces (
    consumer_key TEXT NOT NULL,
    nonce TEXT NOT NULL,
    timestamp INTEGER NOT NULL,
    seen_at INTEGER NOT NULL,
    PRIMARY KEY (consumer_key, timestamp, nonce)
  );
  CREATE INDEX oauth_nonces_seen ON oauth_nonces(seen_at);
  CREATE TABLE notes (
    guid TEXT PRIMARY KEY,
    user_id INTEGER NOT NULL REFERENCES users(id) ON DELETE CASCADE,
    title TEXT NOT NULL,
    content TEXT NOT NULL,
    content_hash BLOB NOT NULL,
    content_length INTEGER NOT NULL,
    created INTEGER NOT NULL,
    updated INTEGER NOT NULL,
    usn INTEGER NOT NULL
  );
  CREATE INDEX notes_user_created ON notes(user_id, created);`;

// The services' tables in PostgreSQL: the same tables, columns and meanings
// as the SQLite schema of store.mjs and notedata.mjs, in PostgreSQL's types
// (times are milliseconds in BIGINT, bytes in BYTEA). Addresses and names
// compare without regard to letter case through lower(); the glossary keeps
// the order words came in through its own sequence, as SQLite's rowid does.
// The table quillet_schema holds how many migrations ran.
export const PG_MIGRATIONS = [
  `CREATE TABLE users (
     id BIGSERIAL PRIMARY KEY,
     email TEXT,
     user_name TEXT NOT NULL,
     salt BYTEA,
     digest BYTEA,
     facebook_id TEXT UNIQUE,
     created_at BIGINT NOT NULL
   );
   CREATE UNIQUE INDEX users_email ON users (lower(email));
   CREATE INDEX users_name ON users (lower(user_name));
   CREATE TABLE sessions (
     session_key TEXT PRIMARY KEY,
     user_id BIGINT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
     created_at BIGINT NOT NULL,
     expires_at BIGINT NOT NULL
   );
   CREATE INDEX sessions_user ON sessions(user_id);
   CREATE INDEX sessions_expiry ON sessions(expires_at);
   CREATE TABLE glossary (
     user_id BIGINT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
     word TEXT NOT NULL,
     added_at BIGINT NOT NULL,
     seq BIGSERIAL,
     PRIMARY KEY (user_id, word)
   );
   CREATE TABLE usage_events (
     user_id BIGINT,
     name TEXT NOT NULL,
     count BIGINT NOT NULL,
     version TEXT,
     received_at BIGINT NOT NULL
   );
   CREATE INDEX usage_events_user_name ON usage_events(user_id, name);
   CREATE TABLE counts (
     user_id BIGINT NOT NULL,
     grp TEXT NOT NULL,
     name TEXT NOT NULL,
     count BIGINT NOT NULL,
     PRIMARY KEY (user_id, grp, name)
   );
   CREATE TABLE corrections (
     user_id BIGINT NOT NULL,
     sentence TEXT, word TEXT, word_idx BIGINT, word_length BIGINT,
     correction_list TEXT, choose BIGINT, type BIGINT,
     received_at BIGINT NOT NULL
   );
   CREATE INDEX corrections_user ON corrections(user_id);`,
  `CREATE TABLE oauth_tokens (
     token TEXT PRIMARY KEY,
     secret TEXT NOT NULL,
     kind TEXT NOT NULL CHECK (kind IN ('temporary', 'access')),
     consumer_key TEXT NOT NULL,
     callback TEXT,
     verifier TEXT,
     user_id BIGINT REFERENCES users(id) ON DELETE CASCADE,
     created_at BIGINT NOT NULL,
     expires_at BIGINT NOT NULL
   );
   CREATE INDEX oauth_tokens_expiry ON oauth_tokens(expires_at);
   CREATE TABLE oauth_nonces (
     consumer_key TEXT NOT NULL,
     nonce TEXT NOT NULL,
     timestamp BIGINT NOT NULL,
     seen_at BIGINT NOT NULL,
     PRIMARY KEY (consumer_key, timestamp, nonce)
   );
   CREATE INDEX oauth_nonces_seen ON oauth_nonces(seen_at);
   CREATE TABLE notes (
     guid TEXT PRIMARY KEY,
     user_id BIGINT NOT NULL REFERENCES users(id) ON DELETE CASCADE,
     title TEXT NOT NULL,
     content TEXT NOT NULL,
     content_hash BYTEA NOT NULL,
     content_length INTEGER NOT NULL,
     created BIGINT NOT NULL,
     updated BIGINT NOT NULL,
     usn INTEGER NOT NULL
   );
   CREATE INDEX notes_user_created ON notes(user_id, created);`,
  // Failed log-ins, counted by every process alike (pglimiter.mjs).
  `CREATE TABLE login_failures (
     kind TEXT NOT NULL CHECK (kind IN ('account', 'address')),
     key TEXT NOT NULL,
     at BIGINT NOT NULL
   );
   CREATE INDEX login_failures_key ON login_failures(kind, key, at);`,
];

// PostgreSQL text cannot hold the character U+0000, which SQLite stores:
// it is left out.
export function pgText(value) {
  return typeof value === 'string' && value.includes('\u0000') ? value.replace(/\u0000/g, '') : value;
}

// Any number we pick, the same in every process: the start-up migration
// runs under this lock, so processes starting together migrate once.
export const MIGRATION_LOCK = 0x51756c6c;

// Runs the missing migrations in one transaction; refuses a schema newer
// than this program knows.
export async function migratePg(client) {
  await client.query('BEGIN');
  try {
    await client.query('SELECT pg_advisory_xact_lock($1)', [MIGRATION_LOCK]);
    await client.query('CREATE TABLE IF NOT EXISTS quillet_schema (version INTEGER NOT NULL)');
    const { rows } = await client.query('SELECT version FROM quillet_schema');
    let version = rows.length ? rows[0].version : 0;
    if (!rows.length) await client.query('INSERT INTO quillet_schema (version) VALUES (0)');
    if (version > PG_MIGRATIONS.length) {
      throw new Error(`the database was made by a newer version of the services (schema ${version}, this one knows ${PG_MIGRATIONS.length})`);
    }
    for (; version < PG_MIGRATIONS.length; version++) {
      await client.query(PG_MIGRATIONS[version]);
      await client.query('UPDATE quillet_schema SET version = $1', [version + 1]);
    }
    await client.query('COMMIT');
  } catch (err) {
    await client.query('ROLLBACK').catch(() => {});
    throw err;
  }
}

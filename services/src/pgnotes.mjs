// The note service's notes, OAuth tokens and used nonces in PostgreSQL: the
// same methods and answers as NoteData (notedata.mjs) and OAuthTokens
// (oauthtokens.mjs) on SQLite.
import crypto from 'node:crypto';
import { pgText } from './pgschema.mjs';

const LISTED = 'guid, title, content_hash, content_length, created, updated, usn';

export class PgNoteData {
  constructor(pool) {
    this.pool = pool;
  }

  async count(userId) {
    return (await this.pool.query('SELECT COUNT(*) AS n FROM notes WHERE user_id = $1', [userId])).rows[0].n;
  }

  // Numbers a user's notes in the order they were made: the user's row is
  // locked while the next number is taken, so two processes saving notes of
  // one user at once cannot give both the same number.
  async create(userId, title, content, now = Date.now()) {
    const guid = crypto.randomUUID();
    const text = pgText(content);
    const bytes = Buffer.from(text, 'utf8');
    const hash = crypto.createHash('md5').update(bytes).digest();
    const client = await this.pool.connect();
    try {
      await client.query('BEGIN');
      await client.query('SELECT id FROM users WHERE id = $1 FOR UPDATE', [userId]);
      const { rows } = await client.query(`INSERT INTO notes (guid, user_id, title, content, content_hash, content_length, created, updated, usn)
        SELECT $1, $2, $3, $4, $5, $6, $7, $7, COALESCE(MAX(usn), 0) + 1 FROM notes WHERE user_id = $2
        RETURNING *`, [guid, userId, pgText(title), text, hash, bytes.length, now]);
      await client.query('COMMIT');
      return rows[0];
    } catch (err) {
      await client.query('ROLLBACK').catch(() => {});
      throw err;
    } finally {
      client.release();
    }
  }

  async get(userId, guid) {
    return (await this.pool.query('SELECT * FROM notes WHERE user_id = $1 AND guid = $2', [userId, pgText(guid)])).rows[0] || null;
  }

  async list(userId, { offset, maxNotes, ascending }) {
    const order = ascending ? 'created ASC, usn ASC' : 'created DESC, usn DESC';
    return (await this.pool.query(`SELECT ${LISTED} FROM notes WHERE user_id = $1 ORDER BY ${order} LIMIT $2 OFFSET $3`,
      [userId, maxNotes, offset])).rows;
  }

  async all(userId) {
    return (await this.pool.query(`SELECT ${LISTED}, content FROM notes WHERE user_id = $1 ORDER BY created DESC, usn DESC`, [userId])).rows;
  }
}

export class PgOAuthTokens {
  constructor(pool) {
    this.pool = pool;
  }

  async useNonce(consumerKey, nonce, timestamp, now) {
    const r = await this.pool.query(`INSERT INTO oauth_nonces (consumer_key, nonce, timestamp, seen_at) VALUES ($1, $2, $3, $4)
                                     ON CONFLICT DO NOTHING`, [pgText(consumerKey), pgText(nonce), timestamp, now]);
    return r.rowCount > 0;
  }

  async insertToken({ token, secret, kind, consumerKey, callback = null, verifier = null, userId = null, createdAt, expiresAt }) {
    await this.pool.query(`INSERT INTO oauth_tokens (token, secret, kind, consumer_key, callback, verifier, user_id, created_at, expires_at)
                           VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9)`,
    [token, secret, kind, pgText(consumerKey), pgText(callback), verifier, userId, createdAt, expiresAt]);
  }

  async token(token) {
    return (await this.pool.query('SELECT * FROM oauth_tokens WHERE token = $1', [pgText(token)])).rows[0] || null;
  }

  async authorise(token, userId, verifier) {
    const r = await this.pool.query(`UPDATE oauth_tokens SET user_id = $1, verifier = $2
                                     WHERE token = $3 AND kind = 'temporary' AND user_id IS NULL`, [userId, verifier, token]);
    return r.rowCount > 0;
  }

  async deleteToken(token) {
    return (await this.pool.query('DELETE FROM oauth_tokens WHERE token = $1', [pgText(token)])).rowCount > 0;
  }

  async purge(now, noncesBefore) {
    await this.pool.query('DELETE FROM oauth_tokens WHERE expires_at <= $1', [now]);
    await this.pool.query('DELETE FROM oauth_nonces WHERE seen_at < $1', [noncesBefore]);
  }
}

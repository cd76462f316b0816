// The note service's OAuth tokens and used nonces in the services' SQLite
// database (pgnotes.mjs holds the PostgreSQL twin).
export class OAuthTokens {
  constructor(db) {
    this.q = {
      nonce: db.prepare('INSERT OR IGNORE INTO oauth_nonces (consumer_key, nonce, timestamp, seen_at) VALUES (?, ?, ?, ?)'),
      purgeNonces: db.prepare('DELETE FROM oauth_nonces WHERE seen_at < ?'),
      insertToken: db.prepare(`INSERT INTO oauth_tokens (token, secret, kind, consumer_key, callback, verifier, user_id, created_at, expires_at)
                               VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)`),
      token: db.prepare('SELECT * FROM oauth_tokens WHERE token = ?'),
      authorise: db.prepare("UPDATE oauth_tokens SET user_id = ?, verifier = ? WHERE token = ? AND kind = 'temporary' AND user_id IS NULL"),
      deleteToken: db.prepare('DELETE FROM oauth_tokens WHERE token = ?'),
      purgeTokens: db.prepare('DELETE FROM oauth_tokens WHERE expires_at <= ?'),
    };
  }

  // True when the nonce was new (and is now used up).
  async useNonce(consumerKey, nonce, timestamp, now) {
    return this.q.nonce.run(consumerKey, nonce, timestamp, now).changes > 0;
  }

  async insertToken({ token, secret, kind, consumerKey, callback = null, verifier = null, userId = null, createdAt, expiresAt }) {
    this.q.insertToken.run(token, secret, kind, consumerKey, callback, verifier, userId, createdAt, expiresAt);
  }

  async token(token) {
    return this.q.token.get(token) || null;
  }

  // True when the temporary token was still unauthorised and now is.
  async authorise(token, userId, verifier) {
    return this.q.authorise.run(userId, verifier, token).changes > 0;
  }

  // True when the token was there.
  async deleteToken(token) {
    return this.q.deleteToken.run(token).changes > 0;
  }

  async purge(now, noncesBefore) {
    this.q.purgeTokens.run(now);
    this.q.purgeNonces.run(noncesBefore);
  }
}

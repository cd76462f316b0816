// OAuth 1.0 provider of the note service (RFC 5849, HMAC-SHA1 only):
// temporary credentials, the user's authorisation and the access token.
// Every signed request is checked against the consumer's secret (and the
// token secret in the second step); a nonce is accepted once per consumer and
// timestamp, and timestamps must lie within the allowed clock skew.
import crypto from 'node:crypto';

export const TIMESTAMP_WINDOW = 300; // seconds either way
export const TEMPORARY_TTL = 900; // seconds to authorise a temporary token

export class OAuthError extends Error {
  constructor(status, problem) {
    super(problem);
    this.status = status;
    this.problem = problem;
  }
}

// RFC 3986 percent-encoding of the UTF-8 bytes: all but ALPHA DIGIT - . _ ~.
export function percentEncode(value) {
  return encodeURIComponent(String(value)).replace(/[!'()*]/g, (c) => `%${c.charCodeAt(0).toString(16).toUpperCase()}`);
}

function percentDecode(value) {
  try {
    return decodeURIComponent(value);
  } catch {
    throw new OAuthError(400, 'parameter_rejected');
  }
}

// The parameters of an "Authorization: OAuth ..." header, in order; realm dropped.
export function parseAuthorization(header) {
  if (typeof header !== 'string') return null;
  const m = /^\s*OAuth\s+(.*)$/is.exec(header);
  if (!m) return null;
  const params = [];
  const re = /\s*([A-Za-z0-9_.~%-]+)\s*=\s*"([^"]*)"\s*(?:,|$)/gy;
  let rest = m[1];
  let match;
  while ((match = re.exec(rest)) !== null) {
    const name = percentDecode(match[1]);
    if (name !== 'realm') params.push([name, percentDecode(match[2])]);
    if (re.lastIndex >= rest.length) break;
  }
  if (re.lastIndex < rest.trim().length && params.length === 0) throw new OAuthError(400, 'parameter_rejected');
  return params;
}

// The base string URI: scheme and host in lower case, default ports dropped,
// no query or fragment.
export function baseUri(scheme, host, pathName) {
  let h = String(host || '').toLowerCase();
  const s = scheme.toLowerCase();
  if ((s === 'http' && h.endsWith(':80')) || (s === 'https' && h.endsWith(':443'))) h = h.replace(/:\d+$/, '');
  return `${s}://${h}${pathName}`;
}

// Signature base string: method, base URI and the normalised parameters
// (every parameter but oauth_signature, encoded, sorted by name then value).
export function signatureBase(method, uri, params) {
  const normal = params
    .filter(([name]) => name !== 'oauth_signature')
    .map(([n, v]) => [percentEncode(n), percentEncode(v)])
    .sort((a, b) => (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : a[1] < b[1] ? -1 : a[1] > b[1] ? 1 : 0))
    .map(([n, v]) => `${n}=${v}`)
    .join('&');
  return `${method.toUpperCase()}&${percentEncode(uri)}&${percentEncode(normal)}`;
}

export function hmacSignature(base, consumerSecret, tokenSecret = '') {
  const key = `${percentEncode(consumerSecret)}&${percentEncode(tokenSecret)}`;
  return crypto.createHmac('sha1', key).update(base, 'utf8').digest('base64');
}

function randomToken(bytes = 16) {
  return crypto.randomBytes(bytes).toString('hex');
}

function sameText(a, b) {
  const x = Buffer.from(String(a));
  const y = Buffer.from(String(b));
  return x.length === y.length && crypto.timingSafeEqual(x, y);
}

export class OAuthProvider {
  // tokens: the store's OAuth tokens and nonces (store.oauth).
  // consumers: Map key -> secret. clock: () => milliseconds.
  constructor(tokens, { consumers, accessTtl, clock = Date.now }) {
    this.tokens = tokens;
    this.consumers = consumers;
    this.accessTtl = accessTtl;
    this.clock = clock;
  }

  now() {
    return this.clock();
  }

  // Checks a signed request and returns its oauth_ parameters as a Map.
  // `params` are all request parameters (header, query and form body).
  async verify(method, uri, params, tokenSecret) {
    const p = new Map();
    for (const [n, v] of params) {
      if (n.startsWith('oauth_')) {
        if (p.has(n)) throw new OAuthError(400, 'parameter_rejected');
        p.set(n, v);
      }
    }
    for (const name of ['oauth_consumer_key', 'oauth_signature_method', 'oauth_signature', 'oauth_timestamp', 'oauth_nonce']) {
      if (!p.get(name)) throw new OAuthError(400, 'parameter_absent');
    }
    if (p.has('oauth_version') && p.get('oauth_version') !== '1.0') throw new OAuthError(400, 'version_rejected');
    if (p.get('oauth_signature_method') !== 'HMAC-SHA1') throw new OAuthError(400, 'signature_method_rejected');
    const consumerKey = p.get('oauth_consumer_key');
    if (!this.consumers.has(consumerKey)) throw new OAuthError(401, 'consumer_key_unknown');
    const timestamp = p.get('oauth_timestamp');
    if (!/^\d{1,12}$/.test(timestamp)) throw new OAuthError(400, 'timestamp_refused');
    const nowSeconds = Math.floor(this.now() / 1000);
    if (Math.abs(nowSeconds - Number(timestamp)) > TIMESTAMP_WINDOW) throw new OAuthError(401, 'timestamp_refused');
    const nonce = p.get('oauth_nonce');
    if (nonce.length > 64) throw new OAuthError(400, 'nonce_used');

    const expected = hmacSignature(signatureBase(method, uri, params), this.consumers.get(consumerKey), tokenSecret || '');
    if (!sameText(expected, p.get('oauth_signature'))) throw new OAuthError(401, 'signature_invalid');
    // Only a correctly signed request uses up its nonce, so a forged request
    // cannot burn the nonce of a genuine one.
    const fresh = await this.tokens.useNonce(consumerKey, nonce, Number(timestamp), this.now());
    if (!fresh) throw new OAuthError(401, 'nonce_used');
    return p;
  }

  // First step: a signed request with oauth_callback; answers the temporary
  // token and its secret.
  async requestToken(method, uri, params) {
    const p = await this.verify(method, uri, params, '');
    if (p.has('oauth_token')) throw new OAuthError(400, 'parameter_rejected');
    const callback = p.get('oauth_callback');
    if (!callback) throw new OAuthError(400, 'parameter_absent');
    let url;
    try {
      url = new URL(callback);
    } catch {
      throw new OAuthError(400, 'parameter_rejected');
    }
    if (url.protocol !== 'http:' && url.protocol !== 'https:') throw new OAuthError(400, 'parameter_rejected');
    const token = randomToken();
    const secret = randomToken();
    const now = this.now();
    await this.tokens.insertToken({ token, secret, kind: 'temporary', consumerKey: p.get('oauth_consumer_key'), callback, createdAt: now, expiresAt: now + TEMPORARY_TTL * 1000 });
    return { oauth_token: token, oauth_token_secret: secret, oauth_callback_confirmed: 'true' };
  }

  // A temporary token that can still be authorised, or null.
  async pending(token) {
    if (typeof token !== 'string' || token.length > 100) return null;
    const row = await this.tokens.token(token);
    if (!row || row.kind !== 'temporary') return null;
    if (row.expires_at <= this.now()) {
      await this.tokens.deleteToken(token);
      return null;
    }
    return row;
  }

  // The user allowed access: returns the callback address with the token and
  // the verifier, or null when the token is unknown, expired or used.
  async allow(token, userId) {
    const row = await this.pending(token);
    if (!row || row.user_id !== null) return null;
    const verifier = randomToken(8);
    if (!(await this.tokens.authorise(token, userId, verifier))) return null;
    return withQuery(row.callback, [['oauth_token', token], ['oauth_verifier', verifier], ['sandbox', 'false']]);
  }

  // The user declined: the token is dropped and the callback gets no verifier.
  async decline(token) {
    const row = await this.pending(token);
    if (!row) return null;
    await this.tokens.deleteToken(token);
    return withQuery(row.callback, [['oauth_token', token]]);
  }

  // Second step: a request signed with the temporary token's secret and
  // carrying the verifier; the temporary token is used up either way once
  // the signature checks out.
  async accessToken(method, uri, params) {
    const header = new Map(params.filter(([n]) => n.startsWith('oauth_')));
    const token = header.get('oauth_token');
    if (!token) throw new OAuthError(400, 'parameter_absent');
    const row = await this.tokens.token(token);
    if (!row || row.kind !== 'temporary') throw new OAuthError(401, 'token_rejected');
    const p = await this.verify(method, uri, params, row.secret);
    if (p.get('oauth_consumer_key') !== row.consumer_key) throw new OAuthError(401, 'token_rejected');
    if (row.expires_at <= this.now()) {
      await this.tokens.deleteToken(token);
      throw new OAuthError(401, 'token_expired');
    }
    if (row.user_id === null || !row.verifier) throw new OAuthError(401, 'permission_unknown');
    if (!sameText(row.verifier, p.get('oauth_verifier') || '')) {
      await this.tokens.deleteToken(token);
      throw new OAuthError(401, 'verifier_invalid');
    }
    // Used up once: of two requests racing with one token (on two processes,
    // say), only the one that removed it gets an access token.
    if (!(await this.tokens.deleteToken(token))) throw new OAuthError(401, 'token_rejected');
    const access = `S=s1:U=${row.user_id.toString(16)}:E=${randomToken(16)}`;
    const now = this.now();
    const expires = now + this.accessTtl * 1000;
    await this.tokens.insertToken({ token: access, secret: '', kind: 'access', consumerKey: row.consumer_key, userId: row.user_id, createdAt: now, expiresAt: expires });
    return {
      oauth_token: access,
      oauth_token_secret: '',
      edam_shard: 's1',
      edam_userId: String(row.user_id),
      edam_expires: String(expires),
    };
  }

  // The user of an access token: { userId } or { expired: true } or null.
  async accessUser(token) {
    if (typeof token !== 'string' || !token || token.length > 200) return null;
    const row = await this.tokens.token(token);
    if (!row || row.kind !== 'access') return null;
    if (row.expires_at <= this.now()) return { expired: true };
    return { userId: row.user_id };
  }

  async purge() {
    const now = this.now();
    // Nonces older than the timestamp window can never be replayed.
    await this.tokens.purge(now, now - 2 * TIMESTAMP_WINDOW * 1000);
  }
}

function withQuery(address, pairs) {
  const url = new URL(address);
  for (const [n, v] of pairs) url.searchParams.append(n, v);
  return url.toString();
}

export function formAnswer(fields) {
  return Object.entries(fields).map(([n, v]) => `${percentEncode(n)}=${percentEncode(v)}`).join('&');
}

// Failed log-in attempts counted per account and per client address over a
// sliding window. While either has used up its allowance, further attempts
// are refused without testing the password, so guessing costs the guesser
// time instead of the service (every test is an scrypt hash).
//
// A successful log-in clears the account's count; the address keeps its
// failures until they age out, so one address cannot try many accounts.
// Both tables are bounded: the oldest entries go first when they are full.
// They live in this process: with PostgreSQL the services count in the
// database instead (pglimiter.mjs), so every process sees every failure.
//
// Behind a reverse proxy every request comes from the proxy's address; the
// proxies named in trustedProxies pass the client's own address as the last
// entry of X-Forwarded-For, and that address is counted.

import net from 'node:net';

export const LOGIN_LIMIT_DEFAULTS = { perAccount: 5, perAddress: 30, windowSeconds: 900, maxEntries: 20000 };

class FailureTable {
  constructor(limit, windowMs, maxEntries) {
    this.limit = limit;
    this.windowMs = windowMs;
    this.maxEntries = maxEntries;
    this.entries = new Map(); // key -> ascending failure times
  }

  recent(key, now) {
    const times = this.entries.get(key);
    if (!times) return [];
    const from = now - this.windowMs;
    let drop = 0;
    while (drop < times.length && times[drop] <= from) drop++;
    if (drop === times.length) {
      this.entries.delete(key);
      return [];
    }
    if (drop > 0) times.splice(0, drop);
    return times;
  }

  // Milliseconds until the key may try again; 0 when it may now.
  wait(key, now) {
    const times = this.recent(key, now);
    if (times.length < this.limit) return 0;
    return times[times.length - this.limit] + this.windowMs - now;
  }

  add(key, now) {
    const times = this.recent(key, now);
    if (times.length === 0) {
      if (this.entries.size >= this.maxEntries) this.entries.delete(this.entries.keys().next().value);
      this.entries.set(key, [now]);
      return;
    }
    times.push(now);
    // Only the last `limit` failures decide anything.
    if (times.length > this.limit) times.splice(0, times.length - this.limit);
  }

  clear(key) {
    this.entries.delete(key);
  }
}

export class LoginLimiter {
  constructor({ perAccount, perAddress, windowSeconds, maxEntries, clock = Date.now, trustedProxies } = {}) {
    const o = { ...LOGIN_LIMIT_DEFAULTS };
    if (perAccount !== undefined) o.perAccount = perAccount;
    if (perAddress !== undefined) o.perAddress = perAddress;
    if (windowSeconds !== undefined) o.windowSeconds = windowSeconds;
    if (maxEntries !== undefined) o.maxEntries = maxEntries;
    this.clock = clock;
    this.trustedProxies = trustedProxies || new Set();
    this.accounts = new FailureTable(o.perAccount, o.windowSeconds * 1000, o.maxEntries);
    this.addresses = new FailureTable(o.perAddress, o.windowSeconds * 1000, o.maxEntries);
  }

  // The account an attempt is counted against: the user it found, else the
  // name as typed (so unknown names are limited too).
  static accountKey(user, name) {
    return user ? `user:${user.id}` : `name:${String(name || '').trim().toLowerCase()}`;
  }

  // Seconds to wait before this account may be tried from this address
  // again, or 0 when the attempt may go ahead.
  refusal(account, address) {
    const now = this.clock();
    const wait = Math.max(this.accounts.wait(account, now), this.addresses.wait(String(address), now));
    return wait > 0 ? Math.ceil(wait / 1000) : 0;
  }

  failed(account, address) {
    const now = this.clock();
    this.accounts.add(account, now);
    this.addresses.add(String(address), now);
  }

  succeeded(account) {
    this.accounts.clear(account);
  }
}

// The answer's text for a refused attempt, in whole minutes (at least one).
export function retryText(seconds) {
  const minutes = Math.max(1, Math.ceil(seconds / 60));
  return `Too many failed log-in attempts; try again in ${minutes} minute${minutes === 1 ? '' : 's'}.`;
}

const plainAddress = (a) => (a.startsWith('::ffff:') ? a.slice(7) : a);

// The address a request came from (IPv4-mapped IPv6 written as IPv4); from a
// trusted proxy, the address that proxy put last into X-Forwarded-For.
// Earlier entries came from the client and prove nothing; a header that does
// not end in an address is ignored.
export function clientAddress(req, trustedProxies = new Set()) {
  const peer = plainAddress((req.socket && req.socket.remoteAddress) || '');
  if (!trustedProxies.has(peer)) return peer;
  let header = req.headers && req.headers['x-forwarded-for'];
  if (Array.isArray(header)) header = header.join(',');
  const last = String(header || '').split(',').map((s) => s.trim()).filter(Boolean).pop() || '';
  return net.isIP(last) ? plainAddress(last.toLowerCase()) : peer;
}

// One log-in attempt with a password digest against a user found by name (or
// null). Answers { refused: seconds } when the limits stop it before the
// password is tested, else { ok }. The limiter is this process's
// LoginLimiter or the database's PgLoginLimiter.
export async function tryLogIn(limiter, store, req, name, user, digest) {
  const account = LoginLimiter.accountKey(user, name);
  const address = clientAddress(req, limiter.trustedProxies);
  const wait = await limiter.refusal(account, address);
  if (wait > 0) return { refused: wait };
  const ok = user ? await store.verify(user, digest) : false;
  if (ok) await limiter.succeeded(account);
  else await limiter.failed(account, address);
  return { ok };
}

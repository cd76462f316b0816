// Failed log-ins counted in PostgreSQL, so that every service process behind
// a proxy counts the same failures: the rules of LoginLimiter
// (loginlimit.mjs), with the failures as rows instead of in memory.
import { LOGIN_LIMIT_DEFAULTS } from './loginlimit.mjs';
import { pgText } from './pgschema.mjs';

export class PgLoginLimiter {
  constructor(pool, { perAccount, perAddress, windowSeconds, clock = Date.now, trustedProxies } = {}) {
    this.pool = pool;
    this.perAccount = perAccount ?? LOGIN_LIMIT_DEFAULTS.perAccount;
    this.perAddress = perAddress ?? LOGIN_LIMIT_DEFAULTS.perAddress;
    this.windowMs = (windowSeconds ?? LOGIN_LIMIT_DEFAULTS.windowSeconds) * 1000;
    this.clock = clock;
    this.trustedProxies = trustedProxies || new Set();
  }

  // Milliseconds until the key may try again: once `limit` failures lie in
  // the window, until the oldest of the last `limit` leaves it.
  async wait(kind, key, limit, now) {
    const { rows } = await this.pool.query(`SELECT at FROM login_failures WHERE kind = $1 AND key = $2 AND at > $3
                                            ORDER BY at DESC LIMIT $4`, [kind, pgText(key), now - this.windowMs, limit]);
    return rows.length < limit ? 0 : rows[limit - 1].at + this.windowMs - now;
  }

  async refusal(account, address) {
    const now = this.clock();
    const wait = Math.max(await this.wait('account', account, this.perAccount, now),
      await this.wait('address', String(address), this.perAddress, now));
    return wait > 0 ? Math.ceil(wait / 1000) : 0;
  }

  async failed(account, address) {
    const now = this.clock();
    await this.pool.query("INSERT INTO login_failures (kind, key, at) VALUES ('account', $1, $3), ('address', $2, $3)",
      [pgText(account), pgText(String(address)), now]);
  }

  async succeeded(account) {
    await this.pool.query("DELETE FROM login_failures WHERE kind = 'account' AND key = $1", [pgText(account)]);
  }

  // Failures older than the window decide nothing any more.
  async purge() {
    await this.pool.query('DELETE FROM login_failures WHERE at <= $1', [this.clock() - this.windowMs]);
  }
}

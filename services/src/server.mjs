#!/usr/bin/env node
// Quillet's local product services: every product host's paths on one
// loopback port. Usage: node src/server.mjs [--port N] [--data DIR]
//   [--log FILE] [--log-limit BYTES] [--session-ttl SECONDS] [--workers N]
//   [--seed-update] [--note-port N] [--note-token-ttl SECONDS]
//   [--host ADDR [--allow-remote]] [--login-limit-account N]
//   [--login-limit-address N] [--login-window SECONDS]
//   [--database postgres://...] [--trust-proxy ADDR[,ADDR...]]. Prints
//   "listening <port>" and then "notes <note service port>" on stdout when
//   ready. Log lines go to stderr, or to FILE, rotated at BYTES.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import net from 'node:net';
import { openStore, isPostgresAddress } from './store.mjs';
import { LoginLimiter, LOGIN_LIMIT_DEFAULTS } from './loginlimit.mjs';
import { PgLoginLimiter } from './pglimiter.mjs';
import { send, sendHtml, page, readBody, requestUrl, HttpError } from './http.mjs';
import { accountRoutes } from './accounts.mjs';
import { usageRoutes } from './usage.mjs';
import { Vocabulary } from './vocabulary.mjs';
import { WordNet } from './wordnet.mjs';
import { CheckPool } from './checkpool.mjs';
import { ruleDescriptions } from './rules/index.mjs';
import { checkRoute } from './checkroute.mjs';
import { explanationRoute } from './explain.mjs';
import { Lookup, lookupRoutes } from './lookup.mjs';
import { Releases, seedReleases, seedUpdateRelease, versionRoutes } from './versions.mjs';
import { pageRoutes } from './pages.mjs';
import { startNoteService } from './noteservice.mjs';
import { defaultFolders } from './folders.mjs';
import { RotatingLog, DEFAULT_LOG_LIMIT } from './rotatinglog.mjs';

const FORM_LIMIT = 1024 * 1024;
const CHECK_LIMIT = 4 * 1024 * 1024;
// How long running answers may take to finish once a stop is asked for.
const DRAIN_MS = 4000;

export const USAGE = 'usage: node src/server.mjs [--port N] [--data DIR] [--log FILE] [--log-limit BYTES] [--session-ttl SECONDS] [--workers N] [--seed-update] ' +
  '[--note-port N] [--note-token-ttl SECONDS] [--host ADDR [--allow-remote]] [--login-limit-account N] ' +
  '[--login-limit-address N] [--login-window SECONDS] [--database postgres://USER@HOST/DB] [--trust-proxy ADDR[,ADDR...]]';

// True for addresses that only this machine can reach.
export function isLoopback(host) {
  const h = String(host).toLowerCase();
  if (h === 'localhost') return true;
  if (net.isIPv4(h)) return h.startsWith('127.');
  if (net.isIPv6(h)) return h === '::1' || /^::ffff:127\./.test(h);
  return false;
}

export function parseArgs(argv, env = process.env) {
  const options = {
    port: 47880,
    data: undefined,
    log: undefined,
    logLimit: DEFAULT_LOG_LIMIT,
    sessionTtl: 7 * 24 * 3600,
    notePort: undefined,
    noteTokenTtl: 365 * 24 * 3600,
    host: '127.0.0.1',
    allowRemote: false,
    loginLimitAccount: LOGIN_LIMIT_DEFAULTS.perAccount,
    loginLimitAddress: LOGIN_LIMIT_DEFAULTS.perAddress,
    loginWindow: LOGIN_LIMIT_DEFAULTS.windowSeconds,
    // Without an address the SQLite file in the data folder holds the data.
    database: env.QUILLET_DATABASE_URL || undefined,
    trustProxy: [],
  };
  for (let i = 0; i < argv.length; i++) {
    const arg = argv[i];
    const value = () => {
      if (i + 1 >= argv.length) throw new Error(`${arg} needs a value`);
      return argv[++i];
    };
    if (arg === '--port') options.port = Number(value());
    else if (arg === '--data') options.data = path.resolve(value());
    else if (arg === '--log') options.log = path.resolve(value());
    else if (arg === '--log-limit') options.logLimit = Number(value());
    else if (arg === '--session-ttl') options.sessionTtl = Number(value());
    else if (arg === '--workers') options.workers = Number(value());
    else if (arg === '--seed-update') options.seedUpdate = true;
    else if (arg === '--note-port') options.notePort = Number(value());
    else if (arg === '--note-token-ttl') options.noteTokenTtl = Number(value());
    else if (arg === '--host') options.host = value();
    else if (arg === '--allow-remote') options.allowRemote = true;
    else if (arg === '--listen-any') { options.host = '0.0.0.0'; options.allowRemote = true; }
    else if (arg === '--login-limit-account') options.loginLimitAccount = Number(value());
    else if (arg === '--login-limit-address') options.loginLimitAddress = Number(value());
    else if (arg === '--login-window') options.loginWindow = Number(value());
    else if (arg === '--database') options.database = value();
    else if (arg === '--trust-proxy') options.trustProxy = value().split(',').map((a) => a.trim()).filter(Boolean);
    else throw new Error(`unknown option ${arg}`);
  }
  if (options.data === undefined) options.data = defaultFolders(env).data;
  if (!(Number.isInteger(options.logLimit) && options.logLimit >= 1024)) throw new Error('bad --log-limit');
  if (!Number.isInteger(options.port) || options.port < 0 || options.port > 65535) throw new Error('bad --port');
  if (!(options.sessionTtl > 0)) throw new Error('bad --session-ttl');
  if (options.workers !== undefined && !(Number.isInteger(options.workers) && options.workers >= 1 && options.workers <= 64)) throw new Error('bad --workers');
  // A free port for the services means a free one for the note service too.
  if (options.notePort === undefined) options.notePort = options.port === 0 ? 0 : 47881;
  if (!Number.isInteger(options.notePort) || options.notePort < 0 || options.notePort > 65535) throw new Error('bad --note-port');
  if (!(options.noteTokenTtl > 0)) throw new Error('bad --note-token-ttl');
  for (const [name, n] of [['--login-limit-account', options.loginLimitAccount], ['--login-limit-address', options.loginLimitAddress]]) {
    if (!(Number.isInteger(n) && n >= 1)) throw new Error(`bad ${name}`);
  }
  if (!(options.loginWindow > 0)) throw new Error('bad --login-window');
  if (!options.host) throw new Error('bad --host');
  if (options.database !== undefined && !isPostgresAddress(options.database)) {
    throw new Error('bad --database: give a PostgreSQL address, postgres://USER@HOST[:PORT]/DATABASE');
  }
  if (options.trustProxy.some((a) => !net.isIP(a))) throw new Error('bad --trust-proxy: give IP addresses');
  // Accounts, sessions and notes are served without TLS: only this machine
  // may reach them unless the operator says otherwise.
  if (!isLoopback(options.host) && !options.allowRemote) {
    throw new Error(`refusing to listen on ${options.host}: it is not a loopback address; ` +
      'add --allow-remote (and put TLS in front) to serve other machines');
  }
  return options;
}

let logFile = null;
function log(message) {
  const line = `${new Date().toISOString()} ${message}\n`;
  if (logFile) logFile.write(line);
  else process.stderr.write(line);
}

// The data folder holds password hashes and session keys: it is created
// for its owner only, and an older one open to others is narrowed.
export function prepareDataFolder(dir) {
  fs.mkdirSync(dir, { recursive: true, mode: 0o700 });
  if ((fs.statSync(dir).mode & 0o077) !== 0) fs.chmodSync(dir, 0o700);
}

export async function startServices(options) {
  const host = options.host || '127.0.0.1';
  prepareDataFolder(options.data);
  const releaseDir = path.join(options.data, 'releases');
  seedReleases(releaseDir);
  if (options.seedUpdate) seedUpdateRelease(releaseDir);
  const store = await openStore({ database: options.database, file: path.join(options.data, 'services.db'), sessionTtl: options.sessionTtl });
  const started = Date.now();
  const pool = new CheckPool({ workers: options.workers, log });
  const vocabulary = new Vocabulary();
  const wordnet = new WordNet();
  const lookup = new Lookup({ wordnet, vocabulary });
  const releases = new Releases(releaseDir, log);
  // The engines are loaded and warmed up before the port opens.
  await pool.ready;
  log(`${pool.size} checking engines ready in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  const descriptions = { ...pool.descriptions, ...ruleDescriptions() };

  const exact = new Map();
  const add = (routes, limit = FORM_LIMIT) => {
    for (const [p, handler] of Object.entries(routes)) exact.set(p.toLowerCase(), { handler, limit });
  };
  // With PostgreSQL, failed log-ins are counted in the database, so every
  // process behind the proxy refuses alike.
  const limits = {
    perAccount: options.loginLimitAccount, perAddress: options.loginLimitAddress, windowSeconds: options.loginWindow,
    trustedProxies: new Set(options.trustProxy || []),
  };
  const limiter = store.kind === 'postgres' ? new PgLoginLimiter(store.pool, limits) : new LoginLimiter(limits);
  add(accountRoutes(store, limiter));
  add(usageRoutes(store));
  add(pageRoutes(store));
  const lookups = lookupRoutes(lookup);
  add({ '/Veska/QLDictCN': lookups['/Veska/QLDictCN'], '/Veska/QLTranslation': lookups['/Veska/QLTranslation'] });
  const versions = versionRoutes(releases);
  add({ '/update/quilletapp': versions['/update/quilletapp'] });
  add({ '/unified/': checkRoute({ store, pool, vocabulary, log }), '/unified': checkRoute({ store, pool, vocabulary, log }) }, CHECK_LIMIT);
  const english = explanationRoute('en', () => descriptions);
  const chinese = explanationRoute('zh', () => descriptions);
  const home = async (req, res) => sendHtml(res, page('Quillet services', '<h1>Quillet services</h1><p>Local product services of Quillet.</p>'));

  const route = (url) => {
    const p = url.pathname;
    const lower = p.toLowerCase();
    if (exact.has(lower)) return exact.get(lower);
    if (lower.startsWith('/update/files/')) return { handler: versions['/update/files/'], limit: 0 };
    if (/^\/eng\/*$/.test(lower)) return { handler: english, limit: 0 };
    if (/^\/chs\/*$/.test(lower)) return { handler: chinese, limit: 0 };
    if (p === '/') return { handler: url.searchParams.has('qew2') ? lookups.dictionary : home, limit: 0 };
    return null;
  };

  const server = http.createServer(async (req, res) => {
    const url = requestUrl(req);
    if (!url) return send(res, 400, 'bad address');
    const target = route(url);
    if (!target) {
      req.resume();
      return send(res, 404, 'not found');
    }
    if (!['GET', 'POST', 'HEAD'].includes(req.method)) {
      req.resume();
      return send(res, 405, 'method not allowed', undefined, { Allow: 'GET, POST' });
    }
    try {
      const body = target.limit > 0 ? await readBody(req, target.limit) : (req.resume(), Buffer.alloc(0));
      await target.handler(req, res, body, url);
    } catch (err) {
      if (err instanceof HttpError) {
        if (!res.headersSent) send(res, err.status, err.message);
        return;
      }
      log(`error on ${req.method} ${url.pathname}: ${err && err.stack ? err.stack : err}`);
      if (!res.headersSent) send(res, 500, 'internal error');
      else res.destroy();
    }
  });
  server.headersTimeout = 20000;
  server.requestTimeout = 120000;

  const purge = setInterval(() => Promise.all([store.purgeExpired(), limiter.purge?.()])
    .catch((err) => log(`purging sessions failed: ${err.message}`)), 60000);
  purge.unref();

  await new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(options.port, host, resolve);
  });

  let notes;
  try {
    notes = await startNoteService({ port: options.notePort, host, store, limiter, accessTtl: options.noteTokenTtl, clock: options.clock, log });
  } catch (err) {
    server.close();
    await pool.close();
    await store.close();
    throw err;
  }

  let closing = null;
  const close = () => {
    if (closing) return closing;
    closing = new Promise((resolve) => {
      clearInterval(purge);
      // No new connections; idle kept-alive ones go now; answers still
      // running get DRAIN_MS to finish and are then cut. Every write is one
      // transaction, so a cut answer never leaves half a write behind.
      let open = 2;
      const done = () => { if (--open === 0) resolve(); };
      notes.close(DRAIN_MS).then(done);
      server.close(done);
      server.closeIdleConnections();
      const idle = setInterval(() => server.closeIdleConnections(), 100);
      idle.unref();
      setTimeout(() => server.closeAllConnections(), DRAIN_MS).unref();
      server.once('close', () => clearInterval(idle));
    }).then(() => {
      lookup.close();
      wordnet.close();
      return pool.close();
    }).then(() => store.close());
    return closing;
  };
  return { server, port: server.address().port, notePort: notes.port, notes, close, store };
}

async function main() {
  let options;
  try {
    options = parseArgs(process.argv.slice(2));
  } catch (err) {
    process.stderr.write(`quillet-services: ${err.message}\n${USAGE}\n`);
    process.exit(2);
  }
  if (options.log) {
    try {
      logFile = new RotatingLog(options.log, { limit: options.logLimit });
    } catch (err) {
      process.stderr.write(`quillet-services: log ${options.log}: ${err.message}\n`);
      process.exit(1);
    }
  }
  let services;
  try {
    services = await startServices(options);
  } catch (err) {
    log(`cannot start: ${err.message}`);
    process.exit(1);
  }
  log(`data folder ${options.data}`);
  // The address without its password.
  if (options.database) log(`database ${options.database.replace(/^(\w+:\/\/[^:@/]*):[^@/]*@/, '$1:***@')}`);
  process.stdout.write(`listening ${services.port}\nnotes ${services.notePort}\n`);
  let stopping = false;
  const stop = (signal) => {
    if (stopping) return;
    stopping = true;
    log(`${signal}: shutting down`);
    services.close().then(() => {
      log('stopped');
      process.exit(0);
    }, (err) => {
      log(`stop failed: ${err && err.stack ? err.stack : err}`);
      process.exit(1);
    });
    // Should anything hang, the process still ends; committed writes are in
    // the database's log already.
    setTimeout(() => { log('stop took too long; exiting'); process.exit(1); }, DRAIN_MS + 4000).unref();
  };
  process.on('SIGTERM', () => stop('SIGTERM'));
  process.on('SIGINT', () => stop('SIGINT'));
}

if (process.argv[1] && path.resolve(process.argv[1]) === path.resolve(new URL(import.meta.url).pathname)) {
  main();
}

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { startServer, post, request, md5Upper, registerAndLogIn } from './helpers.mjs';
import { parseArgs, isLoopback, prepareDataFolder } from '../src/server.mjs';
import { Store } from '../src/store.mjs';
import { LoginLimiter, retryText, clientAddress, tryLogIn } from '../src/loginlimit.mjs';
import { limiterCase } from './storecases.mjs';

const SERVER = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../src/server.mjs');

const logIn = (port, name, password) =>
  post(port, '/Login-new.ashx', [['userName', name], ['hashUserPassword', md5Upper(password)], ['area', 'ostrel']]);

let server;
before(async () => {
  server = await startServer(['--workers', '1', '--login-limit-account', '3', '--login-limit-address', '8']);
});
after(async () => { await server.stop(); });

test('loopback addresses are told from the others', () => {
  for (const h of ['127.0.0.1', '127.1.2.3', 'localhost', '::1', '::ffff:127.0.0.1']) assert.ok(isLoopback(h), h);
  for (const h of ['0.0.0.0', '::', '192.168.1.10', '10.0.0.1', 'example.com', '::ffff:10.0.0.1']) assert.ok(!isLoopback(h), h);
});

test('a non-loopback listening address needs --allow-remote', () => {
  assert.equal(parseArgs([]).host, '127.0.0.1');
  assert.throws(() => parseArgs(['--host', '0.0.0.0']), /refusing to listen on 0\.0\.0\.0.*--allow-remote/);
  assert.throws(() => parseArgs(['--host', '192.168.1.10']), /not a loopback address/);
  assert.equal(parseArgs(['--host', '0.0.0.0', '--allow-remote']).host, '0.0.0.0');
  assert.deepEqual([parseArgs(['--listen-any']).host, parseArgs(['--listen-any']).allowRemote], ['0.0.0.0', true]);
  assert.equal(parseArgs(['--host', '127.0.0.2']).host, '127.0.0.2');
  assert.throws(() => parseArgs(['--login-limit-account', '0']), /bad --login-limit-account/);
  assert.throws(() => parseArgs(['--login-window', 'x']), /bad --login-window/);
});

test('the program refuses a non-loopback address at once with a message and exit code 2', async () => {
  const child = spawn(process.execPath, [SERVER, '--host', '0.0.0.0', '--port', '0'], { stdio: ['ignore', 'pipe', 'pipe'] });
  let stderr = '';
  let stdout = '';
  child.stderr.on('data', (d) => { stderr += d; });
  child.stdout.on('data', (d) => { stdout += d; });
  const code = await new Promise((resolve) => child.on('exit', resolve));
  assert.equal(code, 2);
  assert.equal(stdout, '');
  assert.match(stderr, /refusing to listen on 0\.0\.0\.0: it is not a loopback address; add --allow-remote/);
});

limiterCase('the in-process limiter', (options) => new LoginLimiter(options));

test('retry texts count whole minutes', () => {
  assert.equal(retryText(1), 'Too many failed log-in attempts; try again in 1 minute.');
  assert.equal(retryText(900), 'Too many failed log-in attempts; try again in 15 minutes.');
});

test('only a trusted proxy names the client address', () => {
  const req = (peer, forwarded) => ({ socket: { remoteAddress: peer }, headers: forwarded ? { 'x-forwarded-for': forwarded } : {} });
  const proxies = new Set(['127.0.0.1']);
  assert.equal(clientAddress(req('::ffff:127.0.0.1', '203.0.113.9, 198.51.100.7'), proxies), '198.51.100.7');
  assert.equal(clientAddress(req('127.0.0.1'), proxies), '127.0.0.1');
  assert.equal(clientAddress(req('192.0.2.1', '198.51.100.7'), proxies), '192.0.2.1');
  assert.equal(clientAddress(req('127.0.0.1', '198.51.100.7')), '127.0.0.1');
});

test('the limiter keeps a bounded number of entries', () => {
  const limiter = new LoginLimiter({ perAccount: 2, perAddress: 1000, maxEntries: 100 });
  for (let i = 0; i < 1000; i++) limiter.failed(`name:${i}`, `10.0.${i >> 8}.${i & 255}`);
  assert.ok(limiter.accounts.entries.size <= 100);
  assert.ok(limiter.addresses.entries.size <= 100);
});

test('the forwarded address counts only from a trusted proxy, and only the one the proxy appended', async () => {
  assert.deepEqual(parseArgs([], {}).trustProxy, []);
  const trusted = new Set(['127.0.0.1']);
  const proxy = { remoteAddress: '::ffff:127.0.0.1' };
  const from = (forwarded) => ({ socket: proxy, headers: forwarded === undefined ? {} : { 'x-forwarded-for': forwarded } });
  assert.equal(clientAddress(from('203.0.113.7')), '127.0.0.1');
  assert.equal(clientAddress(from('203.0.113.7'), trusted), '203.0.113.7');
  // A client's own header before the proxy's entry changes nothing.
  assert.equal(clientAddress(from('10.9.9.9, 203.0.113.7'), trusted), '203.0.113.7');
  assert.equal(clientAddress(from('::ffff:198.51.100.2'), trusted), '198.51.100.2');
  assert.equal(clientAddress(from('2001:DB8::1'), trusted), '2001:db8::1');
  // No header, or one that does not end in an address: the connection's.
  for (const bad of [undefined, '', 'unknown', '203.0.113.7, not-an-address', '203.0.113.7:8080']) {
    assert.equal(clientAddress(from(bad), trusted), '127.0.0.1', String(bad));
  }

  // Failures of two users behind the same proxy, each with a wrong password.
  const store = { verify: async () => false };
  const attempts = async (limiter, forwarded, count) => {
    const answers = [];
    for (let i = 0; i < count; i++) {
      answers.push(await tryLogIn(limiter, store, from(forwarded), `user${forwarded}${i}`, null, 'x'));
    }
    return answers;
  };
  // Without trust, the header is ignored: all share the proxy's allowance.
  const plain = new LoginLimiter({ perAccount: 100, perAddress: 4 });
  await attempts(plain, '203.0.113.7', 4);
  assert.ok((await attempts(plain, '198.51.100.2', 1))[0].refused > 0);
  // With trust, each forwarded address has its own.
  const trusting = new LoginLimiter({ perAccount: 100, perAddress: 4, trustedProxies: trusted });
  await attempts(trusting, '203.0.113.7', 4);
  assert.ok((await attempts(trusting, '203.0.113.7', 1))[0].refused > 0);
  assert.deepEqual(await attempts(trusting, '198.51.100.2', 1), [{ ok: false }]);
  // A client cannot escape its limit by sending addresses of its own.
  assert.ok((await attempts(trusting, '10.1.1.1, 203.0.113.7', 1))[0].refused > 0);
});

test('an account is locked after its failed log-ins with a failure answer, also for the right password', async () => {
  const p = server.port;
  assert.equal((await registerAndLogIn(p, 'lock@example.com', 'secret12')).registration, 'success');
  for (let i = 0; i < 3; i++) assert.equal((await logIn(p, 'lock@example.com', `wrong${i}x`)).text, 'Failure');
  const refused = await logIn(p, 'lock@example.com', 'secret12');
  assert.equal(refused.status, 200);
  // "Failure" with the reason as the first value: the client reads code 0.
  assert.match(refused.text, /^Failure\|Too many failed log-in attempts; try again in \d+ minutes?\.$/);
  assert.equal(refused.text.split('|').length, 2);
  // The same account by another spelling of its name is the same account.
  assert.match((await logIn(p, 'LOCK@example.com', 'secret12')).text, /^Failure\|Too many/);
  // The Sina page's password form is held to the same count.
  const sina = await post(p, '/LoginedBySina.ashx', [['userName', 'lock@example.com'], ['password', 'secret12']]);
  assert.match(sina.text, /<body>Failure\|Too many failed log-in attempts/);
});

test('one address is locked after failures across accounts; sessions are 128-bit keys in 32 hex digits', async () => {
  const p = server.port;
  const first = await registerAndLogIn(p, 'one@example.com', 'secret12');
  const second = await registerAndLogIn(p, 'two@example.com', 'secret12');
  assert.match(first.session, /^[0-9A-F]{32}$/);
  assert.match(second.session, /^[0-9A-F]{32}$/);
  assert.notEqual(first.session, second.session);
  // 3 failures of the earlier test, then unknown names count as well.
  for (let i = 0; i < 5; i++) {
    const answer = (await logIn(p, `nobody${i}@example.com`, 'secret12')).text;
    assert.equal(answer, 'UserNotExit');
  }
  const refused = await logIn(p, 'two@example.com', 'secret12');
  assert.match(refused.text, /^Failure\|Too many failed log-in attempts/);
  // Sessions opened before stay good.
  assert.equal((await post(p, '/IsUserLogin.ashx', [['sessionKey', first.session]])).text, 'Success');
});

test('the data folder and the database are readable by their owner only', async () => {
  assert.equal(fs.statSync(server.data).mode & 0o777, 0o700);
  for (const f of ['services.db', 'services.db-wal']) {
    assert.equal(fs.statSync(path.join(server.data, f)).mode & 0o777, 0o600, f);
  }
});

test('an older data folder and database with wider access are narrowed at start', async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quillet-services-mode-'));
  try {
    const file = path.join(dir, 'services.db');
    new Store(file).close();
    fs.chmodSync(file, 0o644);
    fs.chmodSync(dir, 0o755);
    prepareDataFolder(dir);
    assert.equal(fs.statSync(dir).mode & 0o777, 0o700);
    new Store(file).close();
    assert.equal(fs.statSync(file).mode & 0o777, 0o600);
    const fresh = path.join(dir, 'a', 'b');
    prepareDataFolder(fresh);
    assert.equal(fs.statSync(fresh).mode & 0o777, 0o700);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

test('the database is SQLite unless a PostgreSQL address is given; other addresses are refused', () => {
  assert.equal(parseArgs([], {}).database, undefined);
  const url = 'postgres://quillet@db.example.org/quillet';
  assert.equal(parseArgs(['--database', url], {}).database, url);
  assert.equal(parseArgs([], { QUILLET_DATABASE_URL: url }).database, url);
  assert.equal(parseArgs(['--database', 'postgresql://a@b/c'], { QUILLET_DATABASE_URL: url }).database, 'postgresql://a@b/c');
  assert.throws(() => parseArgs(['--database', 'mysql://a@b/c'], {}), /bad --database/);
  assert.throws(() => parseArgs([], { QUILLET_DATABASE_URL: '/tmp/services.db' }), /bad --database/);
  assert.deepEqual(parseArgs(['--trust-proxy', '127.0.0.1, ::1'], {}).trustProxy, ['127.0.0.1', '::1']);
  assert.throws(() => parseArgs(['--trust-proxy', 'proxy.example.org'], {}), /bad --trust-proxy/);
});
